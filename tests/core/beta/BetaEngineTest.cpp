// What the Beta engine refuses, and what one analysis shows.
#include "beta/BetaEngine.h"
#include "EngineRig.h"
#include "beta/BetaFields.h"
#include "beta/BetaSweep.h"
#include "foundations/RasterCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <stdexcept>
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
            // The per-degree sums agree with the closed form of the texts just read.
            const double closed =
                rig.engine.model.ClosedExpansionWork() + rig.engine.model.ClosedCompressionWork();
            EXPECT_NEAR(rig.engine.netWork, closed, 1e-3 * std::fabs(closed) + 1e-12) << c.text;
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
    // Total volume Vse + Vdc + Vr + Vde - Vb + Vsc/2 (1 - cos(x - 90)): least at
    // 90 degrees, 84.823 + 60 - 24.844 = 119.979; most Vsc above it, 204.802;
    // over whole degrees the cosine averages out, leaving Vsc/2 above the least.
    EXPECT_NEAR(e.minVol, 119.978919665138, 1e-9);
    EXPECT_NEAR(e.maxVol, 204.801921312062, 1e-9);
    EXPECT_NEAR(e.meanVol, 162.390420488600, 1e-9);
    EXPECT_NEAR(e.TotalVolSeries.YValues()[90], 119.978919665138, 1e-9);
    EXPECT_EQ(e.TotalVolSeries.XValues()[90], 90);
    EXPECT_NEAR(e.DisplacerSeries.YValues()[90], 15, 1e-12);
    EXPECT_NEAR(e.PistonSeries.YValues()[90], 0, 1e-12);
    EXPECT_NEAR(e.ColdVolSeries.YValues()[360], 122.390420488600, 1e-9);
    // Shares at 0 degrees: S = 20/673.15 + 20/463.81 + 122.390/303.15 = 0.476561;
    // hot 20/673.15/S = 6.2345 %, regenerator 9.0484 %, cold 84.7171 %.
    EXPECT_NEAR(e.HotMassSeries.YValues()[0], 6.234470494972, 1e-9);
    EXPECT_NEAR(e.RegenMassSeries.YValues()[0], 9.048390112593, 1e-9);
    EXPECT_NEAR(e.ColdMassSeries.YValues()[0], 84.717139392435, 1e-9);
    // The mean pressure over the degrees is the one asked for; the extremes lie about it.
    EXPECT_NEAR(e.meanPressure, 500, 1e-9);
    EXPECT_LT(e.minPressure, 500);
    EXPECT_GT(e.maxPressure, 500);
    EXPECT_EQ(e.minPressure, e.PressureSeries.YValues().MinValue());
    EXPECT_EQ(e.maxPressure, e.PressureSeries.YValues().MaxValue());
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
    // A click beyond the revolution is held to its end; a typed angle past two
    // revolutions shows the state of the same crank position: 725 is 5, where
    // displacer 15 (1 - cos 5) = 0.057080, piston 15 (1 - cos -85) = 13.692664,
    // hot space 42.4115 (1 - cos 5) + 20 = 20.161389, total 158.694015.
    e.ClickAtAngle(725);
    EXPECT_EQ(rig.Text(Field::Phase), "360");
    rig.Edit(Field::Phase, "725");
    EXPECT_EQ(e.shownAngle, 725);
    EXPECT_NEAR(e.state.displacerPos, 0.057079528624, 1e-9);
    EXPECT_NEAR(e.state.pistonPos, 13.692663858785, 1e-9);
    EXPECT_NEAR(e.state.hotVol, 20.161388565015, 1e-9);
    EXPECT_NEAR(e.state.totalVol, 158.694014633288, 1e-9);
    EXPECT_EQ(e.PhaseSeries1.XValues()[0], 725);
    // The timer's next turn wraps the angle back into the revolution.
    e.SpeedButtonClick(100);
    rig.Put(Field::Phase, "355");
    rig.Tick(2);
    EXPECT_EQ(rig.Text(Field::Phase), "15");

    // The picture at 180 degrees. The overlap is 30 (1 - 1/sqrt 2) = 8.787 mm,
    // so the piston's highest top lies at 30 + 30 - 8.787 = 51.213 mm and the
    // drawing is 51.213 + 30 + 15 = 96.213 mm long: 143 / 96.213 = 1.4863
    // pixels a mm (the height limits it, 126 / 60 = 2.1 across). From the top
    // at row 10: the displacer (30 long, at 30) spans rows 55 to 99, the piston
    // (15 long, at 15 past its highest) rows 108 to 131; the cylinder is
    // 60 mm = 89 pixels wide from column 16. The hot walls run down to 15 mm
    // (row 32), the cold ones from 45 mm (row 77) to the piston's mid-stroke top
    // (row 108).
    e.ClickAtAngle(180);
    RasterCanvas canvas(BetaEngine::kPictureWidth, BetaEngine::kPictureHeight);
    e.DrawPicture(canvas);
    constexpr TColor grey = 0x808080;
    struct Pixel {
        int x, y;
        TColor color;
    };
    const Pixel pixels[] = {
        {60, 6, clRed},     {13, 20, clRed},    {13, 31, clRed},     {13, 33, clWhite},
        {13, 76, clWhite},  {13, 77, clBlue},   {13, 107, clBlue},   {13, 108, clWhite},
        {15, 60, clBlack},  {106, 60, clBlack}, {40, 54, clWhite},   {40, 55, clBlack},
        {40, 56, grey},     {40, 98, grey},     {40, 99, clBlack},   {40, 100, clWhite},
        {40, 107, clWhite}, {40, 108, clBlack}, {40, 109, clLime},   {40, 130, clLime},
        {40, 131, clBlack}, {17, 120, clLime},  {104, 120, clBlack}, {40, 153, clBlack},
    };
    for (const Pixel& px : pixels)
        EXPECT_EQ(canvas.Pixel(px.x, px.y), px.color) << px.x << ", " << px.y;
}

