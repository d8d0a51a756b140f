#include "ChartView.h"

#include "shell/Languages.h"

#include "ChartGraph.h"
#include "FocusFrame.h"
#include "WindowLook.h"
#include "foundations/ChartCurves.h"
#include "foundations/ChartWords.h"
#include "foundations/NearestPoint.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

// The charts' texts are plain Latin labels redrawn at every replot: skipping
// text shaping where the font allows it saves most of their layout time.
QFont ChartFont(int pointSize) {
    QFont font = GrownFont("DejaVu Sans", pointSize);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QColor ToQColor(TColor c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

// Bounds that QCustomPlot accepts: finite and not empty.
QCPRange SafeRange(double lower, double upper) {
    if (!std::isfinite(lower) || !std::isfinite(upper))
        return QCPRange(0, 1);
    if (upper - lower <= 0) {
        double pad = lower == 0 ? 1 : std::fabs(lower) * 0.05;
        return QCPRange(lower - pad, upper + pad);
    }
    return QCPRange(lower, upper);
}

// Tick labels in one format on every axis: plain figures grouped by
// thousands, with as many decimals as the step between ticks needs (QCustomPlot
// would write "2·10⁶" on one chart and "350000" on the next).
template <class Ticker> class PlainTicker : public Ticker {
  public:
    using Ticker::Ticker;

  protected:
    double getTickStep(const QCPRange& range) override {
        step_ = Ticker::getTickStep(range);
        return step_;
    }
    QString getTickLabel(double tick, const QLocale&, QChar, int) override {
        return ChartView::TickLabel(tick, step_);
    }

  private:
    double step_ = 1;
};

} // namespace

QString ChartView::TickLabel(double tick, double step) {
    // As many decimals as the step has (0.025 needs three).
    int decimals = 0;
    if (step > 0 && std::isfinite(step)) {
        for (double scaled = step; decimals < 9; scaled *= 10, ++decimals) {
            if (std::fabs(scaled - std::round(scaled)) <= scaled * 1e-9)
                break;
        }
    }
    // A tick computed as 0.30000000000000004 or -1e-17 shows as its step implies.
    const double shown = std::fabs(tick) < step * 1e-6 ? 0.0 : tick;
    static const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    return grouped.toString(shown, 'f', decimals);
}

ChartView::ChartView(TChart& chart, QWidget* parent) : QCustomPlot(parent), chart_(chart) {
    setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);
    // Charts redraw at every animation step and sweep value: plain lines draw fastest.
    setNotAntialiasedElements(QCP::aeAll);
    setInteractions(QCP::Interactions());
    // Legend entries are added as the series ask, as entries that measure their text once.
    setAutoAddPlottableToLegend(false);
    setBackground(Qt::white);
    axisRect()->setBackground(Qt::white);
    // Nothing is drawn on the overlay layer: one paint buffer for all layers
    // saves clearing and composing a second one at every replot.
    layer("overlay")->setMode(QCPLayer::lmLogical);
    xAxis2->setVisible(false);
    yAxis2->setVisible(true);
    for (QCPAxis* axis : {xAxis, yAxis, yAxis2}) {
        axis->setTicker(QSharedPointer<QCPAxisTicker>(new PlainTicker<QCPAxisTicker>));
        axis->grid()->setVisible(axis != yAxis2);
        axis->setLabelFont(ChartFont(8));
        axis->setTickLabelFont(ChartFont(7));
    }

    plotLayout()->insertRow(0);
    title_ = new QCPTextElement(this, QString(), ChartFont(9));
    plotLayout()->addElement(0, 0, title_);
    setAccessibleName(tr("Chart"));

    legend_.emplace(*this, chart_.Legend, 2, ChartFont(7));

    BuildSeries();
    Sync();
    // The axis rectangle is known after a layout: fit the titles to it and
    // draw again only when that changed a title.
    connect(this, &QCustomPlot::afterReplot, this, [this] {
        if (FitAxisTitles())
            replot(QCustomPlot::rpQueuedReplot);
    });
    // Whatever asked for it, a replot draws every change made so far.
    connect(this, &QCustomPlot::beforeReplot, this, [this] {
        if (!syncWaiting_)
            return;
        replotting_ = true; // this replot draws what the sync changes
        Sync();
        replotting_ = false;
    });
    connect(this, &QCustomPlot::afterReplot, this, [this] { pacer_.Done(); });
    // Padding in pixels (the margin's least, a marker's reach) depends on the
    // plot's size: once a layout has changed it, the automatic bounds follow.
    connect(this, &QCustomPlot::afterLayout, this, [this] {
        if (axisRect()->size() == paddedFor_)
            return;
        const TChartAxis* axes[3] = {&chart_.BottomAxis, &chart_.LeftAxis, &chart_.RightAxis};
        QCPAxis* views[3] = {xAxis, yAxis, yAxis2};
        for (int i = 0; i < 3; ++i) {
            if (axes[i]->Automatic || axes[i]->AutomaticMinimum || axes[i]->AutomaticMaximum)
                SyncAxis(*axes[i], views[i], i != 0);
        }
    });
}

