#include "EngineRig.h"
#include "foundations/EConvertError.h"
#include "rider/ERiderParameterError.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::RiderRig;

TEST(RiderWindow, PhaseMarkersFollowTheAngle) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.CalcButtonClick();
    t.host.SetFieldText(Field::Phase, "120");
    for (TLineSeries* s : {&e.PhaseSeries1, &e.PhaseSeries3, &e.PhaseSeries2}) {
        ASSERT_EQ(s->Count(), 2);
        EXPECT_EQ(s->XValues()[0], 120);
        EXPECT_EQ(s->YValues().MinValue(), 0);
        EXPECT_EQ(s->YValues().MaxValue(), 100);
    }
    // The work marker spans the work curves.
    double lo =
        std::min({e.HotWorkSeries.YValues().MinValue(), e.ColdWorkSeries.YValues().MinValue(),
                  e.WorkSeries.YValues().MinValue()});
    double hi =
        std::max({e.HotWorkSeries.YValues().MaxValue(), e.ColdWorkSeries.YValues().MaxValue(),
                  e.WorkSeries.YValues().MaxValue()});
    EXPECT_EQ(e.PhaseSeries4.YValues().MinValue(), lo);
    EXPECT_EQ(e.PhaseSeries4.YValues().MaxValue(), hi);
    // The pressure-volume marker lies on the diagram.
    ASSERT_EQ(e.PVPhaseSeries.Count(), 1);
    int r = e.TotalVolSeries.XValues().Locate(120);
    EXPECT_EQ(e.PVPhaseSeries.XValues()[0],
              e.PVSeries.XValues()[e.PVSeries.XValues().Locate(e.TotalVolSeries.YValues()[r])]);
    EXPECT_NEAR(e.PVPhaseSeries.YValues()[0],
                e.PVSeries.YValues()[e.PVSeries.XValues().Locate(e.PVPhaseSeries.XValues()[0])],
                1e-12);
    // Stopped: the engine is recomputed and redrawn at the new angle.
    EXPECT_EQ(t.Row(0), "47"); // 5 + 45 (sin 120 + 1) / 2 = 46.99
}

TEST(RiderWindow, MarkersAreOnTheNewCurvesRightAfterAnAnalysis) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.CalcButtonClick();
    ASSERT_EQ(e.PVPhaseSeries.Count(), 1);
    EXPECT_DOUBLE_EQ(e.PVPhaseSeries.XValues()[0], 0.85);
    EXPECT_NEAR(e.PVPhaseSeries.YValues()[0], 2.6319, 5e-5);
    EXPECT_LT(e.PhaseSeries4.YValues().MinValue(), e.PhaseSeries4.YValues().MaxValue());
}

TEST(RiderWindow, AnimationTicksThroughThreeHundredSixty) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.SpeedButtonClick(100);
    EXPECT_TRUE(e.timer.Enabled);
    EXPECT_EQ(e.timer.Interval, 100);
    int redraws = t.host.redraws;
    t.Put(Field::Phase, "340");
    std::vector<std::string> seen;
    for (int i = 0; i < 3; ++i) {
        e.Tick();
        seen.push_back(t.host.FieldText(Field::Phase));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"350", "360", "10"}));
    EXPECT_EQ(e.PhaseSeries1.XValues()[0], 10);
    // The grid shows the angle before the step: 360 (hot piston just below mid-stroke).
    EXPECT_EQ(t.Row(0), "27");
    EXPECT_EQ(t.host.redraws - redraws, 3);
    EXPECT_FALSE(e.animating);

    e.SpeedButtonClick(300);
    EXPECT_EQ(e.timer.Interval, 300);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");
    e.StopButtonClick();
    e.Tick();
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");
}

TEST(RiderWindow, TickIsNotReentered) {
    RiderRig t;
    t.engine.timer.Enabled = true;
    t.engine.animating = true;
    t.engine.Tick();
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");
    EXPECT_EQ(t.host.redraws, 0);
}

TEST(RiderWindow, TickWithABadParameterStopsTheAnimationOnce) {
    RiderRig t;
    t.engine.SpeedButtonClick(100);
    t.Put(Field::ColdStrokeMax, "0");
    EXPECT_THROW(t.engine.Tick(), ERiderParameterError);
    EXPECT_FALSE(t.engine.timer.Enabled);
    EXPECT_FALSE(t.engine.animating);
    EXPECT_NO_THROW(t.engine.Tick());
}

