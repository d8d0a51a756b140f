#include "EngineRig.h"

#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"
#include "ringbom/RingbomParameters.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvane;
using kelvane::test::RingbomRig;

namespace {

bool AllFinite(RingbomEngine& e) {
    for (TChart* c : {&e.PositionChart, &e.VolumeChart, &e.GasChart, &e.WorkChart, &e.LoopChart}) {
        for (int s = 0; s < c->SeriesCount(); ++s) {
            const TLineSeries& series = c->Series(s);
            for (int i = 0; i < series.Count(); ++i) {
                if (!std::isfinite(series.XValues()[i]) || !std::isfinite(series.YValues()[i]))
                    return false;
            }
        }
    }
    return true;
}

bool GridClean(const MapHost& host) {
    for (int row = 0; row < 12; ++row) {
        std::string text = host.Cell(1, row);
        if (text.find("NAN") != std::string::npos || text.find("INF") != std::string::npos)
            return false;
    }
    return true;
}

} // namespace

// Default engine, figures worked out by hand from the cylinder sizes and
// temperatures (hot 427.89 K, cold 316.78 K, displacer travel 40).
TEST(RingbomModel, FirstStepAfterClearPutsTheDisplacerOnItsBottomStop) {
    RingbomRig rig;
    rig.Tick();
    RingbomEngine& e = rig.engine;
    EXPECT_EQ(e.State().dispPos, 0);
    EXPECT_DOUBLE_EQ(e.State().pistonPos, 30);
    EXPECT_NEAR(e.State().hotVol, 311.017, 0.001);
    EXPECT_NEAR(e.State().coldVol, 332223.14, 0.01);
    EXPECT_NEAR(e.State().tHot, 427.889, 0.001);
    EXPECT_NEAR(e.State().tCold, 339.0, 1e-9);
    EXPECT_NEAR(e.State().currPressure, 341.952, 0.001);
    EXPECT_EQ(rig.Row(4), "0/100");
    EXPECT_EQ(rig.Row(2), "  342"); // the mean was still 0: no mark
    EXPECT_EQ(rig.Row(7), "0.0000");
    EXPECT_EQ(rig.Row(9), "0.351");
    EXPECT_EQ(rig.Row(10), "156");
    EXPECT_EQ(rig.Row(11), "");
    EXPECT_EQ(rig.host.volumeText, "Vol = 332,534");
    for (int k = 1; k <= 360; ++k)
        ASSERT_EQ(e.State().pressureHistory[static_cast<std::size_t>(k)], e.State().currPressure);
    EXPECT_EQ(rig.Text(Field::Phase), "5");
}

TEST(RingbomModel, SecondStepDrivesTheDisplacerToItsUpperStop) {
    RingbomRig rig;
    rig.Tick();
    const double first = rig.engine.State().currPressure;
    rig.Tick();
    RingbomEngine& e = rig.engine;
    EXPECT_EQ(e.State().dispPos, 40);
    EXPECT_NEAR(e.State().currPressure, 395.387, 0.001);
    EXPECT_EQ(rig.Row(0), "40.0");
    EXPECT_EQ(rig.Row(4), "91/9");
    EXPECT_EQ(rig.Row(2), "  395 (+)");
    EXPECT_EQ(rig.Row(7), "342");
    // Rows 9 and 10 gain the ratio of the gas temperatures seen so far.
    EXPECT_EQ(rig.Row(9), "0.351; 0.262");
    EXPECT_EQ(rig.Row(10), "156; 117");
    EXPECT_EQ(e.State().pressureHistory[359], first);
    EXPECT_EQ(e.State().pressureHistory[1], first);
    EXPECT_EQ(e.State().pressureHistory[360], e.State().currPressure);
}

TEST(RingbomModel, HistoryWithoutSpreadSendsTheDisplacerToTheUpperStop) {
    RingbomRig rig;
    // 400 sums exactly, so max equals mean and the law would be 0 / 0.
    RingbomModel model = rig.engine.State();
    std::fill(model.pressureHistory.begin() + 1, model.pressureHistory.end(), 400.0);
    model.currPressure = 400;
    ASSERT_NE(model.Step(RingbomParameters::Read(rig.host)), RingbomModel::Unusable);
    EXPECT_EQ(model.dispPos, 40);
    // The displacer on its top stop at 0 degrees: hot space pi 50^2 40 = 314159,
    // the emptied cold space a thousandth of that plus the piston's pi 15^2 30:
    // 21519.89; gas at (427.89 + 383.44) / 2 = 405.67 K and 316.78 K.
    // Nc = 100 / (1 + 316.78/405.67 * 314159/21519.89) = 8.0647 %,
    // p = Nc Vmean/100 Tc/Vc = 398.125.
    EXPECT_NEAR(model.currPressure, 398.125104633790, 1e-9 * 400);
    EXPECT_EQ(model.pressureHistory[359], 400);
    EXPECT_EQ(model.pressureHistory[360], model.currPressure);
}

