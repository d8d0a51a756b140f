#include "../WindowTest.h"
#include "foundations/Conversions.h"
#include "foundations/TIniFile.h"
#include "rider/TRiderStirlingMainForm.h"
#include "rider/UpDownControl.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

class RiderWindow : public WindowTest<TRiderStirlingMainForm> {
  protected:
    // Shown, stopped, and the recalculation that loading armed already done.
    void ShowStopped() {
        Show();
        QTest::mouseClick(form->StopButton, Qt::LeftButton);
        if (form->GraphTimer->isActive())
            form->GraphTimerTimer();
    }
    void Press(Field upDown, bool up, int times = 1) {
        UpDownControl* control = form->UpDown(upDown);
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(control, Qt::LeftButton, {}, control->ArrowCentre(up));
    }
};

TEST_F(RiderWindow, OpensWithTheDefaultsAnimatingFast) {
    Show();
    EXPECT_TRUE(env.errors.empty());
    EXPECT_EQ(form->windowTitle(), "Two Piston Stirling Engine Simulator");
    EXPECT_EQ(Text(Field::HotTemp), "300");
    EXPECT_EQ(Text(Field::ColdTemp), "100");
    EXPECT_EQ(Text(Field::HotStrokeMin), "5");
    EXPECT_EQ(Text(Field::ColdStrokeMin), "5");
    EXPECT_EQ(Text(Field::HotStrokeMax), "50");
    EXPECT_EQ(Text(Field::ColdStrokeMax), "100");
    EXPECT_EQ(Text(Field::PhaseOffset), "90");
    EXPECT_EQ(form->HotTempTB->value(), 700);
    EXPECT_EQ(form->PhaseOffsetTB->value(), 90);
    EXPECT_TRUE(Engine().enable);
    EXPECT_TRUE(Engine().timer.Enabled);
    EXPECT_EQ(form->Timer->interval(), 100);
    EXPECT_EQ(form->Grid()->rowCount(), 9);
    EXPECT_EQ(form->Grid()->item(0, 0)->text(), "Hot Posn");
    EXPECT_EQ(form->Grid()->item(8, 0)->text(), "Net Work");
    EXPECT_FALSE(Cell(8).empty());
    EXPECT_EQ(Engine().PressureSeries.Count(), 361);
    EXPECT_EQ(Engine().PVSeries.Count(), 361);
    EXPECT_FALSE(form->Picture()->pixmap().isNull());
    EXPECT_EQ(form->Picture()->size(), QSize(255, 167));
    // Loading only moves the track bars: no second analysis follows.
    EXPECT_FALSE(form->GraphTimer->isActive());
    EXPECT_EQ(form->GraphTimer->interval(), 250);
    EXPECT_TRUE(form->GraphTimer->isSingleShot());
    AppTestEnvironment::Snapshot(*form, "rider-window");
}

TEST_F(RiderWindow, CentredOnlyUntilItHasAPlaceOfItsOwn) {
    Show();
    EXPECT_EQ(form->pos(), QPoint((1280 - form->width()) / 2, (1024 - form->height()) / 2));
    form->move(20, 30);
    form->hide(); // the place is kept
    env.platform.screen = QSize(1000, 800);
    Show();
    EXPECT_EQ(form->pos(), QPoint(20, 30));

    TIniFile ini(env.SettingsFile());
    ini.WriteInteger("Rider", "Left", 7);
    ini.WriteInteger("Rider", "Top", 9);
    ini.WriteInteger("Rider", "width", 900);
    ini.WriteInteger("Rider", "height", 600);
    auto again = std::make_unique<TRiderStirlingMainForm>();
    again->Timer->stop();
    again->show();
    EXPECT_EQ(again->size(), QSize(900, 600));
    EXPECT_EQ(again->geometry().topLeft(), QPoint(7, 9));
}

