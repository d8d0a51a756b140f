#include "EngineRig.h"

#include "foundations/EConvertError.h"

#include <gtest/gtest.h>

using namespace kelvane;
using kelvane::test::RingbomRig;

namespace {

std::vector<double> Points(const TChartValueList& values) {
    return {values.Values().begin(), values.Values().end()};
}

std::vector<TChart*> AngleCharts(RingbomEngine& e) {
    return {&e.PositionChart, &e.VolumeChart, &e.GasChart, &e.WorkChart};
}

void ExpectAngleAxes(RingbomEngine& e, double lo, double hi) {
    for (TChart* c : AngleCharts(e)) {
        EXPECT_EQ(c->BottomAxis.Minimum(), lo) << c->Name;
        EXPECT_EQ(c->BottomAxis.Maximum(), hi) << c->Name;
    }
}

} // namespace

TEST(RingbomRun, ShowingTheWindowLabelsTheGridAndStartsARun) {
    RingbomRig rig;
    EXPECT_EQ(rig.host.Cell(0, 0), "Disp Posn");
    EXPECT_EQ(rig.host.Cell(0, 4), "Hot/Cold N %");
    EXPECT_EQ(rig.host.Cell(0, 11), "Net Work");
    EXPECT_TRUE(rig.engine.enable);
    EXPECT_TRUE(rig.engine.animating);
    EXPECT_TRUE(rig.engine.timer.Enabled);
    EXPECT_EQ(rig.engine.timer.Interval, 100);
    EXPECT_EQ(rig.Text(Field::Phase), "0");
    rig.Tick();
    EXPECT_EQ(rig.host.redraws, 1);
}

TEST(RingbomRun, StripChartSlidingWindowFromAClear) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(3);
    for (TLineSeries* s : e.RecordedSeries()) {
        ASSERT_EQ(s->Count(), 1) << s->Name;
        if (s != &e.PVSeries) {
            EXPECT_EQ(s->XValues()[0], 10) << s->Name;
        }
    }
    rig.Tick(70); // the last step was at 360
    ExpectAngleAxes(e, 0, 360);
    rig.Tick(2);
    EXPECT_EQ(e.DisplacerSeries.Count(), 73);
    EXPECT_EQ(e.DisplacerSeries.XValues()[0], 10);
    EXPECT_EQ(e.DisplacerSeries.XValues()[72], 370);
    ExpectAngleAxes(e, 10, 370);
    // The pressure axis was rescaled from its start range to hold every pressure.
    const TChartAxis& right = e.VolumeChart.RightAxis;
    EXPECT_NE(right.Minimum(), 206);
    EXPECT_LT(right.Minimum(), e.PressureSeries.YValues().MinValue());
    EXPECT_GT(right.Maximum(), e.PressureSeries.YValues().MaxValue());
    EXPECT_GE(right.Minimum(), 0.99 * e.LoMeanPressureSeries.YValues().MinValue());
}

TEST(RingbomRun, StripChartWithAllDataShowsEverythingFromZero) {
    RingbomRig rig(true, true);
    for (int k = 0; k < 100; ++k) {
        rig.Tick();
        ExpectAngleAxes(rig.engine, 0, 5.0 * k);
    }
}

