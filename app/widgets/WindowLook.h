#pragma once

#include "Platform.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace kelvane {

// The look the simulator and graph windows share: a 7-point font on the light
// grey ground they were designed on.
inline void ApplyWindowLook(QWidget* window) {
    window->setFont(QFont("DejaVu Sans", 7));
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

// A child widget known by its name, as the windows' panels and pictures are.
template <class W = QWidget> W* NamedChild(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(name);
    return w;
}

// The room the screen's available area leaves for a window's client area:
// less its frame and title bar, taken as typical ones while the window
// manager has not framed the window yet.
inline QSize RoomOnScreen(const QWidget* window) {
    QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.isEmpty())
        frame = QSize(8, 32);
    return Platform::Current().AvailableArea().size() - frame;
}

} // namespace kelvane
