#include "../AppTestSupport.h"
#include "crash/TErrorReport.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class Launcher : public ::testing::Test {
  protected:
    AppTestEnvironment env;

    static void Click(QWidget& window, const char* button) {
        QPushButton* b = window.findChild<QPushButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

TEST_F(Launcher, ShowsItsReleaseAndAnswersItsButtons) {
    TKelvaneDispatchForm launcher;
    launcher.show();
    EXPECT_EQ(launcher.ReleaseLabel()->text().toStdString(),
              "Release: " + TKelvaneDispatchForm::ProductVersion());
    std::string version = TKelvaneDispatchForm::ProductVersion();
    EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 3) << version; // four numbers
    EXPECT_TRUE(env.platform.messages.isEmpty()); // no development environment, no check

    Click(launcher, "RotaryButton");
    ASSERT_EQ(env.platform.messages.size(), 1);
    EXPECT_EQ(env.platform.messages[0], "The Rotary simulation is not available at this time.");
    EXPECT_TRUE(env.platform.documents.isEmpty());

    Click(launcher, "IntroButton");
    ASSERT_EQ(env.platform.documents.size(), 1);
    EXPECT_EQ(env.platform.documents[0].toStdString(), env.Folder() + "Kelvane Introduction.HTM");

    if (TErrorReport* report = TErrorReport::Instance()) {
        EXPECT_EQ(report->LogFile(), env.Folder() + "Kelvane-Error-Log.Txt");
    }

    Click(launcher, "QuitButton");
    EXPECT_FALSE(launcher.isVisible());
}

TEST_F(Launcher, ReleaseCheckRunsOnlyWithTheDevelopmentEnvironment) {
    env.platform.developmentEnvironment = true;
    TKelvaneDispatchForm launcher;
    launcher.CheckForCorrectRelease("1.2.3.4");
    ASSERT_EQ(env.platform.messages.size(), 2);
    EXPECT_EQ(env.platform.messages[0], "Release may not be current");
    EXPECT_EQ(env.platform.messages[1], "Release has non-zero extension");
}

TEST_F(Launcher, PlacementIsReadFromMainAndWrittenAtTheEnd) {
    TIniFile(env.SettingsFile()).WriteString("Main", "Left", "0x64");
    TIniFile(env.SettingsFile()).WriteString("Main", "Top", "12abc");
    TKelvaneDispatchForm launcher;
    launcher.show();
    EXPECT_EQ(launcher.geometry().topLeft(), QPoint(100, 107));
    launcher.setGeometry(150, 160, launcher.width(), launcher.height());
    launcher.FormDestroy();
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("Main", "Left", ""), "150");
    EXPECT_EQ(ini.ReadString("Main", "Top", ""), "160");
    EXPECT_EQ(ini.ReadString("Main", "Width", "none"), "none");
}

TEST_F(Launcher, ProgramStoresOnlyTheWindowsThatWereShown) {
    {
        KelvaneProgram program;
        program.Launcher().show();
        program.End();
    }
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("Main", "Left", ""), "281");
    EXPECT_EQ(ini.ReadString("Gamma", "Left", "none"), "none");
    EXPECT_EQ(ini.ReadString("GammaPiston", "Throw", "none"), "none");
    {
        KelvaneProgram program;
        program.Launcher().show();
        Click(program.Launcher(), "GammaButton");
        ASSERT_TRUE(program.Window<TGammaStirlingMainForm>("gamma").isVisible());
        program.Window<TGammaStirlingMainForm>("gamma").Timer->stop();
        program.Window<TGammaStirlingMainForm>("gamma")
            .Host()
            .Edit(Field::PistonThrow)
            ->setText("50");
        program.Window<TGammaStirlingMainForm>("gamma").ExitButtonClick();
        EXPECT_FALSE(program.Window<TGammaStirlingMainForm>("gamma").isVisible());
        program.End();
    }
    EXPECT_EQ(ini.ReadString("GammaPiston", "Throw", ""), "50");
    EXPECT_EQ(ini.ReadString("Gamma", "Left", ""), "222");
}

} // namespace
