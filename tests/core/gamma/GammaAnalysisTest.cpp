#include "GammaFixture.h"

#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"

#include <tuple>

namespace kelvane {
namespace {

class GammaAnalysis : public GammaFixture {};

TEST_F(GammaAnalysis, RevolutionPointCounts) {
    engine.CalcButtonClick();
    TLineSeries* model[] = {&engine.DisplacerSeries, &engine.PistonSeries,   &engine.HotVolSeries,
                            &engine.ColdVolSeries,   &engine.TotalVolSeries, &engine.NHotSeries,
                            &engine.NColdSeries,     &engine.PressureSeries, &engine.HotTempSeries,
                            &engine.ColdTempSeries,  &engine.PVSeries};
    for (TLineSeries* s : model) {
        ASSERT_EQ(s->Count(), 361) << s->Name;
        EXPECT_TRUE(AllFinite(*s)) << s->Name;
    }
    EXPECT_EQ(engine.DisplacerSeries.XValues()[0], 0);
    EXPECT_EQ(engine.DisplacerSeries.XValues()[360], 360);
    ASSERT_EQ(engine.WorkSeries.Count(), 360);
    EXPECT_EQ(engine.WorkSeries.XValues()[0], 1);
    EXPECT_EQ(engine.WorkSeries.XValues()[359], 360);
    ASSERT_EQ(engine.MeanPressureSeries.Count(), 2);
    EXPECT_EQ(engine.MeanPressureSeries.XValues()[0], 0);
    EXPECT_EQ(engine.MeanPressureSeries.XValues()[1], 360);
    EXPECT_FALSE(engine.calcing);
}

TEST_F(GammaAnalysis, RescaledExtremes) {
    engine.CalcButtonClick();
    EXPECT_EQ(engine.PressureSeries.YValues().MinValue(), 0);
    EXPECT_EQ(engine.PressureSeries.YValues().MaxValue(), 1);
    EXPECT_EQ(engine.TotalVolSeries.YValues().MinValue(), 0);
    EXPECT_EQ(engine.TotalVolSeries.YValues().MaxValue(), 1);
    EXPECT_EQ(engine.WorkSeries.YValues().MaxValue(), 1);
    EXPECT_EQ(engine.DisplacerSeries.YValues().MaxValue(), 100);
    EXPECT_EQ(engine.PistonSeries.YValues().MaxValue(), 100);
    // Hot volume, shares and PV stay raw.
    EXPECT_DOUBLE_EQ(engine.PVSeries.YValues().MaxValue(), engine.maxPSave);
}

TEST_F(GammaAnalysis, StatisticsOfTheDefaultEngine) {
    engine.CalcButtonClick();
    // Worked out by hand (and checked with an independent script) for the defaults.
    EXPECT_NEAR(engine.meanPressure, 367.37115, 1e-4);
    EXPECT_NEAR(engine.minPressure, 330.45695, 1e-4);
    EXPECT_NEAR(engine.maxPressure, 409.86826, 1e-4);
    EXPECT_EQ(engine.maxPSave, engine.maxPressure);
    EXPECT_EQ(engine.minPSave, engine.minPressure);
    EXPECT_NEAR(engine.minHot, 3651.0 / 9, 1e-9);  // displacer at the top, 90 degrees
    EXPECT_NEAR(engine.maxCold, 3051.0 / 9, 1e-9); // displacer at the bottom, 270 degrees
    EXPECT_NEAR(engine.netWork, -1998818.7788, 0.01);
    EXPECT_EQ(Row(5), "410");
    EXPECT_EQ(Row(6), "367"); // raw, while the line sits at the rescaled mean
    EXPECT_NEAR(engine.MeanPressureSeries.YValues()[0],
                (engine.meanPressure - engine.minPSave) / (engine.maxPSave - engine.minPSave),
                1e-12);
    EXPECT_EQ(Row(11), MyRealToStr(engine.netWork));
    EXPECT_EQ(Row(9), "0.197");
    EXPECT_EQ(Row(10), "156; 87.4");
    EXPECT_DOUBLE_EQ(engine.maxVSave, 1.0);
    EXPECT_NEAR(engine.minVSave, 314159.0 / 356570.465, 1e-12);
}

TEST_F(GammaAnalysis, EndsAtPhaseZeroWithPictureRedrawn) {
    Put(Field::Phase, "135");
    engine.CalcButtonClick();
    EXPECT_EQ(host.FieldText(Field::Phase), "0");
    EXPECT_DOUBLE_EQ(engine.State().dispPos, 20);
    EXPECT_EQ(Row(0), "20.0");
    EXPECT_EQ(host.redraws, 1);
}

TEST_F(GammaAnalysis, RowTwoComparesWithTheMeanOfTheRevolutionJustAnalysed) {
    // The mean (367) lies above the pressure at 0 degrees (340), whatever the
    // mean of an earlier revolution was.
    for (double earlier : {0.0, 100.0, 1000.0}) {
        engine.meanPressure = earlier;
        engine.CalcButtonClick();
        EXPECT_EQ(Row(2), "  340 (-)") << earlier;
        EXPECT_EQ(Row(6), "367");
    }
}

class GammaValidation : public GammaFixture,
                        public ::testing::WithParamInterface<std::tuple<int, const char*>> {};

TEST_P(GammaValidation, AFieldThatFailsLeavesEverythingAsItWas) {
    engine.CalcButtonClick();
    Put(Field::Phase, "45");
    engine.CalcEngine(false);
    const std::string row0 = Row(0), row11 = Row(11);
    auto [index, text] = GetParam();
    const Field field = GammaFields().fields()[static_cast<std::size_t>(index)].id;
    Put(field, text);
    engine.CalcButtonClick();
    EXPECT_EQ(host.FieldText(Field::Phase), field == Field::Phase ? std::string(text) : "45");
    EXPECT_EQ(Row(0), row0);
    EXPECT_EQ(Row(11), row11);
    EXPECT_EQ(engine.PressureSeries.Count(), 361);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_FALSE(engine.calcing);
}

INSTANTIATE_TEST_SUITE_P(Gamma, GammaValidation,
                         ::testing::Combine(::testing::Range(0, 9),
                                            ::testing::Values("abc", "", "-1000")));

TEST_F(GammaAnalysis, ConversionErrorInsideTheModelClearsTheGuard) {
    Put(Field::HotTemp, "300.5"); // a number, so it passes validation, but not a whole one
    try {
        engine.CalcButtonClick();
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'300.5' is not a valid integer value");
    }
    EXPECT_FALSE(engine.calcing);
    EXPECT_EQ(engine.PressureSeries.Count(), 0);
    // The guard is down: the next analysis runs.
    Put(Field::HotTemp, "300");
    engine.CalcButtonClick();
    EXPECT_EQ(engine.PressureSeries.Count(), 361);
}

// An analysis reads the parameter texts once for its revolution; whatever
// way it ends, later evaluations and analyses read them afresh.
TEST_F(GammaAnalysis, TextsEditedAfterAnAnalysisAreReadAgain) {
    engine.CalcButtonClick();
    Put(Field::PistonThrow, "80");
    EvaluateAt(90);
    EXPECT_DOUBLE_EQ(engine.State().pistonPos, 40); // crank at 180 degrees: half of the 80 throw
    Put(Field::HotTemp, "300.5");
    EXPECT_THROW(engine.CalcButtonClick(), EConvertError);
    Put(Field::HotTemp, "500");
    Put(Field::DispHeight, "50");
    engine.CalcButtonClick();
    EXPECT_DOUBLE_EQ(engine.dispHt, 50);
    EXPECT_GT(engine.minHot, 3651.0 / 9); // above the 300-degree revolution's
}

TEST_F(GammaAnalysis, ARequestDuringAnAnalysisIsIgnored) {
    int nested = 0;
    host.onFieldChange = [&](Field) {
        ++nested;
        engine.CalcButtonClick();
        engine.FieldChanged(Field::PistonThrow);
    };
    Put(Field::Phase, "7");
    engine.timer.Enabled = true;
    engine.CalcButtonClick();
    EXPECT_EQ(nested, 362); // every "Phase" write of the sweep and the final "0"
    EXPECT_EQ(engine.PressureSeries.Count(), 361);
    EXPECT_EQ(engine.WorkSeries.Count(), 360);
    EXPECT_TRUE(engine.timer.Enabled); // the field handler stayed inert
}

TEST_F(GammaAnalysis, RefusedEverywhereKeepsTheCycleRows) {
    engine.CalcButtonClick();
    const std::string row5 = Row(5), row6 = Row(6), row11 = Row(11);
    const double mean = engine.meanPressure;
    Put(Field::PistonThrow, "0");
    engine.CalcButtonClick();
    EXPECT_EQ(engine.PressureSeries.Count(), 0);
    EXPECT_EQ(engine.MeanPressureSeries.Count(), 0);
    EXPECT_EQ(Row(5), row5);
    EXPECT_EQ(Row(6), row6);
    EXPECT_EQ(Row(11), row11);
    EXPECT_EQ(engine.meanPressure, mean);
    // Compared with the last successful evaluation's gas temperatures.
    EXPECT_DOUBLE_EQ(engine.minHot, engine.State().tHot);
    EXPECT_DOUBLE_EQ(engine.maxCold, engine.State().tCold);
    EXPECT_EQ(host.redraws, 2);
    EXPECT_FALSE(engine.calcing);
}

TEST_F(GammaAnalysis, FlatCurvesRescaleToZeroNotNaN) {
    // A throw far below the volumes' precision: the total volume never changes,
    // and equal end temperatures leave no temperature span.
    Put(Field::PistonThrow, "1e-300");
    Put(Field::HotTemp, "100");
    engine.CalcButtonClick();
    for (TChart* chart :
         {&engine.PositionChart, &engine.VolumeChart, &engine.GasChart, &engine.WorkChart}) {
        for (int i = 0; i < chart->SeriesCount(); ++i)
            EXPECT_TRUE(AllFinite(chart->Series(i))) << chart->Series(i).Name;
    }
    ASSERT_EQ(engine.TotalVolSeries.Count(), 361);
    EXPECT_EQ(engine.maxVSave, engine.minVSave);
    EXPECT_EQ(engine.TotalVolSeries.YValues().MinValue(), 0);
    EXPECT_EQ(engine.TotalVolSeries.YValues().MaxValue(), 0);
    EXPECT_EQ(engine.HotTempSeries.YValues().MaxValue(), 0);
    // One temperature everywhere and a volume that never changes: p = T Vmean / V
    // is T itself, FtoK(100) = 68 * 5/9 + 279 = 316.78, at every angle.
    EXPECT_NEAR(engine.meanPressure, 316.777777777778, 1e-9);
    EXPECT_NEAR(engine.maxPSave, 316.777777777778, 1e-9);
    EXPECT_NEAR(engine.minPSave, 316.777777777778, 1e-9);
    // The mean of values that differ only by rounding may fall a hair outside
    // them: its line must stay on the 0 .. 1 chart, not land at 10.
    EXPECT_GE(engine.MeanPressureSeries.YValues()[0], 0);
    EXPECT_LE(engine.MeanPressureSeries.YValues()[0], 1);
    EXPECT_EQ(Row(9).find("NAN"), std::string::npos);
}

TEST_F(GammaAnalysis, NothingRunsWhileNotEnabled) {
    engine.enable = false;
    engine.CalcButtonClick();
    EXPECT_EQ(engine.PressureSeries.Count(), 0);
    EXPECT_EQ(host.redraws, 0);
}

} // namespace
} // namespace kelvane
