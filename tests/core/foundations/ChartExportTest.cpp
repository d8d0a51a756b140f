#include "foundations/ChartCsv.h"
#include "foundations/ChartCurves.h"
#include "foundations/ChartWords.h"
#include "foundations/Colors.h"
#include "foundations/GhostTraces.h"
#include "foundations/LoopTravel.h"
#include "foundations/NearestPoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace kelvane;

namespace {

// A chart as the engines make them: curves along x, and a crank marker.
void AddCurve(TChart& chart, const std::string& title, std::initializer_list<double> xs,
              std::initializer_list<double> ys) {
    TLineSeries& s = chart.AddSeries(title + "Series", title);
    auto y = ys.begin();
    for (double x : xs)
        s.AddXY(x, *y++);
}

void AddMarker(TChart& chart, double x) {
    TLineSeries& marker = chart.AddSeries("PhaseSeries", "Phase");
    marker.SetLine(clYellow, 2, false);
    marker.SetVerticalLine(x, 0, 1);
}

} // namespace

TEST(ChartCsv, LaysOutSharedOrOwnXColumnsAndLeavesMarkersOut) {
    struct Case {
        const char* name;
        bool sharedX;
        const char* expected;
    };
    const Case cases[] = {
        {"shared x", true, "Angle,\"Hot, \"\"Vol\"\"\",P\r\n0,0.5,3\r\n90,1,4\r\n"},
        {"own x", false,
         "\"Hot, \"\"Vol\"\" x\",\"Hot, \"\"Vol\"\" y\",P x,P y\r\n"
         "0,0.5,0,3\r\n90,1,45,4\r\n,,90,5\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TChart chart;
        AddCurve(chart, "Hot, \"Vol\"", {0, 90}, {0.5, 1});
        AddMarker(chart, 45);
        if (c.sharedX)
            AddCurve(chart, "P", {0, 90}, {3, 4});
        else
            AddCurve(chart, "P", {0, 45, 90}, {3, 4, 5});
        EXPECT_EQ(ChartCsv(chart), c.expected);
    }
    EXPECT_EQ(ChartCsv(TChart()), "");
    // Quotes alone make a title quoted too, or a spreadsheet would take them as its own.
    TChart quoted;
    AddCurve(quoted, "P \"bar\"", {0}, {1});
    EXPECT_EQ(ChartCsv(quoted), "Angle,\"P \"\"bar\"\"\"\r\n0,1\r\n");

    // x values that begin another curve's are not the same x: each curve gets
    // its own columns, whichever comes first, and a curve without a title is
    // headed by its name.
    struct Prefix {
        std::initializer_list<double> firstX, secondX;
        const char* expected;
    };
    const Prefix prefixes[] = {
        {{0, 90},
         {0, 90, 180},
         "A x,A y,BSeries x,BSeries y\r\n0,1,0,1\r\n90,2,90,2\r\n,,180,3\r\n"},
        {{0, 90, 180},
         {0, 90},
         "A x,A y,BSeries x,BSeries y\r\n0,1,0,1\r\n90,2,90,2\r\n180,3,,\r\n"},
    };
    for (const Prefix& c : prefixes) {
        TChart chart;
        AddCurve(chart, "A", c.firstX, std::initializer_list<double>{1, 2, 3});
        TLineSeries& untitled = chart.AddSeries("BSeries", "");
        double y = 1;
        for (double x : c.secondX)
            untitled.AddXY(x, y++);
        EXPECT_EQ(ChartCsv(chart), c.expected);
    }
}

TEST(ChartCsv, NumbersReadBackExactly) {
    for (double v : {0.1 + 0.2, 1.0 / 3, -2.5e-300, 6.02214076e23, 360.0})
        EXPECT_EQ(std::stod(ShortestText(v)), v);
}

TEST(NearestPoint, FindsTheNearestRecordedPoint) {
    TLineSeries ordered;
    for (double x : {0, 10, 20, 30})
        ordered.AddXY(x, x);
    TLineSeries unordered;
    unordered.SetXOrder(TValueOrder::None);
    for (double x : {30, 0, 20, 10})
        unordered.AddXY(x, x);
    struct Case {
        double x;
        int orderedIndex, unorderedIndex;
    };
    const Case cases[] = {{-5, 0, 1}, {4, 0, 1}, {5, 0, 1}, {6, 1, 3}, {19, 2, 2}, {35, 3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(NearestByX(ordered, c.x), c.orderedIndex);
        EXPECT_EQ(NearestByX(unordered, c.x), c.unorderedIndex);
    }
    EXPECT_EQ(NearestByX(TLineSeries(), 1), -1);

    // In the plane the axes' scales decide: a steep y axis makes y count more.
    const double xs[] = {0, 10}, ys[] = {0, 1};
    EXPECT_EQ(NearestInPlane(xs, ys, 4, 0.6, 1, 1), 0);
    EXPECT_EQ(NearestInPlane(xs, ys, 4, 0.6, 1, 100), 1);
    EXPECT_EQ(NearestInPlane({}, {}, 4, 0.6, 1, 1), -1);
}

TEST(NearestPoint, ReadOutNamesTheNearestXAndEachCurvesValue) {
    TChart chart;
    AddCurve(chart, "Displacer", {0, 90, 180}, {0, 0.25, 1});
    AddMarker(chart, 90);
    AddCurve(chart, "Piston", {0, 90, 180}, {1, 0.125, 123456.7});
    const std::vector<std::string> expected = {"Angle: 180", "Displacer: 1", "Piston: 1.2346e+05"};
    EXPECT_EQ(ReadOutAt(chart, 170), expected);
    // The x is named by the bottom axis or, untitled, by an "A vs B" chart title.
    chart.SetTitle("Piston Throw vs Net Work");
    EXPECT_EQ(ReadOutAt(chart, 50).front(), "Piston Throw: 90");
    chart.BottomAxis.TitleCaption = "Hot temperature";
    EXPECT_EQ(ReadOutAt(chart, 50).front(), "Hot temperature: 90");
    EXPECT_TRUE(ReadOutAt(TChart(), 50).empty());
}

// The words a screen reader says for a chart and the picture: each curve's
// extremes with where they fall, and its mean, from the drawn numbers; the
// crank-angle marker is no curve.
TEST(ChartWords, ExtremesMeansAndPositionsInWords) {
    TChart chart;
    chart.SetTitle("Pressure");
    AddCurve(chart, "Pressure", {0, 90, 180, 270}, {300, 410, 350, 273});
    AddMarker(chart, 90);
    AddCurve(chart, "Piston", {0, 90, 180, 270}, {-1, 1, 1, 0});
    // Mean 1333 / 4 = 333.25; a tie keeps the first extreme (90, not 180).
    EXPECT_EQ(DescribeChart(chart),
              "Pressure, along Angle. Pressure: lowest 273 at 270, highest 410 at 90, mean "
              "333.25. Piston: lowest -1 at 0, highest 1 at 90, mean 0.25.");
    EXPECT_EQ(DescribeChart(TChart("Chart9")), "Chart9, along Angle. No results yet.");
    EXPECT_EQ(DescribePicture(chart, 100, "Vol = 12"),
              "Engine picture. Angle: 90, Pressure: 410, Piston: 1. Vol = 12.");
    EXPECT_EQ(DescribePicture(TChart(), 100, ""), "Engine picture.");
}

TEST(LoopTravel, ArrowsFollowTheOrderOfTravel) {
    // A loop travelled anticlockwise as the angle grows; the loop chart holds
    // the same points at other scales, sorted by volume.
    TLineSeries volume, pressure, loop;
    for (int angle = 0; angle < 360; ++angle) {
        const double a = angle * std::numbers::pi / 180;
        volume.AddXY(angle, std::cos(a));
        pressure.AddXY(angle, std::sin(a));
        loop.AddXY(3 + std::cos(a), 15 + 5 * std::sin(a));
    }
    const std::vector<LoopPoint> rebuilt = LoopFromAngleCurves(volume, pressure, loop);
    ASSERT_EQ(rebuilt.size(), 360u);
    for (int angle : {0, 90, 200}) {
        EXPECT_EQ(rebuilt[angle].angle, angle);
        const double a = angle * std::numbers::pi / 180;
        EXPECT_NEAR(rebuilt[angle].x, 3 + std::cos(a), 1e-12);
        EXPECT_NEAR(rebuilt[angle].y, 15 + 5 * std::sin(a), 1e-12);
    }

    std::vector<LoopPoint> backwards(rebuilt.rbegin(), rebuilt.rend());
    struct Case {
        const std::vector<LoopPoint>* loop;
        double turn; // +1 anticlockwise
    };
    for (const Case& c : {Case{&rebuilt, 1}, Case{&backwards, -1}}) {
        const std::vector<TravelArrow> arrows = TravelArrows(*c.loop, 2);
        ASSERT_EQ(arrows.size(), 2u);
        for (const TravelArrow& a : arrows) {
            const double cross =
                (a.fromX - 3) * (a.toY - a.fromY) - (a.fromY - 15) * (a.toX - a.fromX);
            EXPECT_GT(cross * c.turn, 0);
        }
    }
    EXPECT_TRUE(TravelArrows(LoopInRecordedOrder(TLineSeries()), 2).empty());

    // Where the arrows start and end: arrow k of c from point n (2k + 1) / 2c,
    // to the point n / 36 (at least 1) further on, wrapping past the end.
    // Round the 360-point loop: from 90 degrees, (3, 20), to 100, (3 + cos 100,
    // 15 + 5 sin 100) = (2.826352, 19.924039); from 270, (3, 10), to 280.
    const double c100 = std::cos(100 * std::numbers::pi / 180);
    const double s100 = std::sin(100 * std::numbers::pi / 180);
    const double c280 = std::cos(280 * std::numbers::pi / 180);
    const double s280 = std::sin(280 * std::numbers::pi / 180);
    auto points = [](std::initializer_list<std::pair<double, double>> xy) {
        std::vector<LoopPoint> loop;
        for (auto [x, y] : xy)
            loop.push_back({0, x, y});
        return loop;
    };
    const std::vector<LoopPoint> square = points({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    struct Arrows {
        const char* name;
        std::vector<LoopPoint> loop;
        int count;
        std::vector<TravelArrow> expected;
    };
    const Arrows arrows[] = {
        {"round", rebuilt, 2, {{3, 20, 3 + c100, 15 + 5 * s100}, {3, 10, 3 + c280, 15 + 5 * s280}}},
        {"square, two", square, 2, {{1, 0, 1, 1}, {0, 1, 0, 0}}},
        {"square, three", square, 3, {{0, 0, 1, 0}, {1, 1, 0, 1}, {0, 1, 0, 0}}},
        {"three points", points({{0, 0}, {2, 0}, {1, 1}}), 1, {{2, 0, 1, 1}}},
        {"two points", points({{0, 0}, {2, 0}}), 1, {}},
        {"none asked", square, 0, {}},
        {"a point held", points({{0, 0}, {1, 1}, {1, 1}, {2, 0}}), 2, {{2, 0, 0, 0}}},
    };
    for (const Arrows& c : arrows) {
        SCOPED_TRACE(c.name);
        const std::vector<TravelArrow> found = TravelArrows(c.loop, c.count);
        ASSERT_EQ(found.size(), c.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_NEAR(found[i].fromX, c.expected[i].fromX, 1e-12) << i;
            EXPECT_NEAR(found[i].fromY, c.expected[i].fromY, 1e-12) << i;
            EXPECT_NEAR(found[i].toX, c.expected[i].toX, 1e-12) << i;
            EXPECT_NEAR(found[i].toY, c.expected[i].toY, 1e-12) << i;
        }
    }
}

TEST(GhostTraces, CopiesTheDataCurvesAsTheyWere) {
    TChart chart;
    AddCurve(chart, "Hot", {0, 90}, {0.5, 1});
    AddMarker(chart, 45);
    TLineSeries& loop = chart.AddSeries("PV", "PV");
    loop.SetLine(clRed, 1, false, TVertAxis::Right);
    loop.LinePen.Visible = false;
    for (double x : {1, 2, 3})
        loop.AddXY(x, x * x);

    const std::vector<GhostCurve> ghosts = GhostCopies(chart);
    chart.Series(0).Clear();
    ASSERT_EQ(ghosts.size(), 2u);
    EXPECT_EQ(ghosts[0].x, (std::vector<double>{0, 90}));
    EXPECT_EQ(ghosts[0].y, (std::vector<double>{0.5, 1}));
    EXPECT_TRUE(ghosts[0].line);
    EXPECT_EQ(ghosts[1].y, (std::vector<double>{1, 4, 9}));
    EXPECT_EQ(ghosts[1].color, clRed);
    EXPECT_EQ(ghosts[1].axis, TVertAxis::Right);
    EXPECT_FALSE(ghosts[1].line);
}

// Curves drawn on white stand out at least 3 to 1 (WCAG's measure for
// graphics): pale ones are darkened in their own hue, legible ones kept.
TEST(Colours, CurvesStandOutFromTheirBackground) {
    EXPECT_NEAR(Contrast(clBlack, clWhite), 21, 1e-9);
    EXPECT_NEAR(Contrast(clRed, clWhite), 3.998, 1e-3); // (1.05) / (0.2126 + 0.05)
    struct Case {
        TColor colour, background;
        bool kept;
    };
    const Case cases[] = {{clYellow, clWhite, false}, {clLime, clWhite, false},
                          {clRed, clWhite, true},     {clBlue, clWhite, true},
                          {clBlack, clWhite, true},   {clBlue, clBlack, false},
                          {0x202020, clBlack, false}, {clYellow, clBlack, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        const TColor drawn = LegibleOn(c.colour, c.background);
        EXPECT_GE(Contrast(drawn, c.background), 3.0);
        EXPECT_EQ(drawn == c.colour, c.kept);
    }
    // Yellow keeps its hue: no blue creeps in, red and green stay equal.
    const TColor yellow = LegibleOn(clYellow, clWhite);
    EXPECT_EQ(BlueOf(yellow), 0);
    EXPECT_EQ(RedOf(yellow), GreenOf(yellow));
}