TEST_F(RiderWindow, UpDownsStepWithinTheirLimits) {
    struct Case {
        const char* upDown;
        const char* field;
        const char* start;
        bool up;
        int presses;
        const char* expected;
    };
    const Case cases[] = {
        {"UpDown1", "HotStrokeMin", "5", true, 20, "45"}, // the hot maximum is 50
        {"UpDown1", "HotStrokeMin", "45", false, 20, "5"},
        {"UpDown2", "HotStrokeMax", "50", false, 20, "10"}, // the hot minimum is 5
        {"UpDown2", "HotStrokeMax", "10", true, 30, "100"},
        {"UpDown3", "ColdStrokeMin", "5", true, 30, "95"},
        {"UpDown7", "HotTemp", "300", true, 50, "700"},
        {"UpDown8", "ColdTemp", "100", false, 20, "0"},
        {"UpDown5", "PhaseOffset", "90", true, 9, "180"},
        {"UpDown5", "PhaseOffset", "180", true, 1, "-180"}, // wraps
        {"UpDown6", "Phase", "0", false, 1, "350"},         // wraps
    };
    ShowStopped();
    bool byKeys = false; // every other case with Up and Down in the box, as in a spin box
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.upDown) + " from " + c.start + (byKeys ? " by keys" : ""));
        ASSERT_EQ(Text(c.field), c.start);
        if (byKeys) {
            QLineEdit* box = form->Host().Edit(form->Traits().parameters->RowOf(c.field).id);
            for (int i = 0; i < c.presses; ++i)
                QTest::keyClick(box, c.up ? Qt::Key_Up : Qt::Key_Down);
        } else {
            Press(form->Traits().parameters->RowOf(c.field).id, c.up, c.presses);
        }
        EXPECT_EQ(Text(c.field), c.expected);
        byKeys = !byKeys;
    }
    EXPECT_TRUE(env.errors.empty());
    // The track bars follow the temperature and the offset stepped.
    EXPECT_EQ(form->HotTempTB->value(), 300);
    EXPECT_EQ(form->PhaseOffsetTB->value(), -180);
}

TEST_F(RiderWindow, PressesWhileStoppedGiveOneDelayedAnalysis) {
    ShowStopped();
    Engine().PressureSeries.Clear();
    Press(Field::ColdTemp, true);
    EXPECT_EQ(Text(Field::ColdTemp), "110"); // shown at once
    EXPECT_EQ(Engine().PressureSeries.Count(), 0);
    EXPECT_TRUE(form->GraphTimer->isActive());
    // Further presses while armed do not start the timer again.
    form->GraphTimer->stop();
    Press(Field::ColdTemp, true, 2);
    EXPECT_FALSE(form->GraphTimer->isActive());
    EXPECT_EQ(Engine().PressureSeries.Count(), 0);

    Press(Field::Phase, true, 3); // the crank angle survives the analysis
    form->GraphTimerTimer();
    EXPECT_EQ(Engine().PressureSeries.Count(), 361);
    EXPECT_FALSE(Engine().graphTimerArmed);
    EXPECT_EQ(Text(Field::Phase), "30");
    EXPECT_EQ(Engine().PhaseSeries1.XValues()[0], 30);
    // The delayed analysis saw the values after every step.
    std::string net = Cell(8), maxPressure = Cell(6);
    QTest::mouseClick(form->CalcButton, Qt::LeftButton);
    EXPECT_EQ(Text(Field::ColdTemp), "130");
    EXPECT_EQ(Cell(8), net);
    EXPECT_EQ(Cell(6), maxPressure);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, PressWhileAnimatingAnalysesAtOnceAndAgainLater) {
    Show();
    form->GraphTimerTimer();
    Engine().PressureSeries.Clear();
    Press(Field::HotStrokeMax, true);
    EXPECT_EQ(Engine().PressureSeries.Count(), 361);
    EXPECT_TRUE(form->GraphTimer->isActive());
    EXPECT_EQ(Text(Field::HotStrokeMax), "55");
}

