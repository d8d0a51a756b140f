#include "EnterKeys.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace kelvane {

void EnterKeys::Keep(QWidget* control) {
    control->setProperty("kelvaneKeepsKeys", true);
    control->installEventFilter(this);
}

void EnterKeys::Watch(QWidget* control) {
    control->installEventFilter(this);
}

bool EnterKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (auto* button = qobject_cast<QPushButton*>(watched)) {
                button->animateClick();
                return true;
            }
            if (watched->property("kelvaneKeepsKeys").toBool())
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kelvane
