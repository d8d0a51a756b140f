#include "ChartReadOut.h"

#include "ChartView.h"
#include "foundations/NearestPoint.h"
#include "shell/Languages.h"
#include "widgets/WindowLook.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {
// The caption in the student's language; the number as the grid writes it.
QString Shown(const ReadOutLine& line) {
    return CoreText(line.caption) + ": " + QString::fromStdString(line.value);
}
} // namespace

ChartReadOut* ChartReadOut::Attach(ChartView* chart) {
    return new ChartReadOut(chart);
}

ChartReadOut* ChartReadOut::Of(ChartView* chart) {
    return chart->findChild<ChartReadOut*>(QString(), Qt::FindDirectChildrenOnly);
}

ChartReadOut::ChartReadOut(ChartView* chart)
    : QObject(chart), chart_(chart), box_(new QLabel(chart)) {
    box_->setObjectName("ReadOut");
    box_->setStyleSheet("QLabel { background-color: rgba(255, 255, 225, 230); color: black; "
                        "border: 1px solid #808080; padding: 1px 3px; }");
    box_->setFont(GrownFont("DejaVu Sans", 7));
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    box_->hide();
    chart->setMouseTracking(true);
    chart->installEventFilter(this);
}

bool ChartReadOut::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chart_) {
        if (event->type() == QEvent::MouseMove)
            ShowAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide)
            Hide();
    }
    return false;
}

void ChartReadOut::ShowAt(QPoint position) {
    QStringList lines;
    if (chart_->ChartRect().contains(position)) {
        if (loop_) {
            lines = LoopLines(position);
        } else {
            for (const ReadOutLine& line :
                 ReadOutLinesAt(chart_->Chart(), chart_->xAxis->pixelToCoord(position.x())))
                lines << Shown(line);
        }
    }
    if (lines.isEmpty()) {
        Hide();
        return;
    }
    box_->setText(lines.join('\n'));
    box_->adjustSize();
    // Beside the pointer, turned back inside the chart near its edges.
    QPoint at = position + QPoint(12, 12);
    if (at.x() + box_->width() > chart_->width())
        at.rx() = position.x() - 12 - box_->width();
    if (at.y() + box_->height() > chart_->height())
        at.ry() = position.y() - 12 - box_->height();
    box_->move(std::max(at.x(), 0), std::max(at.y(), 0));
    box_->show();
    box_->raise();
}

QStringList ChartReadOut::LoopLines(QPoint position) {
    const std::vector<LoopPoint> loop = loop_();
    QCPAxis* x = chart_->xAxis;
    QCPAxis* y = chart_->yAxis;
    const LoopReadOut readOut = LoopReadOutAt(loop, chart_->Chart(), x->pixelToCoord(position.x()),
                                              y->pixelToCoord(position.y()),
                                              std::fabs(x->coordToPixel(1) - x->coordToPixel(0)),
                                              std::fabs(y->coordToPixel(1) - y->coordToPixel(0)));
    QStringList lines;
    for (const ReadOutLine& line : readOut.lines)
        lines << Shown(line);
    if (readOut.nearest >= 0 && arrows_.empty())
        ShowArrows(loop);
    return lines;
}

void ChartReadOut::ShowArrows(const std::vector<LoopPoint>& loop) {
    for (const TravelArrow& a : TravelArrows(loop, 2)) {
        auto* line = new QCPItemLine(chart_);
        line->start->setCoords(a.fromX, a.fromY);
        line->end->setCoords(a.toX, a.toY);
        line->setHead(QCPLineEnding(QCPLineEnding::esSpikeArrow, 10, 12));
        line->setPen(QPen(QColor(0x80, 0, 0), 2));
        line->setSelectable(false);
        arrows_.push_back(line);
    }
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

void ChartReadOut::RemoveArrows() {
    if (arrows_.empty())
        return;
    for (QCPItemLine* line : arrows_)
        chart_->removeItem(line);
    arrows_.clear();
    chart_->replot(QCustomPlot::rpQueuedReplot);
}

void ChartReadOut::Hide() {
    box_->hide();
    RemoveArrows();
}

} // namespace kelvane
