#include "gamma/GammaSweep.h"
#include "GammaFixture.h"
#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"
#include "foundations/MarlUtils.h"

#include <cmath>

namespace kelvane {
namespace {

class GammaSweepTest : public GammaFixture {
  protected:
    GammaSweepTest() {
        engine.CalcButtonClick(); // the window as it stands before a double-click
        host.onProcessEvents = [this] {
            ++eventRounds;
            if (eventRounds == 1)
                rangeText = host.FieldText(sweptField);
            if (closeAfter > 0 && eventRounds == closeAfter)
                sweep.visible = false; // the user closes the net-work graph window
        };
    }

    void DoubleClick(Field field) {
        sweptField = field;
        ASSERT_TRUE(sweep.FieldDblClick(field));
    }
    std::vector<double> Xs(const TLineSeries& s) const {
        return std::vector<double>(s.XValues().Values().begin(), s.XValues().Values().end());
    }
    int Points() const { return sweep.WorkSeries.Count(); }
    double GridNetWork() const { return MyStrToReal(Row(11), 0.0); }

    GammaSweep sweep{engine, host};
    Field sweptField = Field::PistonThrow;
    std::string rangeText; // the swept field's text while the window first shows
    int eventRounds = 0;
    int closeAfter = 0; // the round of pending events in which the user closes the window
};

TEST_F(GammaSweepTest, PistonThrowRunsFromATenthToTenTimesItsValue) {
    engine.timer.Enabled = true;
    DoubleClick(Field::PistonThrow);
    EXPECT_EQ(rangeText, "testing 6.00 through 600");
    ASSERT_EQ(Points(), 101);
    std::vector<double> xs = Xs(sweep.WorkSeries);
    for (int k = 0; k < 101; ++k)
        EXPECT_EQ(xs[k], 6.0 * (k + 1));
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "60");
    EXPECT_FALSE(engine.timer.Enabled);
    EXPECT_TRUE(sweep.printEnabled);
    EXPECT_FALSE(sweep.sweeping);
    EXPECT_EQ(eventRounds, 1 + 101);

    // Every series has a point at every value.
    for (TChart* chart :
         {&sweep.WorkGraph, &sweep.VolumeGraph, &sweep.PressureGraph, &sweep.TemperatureGraph}) {
        for (int s = 0; s < chart->SeriesCount(); ++s)
            EXPECT_EQ(Xs(chart->Series(s)), xs) << chart->Series(s).Name;
    }
    EXPECT_EQ(sweep.WorkGraph.Title[0], "Piston Throw vs Net Work");
    EXPECT_EQ(sweep.TemperatureGraph.Title[0], "Piston Throw vs Temperature");

    ASSERT_EQ(sweep.Memo1.size(), 5u);
    EXPECT_EQ(sweep.Memo1[1],
              PadRight("Piston Diameter= 30", 50) + "Piston Throw= testing 6.00 through 600");
    int best = 0;
    for (int k = 1; k < Points(); ++k) {
        if (sweep.WorkSeries.YValues()[k] > sweep.WorkSeries.YValues()[best])
            best = k;
    }
    EXPECT_EQ(sweep.maxX, xs[best]);
    EXPECT_EQ(sweep.Memo1[4], "Maximum Work of " + MyRealToStr(sweep.maxY) + " occured at " +
                                  MyRealToStr(sweep.maxX));
    // The analysis after the sweep shows the restored engine again.
    EXPECT_EQ(engine.pistonTh, 60);
    EXPECT_EQ(engine.PressureSeries.Count(), 361);
}

TEST_F(GammaSweepTest, PhaseOffsetPointsAreTheAnalysesAtEachOffset) {
    const double workAt90 = GridNetWork();
    const double meanPressureAt90 = engine.meanPressure;
    const double minHotAt90 = engine.minHot;
    DoubleClick(Field::PhaseOffset);
    ASSERT_EQ(Points(), 71);
    EXPECT_EQ(sweep.WorkSeries.XValues()[0], -175);
    EXPECT_EQ(sweep.WorkSeries.XValues()[70], 175);
    EXPECT_EQ(sweep.Memo1[2],
              PadRight("Displacer Height= 60", 50) + "Phase Offset= testing -175 through 175");
    EXPECT_EQ(sweep.Memo1[0], PadRight("Displacer Cylinder  Height=  100", 50) +
                                  "Displacer Cylinder Diameter= 100");
    EXPECT_EQ(sweep.Memo1[3], PadRight("Temp: Cold= 100", 50) + "Hot= 300");
    EXPECT_EQ(host.FieldText(Field::PhaseOffset), "90");

    const int at90 = sweep.WorkSeries.XValues().Locate(90);
    ASSERT_GE(at90, 0);
    EXPECT_EQ(sweep.WorkSeries.YValues()[at90], workAt90);
    EXPECT_EQ(sweep.MeanPressureSeries.YValues()[at90], meanPressureAt90);
    EXPECT_EQ(sweep.MaxTempSeries.YValues()[at90], KtoF(minHotAt90));
    EXPECT_DOUBLE_EQ(sweep.TempRatioSeries.YValues()[at90], minHotAt90 / engine.maxCold - 1);
    EXPECT_GT(sweep.MaxVolSeries.YValues()[at90], sweep.MinVolSeries.YValues()[at90]);
}

TEST_F(GammaSweepTest, ANegativeValueGivesASinglePoint) {
    Put(Field::PistonThrow, "-60");
    DoubleClick(Field::PistonThrow);
    ASSERT_EQ(Points(), 1);
    EXPECT_EQ(sweep.WorkSeries.XValues()[0], -6);
    EXPECT_EQ(rangeText, "testing -6.0000 through -600.0000");
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "-60");
}