TEST_F(RiderWindow, TrackBarsRunToTheirEnds) {
    ShowStopped();
    struct Case {
        QSlider* bar;
        int value;
        const char* field;
        const char* expected;
    };
    const Case cases[] = {
        {form->HotTempTB, 0, "HotTemp", "700"}, // the up-down's top
        {form->HotTempTB, 1000, "HotTemp", "0"},
        {form->HotTempTB, 2000, "HotTemp", "0"},
        {form->PhaseOffsetTB, 175, "PhaseOffset", "175"},
        {form->PhaseOffsetTB, 400, "PhaseOffset", "180"},
        {form->PhaseOffsetTB, -175, "PhaseOffset", "-175"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        c.bar->setValue(c.value);
        EXPECT_EQ(Text(c.field), c.expected);
    }
    EXPECT_TRUE(form->GraphTimer->isActive());
    EXPECT_EQ(Engine().HotTempTB.Position, 1000);
    EXPECT_EQ(Engine().PhaseOffsetTB.Position, -175);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, LoadedValuesBeyondTheTrackBarsKeepTheirTexts) {
    TIniFile ini(env.SettingsFile());
    ini.WriteString("RiderBoth", "PhaseOffset", "-200");
    ini.WriteString("RiderHot", "Temp", "1200");
    ini.WriteString("RiderCold", "StrokeMax", "140");
    Show();
    EXPECT_EQ(Text(Field::PhaseOffset), "-200");
    EXPECT_EQ(Text(Field::HotTemp), "1200");
    EXPECT_EQ(Text(Field::ColdStrokeMax), "100");
    // The track bars cannot show these values and stay where they were.
    EXPECT_EQ(form->PhaseOffsetTB->value(), 0);
    EXPECT_EQ(form->HotTempTB->value(), 1000);
    EXPECT_EQ(Engine().PhaseOffsetTB.Position, 0);
    EXPECT_EQ(Engine().HotTempTB.Position, 1000);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, EnterAnalysesNothingAndEscapeHidesFromAnyControl) {
    ShowStopped();
    Engine().PressureSeries.Clear();
    QWidget* controls[] = {form->Host().Edit(Field::HotTemp),
                           form->Host().Edit(Field::Phase),
                           form->StopButton,
                           form->HotTempTB,
                           form->PhaseOffsetTB,
                           form->UpDown(Field::HotStrokeMin)};
    for (QWidget* w : controls) {
        SCOPED_TRACE(w->objectName().toStdString());
        QTest::keyClick(w, Qt::Key_Escape);
        EXPECT_FALSE(form->isVisible());
        form->show();
        Engine().StopButtonClick();
        Engine().PressureSeries.Clear();
        QTest::keyClick(w, Qt::Key_Return);
        EXPECT_EQ(Engine().PressureSeries.Count(), 0);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, ChartClicksStopTheCrankAndSetTheAngle) {
    Show();
    ChartView* chart = form->Chart(3);
    chart->replot();
    QRect r = chart->ChartRect();
    auto clickAt = [&](double fraction) {
        int x = r.left() + static_cast<int>(fraction * (r.right() - r.left()) + 0.5);
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(x, r.center().y()));
        return Text(Field::Phase);
    };
    EXPECT_EQ(clickAt(0.5), "180");
    EXPECT_FALSE(Engine().timer.Enabled);
    EXPECT_EQ(Engine().PhaseSeries3.XValues()[0], 180);
    EXPECT_EQ(Cell(0), IntToStr(RoundHalfEven(Engine().State().hotPos)));
    EXPECT_EQ(clickAt(-0.05), "0");
    EXPECT_EQ(clickAt(1.05), "360");
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, AnimationTicksTurnTheCrankByTen) {
    Show();
    form->GraphTimerTimer();
    Press(Field::Phase, false, 1); // 350, while animating
    EXPECT_EQ(Text(Field::Phase), "350");
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "360");
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "10");
    EXPECT_EQ(Engine().PhaseSeries2.XValues()[0], 10);
    QTest::mouseClick(form->GoSlowButton, Qt::LeftButton);
    EXPECT_EQ(form->Timer->interval(), 300);
    EXPECT_EQ(Text(Field::Phase), "0");
    QTest::mouseClick(form->GoMediumButton, Qt::LeftButton);
    EXPECT_EQ(form->Timer->interval(), 200);
    EXPECT_TRUE(Engine().timer.Enabled);
}

