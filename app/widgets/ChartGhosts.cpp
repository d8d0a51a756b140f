#include "ChartGhosts.h"

#include "ChartView.h"
#include "foundations/GhostTraces.h"

namespace kelvane {

namespace {

ChartGhosts* Find(ChartView* chart) {
    return chart->findChild<ChartGhosts*>(QString(), Qt::FindDirectChildrenOnly);
}

// Widens an automatic axis to take in the plottables' extents along it.
void WidenAxis(QCPAxis* axis, const TChartAxis& data, const std::vector<QCPCurve*>& curves,
               bool vertical) {
    const bool low = data.Automatic || data.AutomaticMinimum;
    const bool high = data.Automatic || data.AutomaticMaximum;
    if (!low && !high)
        return;
    QCPRange range = axis->range();
    for (QCPCurve* c : curves) {
        if ((vertical ? c->valueAxis() : c->keyAxis()) != axis)
            continue;
        bool found = false;
        const QCPRange extent = vertical ? c->getValueRange(found) : c->getKeyRange(found);
        if (!found)
            continue;
        if (low)
            range.lower = std::min(range.lower, extent.lower);
        if (high)
            range.upper = std::max(range.upper, extent.upper);
    }
    if (range != axis->range())
        axis->setRange(range);
}

} // namespace

ChartGhosts::ChartGhosts(ChartView* chart) : QObject(chart), chart_(chart) {
    setObjectName("ChartGhosts");
    if (!chart->layer("ghosts"))
        chart->addLayer("ghosts", chart->layer("main"), QCustomPlot::limBelow);
    for (const GhostCurve& g : GhostCopies(chart->Chart())) {
        auto* curve =
            new QCPCurve(chart->xAxis, g.axis == TVertAxis::Right ? chart->yAxis2 : chart->yAxis);
        curve->setLayer("ghosts");
        curve->setSelectable(QCP::stNone);
        const TColor legible = LegibleOn(g.color, clWhite);
        QColor colour(RedOf(legible), GreenOf(legible), BlueOf(legible), 110);
        QVector<double> t(static_cast<qsizetype>(g.x.size()));
        for (qsizetype i = 0; i < t.size(); ++i)
            t[i] = static_cast<double>(i);
        curve->setData(t, QVector<double>(g.x.begin(), g.x.end()),
                       QVector<double>(g.y.begin(), g.y.end()), true);
        if (g.line) {
            curve->setPen(QPen(colour, 1, Qt::DashLine));
        } else {
            curve->setLineStyle(QCPCurve::lsNone);
            curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colour, colour, 3));
        }
        curves_.push_back(curve);
    }
    connect(chart, &QCustomPlot::beforeReplot, this, &ChartGhosts::Widen);
}

ChartGhosts::~ChartGhosts() {
    for (QCPCurve* c : curves_)
        chart_->removePlottable(c);
}

void ChartGhosts::Widen() {
    const TChart& data = chart_->Chart();
    WidenAxis(chart_->xAxis, data.BottomAxis, curves_, false);
    WidenAxis(chart_->yAxis, data.LeftAxis, curves_, true);
    WidenAxis(chart_->yAxis2, data.RightAxis, curves_, true);
}

void ChartGhosts::Hold(ChartView* chart) {
    delete Find(chart);
    new ChartGhosts(chart);
    chart->replot(QCustomPlot::rpQueuedReplot);
}

void ChartGhosts::Release(ChartView* chart) {
    delete Find(chart);
    // The automatic axes shrink back to the live curves.
    chart->ResyncAxes();
}

int ChartGhosts::Count(ChartView* chart) {
    ChartGhosts* ghosts = Find(chart);
    return ghosts ? static_cast<int>(ghosts->curves_.size()) : 0;
}

} // namespace kelvane
