#include "rider/RiderSweep.h"
#include "EngineRig.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"
#include "rider/ERiderParameterError.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

class RiderSweepTest : public ::testing::Test {
  protected:
    RiderSweepTest() {
        rig.engine.CalcButtonClick(); // the window as it stands before a double-click
        rig.host.onFieldChange = [this](Field field) {
            // Every revolution starts by writing the crank angle: the texts the
            // engine is about to be given must all pass the field table.
            if (field == Field::Phase && rig.Text(Field::Phase) == "0")
                refusedAnalyses += !RiderFields().Check(rig.host).empty();
            rig.engine.FieldChanged(field);
        };
        rig.host.onProcessEvents = [this] {
            ++rounds;
            if (duringSweep)
                duringSweep();
        };
    }

    std::vector<double> Xs() const {
        const auto& v = sweep.WorkSeries.XValues().Values();
        return {v.begin(), v.end()};
    }

    test::RiderRig rig;
    RiderSweep sweep{rig.engine, rig.host};
    int rounds = 0;
    int refusedAnalyses = 0;
    std::function<void()> duringSweep;
};

struct RangeCase {
    Field field;
    const char* otherLimit; // put into the field's stroke partner first (nullptr: none)
    const char* rangeText;
    double first, step, last;
    const char* title;
};

TEST_F(RiderSweepTest, EachBoxSweepsTheWholeValuesItsTableAccepts) {
    // Defaults: hot strokes 5 to 50, cold 5 to 100, temperatures 300 and 100, offset 90.
    const RangeCase cases[] = {
        {Field::HotTemp, nullptr, "testing 0 through 700", 0, 10, 700, "Hot Temperature"},
        {Field::ColdTemp, nullptr, "testing 0 through 700", 0, 10, 700, "Cold Temperature"},
        {Field::PhaseOffset, nullptr, "testing -175 through 175", -175, 5, 175, "Phase Offset"},
        {Field::HotStrokeMin, nullptr, "testing 5 through 50", 5, 1, 50, "Hot Stroke Minimum"},
        {Field::HotStrokeMax, "20", "testing 20 through 100", 20, 1, 100, "Hot Stroke Maximum"},
        {Field::ColdStrokeMin, "30", "testing 5 through 30", 5, 1, 30, "Cold Stroke Minimum"},
        {Field::ColdStrokeMax, nullptr, "testing 5 through 100", 5, 1, 100, "Cold Stroke Maximum"},
    };
    const std::pair<Field, Field> partners[] = {{Field::HotStrokeMax, Field::HotStrokeMin},
                                                {Field::ColdStrokeMin, Field::ColdStrokeMax}};
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.title);
        test::RiderRig fresh;
        RiderSweep s(fresh.engine, fresh.host);
        for (auto [field, partner] : partners) {
            if (field == c.field && c.otherLimit)
                fresh.Put(partner, c.otherLimit);
        }
        const std::string before = fresh.Text(c.field);
        std::string shown;
        fresh.host.onProcessEvents = [&] {
            if (shown.empty())
                shown = fresh.Text(c.field);
        };
        EXPECT_EQ(s.Step(c.field), c.step);
        ASSERT_TRUE(s.FieldDblClick(c.field));
        EXPECT_EQ(shown, c.rangeText);
        const int count = static_cast<int>((c.last - c.first) / c.step) + 1;
        ASSERT_EQ(s.WorkSeries.Count(), count);
        EXPECT_EQ(s.WorkSeries.XValues()[0], c.first);
        EXPECT_EQ(s.WorkSeries.XValues()[count - 1], c.last);
        EXPECT_EQ(s.WorkGraph.Title[0], std::string(c.title) + " vs Net Work");
        EXPECT_EQ(fresh.Text(c.field), before);
        EXPECT_EQ(s.Memo1.size(), 5u);
    }
    EXPECT_FALSE(sweep.FieldDblClick(Field::Phase));
    EXPECT_THROW(sweep.Step(Field::Phase), std::invalid_argument);
}

TEST_F(RiderSweepTest, PointsAreTheAnalysesAtEachValue) {
    const std::string workAt90 = rig.Row(RiderEngine::NetWork);
    const double meanAt90 = rig.engine.avgPressure, maxAt90 = rig.engine.mvSave;
    rig.engine.timer.Enabled = true;
    ASSERT_TRUE(sweep.FieldDblClick(Field::PhaseOffset));
    EXPECT_FALSE(rig.engine.timer.Enabled);
    EXPECT_EQ(refusedAnalyses, 0);

    const int at90 = sweep.WorkSeries.XValues().Locate(90);
    ASSERT_GE(at90, 0);
    EXPECT_EQ(sweep.WorkSeries.YValues()[at90], MyStrToReal(workAt90, 0));
    EXPECT_EQ(sweep.MeanPressureSeries.YValues()[at90], meanAt90);
    EXPECT_EQ(sweep.MaxPressureSeries.YValues()[at90], maxAt90);
    EXPECT_LT(sweep.MinPressureSeries.YValues()[at90], meanAt90);
    // Volumes of 100 x the piston positions: 5 + 5 at the least, 50 + 100 at the most.
    EXPECT_GE(sweep.MinVolSeries.YValues()[at90], 1000 - 1e-9);
    EXPECT_LE(sweep.MaxVolSeries.YValues()[at90], 15000 + 1e-9);
    EXPECT_EQ(sweep.MaxTempSeries.YValues()[at90], 300);
    EXPECT_EQ(sweep.MinTempSeries.YValues()[at90], 100);
    EXPECT_DOUBLE_EQ(sweep.TempRatioSeries.YValues()[at90], WholeFtoK(300) / WholeFtoK(100) - 1);

    EXPECT_EQ(sweep.Memo1[2], "Phase Offset= testing -175 through 175");
    EXPECT_EQ(sweep.Memo1[0], PadRight("Hot Stroke Min= 5", 50) + "Hot Stroke Max= 50");
    // The analysis after the sweep is of the restored offset again.
    EXPECT_EQ(rig.Row(RiderEngine::NetWork), workAt90);
}

TEST_F(RiderSweepTest, TheEngineIsNeverGivenTextsTheTableRefuses) {
    // An arrow pressed during a sweep of the hot stroke maximum raises the
    // minimum above the values still to come: the sweep ends there.
    duringSweep = [this] {
        if (rounds == 3)
            rig.Put(Field::HotStrokeMin, "60");
    };
    ASSERT_TRUE(sweep.FieldDblClick(Field::HotStrokeMax));
    EXPECT_EQ(Xs(), (std::vector<double>{5, 6}));
    EXPECT_EQ(rig.Text(Field::HotStrokeMax), "50");
    EXPECT_EQ(refusedAnalyses, 0);
    EXPECT_TRUE(sweep.printEnabled);

    // Nor does a sweep start from texts the table refuses.
    const int before = rounds;
    EXPECT_THROW(sweep.FieldDblClick(Field::HotTemp), ERiderParameterError);
    EXPECT_EQ(rounds, before);
    EXPECT_EQ(rig.Text(Field::HotTemp), "300");
    EXPECT_FALSE(sweep.sweeping);
}

} // namespace
} // namespace kelvane