TEST_F(RiderWindow, UnusableLoadedTextsAreMarkedAndKeepTheResults) {
    struct Case {
        const char* section;
        const char* key;
        const char* text;
        Field field;
        const char* message;
    };
    const Case cases[] = {
        {"RiderHot", "StrokeMin", "60", Field::HotStrokeMin,
         "Hot stroke minimum must not be above the hot stroke maximum"},
        {"RiderHot", "StrokeMax", "0", Field::HotStrokeMax,
         "Hot stroke maximum must be from 5 to 100"},
        {"RiderCold", "Temp", "cold", Field::ColdTemp,
         "Cold temperature must be a whole number of degrees F"},
        {"RiderBoth", "PhaseOffset", "", Field::PhaseOffset,
         "Phase offset must be a whole number of degrees"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form = std::make_unique<TRiderStirlingMainForm>();
        ShowStopped();
        std::vector<std::string> before;
        for (int row = 0; row < 9; ++row)
            before.push_back(Cell(row));
        const double firstPressure = Engine().PressureSeries.YValues()[0];

        std::string par = env.Folder() + "bad.PAR";
        form->WriteIniFile(par);
        TIniFile(par).WriteString(c.section, c.key, c.text);
        env.platform.fileToOpen = QString::fromStdString(par);
        QTest::mouseClick(form->LoadButton, Qt::LeftButton);
        EXPECT_TRUE(form->Marked(c.field));
        EXPECT_EQ(form->ProblemLine()->text().toStdString(), c.message);
        for (int row = 0; row < 9; ++row)
            EXPECT_EQ(Cell(row), before[row]) << row;
        ASSERT_EQ(Engine().PressureSeries.Count(), 361);
        EXPECT_EQ(Engine().PressureSeries.YValues()[0], firstPressure);

        // Nothing computes on these texts, and nothing is reported as a fault.
        for (QPushButton* b : {form->CalcButton, form->GoFastButton}) {
            QTest::mouseClick(b, Qt::LeftButton);
            EXPECT_FALSE(Engine().timer.Enabled);
            EXPECT_EQ(form->focusWidget(), form->Host().Edit(c.field));
        }
        Engine().timer.Enabled = true;
        form->TimerTimeout();
        EXPECT_FALSE(Engine().timer.Enabled);
        Press(Field::ColdTemp, true);
        form->GraphTimerTimer();
        EXPECT_EQ(Engine().PressureSeries.YValues()[0], firstPressure);
        EXPECT_TRUE(env.errors.empty());
    }
}

TEST_F(RiderWindow, PressureMarkComparesWithTheMeanShown) {
    struct Case {
        Field upDown;
        bool up;
        int presses;
    };
    // Large swings of the mean pressure between analyses.
    const Case cases[] = {{Field::HotTemp, false, 30},      {Field::HotTemp, true, 70},
                          {Field::ColdTemp, true, 60},      {Field::HotTemp, false, 35},
                          {Field::ColdTemp, false, 60},     {Field::PhaseOffset, true, 9},
                          {Field::HotStrokeMin, true, 8},   {Field::HotTemp, true, 20},
                          {Field::ColdStrokeMax, false, 10}};
    ShowStopped();
    for (const Case& c : cases) {
        SCOPED_TRACE(Index(c.upDown));
        Press(c.upDown, c.up, c.presses);
        auto markOff = [&] {
            return AppTestEnvironment::MarkAgainst(
                form->Grid()->item(RiderEngine::Pressure, 1)->text(),
                form->Grid()->item(RiderEngine::MeanPressure, 1)->text());
        };
        QTest::mouseClick(form->CalcButton, Qt::LeftButton); // before the delayed one
        EXPECT_EQ(markOff(), "");
        form->GraphTimerTimer();
        EXPECT_EQ(markOff(), "");
    }
}

TEST_F(RiderWindow, MarkersFollowTheAnalysedAngleOverTheNewCurves) {
    ShowStopped();
    RiderEngine& e = Engine();
    const std::function<void()> analyses[] = {
        [&] { QTest::mouseClick(form->CalcButton, Qt::LeftButton); },
        [&] {
            Press(Field::HotStrokeMax, true, 6);
            form->GraphTimerTimer();
        },
        [&] { QTest::mouseClick(form->GoSlowButton, Qt::LeftButton); },
    };
    for (const auto& analyse : analyses) {
        e.ChartClick(e.PositionChart, 180, 0, 360);
        analyse();
        const double shown = std::stod(Text(Field::Phase));
        for (TLineSeries* marker :
             {&e.PhaseSeries1, &e.PhaseSeries2, &e.PhaseSeries3, &e.PhaseSeries4}) {
            ASSERT_EQ(marker->Count(), 2);
            EXPECT_EQ(marker->XValues()[0], shown);
        }
        // The work marker spans the three work curves just made.
        double lo = e.WorkSeries.YValues().MinValue(), hi = e.WorkSeries.YValues().MaxValue();
        for (TLineSeries* work : {&e.HotWorkSeries, &e.ColdWorkSeries}) {
            lo = std::min(lo, work->YValues().MinValue());
            hi = std::max(hi, work->YValues().MaxValue());
        }
        EXPECT_EQ(e.PhaseSeries4.YValues().MinValue(), lo);
        EXPECT_EQ(e.PhaseSeries4.YValues().MaxValue(), hi);
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, TrackBarsFollowTheirBoxesWithinTheUpDownsRange) {
    struct Case {
        Field upDown;
        bool up;
        int presses;
        QSlider* bar;
        int position;
    };
    ShowStopped();
    const Case cases[] = {
        {Field::HotTemp, true, 5, form->HotTempTB, 1000 - 350},
        {Field::HotTemp, true, 100, form->HotTempTB, 1000 - 700},
        {Field::PhaseOffset, false, 18, form->PhaseOffsetTB, -90},
        {Field::PhaseOffset, false, 9, form->PhaseOffsetTB, -180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Index(c.upDown));
        Press(c.upDown, c.up, c.presses);
        EXPECT_EQ(c.bar->value(), c.position);
    }
    EXPECT_EQ(form->HotTempTB->minimum(), 1000 - 700);
    EXPECT_EQ(form->PhaseOffsetTB->minimum(), -180);
    EXPECT_EQ(form->PhaseOffsetTB->maximum(), 180);
    // The slider cannot pass the up-down's top, so the arrow never pulls it back.
    form->HotTempTB->setValue(0);
    EXPECT_EQ(Text(Field::HotTemp), "700");
    Press(Field::HotTemp, true);
    EXPECT_EQ(Text(Field::HotTemp), "700");
    EXPECT_EQ(form->HotTempTB->value(), 300);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(RiderWindow, AFailingAnimationTickStopsTheCrankAndIsReportedOnce) {
    Show();
    form->GraphTimerTimer();
    // A text no control of the window can set.
    form->Host().Edit(Field::ColdTemp)->setText("1.5");
    Engine().timer.Enabled = true;
    for (int tick = 0; tick < 3; ++tick)
        form->Run([&] { Engine().Tick(); });
    ASSERT_EQ(env.errors.size(), 1u);
    EXPECT_FALSE(Engine().timer.Enabled);
    form->Host().Edit(Field::ColdTemp)->setText("100");
    QTest::mouseClick(form->GoFastButton, Qt::LeftButton);
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "10");
    EXPECT_EQ(env.errors.size(), 1u);
}

TEST_F(RiderWindow, SettingsAreWrittenAtTheEndAndReadBack) {
    ShowStopped();
    Press(Field::HotStrokeMax, true); // hot maximum 55
    Press(Field::PhaseOffset, false); // offset 80
    form->resize(900, 610);
    form->FormDestroy();
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("RiderHot", "StrokeMax", ""), "55");
    EXPECT_EQ(ini.ReadString("RiderHot", "StrokeMin", ""), "5");
    EXPECT_EQ(ini.ReadString("RiderBoth", "PhaseOffset", ""), "80");
    EXPECT_EQ(ini.ReadInteger("Rider", "width", 0), 900);
    EXPECT_EQ(ini.ReadInteger("Rider", "height", 0), 610);

    auto again = std::make_unique<TRiderStirlingMainForm>();
    again->Timer->stop();
    again->show();
    EXPECT_EQ(again->Host().FieldText(Field::HotStrokeMax), "55");
    EXPECT_EQ(again->Host().FieldText(Field::PhaseOffset), "80");
    EXPECT_EQ(again->PhaseOffsetTB->value(), 80);
    EXPECT_EQ(again->size(), QSize(900, 610));
}

TEST_F(RiderWindow, PressureVolumeChartAndItsMarker) {
    Show();
    QTest::mouseClick(form->ShowPVButton(), Qt::LeftButton);
    EXPECT_TRUE(form->Chart(5)->isVisible());
    EXPECT_EQ(form->Chart(5)->size(), form->Chart(1)->size());
    ChartView* chart = form->Chart(1);
    QRect r = chart->ChartRect();
    QTest::mouseClick(chart, Qt::LeftButton, {},
                      QPoint((r.left() + r.right() + 1) / 2, r.top() + 5));
    ASSERT_EQ(Text(Field::Phase), "180");
    const RiderEngine& e = Engine();
    ASSERT_EQ(e.PVPhaseSeries.Count(), 1);
    EXPECT_EQ(e.PVPhaseSeries.XValues()[0], e.TotalVolSeries.YValues()[180]);
    EXPECT_DOUBLE_EQ(e.PVPhaseSeries.YValues()[0], e.PressureSeries.YValues()[180] * e.mvSave);
    AppTestEnvironment::Snapshot(*form, "rider-window-pv");
}

TEST_F(RiderWindow, ScalesOnceOnAHighResolutionScreen) {
    env.platform.dpi = 120;
    form = std::make_unique<TRiderStirlingMainForm>();
    Show();
    EXPECT_TRUE(form->beenScaled);
    UpDownControl* upDown = form->UpDown(Field::HotTemp);
    EXPECT_EQ(form->Host().Edit(Field::HotTemp)->geometry(), QRect(166, 52, 53, 27));
    EXPECT_EQ(upDown->geometry(), QRect(220, 52, 20, 27));
    // The arrows share the whole scaled box: its bottom steps down, its top up.
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(18, 25));
    EXPECT_EQ(Text(Field::HotTemp), "290");
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(18, 1));
    QTest::mouseClick(upDown, Qt::LeftButton, {}, QPoint(18, 1));
    EXPECT_EQ(Text(Field::HotTemp), "310");
    EXPECT_EQ(form->Picture()->size(), QSize(332, 218));
    int width = form->width();
    form->hide();
    Show();
    EXPECT_EQ(form->width(), width);
}

TEST_F(RiderWindow, NeverShownWritesNothing) {
    form->FormDestroy();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(env.SettingsFile())));
}

TEST_F(RiderWindow, HelpStopsTheCrankAndOpensThePage) {
    Show();
    form->TutorialButtonClick();
    EXPECT_FALSE(Engine().timer.Enabled);
    ASSERT_EQ(env.platform.documents.size(), 1);
    EXPECT_TRUE(env.platform.documents[0].endsWith("/Rider Kelvane Tutorial.HTM"));
}

TEST(RiderProgram, TheLauncherOpensTheWindowAndTheEndStoresIt) {
    AppTestEnvironment env;
    {
        KelvaneProgram program;
        program.Window<TRiderStirlingMainForm>("rider").Timer->stop();
        program.Launcher().EngineButtonClick("rider");
        EXPECT_TRUE(program.Window<TRiderStirlingMainForm>("rider").isVisible());
        EXPECT_TRUE(program.Window<TRiderStirlingMainForm>("rider").Engine().enable);
        program.End();
    }
    EXPECT_EQ(TIniFile(env.SettingsFile()).ReadString("RiderHot", "StrokeMax", ""), "50");
}

} // namespace