// A run of many steps from a clear, every fifth degree: the displacer stays on
// its top stop while the last pressure is above the middle of the history's
// mean and maximum, leaves it on the 18th step (85 degrees), and returns on
// the 25th; a pressure beyond the first maximum raises it (37th); it reaches
// the bottom stop on the 157th. The values
// come from the step's formulas worked through one step at a time.
TEST(RingbomModel, LongRunFollowsTheDisplacerLawStepByStep) {
    struct Step {
        int step;
        double dispPos, pressure, meanPressure, maxPressure;
    };
    const Step steps[] = {
        {3, 40, 392.705864913922, 342.100479922123, 395.386567311476},
        {4, 40, 390.101408121342, 342.241462739358, 395.386567311476},
        {17, 40, 369.228462723252, 343.547139233097, 395.386567311476},
        // (369.228 - 343.623) / ((395.387 - 343.623) / 2) 20 + 20 = 39.787
        {18, 39.786510881817, 368.984596856191, 343.622907044247, 395.386567311476},
        {21, 38.788009120487, 367.729337316127, 343.844352690759, 395.386567311476},
        {24, 39.083042578221, 370.322173234988, 344.061633334095, 395.386567311476},
        {25, 40, 372.489398006371, 344.140439229999, 395.386567311476},
        {38, 40, 400.901842003439, 345.653441218166, 398.125104633790},
        {100, 10.894460229884, 338.315691751201, 353.826082050284, 432.495311744471},
        // Past two revolutions the law asks for -2.6: the displacer sits on its bottom stop.
        {160, 0, 322.107295635020, 362.302679849401, 432.495311744471},
    };
    RingbomRig rig;
    int done = 0;
    for (const Step& s : steps) {
        rig.Tick(s.step - done);
        done = s.step;
        SCOPED_TRACE(s.step);
        const RingbomModel& m = rig.engine.State();
        EXPECT_EQ(rig.Text(Field::Phase), std::to_string(5 * s.step));
        EXPECT_NEAR(m.pistonPos, (std::sin((s.step - 1) * 5 * M_PI / 180) + 1) * 30, 1e-12);
        EXPECT_NEAR(m.dispPos, s.dispPos, 1e-9);
        EXPECT_NEAR(m.currPressure, s.pressure, 1e-9 * s.pressure);
        EXPECT_NEAR(m.meanPressure, s.meanPressure, 1e-9 * s.meanPressure);
        EXPECT_NEAR(m.maxPressure, s.maxPressure, 1e-9 * s.maxPressure);
        EXPECT_EQ(m.pressureHistory[360], m.currPressure);
    }
}

TEST(RingbomModel, NetWorkAppearsOnceMoreThan72PointsAreRecorded) {
    RingbomRig rig;
    // Two start-up points are dropped on the third step, so the step that
    // finds 73 points is the 76th.
    rig.Tick(75);
    EXPECT_EQ(rig.engine.DisplacerSeries.Count(), 73);
    EXPECT_EQ(rig.Row(11), "");
    double tw = 0;
    for (int k = 1; k <= 72; ++k)
        tw += rig.engine.WorkSeries.YValues()[k];
    rig.Tick();
    EXPECT_EQ(rig.Row(11), MyRealToStr(tw / 72));
    EXPECT_EQ(rig.engine.MeanWorkSeries.YValues()[73], tw / 72);
}

TEST(RingbomModel, WorkUsesThePistonMoveBetweenTheLastTwoRecordedSteps) {
    RingbomRig rig;
    rig.Tick(10);
    const auto& piston = rig.engine.PistonSeries.YValues();
    const int n = rig.engine.PistonSeries.Count();
    const double delta = piston[n - 1] - piston[n - 2];
    rig.Tick();
    const RingbomEngine& e = rig.engine;
    const double expected = (e.State().currPressure - e.State().meanPressure) * delta * 3.14159 *
                            15 * 15; // piston radius 15
    EXPECT_NEAR(e.WorkSeries.YValues()[n], expected, 1e-9 * std::abs(expected) + 1e-12);
}

struct UnusableGeometry {
    const char* field;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const UnusableGeometry& in) {
    return out << in.field << "=" << in.text;
}

class RingbomUnusableGeometry : public ::testing::TestWithParam<UnusableGeometry> {};

