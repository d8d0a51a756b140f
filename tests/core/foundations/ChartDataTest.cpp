#include "foundations/TChart.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace kelvane;

TEST(LineSeries, AscendingInsertKeepsXOrderAndEqualXGoesAfter) {
    TLineSeries s;
    EXPECT_EQ(s.AddXY(0, 1), 0);
    EXPECT_EQ(s.AddXY(10, 2), 1);
    EXPECT_EQ(s.AddXY(5, 3), 1);
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.XValues()[0], 0);
    EXPECT_EQ(s.XValues()[1], 5);
    EXPECT_EQ(s.XValues()[2], 10);
    EXPECT_EQ(s.AddXY(5, 4), 2);
    EXPECT_EQ(s.YValues()[1], 3);
    EXPECT_EQ(s.YValues()[2], 4);
}

// Points added at once land where adding them one by one puts them: runs
// that rise, fall, tie with each other and with the old points, NaN anywhere.
TEST(LineSeries, PointsAddedAtOnceLandWhereOneByOneWould) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        std::vector<double> old, added;
    };
    const std::vector<Case> cases = {
        {{}, {1, 2, 3}},
        {{5}, {6, 7, 4, 3, 2, 3, 8, 1}},
        {{1, 3, 3, 5}, {3, 0, 5, 3, 9, 3, 2, 2}},
        {{}, {3, 2, 1, 1, 2, 3, 2, 1}},
        {{2}, {4, nan, 1, 3}},
        {{nan, 2}, {1, 5, 0}},
    };
    for (TValueOrder order : {TValueOrder::Ascending, TValueOrder::None}) {
        for (const Case& c : cases) {
            TLineSeries oneByOne, atOnce;
            oneByOne.SetXOrder(order);
            atOnce.SetXOrder(order);
            std::vector<double> ys;
            for (double x : c.old) {
                oneByOne.AddXY(x, x);
                atOnce.AddXY(x, x);
            }
            for (std::size_t i = 0; i < c.added.size(); ++i) {
                ys.push_back(100.0 + static_cast<double>(i)); // tells tied points apart
                oneByOne.AddXY(c.added[i], ys.back());
            }
            atOnce.AddXYs(c.added, ys);
            auto texts = [](const TChartValueList& l) {
                std::string t;
                for (double v : l.Values())
                    t += std::to_string(v) + " "; // NaN equal to NaN
                return t;
            };
            EXPECT_EQ(texts(atOnce.XValues()), texts(oneByOne.XValues()));
            EXPECT_EQ(texts(atOnce.YValues()), texts(oneByOne.YValues()));
            EXPECT_EQ(atOnce.YValues().MaxValue(), oneByOne.YValues().MaxValue());
        }
    }
}

TEST(LineSeries, UnorderedAppends) {
    TLineSeries s;
    s.SetXOrder(TValueOrder::None);
    s.AddXY(3, 0);
    EXPECT_EQ(s.AddXY(1, 0), 1);
    EXPECT_EQ(s.XValues()[1], 1);
    EXPECT_EQ(s.XValues().Locate(1), 1);
}

TEST(LineSeries, ExtremesFollowEveryChange) {
    TLineSeries s;
    EXPECT_EQ(s.YValues().MaxValue(), 0);
    EXPECT_EQ(s.YValues().MinValue(), 0);
    for (int i = 0; i < 10; ++i)
        s.AddXY(i, 100 - i * i);
    EXPECT_EQ(s.YValues().MaxValue(), 100);
    EXPECT_EQ(s.YValues().MinValue(), 19);
    s.DeleteFirst();
    EXPECT_EQ(s.YValues().MaxValue(), 99);
    s.SetYValue(0, -5);
    EXPECT_EQ(s.YValues().MinValue(), -5);
    EXPECT_EQ(s.YValues().MaxValue(), 96);
    s.SetYValue(0, 500);
    EXPECT_EQ(s.YValues().MaxValue(), 500);
    EXPECT_EQ(s.YValues().MinValue(), 19);
    s.Delete(100); // out of range: ignored
    EXPECT_EQ(s.Count(), 9);
    s.Clear();
    EXPECT_EQ(s.YValues().MaxValue(), 0);
    s.AddXY(1, -3);
    EXPECT_EQ(s.YValues().MaxValue(), -3);
}

TEST(LineSeries, LocateExactOnly) {
    TLineSeries s;
    for (int x = 0; x <= 360; x += 5)
        s.AddXY(x, 0);
    EXPECT_EQ(s.XValues().Locate(45), 9);
    EXPECT_EQ(s.XValues().Locate(47), -1);
    EXPECT_EQ(s.XValues().Locate(0), 0);
    EXPECT_EQ(s.XValues().Locate(400), -1);
}

TEST(LineSeries, RevisionsTellAppendsFromOtherChanges) {
    TLineSeries s;
    auto structure = s.StructureRevision();
    s.AddXY(1, 1);
    s.AddXY(2, 1);
    EXPECT_EQ(s.StructureRevision(), structure);
    s.DeleteFirst();
    EXPECT_EQ(s.FrontRemoved(), 1u);
    EXPECT_EQ(s.StructureRevision(), structure);
    auto revision = s.Revision();
    s.SetYValue(0, 5);
    EXPECT_GT(s.Revision(), revision);
    EXPECT_GT(s.StructureRevision(), structure);
}

TEST(ChartAxis, BoundsMayNeverCross) {
    TChartAxis a;
    a.SetMaximum(360);
    a.SetMinimum(0);
    try {
        a.SetMinimum(400);
        FAIL();
    } catch (const EChartError& e) {
        EXPECT_STREQ(e.what(), "Axis Minimum Value must be <= Maximum");
    }
    try {
        a.SetMaximum(-1);
        FAIL();
    } catch (const EChartError& e) {
        EXPECT_STREQ(e.what(), "Axis Maximum Value must be >= Minimum");
    }
    a.SetMaximum(760);
    a.SetMinimum(400);
    EXPECT_EQ(a.Minimum(), 400);
    EXPECT_EQ(a.Maximum(), 760);
    a.SetMinMax(-10, 5);
    EXPECT_EQ(a.Minimum(), -10);
    EXPECT_EQ(a.Maximum(), 5);
}

TEST(Chart, SeriesInDeclaredOrderKnowTheirChart) {
    TChart c("Chart1");
    c.AddSeries("A", "first");
    c.AddSeries("B", "second");
    ASSERT_EQ(c.SeriesCount(), 2);
    EXPECT_EQ(c.Series(1).Name, "B");
    EXPECT_EQ(c.Series(0).ParentChart, &c);
    EXPECT_EQ(c.FindSeries("A"), &c.Series(0));
    EXPECT_EQ(c.FindSeries("C"), nullptr);
}