void ChartView::DrawEveryPoint(bool on) {
    for (SeriesState& state : series_) {
        if (state.graph) {
            static_cast<ChartGraph*>(state.graph)->everyPoint = on;
        }
    }
}

void ChartView::SyncWithinFrame() {
    if (isVisible() && pacer_.Due()) {
        Sync();
        return;
    }
    syncWaiting_ = true;
    if (isVisible())
        pacer_.Defer();
    else
        replotWhenShown_ = true;
}

void ChartView::ReplotWithoutWaiting() {
    if (pacer_.Waiting() || (syncWaiting_ && isVisible()))
        replot(QCustomPlot::rpQueuedReplot);
}

void ChartView::RequestReplot() {
    if (replotting_)
        return;
    // Once the frame has passed, at once (queued), whether or not its timer
    // has had its turn yet.
    if (pacer_.Due())
        replot(QCustomPlot::rpQueuedReplot);
    else
        pacer_.Defer();
}

void ChartView::BuildSeries() {
    for (int i = 0; i < chart_.SeriesCount(); ++i) {
        SeriesState state;
        state.series = &chart_.Series(i);
        QCPAxis* valueAxis = state.series->VertAxis == TVertAxis::Right ? yAxis2 : yAxis;
        if (state.series->XOrder() == TValueOrder::Ascending) {
            state.graph = new ChartGraph(xAxis, valueAxis, *state.series);
        } else {
            state.curve = new QCPCurve(xAxis, valueAxis);
        }
        // The engines style their series once, before any view exists.
        ApplyStyle(state);
        series_.push_back(state);
    }
}

void ChartView::ApplyStyle(SeriesState& state) {
    const TLineSeries& s = *state.series;
    QCPAbstractPlottable* p = state.graph ? static_cast<QCPAbstractPlottable*>(state.graph)
                                          : static_cast<QCPAbstractPlottable*>(state.curve);
    // Curves stand out from the white plot at WCAG's 3 to 1 for graphics.
    QColor colour = ToQColor(LegibleOn(s.SeriesColor, clWhite));
    QPen pen(colour);
    pen.setWidth(s.LinePen.Width);
    p->setPen(pen);
    p->setName(CoreText(s.Title));
    QCPScatterStyle scatter;
    const int pointerSize = std::max(s.Pointer.HorizSize, s.Pointer.VertSize);
    if (s.Pointer.Visible && s.Pointer.Outlined)
        scatter =
            QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black, 1.5), colour, pointerSize);
    else if (s.Pointer.Visible)
        scatter = QCPScatterStyle(QCPScatterStyle::ssSquare, colour, colour, pointerSize);
    if (state.graph) {
        state.graph->setLineStyle(s.LinePen.Visible ? QCPGraph::lsLine : QCPGraph::lsNone);
        state.graph->setScatterStyle(scatter);
    } else {
        state.curve->setLineStyle(s.LinePen.Visible ? QCPCurve::lsLine : QCPCurve::lsNone);
        state.curve->setScatterStyle(scatter);
    }
    legend_->List(p, s.ShowInLegend);
}