// The crank's buttons: the speeds set their interval and start the crank,
// Calc analyses, both only when the texts may be used; Stop always stops.
TEST(BetaEngineTest, CrankActionsRunOnlyOnUsableTexts) {
    struct Case {
        std::size_t button;
        bool usable;
        bool analysed, running;
        int interval;
    };
    const Case cases[] = {
        {0, true, true, true, 100},  {1, true, true, true, 200}, {2, true, true, true, 300},
        {2, false, false, false, 7}, {3, true, false, false, 7}, {3, false, false, false, 7},
        {4, true, true, true, 7},    {4, false, false, true, 7},
    };
    const std::span<const EngineAction> actions = BetaRig().engine.Actions();
    ASSERT_EQ(actions.size(), 5u);
    for (const Case& c : cases) {
        const EngineAction& action = actions[c.button];
        SCOPED_TRACE(std::string(action.caption) + (c.usable ? "" : ", unusable"));
        BetaRig rig;
        // Stop and Calc find the crank turning at 7 ms, the speeds find it still.
        rig.engine.timer = {c.button >= 3, 7};
        rig.engine.Act(action.name, action.arg, [&] { return c.usable; });
        EXPECT_EQ(rig.engine.analysed, c.analysed);
        EXPECT_EQ(rig.engine.timer.Enabled, c.running);
        EXPECT_EQ(rig.engine.timer.Interval, c.interval);
    }
    BetaRig rig;
    EXPECT_THROW(rig.engine.Act("go", 0, [] { return true; }), std::invalid_argument);
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

    // The speed changes no volume, pressure or work: every point of its sweep
    // ties, and the first of the tied maxima is the one named.
    BetaRig rig;
    rig.engine.CalcButtonClick();
    const double work = MyStrToReal(MyRealToStr(rig.engine.netWork), 0.0);
    BetaSweep sweep(rig.engine, rig.host);
    ASSERT_TRUE(sweep.FieldDblClick(Field::Speed));
    ASSERT_GE(sweep.WorkSeries.Count(), 99);
    for (int i = 0; i < sweep.WorkSeries.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sweep.WorkSeries.YValues()[i], work);
        EXPECT_NEAR(sweep.MinVolSeries.YValues()[i], 119.978919665138, 1e-9);
        EXPECT_NEAR(sweep.MeanVolSeries.YValues()[i], 162.390420488600, 1e-9);
        EXPECT_NEAR(sweep.MaxVolSeries.YValues()[i], 204.801921312062, 1e-9);
        EXPECT_NEAR(sweep.MeanPressureSeries.YValues()[i], 500, 1e-9);
        EXPECT_EQ(sweep.MaxTempSeries.YValues()[i], 400);
        EXPECT_EQ(sweep.MinTempSeries.YValues()[i], 30);
        EXPECT_NEAR(sweep.TempRatioSeries.YValues()[i], 673.15 / 303.15, 1e-12);
    }
    EXPECT_EQ(sweep.maxX, 60);
    EXPECT_EQ(sweep.maxY, work);
    EXPECT_EQ(sweep.Memo1.back(),
              "Maximum Work of " + MyRealToStr(work) + " occured at " + MyRealToStr(60));
}

} // namespace

} // namespace kelvane
