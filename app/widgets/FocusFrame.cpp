#include "FocusFrame.h"

#include <QEvent>
#include <QPainter>

namespace kelvane {

void FocusFrame::Attach(QWidget* control) {
    new FocusFrame(control);
}

FocusFrame::FocusFrame(QWidget* control) : QWidget(control) {
    setObjectName("FocusFrame");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(control->rect());
    hide();
    control->installEventFilter(this);
}

void FocusFrame::Paint(const QWidget* widget, QPainter& painter) {
    painter.save();
    painter.setPen(QPen(widget->palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(1, 1, -2, -2));
    painter.restore();
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        setGeometry(parentWidget()->rect());
        show();
        raise();
        break;
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::Resize:
        setGeometry(parentWidget()->rect());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(this, painter);
}

} // namespace kelvane
