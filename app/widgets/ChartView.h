#pragma once

#include "ChartLegend.h"
#include "FramePacer.h"
#include "foundations/TChart.h"

#include <qcustomplot.h>

#include <optional>
#include <vector>

namespace kelvane {

// Draws one chart's data with QCustomPlot. The chart data stays the only store
// of points: Sync() brings the plot in line with it, appending only the new
// points in the common case, and replots only when something changed, at
// most once a display frame: a burst of changes (a sweep) is drawn at the
// frame rate, and its last change always is.
class ChartView : public QCustomPlot {
    Q_OBJECT
  public:
    explicit ChartView(TChart& chart, QWidget* parent = nullptr);

    TChart& Chart() { return chart_; }
    // Returns true when the plot had to be redrawn.
    bool Sync();
    // The chart in words, from its numbers (its extremes and means).
    QString Description() const;
    // Sync() once a frame has passed since the last replot; within it, the
    // replot at the frame's end takes the data (a burst of changes then
    // costs one copy a frame, not one a change).
    void SyncWithinFrame();
    // Brings a waiting replot forward: queued now, not at the frame's end.
    void ReplotWithoutWaiting();
    // Whether a replot waits for the end of the display frame.
    bool ReplotPending() const { return pacer_.Waiting(); }
    // The plotting area, in the chart's pixel coordinates, as of the last layout.
    QRect ChartRect() const;
    // Widens automatic value axes by this fraction of the data's span on each
    // automatic side, so that flat curves do not vanish into the frame (default 0).
    void SetValueMargin(double fraction) { valueMargin_ = fraction; }
    // An axis label: grouped by thousands, with the decimals a step between
    // ticks needs ("-1,000,000", "0.25").
    static QString TickLabel(double tick, double step);
    // Sets every axis anew from the chart data, as after a change of its bounds.
    void ResyncAxes();
    // Draws dense series point by point instead of from their per-column
    // extremes (the same pixels, slower): for comparing the two.
    void DrawEveryPoint(bool on);

  signals:
    // Every mouse press inside the chart.
    void clickBackground(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y);
    // A completed click on the chart.
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    struct SeriesState {
        TLineSeries* series = nullptr;
        QCPGraph* graph = nullptr; // for X-ordered series
        QCPCurve* curve = nullptr; // for series kept in insertion order
        std::uint64_t revision = ~0ULL;
        std::uint64_t structure = ~0ULL;
        std::uint64_t frontRemoved = 0;
        int count = 0;
    };

    void BuildSeries();
    // A replot now, or at the end of the frame of the last one.
    void RequestReplot();
    void ApplyStyle(SeriesState& state);
    bool SyncPoints(SeriesState& state);
    bool SyncAxis(const TChartAxis& axis, QCPAxis* view, bool isVertical);
    // Labels an axis with a fixed increment at that step, or at the smallest
    // of its multiples whose labels do not overlap.
    void SetLabelStep(const TChartAxis& axis, QCPAxis* view);
    double LabelStep(double increment, QCPAxis* view);
    void MeasureLabelFont(const QCPAxis* view);
    void SyncTitle();
    // Axis titles that would run off the chart are cut with an ellipsis;
    // returns true when a shown title changed.
    bool FitAxisTitles();

    TChart& chart_;
    QCPTextElement* title_ = nullptr;
    std::optional<ChartLegend> legend_;
    std::vector<SeriesState> series_;
    std::vector<std::string> shownTitle_;
    std::uint64_t axisRevisions_[3] = {~0ULL, ~0ULL, ~0ULL};
    QString axisTitles_[3];
    double valueMargin_ = 0;
    QSize paddedFor_; // the plot's size the automatic bounds were padded for
    QFont labelFont_; // the tick label font last measured, and its sizes
    int digitWidth_ = 0;
    int labelHeight_ = 0;
    bool pressed_ = false;
    bool replotWhenShown_ = false;
    bool syncWaiting_ = false; // the data is taken at the next replot
    bool replotting_ = false;
    FramePacer pacer_{[this] { replot(rpQueuedRefresh); }};
};

} // namespace kelvane
