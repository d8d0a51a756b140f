#include "GammaFixture.h"

#include "foundations/EConvertError.h"

#include <tuple>

namespace kelvane {
namespace {

class GammaWindow : public GammaFixture {};

TEST_F(GammaWindow, ShowingLabelsAnalysesAndAnimatesFast) {
    GammaEngine fresh(host);
    host.grid.clear();
    fresh.FormShow();
    EXPECT_TRUE(fresh.enable);
    EXPECT_TRUE(fresh.timer.Enabled);
    EXPECT_EQ(fresh.timer.Interval, 100);
    EXPECT_EQ(fresh.PressureSeries.Count(), 361);
    const char* labels[] = {"Disp Posn",    "Piston Posn",  "Pressure",      "Volume",
                            "Hot/Cold N %", "Max Pressure", "Mean Pressure", "Vol Ratio",
                            "Temp Ratio",   "Temp Ratio",   "Th Piston Th",  "Net Work"};
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(host.Cell(0, row), labels[row]) << row;
}

class GammaClick : public GammaFixture,
                   public ::testing::WithParamInterface<std::tuple<double, int>> {};

TEST_P(GammaClick, ClickLandsOnAMultipleOfFiveWithinTheRevolution) {
    engine.CalcButtonClick();
    engine.timer.Enabled = true;
    auto [fraction, angle] = GetParam();
    // Plot rectangle from x 100 to 600.
    engine.ChartClick(engine.PositionChart, 100 + fraction * 500, 100, 600);
    EXPECT_FALSE(engine.timer.Enabled);
    EXPECT_FALSE(engine.phaseChanging);
    EXPECT_EQ(host.FieldText(Field::Phase), std::to_string(angle));
    EXPECT_EQ(engine.PhaseSeries1.XValues()[0], angle);
}

INSTANTIATE_TEST_SUITE_P(Gamma, GammaClick,
                         ::testing::Values(std::make_tuple(0.124, 45), // 44.64 -> 45
                                           std::make_tuple(0.122, 40), // 43.92 -> 44 -> 40
                                           std::make_tuple(0.0, 0), std::make_tuple(1.0, 360),
                                           std::make_tuple(-0.1, 0), std::make_tuple(1.1, 360),
                                           std::make_tuple(0.5, 180)));

TEST_F(GammaWindow, ClickRefreshesModelPictureAndMarkers) {
    engine.CalcButtonClick();
    const int redraws = host.redraws;
    engine.ChartClick(engine.PositionChart, 162, 100, 600); // 44.64 degrees
    EXPECT_EQ(Row(0), "34.1");                              // (sin 45 + 1) * 20
    EXPECT_EQ(host.redraws, redraws + 1);
    EXPECT_EQ(engine.PhaseSeries2.YValues()[0], 0);
    EXPECT_EQ(engine.PhaseSeries2.YValues()[1], 1);
    EXPECT_EQ(engine.PhaseSeries3.YValues()[1], 100);
    // The work marker spans the work curve's extent.
    EXPECT_EQ(engine.PhaseSeries4.YValues().MaxValue(), engine.WorkSeries.YValues().MaxValue());
    EXPECT_EQ(engine.PhaseSeries4.YValues().MinValue(), engine.WorkSeries.YValues().MinValue());
    // The PV dot undoes the rescaling: it sits on the raw loop at 45 degrees.
    ASSERT_EQ(engine.PhaseSeries5.Count(), 1);
    const double v = engine.PhaseSeries5.XValues()[0];
    EXPECT_NEAR(v, engine.State().currVol / engine.State().maxVol, 1e-12);
    const int onLoop =
        engine.PVSeries.XValues().Locate(engine.State().currVol / engine.State().maxVol);
    ASSERT_GE(onLoop, 0);
    EXPECT_NEAR(engine.PhaseSeries5.YValues()[0], engine.PVSeries.YValues()[onLoop], 1e-9);
    // The window's own write to "Phase" did not start an analysis.
    EXPECT_EQ(host.FieldText(Field::Phase), "45");
}

TEST_F(GammaWindow, ClickBeforeAnyAnalysisLeavesThePvMarkerEmpty) {
    engine.ChartClick(engine.PositionChart, 350, 100, 600);
    EXPECT_EQ(host.FieldText(Field::Phase), "180");
    EXPECT_EQ(engine.PhaseSeries5.Count(), 0);
    EXPECT_EQ(engine.PhaseSeries1.Count(), 2);
}

TEST_F(GammaWindow, ClickOnAChartNotLaidOutOnlyStopsTheAnimation) {
    engine.CalcButtonClick();
    engine.timer.Enabled = true;
    engine.ChartClick(engine.PositionChart, 50, 100, 100);
    EXPECT_FALSE(engine.timer.Enabled);
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
}

TEST_F(GammaWindow, AnimationStepsTenDegreesAndWrapsPast360) {
    engine.FormShow();
    Put(Field::Phase, "350");
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "360");
    EXPECT_EQ(Row(0), "16.5"); // the picture and grid show the angle before the advance
    EXPECT_EQ(engine.PhaseSeries1.XValues()[0], 360); // the markers the angle after it
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "10");
    EXPECT_EQ(Row(0), "20.0");
    EXPECT_EQ(engine.PhaseSeries1.XValues()[0], 10);
    EXPECT_TRUE(engine.timer.Enabled); // its own writes to "Phase" stayed inert
    EXPECT_FALSE(engine.animating);
    EXPECT_FALSE(engine.phaseChanging);
}

