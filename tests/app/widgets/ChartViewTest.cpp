#include "widgets/ChartView.h"
#include "foundations/TChart.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

struct Bounds {
    double lower, upper;
};

void ExpectRange(const QCPAxis* axis, Bounds expected, const char* what) {
    EXPECT_DOUBLE_EQ(axis->range().lower, expected.lower) << what;
    EXPECT_DOUBLE_EQ(axis->range().upper, expected.upper) << what;
}

// Automatic axes span the series drawn against them, whichever axis each is
// on, through appending, dropping from the front (a strip chart's traffic),
// changes in the middle and clearing.
TEST(ChartViewAxes, AutomaticBoundsFollowTheSeriesOfEachAxis) {
    TChart chart("Chart1");
    TLineSeries& left = chart.AddSeries("LeftSeries");
    TLineSeries& right = chart.AddSeries("RightSeries");
    right.VertAxis = TVertAxis::Right;
    TLineSeries& loop = chart.AddSeries("LoopSeries");
    loop.SetXOrder(TValueOrder::None);
    for (TChartAxis* axis : {&chart.BottomAxis, &chart.LeftAxis, &chart.RightAxis})
        axis->Automatic = true;

    left.AddXY(0, 5);
    left.AddXY(10, -3);
    right.AddXY(2, 100);
    right.AddXY(4, 300);
    loop.AddXY(20, 1);
    loop.AddXY(-5, 2);
    ChartView view(chart);
    ExpectRange(view.xAxis, {-5, 20}, "bottom, all series");
    ExpectRange(view.yAxis, {-3, 5}, "left, two series");
    ExpectRange(view.yAxis2, {100, 300}, "right, one series");

    left.DeleteFirst(); // the 5 goes
    left.AddXY(11, 1);
    right.SetYValue(1, 50);
    loop.Clear();
    view.Sync();
    ExpectRange(view.xAxis, {2, 11}, "bottom after the changes");
    ExpectRange(view.yAxis, {-3, 1}, "left after the changes");
    ExpectRange(view.yAxis2, {50, 100}, "right after the change in the middle");

    right.Clear();
    view.Sync();
    ExpectRange(view.yAxis2, {0, 1}, "right with no points left");
}

// A hidden chart keeps its data in line but leaves the drawing until it is
// shown; a shown one replots once per change.
TEST(ChartViewReplot, AHiddenChartReplotsOnlyWhenShown) {
    TChart chart("Chart5");
    TLineSeries& series = chart.AddSeries("PVSeries");
    chart.LeftAxis.Automatic = true;
    ChartView view(chart);
    int replots = 0;
    QObject::connect(&view, &QCustomPlot::afterReplot, [&] { ++replots; });
    view.resize(200, 150);
    view.show();
    QCoreApplication::processEvents();
    chart.Visible = false; // as the pop-over PV chart is hidden
    view.Sync();
    EXPECT_TRUE(view.isHidden());
    QCoreApplication::processEvents(); // what was queued while shown
    replots = 0;

    for (int i = 0; i < 5; ++i) {
        series.AddXY(i, i * i);
        EXPECT_TRUE(view.Sync());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(replots, 0);
    EXPECT_EQ(view.graph(0)->dataCount(), 5);

    chart.Visible = true;
    view.Sync();
    QCoreApplication::processEvents();
    EXPECT_EQ(replots, 1);
    series.AddXY(5, 25);
    view.Sync();
    QCoreApplication::processEvents();
    EXPECT_EQ(replots, 2);
    EXPECT_DOUBLE_EQ(view.yAxis->range().upper, 25);
}

} // namespace
