// The Beta engine's isothermal analysis against values worked by hand and
// against the textbook's closed-form Schmidt work.
#include "beta/BetaModel.h"
#include "EngineRig.h"
#include "beta/BetaEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane {

namespace {

using BetaRig = test::EngineRig<BetaEngine>;

std::string BetaPrint(double v) {
    return std::to_string(v);
}

// At the defaults (D 60 mm, strokes 30 mm, a = 90 degrees, dead volumes
// 20 cm3): Vse = Vsc = pi/4 6^2 3 = 84.823 cm3, Vb = Vse (1 - 1/sqrt 2) = 24.844.
TEST(BetaModelTest, VolumesAndTemperaturesAtHandWorkedAngles) {
    const BetaModel m{BetaParameters{}};
    EXPECT_NEAR(m.sweptHot, 84.823001646924, 1e-9);
    EXPECT_NEAR(m.sweptCold, 84.823001646924, 1e-9);
    EXPECT_NEAR(m.overlap, 24.844081981786, 1e-9);
    // Tr = (673.15 - 303.15) / ln(673.15 / 303.15).
    EXPECT_NEAR(m.tRegen, 463.809999510305, 1e-9);
    EXPECT_EQ(BetaModel{BetaParameters{.hotTemp = 30}}.tRegen, 303.15);

    struct Case {
        double x, hot, cold, displacer, piston;
    };
    const Case cases[] = {
        {0, 20, 122.390420488600, 0, 15},              // Vc = Vse + Vsc/2 + Vdc - Vb
        {90, 62.411500823462, 37.567418841676, 15, 0}, // the piston at its top: the gap closed
        {180, 104.823001646924, 37.567418841676, 30, 15},
        {270, 62.411500823462, 122.390420488600, 15, 30},
        {-90, 62.411500823462, 122.390420488600, 15, 30},
    };
    for (const Case& c : cases) {
        const BetaModel::Point s = m.At(c.x);
        EXPECT_NEAR(s.hotVol, c.hot, 1e-9) << c.x;
        EXPECT_NEAR(s.coldVol, c.cold, 1e-9) << c.x;
        EXPECT_NEAR(s.displacerPos, c.displacer, 1e-12) << c.x;
        EXPECT_NEAR(s.pistonPos, c.piston, 1e-12) << c.x;
        EXPECT_NEAR(s.totalVol, c.hot + 20 + c.cold, 1e-9) << c.x;
        EXPECT_NEAR(s.reduced, c.hot / 673.15 + 20 / m.tRegen + c.cold / 303.15, 1e-12) << c.x;
    }
    // The cold space never falls below its dead volume, and reaches it.
    double least = 1e9;
    for (int x = 0; x < 360; ++x)
        least = std::min(least, m.At(x).coldVol);
    EXPECT_NEAR(least, 20, 1e-9);
}

TEST(BetaModelTest, OwnLogarithmAndCosineAgreeWithTheLibrary) {
    for (double x : {1e-300, 0.3, 0.70710678, 1.0, 2.2205, 673.15 / 303.15, 1e6, 1e300})
        EXPECT_NEAR(BetaModel::NaturalLog(x), std::log(x),
                    4e-16 * std::max(1.0, std::fabs(std::log(x))));
    for (int d = -360; d <= 720; d += 7)
        EXPECT_NEAR(BetaModel::CosDegrees(d), std::cos(d * M_PI / 180), 1e-14) << d;
}

// The per-degree sums within 0.1 % of the closed form, the pressure's mean
// pm, and W / We = 1 - Tc/Th, at the defaults and on other sets.
TEST(BetaModelTest, PerDegreeSumsMatchTheSchmidtClosedForm) {
    const BetaParameters sets[] = {
        {},
        {.hotDeadVolume = 0, .regeneratorVolume = 0, .coldDeadVolume = 0},
        {.bore = 100, .displacerStroke = 50, .pistonStroke = 20, .phaseAngle = 120},
        {.phaseAngle = 45, .hotTemp = 650, .coldTemp = -20, .meanPressure = 10000},
        {.phaseAngle = -90},
        {.bore = 12,
         .displacerStroke = 4,
         .pistonStroke = 9,
         .phaseAngle = 170,
         .hotTemp = 90,
         .coldTemp = 20,
         .hotDeadVolume = 0.5,
         .regeneratorVolume = 3,
         .coldDeadVolume = 0},
    };
    for (const BetaParameters& p : sets) {
        BetaRig rig;
        auto put = [&](Field f, double v) { rig.Put(f, BetaPrint(v)); };
        put(Field::Bore, p.bore);
        put(Field::DisplacerStroke, p.displacerStroke);
        put(Field::PistonStroke, p.pistonStroke);
        rig.Put(Field::PhaseAngle, std::to_string(static_cast<int>(p.phaseAngle)));
        put(Field::HotTemp, p.hotTemp);
        put(Field::ColdTemp, p.coldTemp);
        put(Field::HotDeadVolume, p.hotDeadVolume);
        put(Field::RegeneratorVolume, p.regeneratorVolume);
        put(Field::ColdDeadVolume, p.coldDeadVolume);
        put(Field::MeanPressure, p.meanPressure);
        rig.engine.CalcButtonClick();
        const BetaEngine& e = rig.engine;
        ASSERT_TRUE(e.analysed);
        const BetaModel m{p};
        const double closed = m.ClosedExpansionWork() + m.ClosedCompressionWork();
        const double ideal = 1 - m.tCold / m.tHot;
        EXPECT_NEAR(e.schmidtWork, closed, 1e-12 * std::fabs(closed));
        EXPECT_LT(std::fabs(e.netWork / closed - 1), 1e-3) << e.netWork << " " << closed;
        EXPECT_LT(std::fabs(e.SumDifferencePercent()), 0.1);
        EXPECT_NEAR(e.meanPressure, p.meanPressure, 1e-9 * p.meanPressure);
        EXPECT_NEAR(closed / m.ClosedExpansionWork(), ideal, 1e-12);
        EXPECT_NEAR(e.EfficiencyRatio(), ideal, 1e-6);
        EXPECT_NEAR(e.PowerWatts(), e.netWork * 600 / 60, 1e-12);
        // The net work has the sign of the lag: a piston ahead of the displacer absorbs work.
        EXPECT_EQ(e.netWork > 0, p.phaseAngle > 0);
    }
}

// No work to compare: the difference and the efficiency are 0, not a ratio of
// two roundings.
TEST(BetaModelTest, WithoutWorkTheRatiosAreZero) {
    struct Case {
        Field field;
        const char* text;
    };
    const Case cases[] = {{Field::PhaseAngle, "0"},
                          {Field::PhaseAngle, "180"},
                          {Field::PhaseAngle, "-180"},
                          {Field::HotTemp, "30"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        BetaRig rig;
        rig.Put(c.field, c.text);
        rig.engine.CalcButtonClick();
        EXPECT_LT(std::fabs(rig.engine.netWork), 1e-12);
        EXPECT_EQ(rig.engine.SumDifferencePercent(), 0);
        EXPECT_EQ(rig.engine.EfficiencyRatio(), 0);
    }
    EXPECT_EQ(BetaModel::SinDegrees(180), 0);
    EXPECT_EQ(BetaModel::CosDegrees(90), 0);
    EXPECT_EQ(BetaModel::CosDegrees(-270), 0);
    EXPECT_EQ(BetaModel::SinDegrees(-90), -1);
}

} // namespace

} // namespace kelvane
