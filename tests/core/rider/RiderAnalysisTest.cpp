#include "EngineRig.h"
#include "foundations/Conversions.h"
#include "rider/RiderState.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvane {
namespace {

std::vector<double> Points(const TChartValueList& values) {
    return {values.Values().begin(), values.Values().end()};
}

using test::RiderRig;

struct OffsetCase {
    const char* offset;
    const char* maxPressure;
    const char* meanPressure;
    const char* netWork;
};

class RiderAnalysisOffsets : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(RiderAnalysisOffsets, StatisticsRows) {
    const OffsetCase& c = GetParam();
    RiderRig t;
    t.Put(Field::PhaseOffset, c.offset);
    t.engine.CalcButtonClick();
    EXPECT_EQ(t.Row(6), c.maxPressure);
    EXPECT_EQ(t.Row(7), c.meanPressure);
    EXPECT_EQ(t.Row(8), c.netWork);
}

INSTANTIATE_TEST_SUITE_P(FirstStartStrokes, RiderAnalysisOffsets,
                         ::testing::Values(OffsetCase{"90", "14.06", "6.00", "-1.78"},
                                           OffsetCase{"-90", "14.06", "6.03", "1.51"},
                                           OffsetCase{"0", "36.40", "9.16", "-0.16"},
                                           OffsetCase{"180", "7.54", "4.80", "-0.05"}));

TEST(RiderAnalysis, SeriesAfterARevolution) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.CalcButtonClick();
    for (TLineSeries* s :
         {&e.HotPistonSeries, &e.ColdPistonSeries, &e.HotVolSeries, &e.ColdVolSeries,
          &e.TotalVolSeries, &e.NHotSeries, &e.NColdSeries, &e.PressureSeries, &e.PVSeries})
        EXPECT_EQ(s->Count(), 361) << s->Name;
    for (TLineSeries* s : {&e.HotWorkSeries, &e.ColdWorkSeries, &e.WorkSeries}) {
        EXPECT_EQ(s->Count(), 360) << s->Name;
        EXPECT_EQ(s->XValues()[0], 1) << s->Name;
    }
    EXPECT_EQ(t.host.FieldText(Field::Phase), "0");

    // Normalised pressure peaks at exactly 1; the PV diagram keeps raw values.
    EXPECT_EQ(e.PressureSeries.YValues().MaxValue(), 1);
    EXPECT_EQ(e.PVSeries.YValues().MaxValue(), e.mvSave);
    EXPECT_NEAR(e.mvSave, 14.06, 5e-3);
    int i180 = e.TotalVolSeries.XValues().Locate(180);
    EXPECT_NEAR(e.PressureSeries.YValues()[i180] * e.mvSave, 12.4917, 5e-5);

    // "Sum" is scaled to a largest magnitude of exactly 1.
    double mv = std::max(e.WorkSeries.YValues().MaxValue(), -e.WorkSeries.YValues().MinValue());
    EXPECT_EQ(mv, 1);
    for (int i = 0; i < e.WorkSeries.Count(); ++i)
        EXPECT_NEAR(e.WorkSeries.YValues()[i],
                    e.HotWorkSeries.YValues()[i] + e.ColdWorkSeries.YValues()[i], 1e-12);

    ASSERT_EQ(e.MeanPressureSeries.Count(), 2);
    EXPECT_EQ(e.MeanPressureSeries.XValues()[0], 0);
    EXPECT_EQ(e.MeanPressureSeries.XValues()[1], 360);
    EXPECT_DOUBLE_EQ(e.MeanPressureSeries.YValues()[0], e.avgPressure / e.mvSave);
    EXPECT_EQ(e.MeanPressureSeries.YValues()[0], e.MeanPressureSeries.YValues()[1]);
}