TEST(RingbomRun, FixedCycleKeeps73SlotsAndWrapsTheAngle) {
    RingbomRig rig(false, true);
    RingbomEngine& e = rig.engine;
    for (TLineSeries* s : e.RecordedSeries()) {
        if (s == &e.PVSeries)
            continue;
        ASSERT_EQ(s->Count(), 73) << s->Name;
        EXPECT_EQ(s->XValues()[72], 360);
    }
    // The loop has no slots: it holds recorded steps only.
    EXPECT_EQ(e.PVSeries.Count(), 0);
    rig.Tick();
    EXPECT_EQ(e.PistonSeries.YValues()[0], 50); // slot 0: piston at mid-stroke
    rig.Tick();
    const double firstMeanAt5 = e.MeanPressureSeries.YValues()[1];
    for (int k = 2; k < 73; ++k) {
        EXPECT_EQ(rig.Text(Field::Phase), std::to_string(5 * k));
        rig.Tick();
    }
    EXPECT_EQ(rig.Text(Field::Phase), "5"); // 365 wraps
    rig.Tick(2);
    EXPECT_EQ(rig.Text(Field::Phase), "15");
    // Past two revolutions too: (p - 1) mod 360 + 1, so a whole turn is 360, not 0;
    // the strip chart keeps counting.
    const std::pair<int, const char*> wraps[] = {{360, "360"}, {361, "1"}, {720, "360"},
                                                 {721, "1"},   {725, "5"}, {1080, "360"},
                                                 {1085, "5"},  {-5, "-5"}};
    for (auto [angle, text] : wraps) {
        RingbomRig fixed(false, true), strip(true, true);
        fixed.engine.SetPhase(angle);
        strip.engine.SetPhase(angle);
        EXPECT_EQ(fixed.Text(Field::Phase), text) << angle;
        EXPECT_EQ(strip.Text(Field::Phase), std::to_string(angle));
        EXPECT_EQ(fixed.engine.PhaseSeries1.XValues()[0], std::stoi(text));
    }
    EXPECT_EQ(e.PistonSeries.YValues()[0], 50);                 // written only by the first step
    EXPECT_NE(e.MeanPressureSeries.YValues()[1], firstMeanAt5); // rewritten
    for (TLineSeries* s : e.RecordedSeries()) {
        if (s != &e.PVSeries) {
            EXPECT_EQ(s->Count(), 73) << s->Name;
        }
    }
    // The pressure-volume loop is the recorded revolution, 5 to 360 degrees
    // (0 is 360's crank position, recorded earlier), closed by 5 again.
    ASSERT_EQ(e.PVSeries.Count(), 73);
    for (int k = 0; k < 73; ++k) {
        EXPECT_EQ(e.PVSeries.XValues()[k], e.TotalVolSeries.YValues()[k % 72 + 1]) << k;
        EXPECT_EQ(e.PVSeries.YValues()[k], e.PressureSeries.YValues()[k % 72 + 1]) << k;
    }
}

class RingbomNoSlot : public ::testing::TestWithParam<const char*> {};

// An angle outside 0 .. 360 has no slot in fixed-cycle mode: the step runs but
// records nothing in the angle charts (truncation would put -3 into slot 0).
TEST_P(RingbomNoSlot, StepIsNotRecordedInAnySlot) {
    RingbomRig rig(false, true);
    RingbomEngine& e = rig.engine;
    rig.Tick(80);
    std::vector<std::vector<double>> before;
    for (TLineSeries* s : e.RecordedSeries())
        before.push_back(Points(s->YValues()));
    const double oldPressure = e.State().currPressure;
    rig.host.Put(Field::Phase, GetParam());
    e.SingleStepButtonClick();
    EXPECT_NE(e.State().currPressure, oldPressure);
    EXPECT_EQ(e.State().pressureHistory[360], e.State().currPressure);
    auto series = e.RecordedSeries();
    for (std::size_t k = 0; k < series.size(); ++k)
        EXPECT_EQ(Points(series[k]->YValues()), before[k]) << series[k]->Name;
    EXPECT_EQ(Points(e.PVSeries.YValues()), before.back());
}

INSTANTIATE_TEST_SUITE_P(Angles, RingbomNoSlot, ::testing::Values("-3", "-5", "363", "400"));

TEST(RingbomRun, PanStopsAtTheRecordedEndAndAtZero) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(100); // recorded 10 .. 495, window 135 .. 495
    ExpectAngleAxes(e, 135, 495);
    e.PanRightButtonClick();
    ExpectAngleAxes(e, 135, 495);
    EXPECT_FALSE(e.animating);
    EXPECT_EQ(e.PauseButtonCaption, "&Resume");
    EXPECT_EQ(e.pausePhase, 500);
    e.PanLeftButtonClick();
    ExpectAngleAxes(e, 90, 450);
    e.PanLeftButtonClick();
    e.PanLeftButtonClick();
    ExpectAngleAxes(e, 0, 360);
    e.PanLeftButtonClick();
    ExpectAngleAxes(e, 0, 360);
    // The pressure-volume chart holds the window's points (index 0 left out).
    int inWindow = 0;
    for (int j = 1; j < e.PressureSeries.Count(); ++j)
        inWindow += e.PressureSeries.XValues()[j] <= 360;
    EXPECT_EQ(e.PVSeries.Count(), inWindow);
}