TEST_P(RingbomUnusableGeometry, StepDoesNothing) {
    RingbomRig rig;
    rig.Put(rig.Named(GetParam().field), GetParam().text);
    rig.Tick();
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(rig.Row(row), "") << row;
    for (TLineSeries* s : rig.engine.RecordedSeries())
        EXPECT_EQ(s->Count(), 0) << s->Name;
    EXPECT_EQ(rig.engine.State().pressureHistory[360], 0);
    EXPECT_EQ(rig.engine.record.resultCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RingbomUnusableGeometry,
                         ::testing::Values(UnusableGeometry{"DispHeight", "100"},
                                           UnusableGeometry{"PistonThrow", "0"},
                                           UnusableGeometry{"PistonDiameter", "-30"}));

// The texts are read in the order the step needs them: the first bad one is
// reported, and a geometry the model cannot use ends the step before the
// angle and the temperatures are read at all.
TEST(RingbomParameters, ReadStopsAtTheFirstBadTextOrAnUnusableGeometry) {
    MapHost host(RingbomFields());
    host.PutDefaults();
    host.Put(Field::Phase, "1O");
    host.Put(Field::ColdTemp, "cold");
    EXPECT_THROW(
        {
            try {
                RingbomParameters::Read(host);
            } catch (const EConvertError& err) {
                EXPECT_STREQ(err.what(), "'1O' is not a valid integer value");
                throw;
            }
        },
        EConvertError);

    host.Put(Field::DispHeight, "100"); // as high as its cylinder
    const RingbomParameters p = RingbomParameters::Read(host);
    EXPECT_FALSE(p.usable);
    EXPECT_EQ(p.dispHt, 100);
    EXPECT_EQ(p.phase, 0);
}

struct OddInput {
    const char* field;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const OddInput& in) {
    return out << in.field << "=" << in.text;
}

class RingbomOddInputs : public ::testing::TestWithParam<OddInput> {};

// Inputs the model accepts but that give degenerate states: nothing that is
// not a finite number may reach a chart or the grid.
TEST_P(RingbomOddInputs, NoNonFiniteValueReachesChartsOrGrid) {
    for (bool strip : {true, false}) {
        RingbomRig rig(strip, true);
        rig.Put(rig.Named(GetParam().field), GetParam().text);
        rig.Tick(150);
        EXPECT_TRUE(AllFinite(rig.engine)) << strip;
        EXPECT_TRUE(GridClean(rig.host)) << strip;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RingbomOddInputs,
    ::testing::Values(OddInput{"ColdTemp", "300"}, OddInput{"HotTemp", "50"},
                      OddInput{"DPistonDiameter", "100"}, OddInput{"DPistonDiameter", "200"},
                      OddInput{"DispCylDiameter", "0"}, OddInput{"HotTemp", "-470"},
                      OddInput{"DispCylDiameter", "1e200"}, OddInput{"DPistonDiameter", "1e200"}));

// A rod as wide as the piston's swept volume cancels the cold space exactly:
// the split has no value, and the step ends without touching the history.
TEST(RingbomModel, ColdSpaceCancelledByTheRodEndsTheStep) {
    RingbomRig rig;
    rig.host.Put(Field::DispCylDiameter, "0");
    rig.host.Put(Field::DispHeight, "70");
    rig.host.Put(Field::DPistonDiameter, "10");
    rig.host.Put(Field::PistonDiameter, "10");
    rig.Tick();
    EXPECT_EQ(rig.engine.State().pressureHistory[360], 0);
    EXPECT_EQ(rig.engine.DisplacerSeries.Count(), 0);
    EXPECT_EQ(rig.Row(2), "");
    EXPECT_EQ(rig.Row(4), "");
    EXPECT_TRUE(std::isfinite(rig.engine.State().currPressure));
    EXPECT_TRUE(GridClean(rig.host));
    EXPECT_EQ(rig.Text(Field::Phase), "5"); // the run goes on
}

TEST(RingbomModel, EqualTemperaturesRecordBothGasesAtTheColdEnd) {
    RingbomRig rig;
    rig.host.Put(Field::ColdTemp, "300");
    rig.Tick(20);
    for (const TLineSeries* s : {&rig.engine.HotTempSeries, &rig.engine.ColdTempSeries}) {
        ASSERT_EQ(s->Count(), 18);
        for (int i = 0; i < s->Count(); ++i)
            EXPECT_EQ(s->YValues()[i], 0) << s->Name << i;
    }
}

TEST(RingbomModel, NotEnabledStepReadsAndWritesNothing) {
    MapHost host(RingbomFields());
    RingbomEngine engine(host);
    host.Put(Field::Phase, "not a number"); // would throw if read
    engine.CalcEngine(true);
    EXPECT_TRUE(host.grid.empty());
    EXPECT_EQ(engine.DisplacerSeries.Count(), 0);
}

// The normalised total volume spans the gas volumes the engine can have, the
// rod's share of the cold space included: it stays within 0 .. 1 however
// much of the cylinder the rod's travel takes up.
TEST(RingbomModel, NormalisedTotalVolumeStaysWithinZeroToOne) {
    struct Case {
        const char* cylHeight;
        const char* rodDiameter;
    };
    const Case cases[] = {{"100", "10"}, {"200", "10"}, {"200", "60"}, {"1000", "90"}};
    for (const Case& c : cases) {
        RingbomRig rig(true, true);
        rig.Put(Field::DispCylHeight, c.cylHeight);
        rig.Put(Field::DPistonDiameter, c.rodDiameter);
        rig.engine.ClearButtonClick();
        rig.Tick(150);
        const RingbomEngine& e = rig.engine;
        ASSERT_GT(e.TotalVolSeries.Count(), 100) << c.cylHeight;
        EXPECT_GE(e.TotalVolSeries.YValues().MinValue(), 0) << c.cylHeight << " " << c.rodDiameter;
        EXPECT_LE(e.TotalVolSeries.YValues().MaxValue(), 1 + 1e-12)
            << c.cylHeight << " " << c.rodDiameter;
        EXPECT_GE(e.PVSeries.XValues().MinValue(), 0) << c.cylHeight << " " << c.rodDiameter;
    }
}