struct ClickCase {
    int x;
    const char* phase;
};

class RiderChartClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(RiderChartClick, SetsTheAngleAndStops) {
    RiderRig t;
    t.engine.CalcButtonClick();
    t.engine.timer.Enabled = true;
    t.engine.ChartClick(t.engine.PositionChart, GetParam().x + 40, 40, 1040);
    EXPECT_FALSE(t.engine.timer.Enabled);
    EXPECT_EQ(t.host.FieldText(Field::Phase), GetParam().phase);
}

INSTANTIATE_TEST_SUITE_P(Widths, RiderChartClick,
                         ::testing::Values(ClickCase{500, "180"}, ClickCase{-30, "0"},
                                           ClickCase{1100, "360"}, ClickCase{124, "45"},
                                           ClickCase{132, "45"}, ClickCase{950, "340"},
                                           ClickCase{1000, "360"}));

TEST(RiderWindow, ClickRecomputesAtTheNewAngle) {
    RiderRig t;
    t.engine.CalcButtonClick();
    t.engine.ChartClick(t.engine.PositionChart, 750, 0, 1000); // 270
    EXPECT_EQ(t.Row(0), "5");
    EXPECT_DOUBLE_EQ(t.engine.State().hotPos, 5);
}

TEST(RiderWindow, ClickOnAPlotAreaWithoutWidthOnlyStops) {
    RiderRig t;
    t.Put(Field::Phase, "30");
    t.engine.timer.Enabled = true;
    t.engine.ChartClick(t.engine.PositionChart, 10, 10, 10);
    EXPECT_FALSE(t.engine.timer.Enabled);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "30");
}

TEST(RiderWindow, StrokeUpDownsStopFiveApart) {
    RiderRig t;
    for (int i = 0; i < 12; ++i)
        t.engine.UpDownClick(Field::HotStrokeMin, true);
    EXPECT_EQ(t.host.FieldText(Field::HotStrokeMin), "45");
    t.Put(Field::HotStrokeMin, "5");
    for (int i = 0; i < 12; ++i)
        t.engine.UpDownClick(Field::HotStrokeMax, false);
    EXPECT_EQ(t.host.FieldText(Field::HotStrokeMax), "10");
    for (int i = 0; i < 30; ++i)
        t.engine.UpDownClick(Field::ColdStrokeMin, true);
    EXPECT_EQ(t.host.FieldText(Field::ColdStrokeMin), "95");
    EXPECT_EQ(t.engine.UpDown4.Min, 100);
}

TEST(RiderWindow, PhaseUpDownWrapsAndRecomputesWhenStopped) {
    RiderRig t;
    t.engine.CalcButtonClick();
    t.engine.UpDownClick(Field::Phase, false);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "350");
    EXPECT_EQ(t.engine.PhaseSeries1.XValues()[0], 350);
    t.engine.UpDownClick(Field::Phase, true);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");
    EXPECT_EQ(t.Row(0), "28");
    EXPECT_THROW(t.engine.UpDownClick(Field::DispHeight, true), std::invalid_argument);
}

TEST(RiderWindow, PressesWhileStoppedGiveOneDelayedAnalysis) {
    RiderRig t;
    RiderEngine& e = t.engine;
    for (int i = 0; i < 3; ++i)
        e.UpDownClick(Field::HotTemp, true);
    EXPECT_EQ(t.host.FieldText(Field::HotTemp), "330"); // shown at once
    EXPECT_EQ(t.graphTimerStarts, 1);
    EXPECT_TRUE(e.graphTimerArmed);
    EXPECT_EQ(e.HotPistonSeries.Revision(), 0u); // no analysis yet

    t.Put(Field::Phase, "90");
    e.GraphTimerTimer();
    EXPECT_FALSE(e.graphTimerArmed);
    EXPECT_EQ(e.HotPistonSeries.Count(), 361);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "90"); // the angle is kept
    EXPECT_EQ(t.Row(0), "50");
    EXPECT_EQ(e.PhaseSeries1.XValues()[0], 90);

    EXPECT_TRUE(e.ArmGraphTimer());
    EXPECT_FALSE(e.ArmGraphTimer());
    EXPECT_EQ(t.graphTimerStarts, 2);
}