TEST(RingbomRun, PanUnticksAllDataAndCentresOnTheAngleFirst) {
    RingbomRig rig(true, true);
    RingbomEngine& e = rig.engine;
    rig.Tick(100);
    ExpectAngleAxes(e, 0, 495);
    e.PanLeftButtonClick();
    EXPECT_FALSE(rig.host.Checked(Field::AllDataCB));
    // Centred on 500 (320 .. 680), moved left to 275 .. 635, past the record's end.
    ExpectAngleAxes(e, 135, 495);
}

TEST(RingbomRun, AllDataViewSwitch) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(100);
    rig.host.PutChecked(Field::AllDataCB, true);
    e.AllDataCBClick();
    ExpectAngleAxes(e, 0, 495);
    EXPECT_EQ(e.PVSeries.Count(), e.PressureSeries.Count() - 1);
    rig.host.PutChecked(Field::AllDataCB, false);
    e.AllDataCBClick();
    ExpectAngleAxes(e, 320, 680); // the angle 500 in the middle
    rig.host.Put(Field::Phase, "oops");
    e.AllDataCBClick();
    ExpectAngleAxes(e, 0, 360);
}

TEST(RingbomRun, PauseSingleStepPauseReturnsToThePausedAngle) {
    RingbomRig rig;
    RingbomEngine& e = rig.engine;
    rig.Tick(4);
    e.PauseButtonClick();
    EXPECT_EQ(e.pausePhase, 20);
    e.SingleStepButtonClick();
    EXPECT_EQ(rig.Text(Field::Phase), "25");
    EXPECT_EQ(e.DisplacerSeries.XValues().MaxValue(), 20);
    EXPECT_TRUE(e.timer.Enabled);
    EXPECT_FALSE(e.doSingleStep);
    EXPECT_EQ(e.PauseButtonCaption, "&Resume"); // the single step leaves it
    e.PauseButtonClick();
    EXPECT_EQ(rig.Text(Field::Phase), "20");
    EXPECT_TRUE(e.animating);
    EXPECT_EQ(e.PauseButtonCaption, "&Pause");
    const int before = e.DisplacerSeries.Count();
    rig.Tick();
    EXPECT_EQ(e.DisplacerSeries.Count(), before + 1);
    EXPECT_EQ(e.DisplacerSeries.XValues()[before], 20);
}

TEST(RingbomRun, TicksDoNothingWhileHaltedOrInsideAStep) {
    RingbomRig rig;
    RingbomEngine& e = rig.engine;
    e.animating = false;
    rig.Tick(3);
    EXPECT_EQ(rig.Text(Field::Phase), "0");
    e.animating = true;
    e.computingAnimation = true;
    rig.Tick();
    EXPECT_EQ(rig.Text(Field::Phase), "0");
}

struct ClearCase {
    const char* phase;
    bool halts;
};

class RingbomClear : public ::testing::TestWithParam<ClearCase> {};

TEST_P(RingbomClear, HaltsOnlyWhenTheAngleTextChanges) {
    RingbomRig rig;
    rig.Tick(5);
    rig.host.Put(Field::Phase, GetParam().phase);
    rig.engine.ClearButtonClick();
    EXPECT_EQ(rig.Text(Field::Phase), "0");
    EXPECT_EQ(rig.engine.animating, !GetParam().halts);
    EXPECT_EQ(rig.engine.DisplacerSeries.Count(), 0);
    EXPECT_EQ(rig.engine.State().pressureHistory[360], 0);
    EXPECT_EQ(rig.engine.State().maxCold, -200);
}

TEST(RingbomRun, ResumeAfterAClearStartsAtZero) {
    RingbomRig rig(true, true);
    RingbomEngine& e = rig.engine;
    rig.Tick(30);
    e.PauseButtonClick();
    ASSERT_EQ(e.pausePhase, 150);
    e.ClearButtonClick();
    e.PauseButtonClick();
    EXPECT_EQ(rig.Text(Field::Phase), "0");
    EXPECT_TRUE(e.animating);
    rig.Tick(5);
    EXPECT_EQ(e.DisplacerSeries.XValues()[0], 10);
    ExpectAngleAxes(e, 0, 20);
}

INSTANTIATE_TEST_SUITE_P(Angles, RingbomClear,
                         ::testing::Values(ClearCase{"0", false}, ClearCase{"35", true}));

