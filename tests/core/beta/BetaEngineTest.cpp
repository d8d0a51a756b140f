// What the Beta engine refuses, and what one analysis shows.
#include "beta/BetaEngine.h"
#include "EngineRig.h"
#include "beta/BetaFields.h"
#include "beta/BetaSweep.h"
#include "foundations/RasterCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane {

namespace {

using BetaRig = test::EngineRig<BetaEngine>;

TEST(BetaEngineTest, TextsTheModelCannotUseAreMarkedAndNeverComputed) {
    struct Case {
        Field field;
        const char* text;
        const char* message; // "" for a usable text
    };
    const Case cases[] = {
        {Field::Bore, "0", "Bore must be from 0.001 to 1000000 mm"},
        {Field::DisplacerStroke, "-3", "Displacer stroke must be from 0.001 to 1000000 mm"},
        {Field::PistonStroke, "abc", "Piston stroke must be a number"},
        {Field::HotDeadVolume, "-0.1", "Hot dead volume must be from 0 to 1000000000 cm3"},
        {Field::RegeneratorVolume, "-1", "Regenerator volume must be from 0 to 1000000000 cm3"},
        {Field::ColdDeadVolume, "0", ""},
        {Field::RegeneratorVolume, "0", ""},
        {Field::PhaseAngle, "181", "Phase angle must be from -180 to 180 degrees"},
        {Field::PhaseAngle, "-180", ""},
        {Field::PhaseAngle, "90.5", "Phase angle must be a whole number of degrees"},
        {Field::ColdTemp, "-280", "Cold temperature must be -273 degrees C or more"},
        {Field::HotTemp, "-274", "Hot temperature must be -273 degrees C or more"},
        {Field::ColdTemp, "401", "Cold temperature must not be above the hot temperature"},
        {Field::ColdTemp, "400", ""},
        {Field::HotTemp, "326.85", ""},
        {Field::MeanPressure, "0", "Mean pressure must be from 0.001 to 1000000000 kPa"},
        {Field::Speed, "0", ""},
        {Field::Speed, "-1", "Speed must be from 0 to 1000000000 rpm"},
    };
    for (const Case& c : cases) {
        BetaRig rig;
        rig.Put(c.field, c.text);
        const std::vector<FieldProblem> problems = BetaFields().Check(rig.host);
        rig.engine.CalcButtonClick();
        if (c.message[0] == '\0') {
            EXPECT_TRUE(problems.empty()) << c.text << ": " << problems.front().message;
            EXPECT_TRUE(rig.engine.analysed) << c.text;
            EXPECT_TRUE(std::isfinite(rig.engine.netWork)) << c.text;
            continue;
        }
        ASSERT_EQ(problems.size(), 1u) << c.text;
        EXPECT_EQ(problems[0].field, c.field) << c.text;
        EXPECT_EQ(problems[0].message, c.message);
        EXPECT_FALSE(rig.engine.analysed) << c.text;
        EXPECT_EQ(rig.Row(BetaEngine::NetWork), "") << c.text;
    }
}

TEST(BetaEngineTest, AnalysisFillsTheGridAndTheCrankMovesOverIt) {
    BetaRig rig;
    rig.engine.CalcButtonClick();
    BetaEngine& e = rig.engine;
    EXPECT_EQ(rig.host.Cell(0, BetaEngine::SchmidtWork), "Schmidt W J");
    EXPECT_EQ(rig.Row(BetaEngine::HotVol), "20.0");
    EXPECT_EQ(rig.Row(BetaEngine::MeanPressureRow), "500");
    EXPECT_EQ(rig.Row(BetaEngine::NetWork), MyRealToStr(e.netWork));
    EXPECT_EQ(rig.Row(BetaEngine::Power), MyRealToStr(e.netWork * 10));
    for (TLineSeries* s : {&e.DisplacerSeries, &e.PressureSeries, &e.HotMassSeries})
        EXPECT_EQ(s->Count(), 361);
    EXPECT_EQ(e.WorkSeries.Count(), 360);
    EXPECT_EQ(e.PVSeries.Count(), 360);
    // The masses of the three spaces make the whole gas at every angle.
    for (int x = 0; x <= 360; x += 45) {
        EXPECT_NEAR(e.HotMassSeries.YValues()[x] + e.RegenMassSeries.YValues()[x] +
                        e.ColdMassSeries.YValues()[x],
                    100, 1e-9);
    }

    e.SpeedButtonClick(100);
    rig.Tick(10);
    EXPECT_EQ(rig.Text(Field::Phase), "100");
    EXPECT_EQ(rig.Row(BetaEngine::DispPosn), MyRealToStr(e.model.At(100).displacerPos));
    e.ClickAtAngle(183);
    EXPECT_FALSE(e.timer.Enabled);
    EXPECT_EQ(rig.Text(Field::Phase), "180");
    EXPECT_EQ(rig.Row(BetaEngine::HotVol), MyRealToStr(e.model.At(180).hotVol));
    EXPECT_EQ(e.PhaseSeries5.XValues()[0], e.model.At(180).totalVol);

    // The picture: the red hot end at the top, the displacer and the piston.
    RasterCanvas canvas(BetaEngine::kPictureWidth, BetaEngine::kPictureHeight);
    e.DrawPicture(canvas);
    int red = 0, lime = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            red += canvas.Pixel(x, y) == clRed;
            lime += canvas.Pixel(x, y) == clLime;
        }
    }
    EXPECT_GT(red, 100);
    EXPECT_GT(lime, 100);
}

// Every input sweeps into the net-work graph, from where the plan says to
// where it says, and the box gets the user's text back.
TEST(BetaEngineTest, EveryInputSweeps) {
    struct Case {
        Field field;
        const char* range; // the box's text while the sweep runs
        int points;
        double first, last;
    };
    const Case cases[] = {
        {Field::PhaseAngle, "testing -175 through 175", 71, -175, 175},
        {Field::Bore, "testing 6 through 600", 101, 6, 600},
        {Field::RegeneratorVolume, "testing 0 through 200", 101, 0, 200},
        {Field::HotTemp, "testing 30 through 1030", 101, 30, 1030},
        {Field::ColdTemp, "testing -100 through 400", 101, -100, 400},
        {Field::Speed, "testing 60 through 6000", 100, 60, 6000},
    };
    for (const Case& c : cases) {
        BetaRig rig;
        rig.engine.CalcButtonClick();
        BetaSweep sweep(rig.engine, rig.host);
        std::string range;
        rig.host.onProcessEvents = [&] {
            if (range.empty())
                range = rig.Text(c.field);
        };
        const std::string before = rig.Text(c.field);
        ASSERT_TRUE(sweep.FieldDblClick(c.field));
        EXPECT_EQ(range, c.range);
        EXPECT_EQ(rig.Text(c.field), before);
        ASSERT_GE(sweep.WorkSeries.Count(), c.points - 1) << c.range;
        EXPECT_NEAR(sweep.WorkSeries.XValues()[0], c.first, 1e-9) << c.range;
        EXPECT_NEAR(sweep.WorkSeries.XValues()[sweep.WorkSeries.Count() - 1], c.last, 1e-6)
            << c.range;
    }
}

} // namespace

} // namespace kelvane