bool ChartView::SyncPoints(SeriesState& state) {
    const TLineSeries& s = *state.series;
    if (s.Revision() == state.revision)
        return false;
    const auto& xs = s.XValues().Values();
    const auto& ys = s.YValues().Values();
    const std::uint64_t dropped = s.FrontRemoved() - state.frontRemoved;
    bool kept = s.StructureRevision() == state.structure &&
                dropped <= static_cast<std::uint64_t>(state.count) &&
                s.Count() + static_cast<int>(dropped) >= state.count;
    // Points dropped from the front (a strip chart's oldest revolution) go
    // without copying the rest; their keys lie before the first one kept.
    if (kept && dropped > 0) {
        const int left = state.count - static_cast<int>(dropped);
        if (state.graph) {
            state.graph->data()->removeBefore(left > 0 ? xs[0] : qInf());
            kept = state.graph->dataCount() == left;
        } else {
            auto data = state.curve->data();
            if (!data->isEmpty())
                data->removeBefore(data->at(0)->t + static_cast<double>(dropped));
            kept = data->size() == left;
        }
        state.count = left;
    }
    if (kept) {
        for (int i = state.count; i < s.Count(); ++i) {
            if (state.graph)
                state.graph->addData(xs[i], ys[i]);
            else
                state.curve->addData(xs[i], ys[i]);
        }
    } else {
        QVector<double> keys(xs.begin(), xs.end());
        QVector<double> values(ys.begin(), ys.end());
        if (state.graph) {
            state.graph->setData(keys, values, true);
        } else {
            state.curve->setData(keys, values);
        }
    }
    state.revision = s.Revision();
    state.structure = s.StructureRevision();
    state.frontRemoved = s.FrontRemoved();
    state.count = s.Count();
    return true;
}

bool ChartView::SyncAxis(const TChartAxis& axis, QCPAxis* view, bool isVertical) {
    view->setTickLabels(axis.Labels);
    QString& title = axisTitles_[view == xAxis ? 0 : view == yAxis ? 1 : 2];
    title = CoreText(axis.TitleCaption);
    view->setLabel(title);
    bool automatic = axis.Automatic || axis.AutomaticMinimum || axis.AutomaticMaximum;
    if (!automatic) {
        view->setRange(SafeRange(axis.Minimum(), axis.Maximum()));
        SetLabelStep(axis, view);
        return true;
    }
    // Automatic bounds follow the data of the series drawn against this axis.
    // The chart data keeps its extremes up to date, so a long record costs
    // nothing here (asking the plottables would scan every point each time).
    bool found = false;
    QCPRange range;
    // How far the markers of the series on this axis reach beyond their
    // points, in pixels: a point at an end of the range keeps its marker
    // inside the plot (the present-state dot on a pressure-volume loop).
    int markerReach = 0;
    for (const SeriesState& state : series_) {
        const TLineSeries& s = *state.series;
        if (s.Count() == 0)
            continue;
        const QCPAbstractPlottable* p = state.graph
                                            ? static_cast<const QCPAbstractPlottable*>(state.graph)
                                            : static_cast<const QCPAbstractPlottable*>(state.curve);
        if ((isVertical ? p->valueAxis() : p->keyAxis()) != view)
            continue;
        const TChartValueList& values = isVertical ? s.YValues() : s.XValues();
        QCPRange r(values.MinValue(), values.MaxValue());
        range =
            found ? QCPRange(std::min(range.lower, r.lower), std::max(range.upper, r.upper)) : r;
        found = true;
        if (s.Pointer.Visible)
            markerReach =
                std::max(markerReach, std::max(s.Pointer.HorizSize, s.Pointer.VertSize) / 2 + 3);
    }
    paddedFor_ = axisRect()->size();
    const int length = std::max(isVertical ? paddedFor_.height() : paddedFor_.width(), 1);
    // The margin is at least a few pixels, so that a thick line at an end of
    // the range stays clear of the frame on a short chart too.
    const double margin = valueMargin_ > 0 ? std::max(valueMargin_, 6.0 / length) : 0.0;
    double pad = found && isVertical ? (range.upper - range.lower) * margin : 0;
    if (found && markerReach > 0)
        pad = std::max(pad, (range.upper - range.lower) * markerReach /
                                std::max(length - 2 * markerReach, markerReach));
    double lower =
        axis.AutomaticMinimum || axis.Automatic ? (found ? range.lower - pad : 0) : axis.Minimum();
    double upper =
        axis.AutomaticMaximum || axis.Automatic ? (found ? range.upper + pad : 1) : axis.Maximum();
    view->setRange(SafeRange(lower, upper));
    if (isVertical && !(axis.Increment > 0)) {
        // About five labels where there is room, fewer on a short chart, which
        // would otherwise print them on each other.
        MeasureLabelFont(view);
        const int room = axisRect()->height() * 3 / std::max(1, 4 * labelHeight_);
        view->ticker()->setTickCount(std::clamp(room, 3, 5));
    }
    SetLabelStep(axis, view);
    return true;
}