TEST_F(GammaSweepTest, ATextThatIsNoNumberSweepsFromOne) {
    Put(Field::PistonDiameter, "wide");
    DoubleClick(Field::PistonDiameter);
    ASSERT_EQ(Points(), 101);
    EXPECT_DOUBLE_EQ(sweep.WorkSeries.XValues()[0], 0.1);
    EXPECT_GT(sweep.WorkSeries.XValues()[100], 10);
    EXPECT_EQ(host.FieldText(Field::PistonDiameter), "wide");
}

TEST_F(GammaSweepTest, TheNetWorkIsTakenAsDisplayedAndEqualMaximaKeepTheFirst) {
    sweep.SetupPopupGraph("Test");
    const std::pair<double, double> points[] = {{12, 1000}, {36, 1234.6}, {48, 1235.2}, {60, 90}};
    for (auto [x, work] : points) {
        engine.netWork = work;
        sweep.ShowPopupGraphPoint(x);
    }
    EXPECT_EQ(sweep.WorkSeries.YValues()[1], 1235); // "1,235" in the grid
    EXPECT_EQ(sweep.WorkSeries.YValues()[2], 1235);
    EXPECT_EQ(sweep.maxY, 1235);
    EXPECT_EQ(sweep.maxX, 36);
    EXPECT_FALSE(sweep.printEnabled);
    sweep.EndPopupGraph();
    EXPECT_EQ(sweep.Memo1.back(), "Maximum Work of 1,235 occured at 36.0");
    EXPECT_TRUE(sweep.printEnabled);
}

TEST_F(GammaSweepTest, RefusedValuesRepeatTheEngineAsItWasBeforeTheSweep) {
    const double before = GridNetWork();
    const double minVolBefore = engine.State().minVol;
    DoubleClick(Field::DispCylHeight); // 10, 20, ..., 60 leave no room for the 60 high displacer
    ASSERT_EQ(Points(), 101);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(sweep.WorkSeries.XValues()[k], 10.0 * (k + 1));
        EXPECT_EQ(sweep.WorkSeries.YValues()[k], before) << k;
        EXPECT_EQ(sweep.MinVolSeries.YValues()[k], minVolBefore) << k;
    }
    EXPECT_NE(sweep.WorkSeries.YValues()[6], before);
    // At 70 only 10 of the cylinder's height hold gas, against 40 before.
    EXPECT_DOUBLE_EQ(sweep.MinVolSeries.YValues()[6], minVolBefore / 4);
    EXPECT_EQ(host.FieldText(Field::DispCylHeight), "100");
}

TEST_F(GammaSweepTest, DisplacerHeightRunsThroughTheCylinder) {
    DoubleClick(Field::DispHeight);
    EXPECT_EQ(rangeText, "testing 0.990 through 99.0");
    ASSERT_GE(Points(), 100);
    EXPECT_DOUBLE_EQ(sweep.WorkSeries.XValues()[0], 0.99);
    const double last = sweep.WorkSeries.XValues()[Points() - 1];
    EXPECT_GT(last, 99);
    EXPECT_LT(last, 100);
    EXPECT_EQ(host.FieldText(Field::DispHeight), "60");
    EXPECT_EQ(engine.dispHt, 60);
}

