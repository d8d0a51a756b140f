#include "GammaFixture.h"

#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"
#include "foundations/MarlUtils.h"
#include "gamma/GammaState.h"

#include <cstddef>
#include <cstring>
#include <tuple>

namespace kelvane {
namespace {

class GammaModel : public GammaFixture {};

TEST_F(GammaModel, DefaultsAtPhaseZero) {
    EvaluateAt(0);
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 20);
    EXPECT_DOUBLE_EQ(engine.State().pistonPos, 60); // top of the stroke
    EXPECT_DOUBLE_EQ(engine.State().hotVol, CalcCylVol(100, 20));
    // Hot and cold ends 300 F and 100 F: 3851/9 and 2851/9 on the model's scale.
    EXPECT_DOUBLE_EQ(engine.State().tHot, (3851.0 / 9 + 3651.0 / 9) / 2);
    EXPECT_DOUBLE_EQ(engine.State().tCold, (3051.0 / 9 + 2851.0 / 9) / 2);
    EXPECT_EQ(Row(0), "20.0");
    EXPECT_EQ(Row(1), "60.0");
    EXPECT_EQ(Row(2), "  340"); // no mean pressure yet: no mark
    EXPECT_EQ(Row(3), "1.000");
    EXPECT_EQ(Row(4), "38/62");
    // Displacer cylinder only, 314159 / 42411.465; with the piston's gas it would be 8.41.
    EXPECT_EQ(Row(7), "7.41");
    EXPECT_EQ(Row(8), "0.351");  // 3851 / 2851 - 1
    EXPECT_EQ(Row(9), "0.0000"); // nothing analysed yet
    EXPECT_EQ(Row(10), "156; 0.0000");
    EXPECT_EQ(host.volumeText, "Vol = 356,570");
}

// Past two revolutions, and before the first, a crank angle is the same
// position as 5 degrees: displacer (sin 5 + 1) 40/2 = 21.7431, piston, 90
// degrees ahead, (sin 95 + 1) 60/2 = 59.8858. The timer's turn wraps back
// into the revolution.
TEST_F(GammaModel, AnglesPastTwoRevolutionsAreTheSamePosition) {
    for (int phase : {5, 725, 1085, -355, -715}) {
        SCOPED_TRACE(phase);
        EvaluateAt(phase);
        EXPECT_NEAR(engine.State().dispPos, 21.7431148549532, 1e-12);
        EXPECT_NEAR(engine.State().pistonPos, 59.8858409427524, 1e-12);
        EXPECT_NEAR(engine.State().hotVol, CalcCylVol(100, 21.7431148549532), 1e-6);
    }
    Put(Field::Phase, "355");
    engine.timer.Enabled = true;
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "5");
    engine.Tick();
    EXPECT_EQ(host.FieldText(Field::Phase), "15");
}

TEST_F(GammaModel, PressureIsTheChargeOverTheSpacesAtTheirTemperatures) {
    for (int phase : {0, 45, 133, 200, 359}) {
        EvaluateAt(phase);
        double hot = engine.State().hotVol, cold = engine.State().coldVol;
        double p =
            engine.State().meanVol / (hot / engine.State().tHot + cold / engine.State().tCold);
        EXPECT_EQ(Row(2), PadLeft(MyRealToStr(p), 5)) << phase;
    }
}

TEST_F(GammaModel, DisplacerAtTheBottomAndTopGetsAThousandthOfTheOtherSpace) {
    EvaluateAt(270);
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 0);
    EXPECT_DOUBLE_EQ(engine.State().hotVol, CalcCylVol(100, 40) / 1000);

    EvaluateAt(90);
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 40);
    EXPECT_DOUBLE_EQ(engine.State().hotVol, CalcCylVol(100, 40));
    EXPECT_NEAR(engine.State().coldVol - engine.State().pistonVol, engine.State().hotVol / 1000,
                1e-9);
    // Vol Ratio before the piston's gas joins the cold space.
    EXPECT_EQ(Row(7), MyRealToStr(engine.State().hotVol * 1.001 / CalcCylVol(30, 60)));
}

TEST_F(GammaModel, ZeroCylinderDiameterIsNotRefused) {
    Put(Field::DispCylDiameter, "0");
    EvaluateAt(30);
    EXPECT_DOUBLE_EQ(engine.State().hotVol, 0.001);
    EXPECT_DOUBLE_EQ(engine.State().minVol, 0.002);
    EXPECT_DOUBLE_EQ(engine.State().coldVol, 0.001 + engine.State().pistonVol);
}

TEST_F(GammaModel, DimensionTextThatIsNotANumberReadsAsFive) {
    Put(Field::DispCylHeight, "abc");
    Put(Field::DispHeight, "2");
    EvaluateAt(0);
    EXPECT_DOUBLE_EQ(engine.dispCylHt, 5);
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 1.5);
}

class GammaRefusal : public GammaFixture,
                     public ::testing::WithParamInterface<std::tuple<const char*, const char*>> {};