void ChartView::SetLabelStep(const TChartAxis& axis, QCPAxis* view) {
    if (!(axis.Increment > 0))
        return;
    auto ticker = qSharedPointerDynamicCast<QCPAxisTickerFixed>(view->ticker());
    if (!ticker) {
        ticker = QSharedPointer<QCPAxisTickerFixed>(new PlainTicker<QCPAxisTickerFixed>);
        view->setTicker(ticker);
    }
    ticker->setTickStep(LabelStep(axis.Increment, view));
}

void ChartView::MeasureLabelFont(const QCPAxis* view) {
    if (view->tickLabelFont() == labelFont_)
        return;
    // Measured once per font: measuring shapes text, and this runs at every sync.
    const QFontMetrics metrics(view->tickLabelFont());
    labelFont_ = view->tickLabelFont();
    digitWidth_ = metrics.horizontalAdvance('0');
    labelHeight_ = metrics.height();
}

double ChartView::LabelStep(double increment, QCPAxis* view) {
    const bool horizontal = view->orientation() == Qt::Horizontal;
    const int length = horizontal ? axisRect()->width() : axisRect()->height();
    const QCPRange range = view->range();
    if (length <= 0 || !(range.size() > 0))
        return increment; // not laid out yet
    // The room a label needs: the longer end's digits across (its height up
    // a vertical axis) and a tenth more between neighbours.
    MeasureLabelFont(view);
    const auto characters =
        std::max(QString::number(range.lower).size(), QString::number(range.upper).size());
    const double size = horizontal ? static_cast<double>(characters * digitWidth_) : labelHeight_;
    const double fitting = std::max(1.0, length / (1.1 * size));
    // The increment is the smallest step between labels: where labels that
    // close would overlap, the step grows to 2, 5, 10, 20, 50... times it.
    double step = increment;
    for (double decade = 1; range.size() / step > fitting && decade < 1e15; decade *= 10) {
        for (double factor : {2.0, 5.0, 10.0}) {
            step = increment * decade * factor;
            if (range.size() / step <= fitting)
                break;
        }
    }
    return step;
}

void ChartView::SyncTitle() {
    if (chart_.Title == shownTitle_)
        return;
    shownTitle_ = chart_.Title;
    QStringList lines;
    const Message& parts = chart_.TitleMessage;
    if (!parts.pattern.empty() && chart_.Title.size() == 1 && chart_.Title[0] == parts.English()) {
        lines << CoreMessage(parts);
    } else {
        for (const std::string& line : chart_.Title)
            lines << CoreText(line);
    }
    title_->setText(lines.join('\n'));
    title_->setVisible(!lines.isEmpty());
    setAccessibleName(lines.isEmpty() ? tr("Chart")
                                      : tr("Chart: %1").arg(lines.join(' ').simplified()));
}

bool ChartView::FitAxisTitles() {
    QCPAxis* views[3] = {xAxis, yAxis, yAxis2};
    // A title is centred on its axis and may reach out to the chart's edges.
    QPoint centre = axisRect()->rect().center();
    int across = 2 * std::min(centre.x(), width() - centre.x());
    int down = 2 * std::min(centre.y(), height() - centre.y());
    bool changed = false;
    for (int i = 0; i < 3; ++i) {
        // Less a little room at each end: QCustomPlot draws labels a little
        // wider than the font's advances say.
        int length = (i == 0 ? across : down) * 9 / 10 - 12;
        QString shown = axisTitles_[i];
        if (length > 0 && !shown.isEmpty())
            shown = QFontMetrics(views[i]->labelFont()).elidedText(shown, Qt::ElideRight, length);
        if (views[i]->label() != shown) {
            views[i]->setLabel(shown);
            changed = true;
        }
    }
    return changed;
}