struct BadText {
    const char* field;
    const char* text;
    friend void PrintTo(const BadText& b, std::ostream* os) { *os << b.field << "=" << b.text; }
};

class RingbomFailedStep : public ::testing::TestWithParam<BadText> {};

TEST_P(RingbomFailedStep, LeavesTheRunAbleToGoOn) {
    RingbomRig rig;
    RingbomEngine& e = rig.engine;
    rig.Tick(4);
    rig.Put(rig.Named(GetParam().field), GetParam().text);
    const int before = e.DisplacerSeries.Count();
    try {
        rig.Tick();
        FAIL() << "the step should fail";
    } catch (const EConvertError& err) {
        EXPECT_EQ(std::string(err.what()),
                  std::string("'") + GetParam().text + "' is not a valid integer value");
    }
    EXPECT_FALSE(e.computingAnimation);
    EXPECT_TRUE(e.timer.Enabled);
    EXPECT_EQ(e.DisplacerSeries.Count(), before);
    EXPECT_THROW(e.SingleStepButtonClick(), EConvertError);
    EXPECT_FALSE(e.doSingleStep);

    rig.host.PutDefaults();
    rig.host.Put(Field::Phase, "20");
    e.GoButtonClick();
    rig.Tick();
    EXPECT_EQ(e.DisplacerSeries.Count(), before + 1);
    EXPECT_EQ(rig.Text(Field::Phase), "25");
}

INSTANTIATE_TEST_SUITE_P(Texts, RingbomFailedStep,
                         ::testing::Values(BadText{"Phase", "1O"}, BadText{"HotTemp", "300F"}));

TEST(RingbomRun, LoadPVSeriesKeepsThePointsInsideTheWindow) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(170); // recorded 10 .. 845
    e.VolumeChart.BottomAxis.SetMinMax(370, 730);
    e.record.LoadPVSeries(false);
    ASSERT_EQ(e.PVSeries.Count(), 73); // 370, 375, ..., 730
    const int first = e.PressureSeries.XValues().Locate(370);
    for (int k = 0; k < 73; ++k) {
        EXPECT_EQ(e.PVSeries.XValues()[k], e.TotalVolSeries.YValues()[first + k]);
        EXPECT_EQ(e.PVSeries.YValues()[k], e.PressureSeries.YValues()[first + k]);
    }
    e.record.LoadPVSeries(true);
    EXPECT_EQ(e.PVSeries.Count(), e.PressureSeries.Count() - 1);
    EXPECT_EQ(e.PVSeries.YValues()[0], e.PressureSeries.YValues()[1]);
}

TEST(RingbomRun, StripRecordIsCappedByWholeRevolutions) {
    RingbomRig rig(true, true);
    RingbomEngine& e = rig.engine;
    e.record.stripChartMaxSteps = 200;
    rig.Tick(202);
    EXPECT_EQ(e.DisplacerSeries.Count(), 200);
    EXPECT_EQ(e.DisplacerSeries.XValues()[0], 10);
    rig.Tick();
    for (TLineSeries* s : e.RecordedSeries())
        EXPECT_EQ(s->Count(), 200 - 71) << s->Name;
    EXPECT_EQ(e.DisplacerSeries.XValues()[0], 10 + 72 * 5);
    ExpectAngleAxes(e, 370, 1010); // all data: from the oldest kept point
    // From the 203rd step on the count runs 129 .. 200 and drops a revolution
    // every 72 steps: after step 1203 it is 129 + 1000 mod 72 = 193, the
    // newest at 5 * 1202 = 6010 degrees and the oldest 192 steps before.
    rig.Tick(1000);
    for (TLineSeries* s : e.RecordedSeries()) {
        if (s == &e.PVSeries) {
            EXPECT_LE(s->Count(), 200);
            EXPECT_GT(s->Count(), 200 - 72);
            continue;
        }
        ASSERT_EQ(s->Count(), 193) << s->Name;
        EXPECT_EQ(s->XValues()[0], 5050) << s->Name;
        EXPECT_EQ(s->XValues()[192], 6010) << s->Name;
    }
    EXPECT_NE(rig.Row(11), "");
}