TEST_P(GammaRefusal, RefusedDimensionsChangeNothingButTheDimensions) {
    EvaluateAt(0);
    const std::string row0 = Row(0);
    auto [field, text] = GetParam();
    Put(Named(field), text);
    engine.CalcEngine(true);
    EvaluateAt(90);
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 20);
    EXPECT_DOUBLE_EQ(engine.State().pistonPos, 60);
    EXPECT_EQ(Row(0), row0);
    EXPECT_EQ(engine.DisplacerSeries.Count(), 0);
    // The dimensions themselves keep what was read.
    EXPECT_DOUBLE_EQ(MyStrToReal(Text(Named(field)), 5),
                     field == std::string("PistonThrow")      ? engine.pistonTh
                     : field == std::string("PistonDiameter") ? engine.pistonHt
                     : field == std::string("DispHeight")     ? engine.dispHt
                                                              : engine.dispCylHt);
}

INSTANTIATE_TEST_SUITE_P(Gamma, GammaRefusal,
                         ::testing::Values(std::make_tuple("DispHeight", "100"),
                                           std::make_tuple("DispHeight", "120"),
                                           std::make_tuple("PistonThrow", "0"),
                                           std::make_tuple("PistonDiameter", "0"),
                                           std::make_tuple("DispCylHeight", "-5")));

TEST_F(GammaModel, NothingHappensWhileNotEnabled) {
    engine.enable = false;
    EvaluateAt(0);
    EXPECT_DOUBLE_EQ(engine.dispCylHt, 0);
    EXPECT_EQ(Row(0), "");
}

TEST_F(GammaModel, PressureMarkAgainstTheMeanPressure) {
    EvaluateAt(0);
    const double p0 = engine.State().meanVol / (engine.State().hotVol / engine.State().tHot +
                                                engine.State().coldVol / engine.State().tCold);
    engine.meanPressure = p0 - 1;
    EvaluateAt(0);
    EXPECT_EQ(Row(2), "  340 (+)");
    engine.meanPressure = p0 + 1;
    EvaluateAt(0);
    EXPECT_EQ(Row(2), "  340 (-)");
}

TEST_F(GammaModel, WholeNumberFieldsThrowAfterTheRowsAlreadyWritten) {
    Put(Field::PhaseOffset, "1.5");
    Put(Field::Phase, "0");
    EXPECT_THROW(engine.CalcEngine(true), EConvertError);
    EXPECT_EQ(Row(0), "20.0"); // written before the offset was read
    EXPECT_EQ(Row(1), "");

    Put(Field::PhaseOffset, "90");
    Put(Field::ColdTemp, "x");
    EXPECT_THROW(engine.CalcEngine(true), EConvertError);
    EXPECT_EQ(Row(3), "1.000");
    EXPECT_EQ(engine.DisplacerSeries.Count(), 0);
}

TEST_F(GammaModel, EqualTemperaturesPutZeroIntoTheTemperatureSeries) {
    Put(Field::HotTemp, "150");
    Put(Field::ColdTemp, "150");
    for (int phase : {0, 90, 270}) {
        Put(Field::Phase, std::to_string(phase));
        engine.CalcEngine(true);
    }
    ASSERT_EQ(engine.HotTempSeries.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(engine.HotTempSeries.YValues()[i], 0);
        EXPECT_EQ(engine.ColdTempSeries.YValues()[i], 0);
    }
    EXPECT_EQ(Row(8), "0.0000");
}

} // namespace
} // namespace kelvane

namespace kelvane {
namespace {

// A revolution takes what no crank angle changes from its first angle: every
// value of the state is then the same, bit for bit, as computed afresh.
TEST(GammaRevolutionState, TheFirstAngleServesTheRestOfTheRevolution) {
    struct Case {
        const char* what;
        GammaParameters p;
    };
    GammaParameters defaults;
    defaults.dispCylHt = 50;
    defaults.dispCylDiam = 100;
    defaults.dispHt = 10;
    defaults.pistonDiam = 30;
    defaults.pistonTh = 60;
    defaults.phaseOffset = 90;
    defaults.hotTemp = 300;
    defaults.coldTemp = 100;
    GammaParameters odd = defaults;
    odd.pistonDiam = 7.25;
    odd.pistonTh = 123.4;
    odd.phaseOffset = -135;
    odd.hotTemp = 1000;
    odd.coldTemp = -40;
    GammaParameters level = defaults;
    level.hotTemp = level.coldTemp = 70; // no span between the ends
    for (const Case& c : {Case{"defaults", defaults}, Case{"odd", odd}, Case{"level", level}}) {
        const GammaState first = GammaState::Compute(c.p);
        for (int angle = 0; angle <= 360; angle += 7) {
            GammaParameters p = c.p;
            p.phase = angle;
            const GammaState fresh = GammaState::Compute(p);
            const GammaState turned = GammaState::Compute(p, first);
            // Every double, bit for bit (the extended bases have padding).
            EXPECT_EQ(std::memcmp(&fresh, &turned, offsetof(GammaState, dispBase)), 0)
                << c.what << " at " << angle;
            EXPECT_TRUE(fresh.dispBase == turned.dispBase && fresh.pistonBase == turned.pistonBase);
        }
    }
}

} // namespace
} // namespace kelvane