QString ChartView::Description() const {
    // As DescribeChart says it, in the student's language.
    auto number = [](double v) { return QString::fromStdString(ReadOutNumber(v)); };
    QString title = title_->text();
    title.replace('\n', ' ');
    QString words = tr("%1, along %2.")
                        .arg(title.isEmpty() ? QString::fromStdString(chart_.Name) : title,
                             CoreText(XTitle(chart_)));
    const std::vector<CurveSummary> curves = SummariseCurves(chart_);
    for (const CurveSummary& c : curves) {
        words += " " + tr("%1: lowest %2 at %3, highest %4 at %5, mean %6.")
                           .arg(CoreText(c.title), number(c.lowest), number(c.lowestAt),
                                number(c.highest), number(c.highestAt), number(c.mean));
    }
    return curves.empty() ? words + " " + tr("No results yet.") : words;
}

bool ChartView::Sync() {
    syncWaiting_ = false;
    bool changed = false;
    for (SeriesState& state : series_)
        changed |= SyncPoints(state);
    const TChartAxis* axes[3] = {&chart_.BottomAxis, &chart_.LeftAxis, &chart_.RightAxis};
    QCPAxis* views[3] = {xAxis, yAxis, yAxis2};
    for (int i = 0; i < 3; ++i) {
        if (views[i]->visible() != axes[i]->Visible) {
            views[i]->setVisible(axes[i]->Visible);
            changed = true;
        }
        bool automatic =
            axes[i]->Automatic || axes[i]->AutomaticMinimum || axes[i]->AutomaticMaximum;
        if (axes[i]->Revision() != axisRevisions_[i] || (automatic && changed)) {
            SyncAxis(*axes[i], views[i], i != 0);
            axisRevisions_[i] = axes[i]->Revision();
            changed = true;
        }
    }
    std::vector<std::string> before = shownTitle_;
    SyncTitle();
    legend_->Sync();
    changed |= before != shownTitle_;
    if (isHidden() == chart_.Visible)
        setVisible(chart_.Visible);
    // What a screen reader says of the chart follows its numbers.
    if (changed)
        setAccessibleDescription(Description());
    // A hidden chart (the pop-over PV chart, a closed window) is replotted
    // when it shows: its series may grow at every step of a long run.
    if (changed && isVisible())
        RequestReplot();
    else if (changed)
        replotWhenShown_ = true;
    return changed;
}

void ChartView::ResyncAxes() {
    for (std::uint64_t& revision : axisRevisions_)
        revision = ~0ULL;
    Sync();
}

QRect ChartView::ChartRect() const {
    return axisRect()->rect();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    QPoint p = event->position().toPoint();
    emit clickBackground(event->button(), event->modifiers(), p.x(), p.y());
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    bool wasPressed = pressed_;
    pressed_ = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

// Charts neither zoom nor pan.
void ChartView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
void ChartView::wheelEvent(QWheelEvent* event) {
    event->accept();
}

void ChartView::showEvent(QShowEvent* event) {
    QCustomPlot::showEvent(event);
    if (replotWhenShown_) {
        replotWhenShown_ = false;
        replot(QCustomPlot::rpQueuedReplot);
    }
}

void ChartView::paintEvent(QPaintEvent* event) {
    // A paint before a queued replot (a window grabbed at once) shows the
    // data; within a burst, paints wait for the frame's replot like the rest.
    if (mReplotQueued)
        replot(rpQueuedRefresh);
    QCustomPlot::paintEvent(event);
    // Where the keys go must show: a chart that takes them is framed while it has them.
    if (hasFocus()) {
        QPainter painter(this);
        FocusFrame::Paint(this, painter);
    }
}

void ChartView::focusInEvent(QFocusEvent* event) {
    QCustomPlot::focusInEvent(event);
    update();
}

void ChartView::focusOutEvent(QFocusEvent* event) {
    QCustomPlot::focusOutEvent(event);
    update();
}

void ChartView::resizeEvent(QResizeEvent* event) {
    if (chart_.Legend.Visible)
        legend_->Fit();
    QCustomPlot::resizeEvent(event);
    replot(QCustomPlot::rpQueuedReplot);
}

} // namespace kelvane