TEST_F(GammaWindow, AnimationFromZeroSkipsZeroOnTheNextTurn) {
    engine.FormShow();
    std::vector<std::string> seen;
    for (int i = 0; i < 38; ++i) {
        seen.push_back(host.FieldText(Field::Phase));
        engine.Tick();
    }
    EXPECT_EQ(seen[0], "0");
    EXPECT_EQ(seen[35], "350");
    EXPECT_EQ(seen[36], "360");
    EXPECT_EQ(seen[37], "10");
}

TEST_F(GammaWindow, TickDoesNothingWhenStoppedOrAlreadyStepping) {
    engine.CalcButtonClick();
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
    engine.timer.Enabled = true;
    engine.animating = true;
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
}

TEST_F(GammaWindow, TickWithABadPhaseClearsItsGuards) {
    engine.FormShow();
    Put(Field::Phase, "ten");
    EXPECT_THROW(engine.Tick(), EConvertError);
    EXPECT_FALSE(engine.animating);
    EXPECT_FALSE(engine.phaseChanging);
}

TEST_F(GammaWindow, EditWhileAnimatingStopsAndReanalyses) {
    engine.FormShow();
    for (int i = 0; i < 3; ++i)
        engine.Tick();
    ASSERT_EQ(host.FieldText(Field::Phase), "30");
    Edit(Field::DispCylHeight, "120");
    EXPECT_FALSE(engine.timer.Enabled);
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
    EXPECT_DOUBLE_EQ(engine.dispCylHt, 120);
    EXPECT_EQ(Row(0), "30.0"); // half of the new displacer throw of 60
    EXPECT_EQ(engine.PressureSeries.Count(), 361);
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
}

TEST_F(GammaWindow, SlidersRewriteTheirFieldsAndReanalyse) {
    const std::tuple<int, const char*> hot[] = {{0, "1000"}, {1000, "0"}, {700, "300"}};
    for (auto [position, text] : hot) {
        engine.timer.Enabled = true;
        engine.HotTempTBChange(position);
        EXPECT_EQ(host.FieldText(Field::HotTemp), text);
        EXPECT_FALSE(engine.timer.Enabled);
    }
    engine.PhaseOffsetTBChange(-175);
    EXPECT_EQ(host.FieldText(Field::PhaseOffset), "-175");
    ASSERT_EQ(engine.PistonSeries.Count(), 361);
    // Offset -175: the piston's first raw position is (sin(-175) + 1) * 30, rescaled by 60.
    EXPECT_NEAR(engine.PistonSeries.YValues()[0], (1 - std::sin(5 * M_PI / 180)) * 30 / 60 * 100,
                1e-9);
}

TEST_F(GammaWindow, SpeedButtonsAnalyseAndSetTheInterval) {
    for (int interval : {100, 200, 300}) {
        Put(Field::Phase, "90");
        engine.SpeedButtonClick(interval);
        EXPECT_EQ(engine.timer.Interval, interval);
        EXPECT_TRUE(engine.timer.Enabled);
        EXPECT_EQ(host.FieldText(Field::Phase), "0");
    }
    engine.StopButtonClick();
    EXPECT_FALSE(engine.timer.Enabled);
}

} // namespace
} // namespace kelvane