TEST(RiderWindow, WhileAnimatingAPressAnalysesTheValuesBeforeTheStep) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.SpeedButtonClick(100);
    e.UpDownClick(Field::HotStrokeMax, true); // hot maximum 50 -> 55
    EXPECT_EQ(t.host.FieldText(Field::HotStrokeMax), "55");
    EXPECT_EQ(e.HotPistonSeries.YValues().MaxValue(), 50);
    EXPECT_TRUE(e.graphTimerArmed);
    e.GraphTimerTimer();
    EXPECT_EQ(e.HotPistonSeries.YValues().MaxValue(), 55);
}

TEST(RiderWindow, TrackBarsSetTheirEnds) {
    RiderRig t;
    RiderEngine& e = t.engine;
    // The track bars end where their up-downs do: 700 degrees, 180 degrees.
    e.SetHotTempTBPosition(-40);
    EXPECT_EQ(e.HotTempTB.Position, 300);
    EXPECT_EQ(t.host.FieldText(Field::HotTemp), "700");
    EXPECT_EQ(t.graphTimerStarts, 1);
    e.UpDownClick(Field::HotTemp, true);
    EXPECT_EQ(t.host.FieldText(Field::HotTemp), "700");
    e.UpDownClick(Field::HotTemp, false);
    EXPECT_EQ(t.host.FieldText(Field::HotTemp), "690");

    e.SetPhaseOffsetTBPosition(400);
    EXPECT_EQ(t.host.FieldText(Field::PhaseOffset), "180");
    e.SetHotTempTBPosition(1000);
    EXPECT_EQ(t.host.FieldText(Field::HotTemp), "0");

    // An unchanged position raises nothing.
    t.Put(Field::PhaseOffset, "90");
    e.SetPhaseOffsetTBPosition(180);
    EXPECT_EQ(t.host.FieldText(Field::PhaseOffset), "90");
}

TEST(RiderWindow, TrackBarChangeWhileAnimatingAnalysesTheNewValue) {
    RiderRig t;
    t.engine.SpeedButtonClick(100);
    t.engine.SetPhaseOffsetTBPosition(-90);
    EXPECT_EQ(t.Row(7), "6.03");
}

TEST(RiderWindow, LoadingBringsStrokesIntoRangeAndMovesTheTrackBars) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.SpeedButtonClick(100);
    t.Put(Field::HotStrokeMin, "0");
    t.Put(Field::ColdStrokeMin, "0");
    t.Put(Field::ColdStrokeMax, "120");
    t.Put(Field::PhaseOffset, "-90");
    t.Put(Field::HotTemp, "250");
    e.ParametersLoaded();
    EXPECT_EQ(t.host.FieldText(Field::HotStrokeMin), "5");
    EXPECT_EQ(t.host.FieldText(Field::ColdStrokeMin), "5");
    EXPECT_EQ(t.host.FieldText(Field::ColdStrokeMax), "100");
    EXPECT_EQ(e.HotTempTB.Position, 750);
    EXPECT_EQ(e.PhaseOffsetTB.Position, -90);
    EXPECT_EQ(e.UpDown1.Max, 45); // 5 below the hot maximum of 50
    EXPECT_EQ(e.UpDown4.Min, 10);
    // The track bars only follow: no handler runs, no second analysis is armed.
    EXPECT_FALSE(e.graphTimerArmed);

    // Beyond a track bar's range, or not a whole number: the texts stay, the
    // track bars too.
    t.Put(Field::PhaseOffset, "-900");
    t.Put(Field::HotTemp, "hot");
    e.ParametersLoaded();
    EXPECT_EQ(t.host.FieldText(Field::PhaseOffset), "-900");
    EXPECT_EQ(e.PhaseOffsetTB.Position, -90);
    EXPECT_EQ(e.HotTempTB.Position, 750);
}

TEST(RiderWindow, ShowingStartsTheFastAnimationWithAFreshAnalysis) {
    RiderRig t;
    t.engine.enable = false;
    t.host.grid.clear();
    t.engine.FormShow();
    EXPECT_TRUE(t.engine.enable);
    EXPECT_TRUE(t.engine.timer.Enabled);
    EXPECT_EQ(t.engine.timer.Interval, 100);
    EXPECT_EQ(t.host.Cell(0, 8), "Net Work");
    EXPECT_EQ(t.Row(8), "-1.78");
}

} // namespace
} // namespace kelvane
