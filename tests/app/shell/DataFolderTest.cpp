#include "../AppTestSupport.h"
#include "crash/TErrorReport.h"
#include "shell/SimulatorFrame.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

using namespace kelvane;

namespace {

// Tests run as root, whom permission bits do not stop; a folder below a
// regular file is unwritable for everyone (access(2) gives ENOTDIR).
class DataFolder : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    std::string Root() const { return dir.path().toStdString() + "/"; }
    std::string UnderAFile(const std::string& name) {
        std::ofstream(Root() + name) << "not a folder";
        return Root() + name + "/Kelvane/";
    }
};

TEST_F(DataFolder, WritableProgramFolderKeepsEverythingThere) {
    const std::string program = Root() + "program/";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(program)));
    const std::string config = Root() + "config/Kelvane/";
    EXPECT_EQ(SimulatorFrame::DataFolderFor(program, config), program);
    EXPECT_FALSE(QDir(QString::fromStdString(config)).exists()) << "nothing created needlessly";
}

TEST_F(DataFolder, UnwritableProgramFolderMovesToTheConfigFolder) {
    struct Case {
        const char* what;
        std::string program;
    };
    const std::string config = Root() + "home/.config/Kelvane/";
    for (const Case& c : {Case{"below a regular file", UnderAFile("lib")},
                          Case{"missing", Root() + "no-such-folder/"}}) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SimulatorFrame::DataFolderFor(c.program, config), config);
        EXPECT_TRUE(QDir(QString::fromStdString(config)).exists()) << "created with its parents";
    }
}

TEST_F(DataFolder, ConfigFolderThatCannotBeMadeFallsBackToTheProgramFolder) {
    const std::string program = UnderAFile("lib");
    EXPECT_EQ(SimulatorFrame::DataFolderFor(program, UnderAFile("home")), program);
}

// The whole path through the launcher: an installed (read-only) program folder
// sends the launcher's settings and the error log to the configuration folder.
TEST_F(DataFolder, LauncherOfAnInstalledProgramWritesToTheConfigFolder) {
    QStandardPaths::setTestModeEnabled(true); // a throw-away configuration root
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir(config).removeRecursively();
    const std::string program = UnderAFile("lib");

    AppTestEnvironment env;
    SimulatorFrame::SetProgramFolderForTests(program);
    TErrorReport report;
    {
        TKelvaneDispatchForm launcher;
        launcher.show();
        EXPECT_EQ(launcher.appPath, program) << "documents still open from the program";
        EXPECT_EQ(report.LogFile(), config.toStdString() + "/Kelvane-Error-Log.Txt");
        launcher.IntroButtonClick();
        launcher.FormDestroy();
    }
    ASSERT_EQ(env.platform.documents.size(), 1);
    EXPECT_EQ(env.platform.documents[0].toStdString(), program + "Kelvane Introduction.HTM");
    EXPECT_TRUE(QFile::exists(config + "/Kelvane.INI"));
    EXPECT_TRUE(env.errors.empty());
    QDir(config).removeRecursively();
    QStandardPaths::setTestModeEnabled(false);
}

} // namespace
