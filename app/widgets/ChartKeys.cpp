#include "ChartKeys.h"

#include "ChartView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace kelvane {

void ChartKeys::Attach(ChartView* chart, std::function<std::optional<int>()> angle,
                       std::function<void(int)> moveTo) {
    new ChartKeys(chart, std::move(angle), std::move(moveTo));
}

ChartKeys::ChartKeys(ChartView* chart, std::function<std::optional<int>()> angle,
                     std::function<void(int)> moveTo)
    : QObject(chart), chart_(chart), angle_(std::move(angle)), moveTo_(std::move(moveTo)) {
    chart->setFocusPolicy(Qt::StrongFocus);
    chart->installEventFilter(this);
}

bool ChartKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != chart_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
        const QPoint centre = chart_->rect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre, chart_->mapToGlobal(centre));
        QCoreApplication::sendEvent(chart_, &menu);
        return true;
    }
    const std::optional<int> angle = angle_();
    if (!angle)
        return false;
    std::optional<int> to;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        to = *angle - kStep;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        to = *angle + kStep;
        break;
    case Qt::Key_PageDown:
        to = *angle - 45;
        break;
    case Qt::Key_PageUp:
        to = *angle + 45;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = 360;
        break;
    default:
        return false;
    }
    moveTo_(*to);
    return true;
}

} // namespace kelvane