TEST_F(GammaSweepTest, ClosingTheWindowStopsAfterTheValueBeingComputed) {
    closeAfter = 6; // the window shows, then five values
    DoubleClick(Field::PistonThrow);
    EXPECT_EQ(Points(), 5);
    EXPECT_EQ(sweep.WorkSeries.XValues()[4], 30);
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "60");
    ASSERT_EQ(sweep.Memo1.size(), 5u);
    EXPECT_EQ(sweep.Memo1[4].rfind("Maximum Work of ", 0), 0u);
    EXPECT_TRUE(sweep.printEnabled);

    // The next double-click shows the window again and starts afresh.
    eventRounds = 0;
    closeAfter = 0;
    DoubleClick(Field::PhaseOffset);
    EXPECT_TRUE(sweep.visible);
    EXPECT_EQ(Points(), 71);
}

TEST_F(GammaSweepTest, AZeroStepRunsUntilTheWindowIsClosed) {
    Put(Field::PistonThrow, "0");
    EXPECT_EQ(sweep.Step(Field::PistonThrow), 0);
    closeAfter = 40;
    DoubleClick(Field::PistonThrow);
    EXPECT_EQ(Points(), 39);
    EXPECT_EQ(sweep.WorkSeries.XValues().MaxValue(), 0);
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "0");
    EXPECT_EQ(sweep.Memo1.back().rfind("Maximum Work of ", 0), 0u);
}

TEST_F(GammaSweepTest, StepsFollowTheFieldsTexts) {
    EXPECT_EQ(sweep.Step(Field::PistonThrow), 6);
    EXPECT_EQ(sweep.Step(Field::PhaseOffset), 5);
    EXPECT_DOUBLE_EQ(sweep.Step(Field::DispHeight), 0.99);
    Put(Field::DispCylHeight, "0.0001"); // a base of 0.0000099 is shown as "0.0000"
    EXPECT_EQ(sweep.Step(Field::DispHeight), 0);
    EXPECT_THROW(sweep.Step(Field::HotTemp), std::invalid_argument);
    EXPECT_FALSE(sweep.FieldDblClick(Field::HotTemp));
    EXPECT_EQ(eventRounds, 0);
}

TEST_F(GammaSweepTest, ADoubleClickDuringASweepIsIgnored) {
    host.onProcessEvents = [this] {
        if (++eventRounds == 3) {
            EXPECT_TRUE(sweep.FieldDblClick(Field::PhaseOffset));
        }
    };
    DoubleClick(Field::PistonThrow);
    EXPECT_EQ(Points(), 101);
    EXPECT_EQ(sweep.WorkGraph.Title[0], "Piston Throw vs Net Work");
    EXPECT_EQ(host.FieldText(Field::PhaseOffset), "90");
}

TEST_F(GammaSweepTest, AnErrorEndsTheSweepAndGivesTheFieldItsTextBack) {
    Put(Field::HotTemp, "1.5"); // not a whole number: every analysis fails
    EXPECT_THROW(sweep.FieldDblClick(Field::PistonThrow), EConvertError);
    EXPECT_EQ(host.FieldText(Field::PistonThrow), "60");
    EXPECT_TRUE(sweep.printEnabled);
    EXPECT_FALSE(sweep.sweeping);
    EXPECT_FALSE(engine.calcing);
}

TEST(GammaSweepNoRevolution, TemperaturesAndRatiosStayFinite) {
    // An engine that was never analysed and refuses every value swept.
    test::GammaRig rig;
    rig.Put(Field::DispHeight, "200");
    GammaSweep sweep(rig.engine, rig.host);
    sweep.FieldDblClick(Field::PistonThrow);
    ASSERT_EQ(sweep.WorkSeries.Count(), 101);
    for (TChart* chart :
         {&sweep.WorkGraph, &sweep.VolumeGraph, &sweep.PressureGraph, &sweep.TemperatureGraph}) {
        for (int s = 0; s < chart->SeriesCount(); ++s) {
            const TLineSeries& series = chart->Series(s);
            for (int i = 0; i < series.Count(); ++i)
                ASSERT_TRUE(std::isfinite(series.YValues()[i])) << series.Name << " " << i;
        }
    }
    EXPECT_EQ(sweep.TempRatioSeries.YValues()[0], 0);
}

} // namespace
} // namespace kelvane
