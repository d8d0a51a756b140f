#include "widgets/ChartView.h"
#include "foundations/TChart.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>

using namespace kelvane;

namespace {

struct Bounds {
    double lower, upper;
};

// Lets events through until no replot waits for its frame.
void WaitForFrame(ChartView& view) {
    QCoreApplication::processEvents();
    while (view.ReplotPending())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

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

// A marker at an end of an automatic range stays whole inside the plot, at
// every size the plot is laid out at; a line without markers keeps its exact range.
TEST(ChartViewAxes, MarkersAtTheEndsStayInsideThePlot) {
    TChart chart("Chart5");
    chart.BottomAxis.SetAutomatic();
    chart.LeftAxis.SetAutomatic();
    TLineSeries& loop = chart.AddSeries("PVSeries");
    loop.SetXOrder(TValueOrder::None);
    TLineSeries& dot = chart.AddSeries("PVPhaseSeries");
    dot.SetXOrder(TValueOrder::None);
    dot.Pointer.Visible = dot.Pointer.Outlined = true;
    dot.Pointer.HorizSize = dot.Pointer.VertSize = 8;
    loop.AddXY(0, 340);
    loop.AddXY(1, 430);
    dot.AddXY(1, 430);
    ChartView view(chart);
    for (QSize size : {QSize(300, 200), QSize(600, 150)}) {
        view.resize(size);
        view.replot();
        const QRect plot = view.axisRect()->rect();
        const double x = view.xAxis->coordToPixel(1);
        const double y = view.yAxis->coordToPixel(430);
        EXPECT_LT(x + 5, plot.right()) << size.width();
        EXPECT_GT(y - 5, plot.top()) << size.width();
        // No more room than the marker needs.
        EXPECT_NEAR(view.xAxis->coordToPixel(0), plot.left(), 8) << size.width();
    }
    dot.Clear();
    view.Sync();
    ExpectRange(view.xAxis, {0, 1}, "the line alone");
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
    WaitForFrame(view);
    EXPECT_EQ(replots, 2);
    EXPECT_DOUBLE_EQ(view.yAxis->range().upper, 25);
}

// A burst of changes, with events let through after each as a sweep does, is
// drawn at most once a display frame, and its last change is drawn.
TEST(ChartViewReplot, ABurstIsDrawnOnceAFrameAndItsEndAlways) {
    TChart chart("Chart1");
    TLineSeries& series = chart.AddSeries("WorkSeries");
    chart.LeftAxis.Automatic = true;
    ChartView view(chart);
    view.resize(300, 200);
    view.show();
    WaitForFrame(view);
    int replots = 0, drawn = 0;
    QObject::connect(&view, &QCustomPlot::afterReplot, [&] {
        ++replots;
        drawn = series.Count();
    });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 40; ++i) {
        series.AddXY(i, i % 7);
        view.Sync();
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    const qint64 frames = clock.elapsed() / 16 + 1;
    EXPECT_LE(replots, frames + 1);
    WaitForFrame(view);
    EXPECT_EQ(drawn, 40);
    const QImage painted = view.grab().toImage();
    QThread::msleep(20); // a change after a quiet frame is shown by the next paint
    series.AddXY(40, 100);
    view.Sync();
    EXPECT_NE(view.grab().toImage(), painted);
}

// A dense series is drawn from its per-column extremes: the pixels differ
// from drawing every point by a few per column at most, whatever the pen, the
// chart's size, the record's length (none to 100,000 points) or how wildly
// values swing.
TEST(ChartViewDrawing, ADenseSeriesLooksAsIfEveryPointWereDrawn) {
    const int kPixelsPerColumn = 3;
    using Shape = double (*)(int);
    const Shape shapes[] = {
        [](int i) { return std::sin(i * 0.01); },
        [](int i) { return (i % 2 ? 1.0 : -1.0) * (1 + (i * 7919 % 13) / 13.0); },
        [](int i) { return std::sin(i * 0.37) * std::sin(i * 0.0013) + (i % 97 == 0 ? 5 : 0); },
        // Full swings at every point, of a size that wanders along the record.
        [](int i) { return (i % 3 - 1) * (2 + std::sin(i * 0.002)) * ((i * 2654435761U) % 7); },
    };
    for (QSize size : {QSize(240, 160), QSize(640, 360), QSize(1100, 500)}) {
        for (int length : {0, 1, 2, 1500, 20000, 100000}) {
            for (std::size_t shape = 0; shape < std::size(shapes); ++shape) {
                for (int pen : {1, 2, 3}) {
                    TChart chart("Chart1");
                    TLineSeries& series = chart.AddSeries("Series");
                    series.SetLine(clBlack, pen);
                    chart.BottomAxis.Automatic = chart.LeftAxis.Automatic = true;
                    for (int i = 0; i < length; ++i)
                        series.AddXY(i, shapes[shape](i));
                    auto draw = [&](bool everyPoint) {
                        ChartView view(chart);
                        view.DrawEveryPoint(everyPoint);
                        view.resize(size);
                        view.replot();
                        return view.grab().toImage().convertToFormat(QImage::Format_RGB32);
                    };
                    const QImage full = draw(true), columns = draw(false);
                    ASSERT_EQ(full.size(), columns.size());
                    int worst = 0, worstColumn = 0;
                    for (int x = 0; x < full.width(); ++x) {
                        int differing = 0;
                        for (int y = 0; y < full.height(); ++y)
                            differing += full.pixel(x, y) != columns.pixel(x, y);
                        if (differing > worst) {
                            worst = differing;
                            worstColumn = x;
                        }
                    }
                    EXPECT_LE(worst, kPixelsPerColumn)
                        << size.width() << "x" << size.height() << ", " << length
                        << " points, shape " << shape << ", pen " << pen << ", column "
                        << worstColumn;
                }
            }
        }
    }
}

} // namespace

// An axis increment is the smallest step between labels: a crank-angle axis
// keeps it, and a long strip-chart record labels a multiple of it sparse
// enough for its labels not to overlap (one per 45 degrees of 50,000 would
// also draw 1,100 labels and grid lines at every tick).
TEST(ChartViewAxes, AnIncrementGrowsToMultiplesWhereLabelsWouldOverlap) {
    TChart chart("Chart1");
    chart.AddSeries("Series").AddXY(0, 0);
    chart.BottomAxis.Automatic = chart.BottomAxis.AutomaticMinimum =
        chart.BottomAxis.AutomaticMaximum = false;
    chart.BottomAxis.Increment = 45;
    chart.BottomAxis.SetMinMax(0, 360);
    ChartView view(chart);
    view.resize(400, 300);
    view.replot(); // lays the chart out
    view.Sync();
    auto step = [&] {
        return qSharedPointerDynamicCast<QCPAxisTickerFixed>(view.xAxis->ticker())->tickStep();
    };
    EXPECT_EQ(step(), 45);

    chart.BottomAxis.SetMinMax(0, 50000);
    view.Sync();
    const double wide = step();
    EXPECT_EQ(std::fmod(wide, 45), 0) << wide;
    EXPECT_LE(50000 / wide, 12) << wide;
    EXPECT_GE(50000 / wide, 3) << wide;
    view.replot();
    QVector<double> ticks;
    QVector<QString> labels;
    view.xAxis->ticker()->generate(view.xAxis->range(), view.locale(), 'g', 6, ticks, nullptr,
                                   &labels);
    const int labelWidth = QFontMetrics(view.xAxis->tickLabelFont()).horizontalAdvance("50000");
    EXPECT_GT(view.axisRect()->width() / std::max<qsizetype>(1, ticks.size() - 1), labelWidth);

    chart.BottomAxis.SetMinMax(0, 360);
    view.Sync();
    EXPECT_EQ(step(), 45);
}

// The legend lists the series that ask for it, once each and in their order;
// an entry's size follows its font.
TEST(ChartViewLegend, ListsTheSeriesThatAskForItInOrder) {
    TChart chart("Chart1");
    chart.AddSeries("A", "Alpha");
    chart.AddSeries("B", "Beta").ShowInLegend = false;
    chart.AddSeries("C", "Gamma");
    ChartView view(chart);
    auto names = [&] {
        QStringList shown;
        for (int i = 0; i < view.legend->itemCount(); ++i) {
            auto* item = qobject_cast<QCPPlottableLegendItem*>(view.legend->item(i));
            shown << (item ? item->plottable()->name() : QString("?"));
        }
        return shown.join(',');
    };
    EXPECT_EQ(names(), "Alpha,Gamma");
    view.resize(400, 300);
    view.replot();
    const QSize before = view.legend->item(0)->minimumOuterSizeHint();
    EXPECT_GT(before.width(), 0);
    view.legend->setFont(QFont("DejaVu Sans", 14)); // a bigger font is measured again
    EXPECT_GT(view.legend->item(0)->minimumOuterSizeHint().width(), before.width());
}

// Every axis labels its ticks alike: grouped by thousands, with the decimals
// the step between ticks needs, and no rounding noise.
TEST(ChartViewAxes, TickLabelsShareOneFormat) {
    struct Case {
        double tick, step;
        const char* label;
    } cases[] = {
        {2e6, 1e6, "2,000,000"},  {-1e6, 5e5, "-1,000,000"}, {350000, 10000, "350,000"},
        {0.925, 0.025, "0.925"},  {0.9, 0.025, "0.900"},     {0.30000000000000004, 0.1, "0.3"},
        {-1e-17, 0.2, "0.0"},     {135, 45, "135"},          {-0.5, 0.5, "-0.5"},
        {1234.5, 0.5, "1,234.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChartView::TickLabel(c.tick, c.step).toStdString(), c.label) << c.tick;
}
