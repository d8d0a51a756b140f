#include "../WindowTest.h"
#include "crash/TErrorReport.h"
#include "foundations/ParameterTable.h"
#include "foundations/TIniFile.h"
#include "ringbom/RingbomFields.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace kelvane;

namespace {

// The run goes on its own timer: the tests tick it themselves all the same.
class RingbomWindow : public WindowTest<TRingbomStirlingMainForm> {
  protected:
    int Angle() { return std::stoi(Text(Field::Phase)); }
};

TEST_F(RingbomWindow, OpensWithTheDefaultsAndARunGoingFromZero) {
    ShowRunning();
    EXPECT_TRUE(env.errors.empty());
    const std::pair<const char*, const char*> defaults[] = {
        {"HotTemp", "300"},         {"ColdTemp", "100"},   {"DispCylHeight", "100"},
        {"DispCylDiameter", "100"}, {"DispHeight", "60"},  {"DPistonDiameter", "10"},
        {"PistonDiameter", "30"},   {"PistonThrow", "60"}, {"Phase", "0"}};
    for (const auto& [field, text] : defaults)
        EXPECT_EQ(Text(field), text) << field;
    EXPECT_EQ(form->HotTempTB->value(), 700);
    EXPECT_TRUE(form->StripChartCB->isChecked());
    EXPECT_TRUE(form->AllDataCB->isChecked());
    EXPECT_TRUE(form->PanLeftButton->isEnabled());
    EXPECT_EQ(form->Grid()->item(0, 0)->text(), "Disp Posn");
    EXPECT_EQ(form->Grid()->item(11, 0)->text(), "Net Work");
    EXPECT_TRUE(Engine().enable);
    EXPECT_TRUE(Engine().animating);
    EXPECT_TRUE(form->Timer->isActive());
    EXPECT_EQ(form->Timer->interval(), 100);
    EXPECT_EQ(form->PauseButton->text(), "&Pause");
    EXPECT_EQ(form->windowTitle(), "Ringbom Stirling Engine Simulator");
    EXPECT_EQ(Engine().DisplacerSeries.Count(), 0);
}

TEST_F(RingbomWindow, TicksStepByFiveDegreesAndGrowTheCharts) {
    ShowRunning();
    Ticks(10);
    EXPECT_EQ(Angle(), 50);
    // The first two steps after a clear are dropped at the third.
    EXPECT_EQ(Engine().DisplacerSeries.Count(), 8);
    EXPECT_EQ(form->Chart(1)->graph(0)->dataCount(), 8);
    EXPECT_EQ(form->Chart(2)->xAxis->range().upper, 45);
    EXPECT_TRUE(form->findChild<QLabel*>("lDebug")->text().startsWith("Vol = "));
    EXPECT_FALSE(form->Grid()->item(2, 1)->text().isEmpty());
    EXPECT_FALSE(form->Picture()->pixmap().isNull());

    // A tick that finds the run halted does nothing.
    QTest::mouseClick(form->PauseButton, Qt::LeftButton);
    Ticks(3);
    EXPECT_EQ(Angle(), 50);
}

TEST_F(RingbomWindow, EnterPerformsOneStepExceptFromTheCheckBoxesAndPanButtons) {
    ShowRunning();
    QTest::keyClick(form->Host().Edit(Field::PistonThrow), Qt::Key_Return);
    EXPECT_EQ(Angle(), 5);
    EXPECT_FALSE(Engine().animating);
    EXPECT_EQ(form->PauseButton->text(), "&Pause");
    EXPECT_TRUE(form->Timer->isActive()); // idles until the run goes on
    QTest::keyClick(form->HotTempTB, Qt::Key_Enter);
    EXPECT_EQ(Angle(), 10);

    for (QWidget* keeper : std::initializer_list<QWidget*>{
             form->StripChartCB, form->AllDataCB, form->PanLeftButton, form->PanRightButton}) {
        QTest::keyClick(keeper, Qt::Key_Return);
        EXPECT_EQ(Angle(), 10) << keeper->objectName().toStdString();
        EXPECT_TRUE(form->isVisible()) << keeper->objectName().toStdString();
    }
    // Escape closes from a control that keeps Enter to itself too.
    QTest::keyClick(form->StripChartCB, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(RingbomWindow, PauseResumesAtItsAngleAndHelpTogglesTheRun) {
    ShowRunning();
    Ticks(4);
    QTest::mouseClick(form->PauseButton, Qt::LeftButton);
    EXPECT_EQ(form->PauseButton->text(), "&Resume");
    EXPECT_FALSE(Engine().animating);
    QTest::mouseClick(form->SingleStepButton, Qt::LeftButton);
    EXPECT_EQ(Angle(), 25);

    form->HelpButtonClick();
    EXPECT_TRUE(Engine().animating);
    EXPECT_EQ(Angle(), 20);
    EXPECT_EQ(form->PauseButton->text(), "&Pause");
    form->TutorialButtonClick();
    EXPECT_FALSE(Engine().animating);
    EXPECT_EQ(form->PauseButton->text(), "&Resume");
    ASSERT_EQ(env.platform.documents.size(), 2);
    EXPECT_EQ(env.platform.documents[0].toStdString(), env.Folder() + "Ringbom Simulator Help.HTM");
    EXPECT_EQ(env.platform.documents[1].toStdString(),
              env.Folder() + "Ringbom Simulator Tutorial.HTM");
}

TEST_F(RingbomWindow, SliderWritesTheHotTemperatureAndHalts) {
    ShowRunning();
    form->HotTempTB->setValue(900);
    EXPECT_EQ(Text(Field::HotTemp), "100");
    EXPECT_FALSE(Engine().animating);
    QTest::mouseClick(form->GoButton, Qt::LeftButton);
    EXPECT_TRUE(Engine().animating);
    form->HotTempTB->setValue(700);
    EXPECT_EQ(Text(Field::HotTemp), "300");
    EXPECT_FALSE(Engine().animating);
}

TEST_F(RingbomWindow, FixedCycleChartClickShowsTheRecordedPositions) {
    ShowRunning();
    QTest::mouseClick(form->StripChartCB, Qt::LeftButton);
    EXPECT_FALSE(form->StripChartCB->isChecked());
    EXPECT_FALSE(form->PanLeftButton->isEnabled());
    EXPECT_FALSE(form->AllDataCB->isEnabled());
    EXPECT_EQ(Engine().DisplacerSeries.Count(), 73);
    Ticks(80); // over a whole revolution: every slot written
    EXPECT_EQ(Angle(), 40);
    EXPECT_EQ(Engine().DisplacerSeries.Count(), 73);

    QImage before = form->Picture()->pixmap().toImage();
    ClickChart(2, 0.5);
    EXPECT_EQ(Text(Field::Phase), "180");
    EXPECT_FALSE(Engine().animating);
    EXPECT_DOUBLE_EQ(Engine().State().dispPos,
                     Engine().DisplacerSeries.YValues()[36] * Engine().State().dispTh / 100);
    EXPECT_DOUBLE_EQ(Engine().State().pistonPos,
                     Engine().PistonSeries.YValues()[36] * Engine().State().pistonTh / 100);
    EXPECT_NE(form->Picture()->pixmap().toImage(), before);
    EXPECT_EQ(Engine().PhaseSeries1.XValues()[0], 180);

    ClickChart(4, 7.6 / 360);
    EXPECT_EQ(Text(Field::Phase), "5");
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RingbomWindow, PanPausesAndLeavesAllData) {
    ShowRunning();
    Ticks(90);
    QTest::mouseClick(form->PanLeftButton, Qt::LeftButton);
    EXPECT_EQ(form->PauseButton->text(), "&Resume");
    EXPECT_FALSE(form->AllDataCB->isChecked());
    const double last = Engine().DisplacerSeries.XValues().MaxValue();
    EXPECT_EQ(Engine().PositionChart.BottomAxis.Maximum(), last);
    QTest::mouseClick(form->PanRightButton, Qt::LeftButton);
    EXPECT_EQ(Engine().PositionChart.BottomAxis.Maximum(), last);
    EXPECT_EQ(form->Chart(1)->xAxis->range().upper, last);
}

TEST_F(RingbomWindow, LoadRefreshesAndCountsTickChangesAsClicks) {
    ShowRunning();
    Ticks(20);
    std::string par = env.Folder() + "fixed.PAR";
    {
        TIniFile ini(par);
        RingbomFields().WriteFrom(form->Host(), ini);
        ini.WriteString("RingbomPiston", "Throw", "45");
        ini.WriteString("RingbomStripChart", "Enabled", "N");
    }
    env.platform.fileToOpen = QString::fromStdString(par);
    QTest::mouseClick(form->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
    EXPECT_TRUE(env.errors.empty());
    EXPECT_EQ(Text(Field::PistonThrow), "45");
    EXPECT_FALSE(Engine().animating);
    EXPECT_EQ(Text(Field::Phase), "0");
    EXPECT_FALSE(form->StripChartCB->isChecked());
    EXPECT_FALSE(form->PanRightButton->isEnabled());
    // Cleared into the fixed-cycle slots.
    EXPECT_EQ(Engine().PressureSeries.Count(), 73);
    EXPECT_EQ(Engine().PressureSeries.YValues().MaxValue(), 0);
    // Nothing of the old run stays in the grid.
    for (int row = 0; row < form->Grid()->rowCount(); ++row) {
        const QTableWidgetItem* value = form->Grid()->item(row, 1);
        EXPECT_TRUE(!value || value->text().isEmpty())
            << row << ": " << value->text().toStdString();
    }
}

TEST_F(RingbomWindow, MarkedBoxesKeepGoSingleAndResumeFromStepping) {
    struct Case {
        Field field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {Field::HotTemp, "abc", "Hot temperature must be a whole number of degrees F"},
        {Field::DPistonDiameter, "1e5000", "Displacer rod diameter must be a number"},
        {Field::DispHeight, "200",
         "Displacer height must be less than the displacer cylinder height"},
        {Field::Phase, "", "Crank angle must be a whole number of degrees"},
    };
    ShowRunning();
    Ticks(3);
    QTest::mouseClick(form->PauseButton, Qt::LeftButton); // paused: Resume would step
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        QLineEdit* edit = form->Host().Edit(c.field);
        const QString good = edit->text();
        edit->setText(c.text);
        EXPECT_TRUE(form->Marked(c.field));
        EXPECT_EQ(form->ProblemLine()->text().toStdString(), c.message);
        const int steps = Engine().record.resultCount;
        for (QPushButton* b : {form->GoButton, form->SingleStepButton, form->PauseButton}) {
            form->ClearButton->setFocus();
            QTest::mouseClick(b, Qt::LeftButton);
            EXPECT_FALSE(Engine().animating);
            EXPECT_EQ(form->focusWidget(), edit);
        }
        QTest::keyClick(form->Host().Edit(Field::ColdTemp), Qt::Key_Return);
        form->TimerTimeout();
        EXPECT_EQ(Engine().record.resultCount, steps);
        edit->setText(good);
        EXPECT_FALSE(form->Marked(c.field));
    }
    EXPECT_TRUE(env.errors.empty());
    QTest::mouseClick(form->GoButton, Qt::LeftButton);
    const int steps = Engine().record.resultCount;
    form->TimerTimeout();
    EXPECT_EQ(Engine().record.resultCount, steps + 1);
}

TEST_F(RingbomWindow, ABoxMarkedDuringARunHaltsItPaused) {
    ShowRunning();
    Ticks(2);
    form->Host().Edit(Field::ColdTemp)->setText("c");
    Engine().animating = true; // as if the run had gone on regardless
    form->TimerTimeout();
    EXPECT_FALSE(Engine().animating);
    EXPECT_EQ(form->PauseButton->text(), "&Resume");
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RingbomWindow, AStepThatFailsHaltsTheRunAndIsReportedOnce) {
    ShowRunning();
    Ticks(2);
    form->Host().Edit(Field::HotTemp)->setText("abc");
    // The engine's own timer reaching a failing step, however it got there.
    Engine().animating = true;
    for (int tick = 0; tick < 3; ++tick)
        form->Run([&] { Engine().Tick(); });
    ASSERT_EQ(env.errors.size(), 1u);
    EXPECT_EQ(env.errors[0], "'abc' is not a valid integer value");
    EXPECT_FALSE(Engine().animating);
    EXPECT_EQ(Engine().PauseButtonCaption, "&Resume");
    EXPECT_FALSE(Engine().computingAnimation);

    form->Host().Edit(Field::HotTemp)->setText("300");
    const std::function<void()> goOn[] = {
        [&] { QTest::mouseClick(form->PauseButton, Qt::LeftButton); }, // Resume
        [&] { QTest::mouseClick(form->GoButton, Qt::LeftButton); },
    };
    for (const auto& action : goOn) {
        QTest::mouseClick(form->PauseButton, Qt::LeftButton);
        if (Engine().animating)
            QTest::mouseClick(form->PauseButton, Qt::LeftButton);
        action();
        EXPECT_TRUE(Engine().animating);
        const int before = Angle();
        form->TimerTimeout();
        EXPECT_EQ(Angle(), before + 5);
    }
    const int before = Angle();
    QTest::mouseClick(form->SingleStepButton, Qt::LeftButton);
    EXPECT_EQ(Angle(), before + 5);
    EXPECT_EQ(env.errors.size(), 1u);
}

TEST_F(RingbomWindow, OneRevolutionModeShowsTheRecordedPressureVolumeLoop) {
    struct Case {
        int ticks;
        int points; // recorded slots on the loop, and 5 again to close it
    };
    // Part of a revolution, then past its end: 0 to 360 is one crank position,
    // and the whole revolution is a closed loop.
    const Case cases[] = {{10, 10}, {72, 72}, {73, 73}, {80, 73}};
    ShowRunning();
    QTest::mouseClick(form->StripChartCB, Qt::LeftButton);
    QTest::mouseClick(form->GoButton, Qt::LeftButton);
    QTest::mouseClick(form->ShowPVButton(), Qt::LeftButton);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        Ticks(c.ticks - (&c == cases ? 0 : (&c)[-1].ticks));
        const TLineSeries& pv = Engine().PVSeries;
        ASSERT_EQ(pv.Count(), c.points);
        for (int k = 0; k < pv.Count(); ++k) {
            EXPECT_GE(pv.XValues()[k], 0.0);
            EXPECT_LE(pv.XValues()[k], 1.0);
            EXPECT_GT(pv.YValues()[k], 0.0); // a pressure, not an empty slot
        }
        // The chart shows volumes (0 to 1), not crank angles.
        form->Chart(5)->replot();
        EXPECT_LE(form->Chart(5)->xAxis->range().upper, 1.5);
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RingbomWindow, ClearEmptiesTheValueColumnUntilTheNextStep) {
    struct Case {
        bool strip;
        int ticks;
    };
    const Case cases[] = {{true, 3}, {true, 90}, {false, 20}};
    ShowRunning();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ticks);
        if (form->StripChartCB->isChecked() != c.strip)
            QTest::mouseClick(form->StripChartCB, Qt::LeftButton);
        QTest::mouseClick(form->GoButton, Qt::LeftButton);
        Ticks(c.ticks);
        QTest::mouseClick(form->ClearButton, Qt::LeftButton);
        for (int row = 0; row < RingbomEngine::kGridRows; ++row) {
            QTableWidgetItem* item = form->Grid()->item(row, 1);
            EXPECT_TRUE(!item || item->text().isEmpty()) << row;
            EXPECT_FALSE(form->Grid()->item(row, 0)->text().isEmpty()) << row; // labels stay
        }
        QTest::mouseClick(form->SingleStepButton, Qt::LeftButton);
        EXPECT_FALSE(form->Grid()->item(RingbomEngine::PistonPosn, 1)->text().isEmpty());
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RingbomWindow, AnotherEnginesParameterFileIsRefused) {
    ShowRunning();
    std::string par = env.Folder() + "gamma.PAR";
    TIniFile(par).WriteString("GammaHot", "Temp", "900");
    env.platform.fileToOpen = QString::fromStdString(par);
    QTest::mouseClick(form->findChild<QPushButton*>("LoadButton"), Qt::LeftButton);
    ASSERT_EQ(env.platform.messages.size(), 1);
    EXPECT_TRUE(env.platform.messages[0].contains(QString::fromStdString(par)));
    EXPECT_EQ(Text(Field::HotTemp), "300");
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RingbomWindow, CreationRedirectsTheErrorLog) {
    std::unique_ptr<TErrorReport> own;
    if (!TErrorReport::Instance())
        own = std::make_unique<TErrorReport>();
    TErrorReport* report = TErrorReport::Instance();
    report->SetLogEnabled(false);
    report->SetLogFile("elsewhere.log");
    TRingbomStirlingMainForm another;
    EXPECT_EQ(report->LogFile(), env.Folder() + "Error-Log.Txt");
    EXPECT_TRUE(report->LogEnabled());
}

TEST_F(RingbomWindow, SettingsAreWrittenAtTheEndAndReadBack) {
    ShowRunning();
    form->Host().Edit(Field::DPistonDiameter)->setText("12");
    QTest::mouseClick(form->AllDataCB, Qt::LeftButton);
    form->setGeometry(-1500, 40, form->width(), form->height());
    form->FormDestroy();
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("RingbomDisplacer", "PDiameter", ""), "12");
    EXPECT_EQ(ini.ReadString("RingbomAllData", "Enabled", ""), "N");
    EXPECT_EQ(ini.ReadString("RingbomStripChart", "Enabled", ""), "Y");
    EXPECT_EQ(ini.ReadInteger("ringbom", "Left", 0), -1500);
    EXPECT_EQ(ini.ReadInteger("ringbom", "width", 0), form->width());

    auto again = std::make_unique<TRingbomStirlingMainForm>();
    again->show();
    EXPECT_EQ(again->Host().FieldText(Field::DPistonDiameter), "12");
    EXPECT_FALSE(again->AllDataCB->isChecked());
    EXPECT_TRUE(again->StripChartCB->isChecked());
    EXPECT_GE(again->frameGeometry().x(), 0) << "stored as it was, opened back on the screen";
    EXPECT_TRUE(again->Engine().animating);
}

TEST_F(RingbomWindow, NeverShownWritesNothing) {
    form->FormDestroy();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(env.SettingsFile())));
}

TEST_F(RingbomWindow, TheLauncherOpensItAndTheProgramStoresIt) {
    KelvaneProgram program;
    program.Launcher().EngineButtonClick("ringbom");
    EXPECT_TRUE(program.Window<TRingbomStirlingMainForm>("ringbom").isVisible());
    EXPECT_TRUE(program.Window<TRingbomStirlingMainForm>("ringbom").Engine().animating);
    program.Window<TRingbomStirlingMainForm>("ringbom").Timer->stop();
    program.End();
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("RingbomPiston", "Throw", ""), "60");
    EXPECT_EQ(ini.ReadString("GammaPiston", "Throw", "none"), "none");
}

TEST_F(RingbomWindow, AfterAHundredSteps) {
    ShowRunning();
    form->Timer->stop();
    Ticks(100);
    EXPECT_EQ(Angle(), 500);
    AppTestEnvironment::Snapshot(*form, "ringbom-window");
    QTest::mouseClick(form->ShowPVButton(), Qt::LeftButton);
    AppTestEnvironment::Snapshot(*form, "ringbom-window-pv");
    EXPECT_TRUE(env.errors.empty());
}

} // namespace
