#include "EngineRig.h"
#include "foundations/EConvertError.h"
#include "rider/ERiderParameterError.h"
#include "rider/RiderState.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::RiderRig;

RiderParameters FirstStart(int theta) {
    RiderParameters p;
    p.phase = theta;
    p.phaseOffset = 90;
    p.hotStrokeMin = 5;
    p.hotStrokeMax = 50;
    p.coldStrokeMin = 5;
    p.coldStrokeMax = 100;
    p.hotTemp = 300;
    p.coldTemp = 100;
    return p;
}

struct AngleCase {
    int theta;
    double hotPos, coldPos, volume, nHotShare, nColdShare, pC;
};

class RiderModelAngles : public ::testing::TestWithParam<AngleCase> {};

TEST_P(RiderModelAngles, FirstStartParametersGiveTheKnownState) {
    const AngleCase& c = GetParam();
    RiderState s = RiderState::Compute(FirstStart(c.theta));
    EXPECT_NEAR(s.hotPos, c.hotPos, 1e-9);
    EXPECT_NEAR(s.coldPos, c.coldPos, 1e-9);
    EXPECT_DOUBLE_EQ(s.maxVol, 15000);
    EXPECT_NEAR(s.currVol / s.maxVol, c.volume, 5e-5);
    EXPECT_NEAR(s.nHotShare, c.nHotShare, 5e-4);
    EXPECT_NEAR(s.nColdShare, c.nColdShare, 5e-4);
    EXPECT_NEAR(s.pC, c.pC, 5e-5);
    EXPECT_NEAR(s.tHot, 427.8889, 1e-4);
    EXPECT_NEAR(s.tCold, 316.7778, 1e-4);
    // One pressure for both spaces.
    EXPECT_NEAR(s.pC, s.nHotShare * s.tHot / s.hotVol, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Angles, RiderModelAngles,
                         ::testing::Values(AngleCase{0, 27.5, 100, 0.85, 16.915, 83.085, 2.6319},
                                           AngleCase{90, 50, 52.5, 0.6833, 41.352, 58.648, 3.5388},
                                           AngleCase{180, 27.5, 5, 0.2167, 80.283, 19.717, 12.4917},
                                           AngleCase{270, 5, 52.5, 0.3833, 6.586, 93.414, 5.6365},
                                           // Past two revolutions and before the first.
                                           AngleCase{720, 27.5, 100, 0.85, 16.915, 83.085, 2.6319},
                                           AngleCase{990, 5, 52.5, 0.3833, 6.586, 93.414, 5.6365},
                                           AngleCase{-270, 50, 52.5, 0.6833, 41.352, 58.648,
                                                     3.5388}));

TEST(RiderModel, EqualTemperaturesShareTheGasByVolume) {
    RiderParameters p = FirstStart(40);
    p.hotTemp = p.coldTemp = 150;
    RiderState s = RiderState::Compute(p);
    EXPECT_NEAR(s.nHotShare / s.nColdShare, s.hotVol / s.coldVol, 1e-12);
}

TEST(RiderModel, EqualStrokeLimitsHoldThePistonStill) {
    RiderParameters p = FirstStart(0);
    p.hotStrokeMin = p.hotStrokeMax = 30;
    for (int theta = 0; theta <= 360; theta += 15) {
        p.phase = theta;
        EXPECT_EQ(RiderState::Compute(p).hotPos, 30) << theta;
    }
}

TEST(RiderGrid, FirstStartRowsAtAngleZero) {
    RiderRig t;
    t.engine.CalcEngine(false);
    EXPECT_EQ(t.Row(0), "28");
    EXPECT_EQ(t.Row(1), "100");
    EXPECT_EQ(t.Row(2), " 2.63");
    EXPECT_EQ(t.Row(3), "0.85");
    EXPECT_EQ(t.Row(4), "17");
    EXPECT_EQ(t.Row(5), "83");
    EXPECT_DOUBLE_EQ(t.engine.State().hotPos, 27.5);
    EXPECT_DOUBLE_EQ(t.engine.State().currVol, 12750);
}

TEST(RiderGrid, PressureMarkFollowsTheMeanOfTheLastAnalysis) {
    RiderRig t;
    t.engine.CalcButtonClick();
    EXPECT_NEAR(t.engine.avgPressure, 6.0044, 5e-5);
    t.engine.CalcEngine(false);
    EXPECT_EQ(t.Row(2), " 2.63 (-)");

    t.Put(Field::Phase, "180");
    t.engine.CalcEngine(false);
    EXPECT_EQ(t.Row(2), "12.49 (+)"); // 10 or more: no leading blank

    t.engine.avgPressure = 0;
    t.engine.CalcEngine(false);
    EXPECT_EQ(t.Row(2), "12.49");

    t.engine.avgPressure = RiderState::Compute(FirstStart(180)).pC;
    t.engine.CalcEngine(false);
    EXPECT_EQ(t.Row(2), "12.49");
}

TEST(RiderGrid, HalvesRoundToTheEvenNeighbour) {
    RiderRig t;
    t.Put(Field::HotStrokeMax, "40");
    t.engine.CalcEngine(false);
    EXPECT_DOUBLE_EQ(t.engine.State().hotPos, 22.5);
    EXPECT_EQ(t.Row(0), "22");
}

TEST(RiderGrid, ChartOutputOnlyWhenAsked) {
    RiderRig t;
    t.Put(Field::Phase, "90");
    t.engine.CalcEngine(false);
    for (TChart* c : t.engine.Charts()) {
        for (int i = 0; i < c->SeriesCount(); ++i)
            EXPECT_EQ(c->Series(i).Revision(), 0u) << c->Series(i).Name;
    }
    t.engine.CalcEngine(true);
    EXPECT_EQ(t.engine.HotPistonSeries.Count(), 1);
    EXPECT_DOUBLE_EQ(t.engine.HotVolSeries.YValues()[0], 100 * 5000.0 / 15000);
    EXPECT_NEAR(t.engine.PVSeries.XValues()[0], 0.6833, 5e-5);
    EXPECT_NEAR(t.engine.PVSeries.YValues()[0], 3.5388, 5e-5);
    EXPECT_EQ(t.engine.PhaseSeries1.Count(), 0); // markers belong to the phase handling
}

struct UpDownCase {
    RiderUpDown upDown;
    int value;
    bool up;
    int expected;
};

class RiderUpDownStep : public ::testing::TestWithParam<UpDownCase> {};

TEST_P(RiderUpDownStep, StaysInRangeOrWraps) {
    const UpDownCase& c = GetParam();
    EXPECT_EQ(c.upDown.Step(c.value, c.up), c.expected);
}

const RiderUpDown kPhase{"UpDown6", Field::Phase, 0, 350, 10, true};
const RiderUpDown kOffset{"UpDown5", Field::PhaseOffset, -180, 180, 10, true};
const RiderUpDown kHotTemp{"UpDown7", Field::HotTemp, 0, 700, 10, false};
const RiderUpDown kEmpty{"UpDown1", Field::HotStrokeMin, 5, 0, 5, false};

INSTANTIATE_TEST_SUITE_P(
    Rules, RiderUpDownStep,
    ::testing::Values(UpDownCase{kPhase, 340, true, 350}, UpDownCase{kPhase, 350, true, 0},
                      UpDownCase{kPhase, 0, false, 350}, UpDownCase{kPhase, 360, false, 350},
                      UpDownCase{kPhase, 360, true, 0}, UpDownCase{kOffset, 180, true, -180},
                      UpDownCase{kOffset, 175, true, -180}, UpDownCase{kOffset, -180, false, 180},
                      UpDownCase{kHotTemp, 700, true, 700}, UpDownCase{kHotTemp, 0, false, 0},
                      UpDownCase{kHotTemp, 1000, false, 700}, UpDownCase{kHotTemp, 695, true, 700},
                      UpDownCase{kEmpty, 5, true, 5}, UpDownCase{kEmpty, 5, false, 5}));

struct BadCase {
    const char* field;
    const char* text;
    const char* messagePart;
};

class RiderBadParameters : public ::testing::TestWithParam<BadCase> {};

TEST_P(RiderBadParameters, AreRefusedWithAMessageAndKeepThePreviousResults) {
    const BadCase& c = GetParam();
    RiderRig t;
    t.engine.CalcButtonClick();
    std::vector<std::vector<std::string>> grid = t.host.grid;
    std::uint64_t rev = t.engine.PressureSeries.Revision();
    double hotPos = t.engine.State().hotPos, avg = t.engine.avgPressure;
    int redraws = t.host.redraws;

    t.Put(t.Named(c.field), c.text);
    try {
        t.engine.CalcButtonClick();
        FAIL() << "accepted " << c.field << "=" << c.text;
    } catch (const ERiderParameterError& e) {
        EXPECT_NE(std::string(e.what()).find(c.messagePart), std::string::npos) << e.what();
    }
    EXPECT_THROW(t.engine.CalcEngine(false), ERiderParameterError);
    EXPECT_THROW(t.engine.PhaseChange(), ERiderParameterError);
    EXPECT_EQ(t.host.grid, grid);
    EXPECT_EQ(t.engine.PressureSeries.Revision(), rev);
    EXPECT_EQ(t.engine.State().hotPos, hotPos);
    EXPECT_EQ(t.engine.avgPressure, avg);
    EXPECT_EQ(t.host.redraws, redraws);
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");
}

INSTANTIATE_TEST_SUITE_P(
    FromAParameterFile, RiderBadParameters,
    ::testing::Values(BadCase{"ColdStrokeMax", "0", "cold stroke minimum and maximum"},
                      BadCase{"HotStrokeMax", "0", "hot stroke minimum and maximum"},
                      BadCase{"HotStrokeMax", "-20", "they are 5 and -20"},
                      BadCase{"ColdStrokeMin", "-5", "cold stroke"},
                      BadCase{"HotTemp", "-471", "hot temperature of -471 F"},
                      BadCase{"ColdTemp", "-1000", "lowest allowed is -470 F"}));

TEST(RiderBadParameters, TheColdestTemperatureAboveAbsoluteZeroIsAccepted) {
    RiderRig t;
    t.Put(Field::HotTemp, "-470");
    t.Put(Field::ColdTemp, "-470");
    EXPECT_NO_THROW(t.engine.CalcButtonClick());
    EXPECT_EQ(t.engine.PressureSeries.YValues().MaxValue(), 1);
}

TEST(RiderBadParameters, TextThatIsNotAWholeNumberKeepsTheRevolution) {
    RiderRig t;
    t.engine.CalcButtonClick();
    t.Put(Field::ColdTemp, "12.5");
    EXPECT_THROW(t.engine.CalcButtonClick(), EConvertError);
    EXPECT_EQ(t.engine.HotPistonSeries.Count(), 361);
    EXPECT_EQ(t.Row(8), "-1.78");
}

} // namespace
} // namespace kelvane