TEST(RingbomRun, ChartClickShowsTheRecordedPositions) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(73); // recorded 10 .. 360, axes 0 .. 360
    const int redraws = rig.host.redraws;
    e.ChartClick(e.VolumeChart, 150, 100, 200);
    EXPECT_FALSE(e.animating);
    EXPECT_EQ(rig.Text(Field::Phase), "180");
    const int j = e.DisplacerSeries.XValues().Locate(180);
    EXPECT_DOUBLE_EQ(e.State().dispPos, e.DisplacerSeries.YValues()[j] * 40 / 100);
    EXPECT_DOUBLE_EQ(e.State().pistonPos, e.PistonSeries.YValues()[j] * 60 / 100);
    EXPECT_NEAR(e.State().pistonPos, 30, 1e-9); // sin 180 = 0: mid-stroke
    EXPECT_EQ(rig.host.redraws, redraws + 1);
    EXPECT_EQ(e.PVPhaseSeries.Count(), 1);
}

struct ClickCase {
    double angle;
    const char* phase;
};

class RingbomClickAngle : public ::testing::TestWithParam<ClickCase> {};

TEST_P(RingbomClickAngle, RoundsThenTruncatesToAMultipleOfFive) {
    RingbomRig rig(false, true);
    rig.Tick(3);
    const double x = 100 + GetParam().angle / 360 * 400;
    rig.engine.ChartClick(rig.engine.GasChart, x, 100, 500);
    EXPECT_EQ(rig.Text(Field::Phase), GetParam().phase);
}

INSTANTIATE_TEST_SUITE_P(Clicks, RingbomClickAngle,
                         ::testing::Values(ClickCase{2, "0"}, ClickCase{7.6, "5"},
                                           ClickCase{359.9, "360"}, ClickCase{-12, "-10"}));

TEST(RingbomRun, ChartClickWithoutARecordedPointKeepsThePositions) {
    RingbomRig rig(true, false);
    RingbomEngine& e = rig.engine;
    rig.Tick(10);
    const double disp = e.State().dispPos, piston = e.State().pistonPos;
    e.ShowAngle(300);
    EXPECT_EQ(rig.Text(Field::Phase), "300");
    EXPECT_EQ(e.State().dispPos, disp);
    EXPECT_EQ(e.State().pistonPos, piston);
}

TEST(RingbomRun, PhaseMarkersInFixedCycleShowTheSlot) {
    RingbomRig rig(false, true);
    RingbomEngine& e = rig.engine;
    rig.Tick(30);
    e.SetPhase(465); // wraps to 105
    EXPECT_EQ(rig.Text(Field::Phase), "105");
    EXPECT_EQ(e.PhaseSeries1.XValues()[0], 105);
    EXPECT_EQ(e.PhaseSeries1.YValues()[1], 100);
    EXPECT_EQ(e.PhaseSeries2.YValues()[1], 1);
    ASSERT_EQ(e.PVPhaseSeries.Count(), 1);
    EXPECT_EQ(e.PVPhaseSeries.XValues()[0], e.TotalVolSeries.YValues()[21]);
    EXPECT_EQ(e.PVPhaseSeries.YValues()[0], e.PressureSeries.YValues()[21]);
    EXPECT_GE(e.PhaseSeries4.YValues()[0], e.PhaseSeries4.YValues()[1]);
}

TEST(RingbomRun, SliderWritesTheHotTemperatureAndHalts) {
    RingbomRig rig;
    rig.host.Put(Field::HotTemp, "250");
    rig.engine.HotTempTBChange(700);
    EXPECT_EQ(rig.host.FieldText(Field::HotTemp), "300");
    EXPECT_FALSE(rig.engine.animating);
    rig.engine.HotTempTBChange(0);
    EXPECT_EQ(rig.host.FieldText(Field::HotTemp), "1000");
}

TEST(RingbomRun, SwitchingTheModeClearsAndSetsThePanControls) {
    RingbomRig rig(true, true);
    RingbomEngine& e = rig.engine;
    rig.Tick(10);
    rig.host.PutChecked(Field::StripChartCB, false);
    e.StripChartCBClick();
    EXPECT_FALSE(e.stripControlsEnabled);
    EXPECT_EQ(e.DisplacerSeries.Count(), 73);
    EXPECT_EQ(e.record.resultCount, 0);
    rig.host.PutChecked(Field::StripChartCB, true);
    e.StripChartCBClick();
    EXPECT_TRUE(e.stripControlsEnabled);
    EXPECT_EQ(e.PVSeries.Count(), 0);
}