TEST(RiderAnalysis, NetWorkSumsThreeHundredSixtyStepsOverThreeHundredSixtyOne) {
    // Checked against the formula over every offset; the two-decimal texts of
    // /360 and /361 differ for some of them.
    int differing = 0;
    for (int offset = -180; offset <= 180; offset += 10) {
        RiderRig t;
        t.Put(Field::PhaseOffset, IntToStr(offset));
        t.engine.CalcButtonClick();

        RiderParameters p{0, offset, 5, 50, 5, 100, 300, 100};
        std::vector<RiderState> s;
        double pMax = 0, pSum = 0;
        for (p.phase = 0; p.phase <= 360; ++p.phase) {
            s.push_back(RiderState::Compute(p));
            pMax = std::max(pMax, s.back().pC);
            pSum += s.back().pC;
        }
        double work = 0;
        for (int th = 1; th <= 360; ++th)
            work += (s[th].pC / pMax - pSum / 361 / pMax) *
                    (s[th].hotPos - s[th - 1].hotPos + s[th].coldPos - s[th - 1].coldPos);
        EXPECT_EQ(t.Row(8), RealToStr2(100 * work / 361)) << offset;
        if (RealToStr2(100 * work / 361) != RealToStr2(100 * work / 360))
            ++differing;
    }
    EXPECT_GT(differing, 0);
}

TEST(RiderAnalysis, RepeatingItChangesNothing) {
    RiderRig t;
    RiderEngine& e = t.engine;
    e.CalcButtonClick();
    std::vector<std::vector<double>> before;
    for (TChart* c : e.Charts())
        for (int i = 0; i < c->SeriesCount(); ++i)
            before.push_back(Points(c->Series(i).YValues()));
    std::vector<std::string> rows = {t.Row(6), t.Row(7), t.Row(8)};
    e.CalcButtonClick();
    std::size_t k = 0;
    for (TChart* c : e.Charts())
        for (int i = 0; i < c->SeriesCount(); ++i)
            EXPECT_EQ(Points(c->Series(i).YValues()), before[k++]) << c->Series(i).Name;
    EXPECT_EQ(rows, (std::vector<std::string>{t.Row(6), t.Row(7), t.Row(8)}));
}

TEST(RiderAnalysis, NothingBeforeTheWindowIsReady) {
    RiderRig t;
    t.engine.enable = false;
    t.engine.CalcButtonClick();
    EXPECT_EQ(t.engine.HotPistonSeries.Revision(), 0u);
    EXPECT_EQ(t.Row(6), "");
    EXPECT_EQ(t.host.redraws, 0);
}

TEST(RiderAnalysis, StillPistonsGiveFlatWorkCurvesWithoutNaN) {
    RiderRig t;
    t.Put(Field::HotStrokeMin, "30");
    t.Put(Field::HotStrokeMax, "30");
    t.Put(Field::ColdStrokeMin, "60");
    t.Put(Field::ColdStrokeMax, "60");
    t.engine.CalcButtonClick();
    for (TChart* c : t.engine.Charts()) {
        for (int i = 0; i < c->SeriesCount(); ++i) {
            const TLineSeries& s = c->Series(i);
            for (int j = 0; j < s.Count(); ++j)
                ASSERT_TRUE(std::isfinite(s.YValues()[j]) && std::isfinite(s.XValues()[j]))
                    << s.Name;
        }
    }
    EXPECT_EQ(t.engine.WorkSeries.YValues().MaxValue(), 0);
    EXPECT_EQ(t.engine.WorkSeries.YValues().MinValue(), 0);
    EXPECT_EQ(t.Row(8), "0.00");
    EXPECT_EQ(t.engine.PressureSeries.YValues().MinValue(), 1);
}

TEST(RiderAnalysis, WhenStoppedEveryAngleIsShownAndRowsEndAtZero) {
    RiderRig t;
    t.engine.CalcButtonClick();
    // Angles 1 to 360 of the sweep and the return to 0 (the text starts at "0").
    EXPECT_EQ(t.host.redraws, 361);
    EXPECT_EQ(t.Row(0), "28");
    EXPECT_EQ(t.Row(1), "100");
}

TEST(RiderAnalysis, WhileAnimatingRowsShowTheAngleInPhaseAsWhenStopped) {
    RiderRig stopped;
    stopped.engine.CalcButtonClick();
    RiderRig t;
    t.engine.timer.Enabled = true;
    t.engine.CalcButtonClick();
    EXPECT_EQ(t.host.redraws, 0);
    EXPECT_EQ(t.Text(Field::Phase), "0");
    for (int row = 0; row < RiderEngine::kGridRows; ++row)
        EXPECT_EQ(t.Row(row), stopped.Row(row)) << row;
    EXPECT_EQ(t.engine.PhaseSeries1.XValues()[0], 0);
}

} // namespace
} // namespace kelvane
