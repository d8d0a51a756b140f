#pragma once

#include "Platform.h"
#include "foundations/Colors.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

namespace kelvane {

// How much larger the desktop's text is than the 9 points the windows were
// designed beside (Qt's own default where the desktop says nothing); never
// below 1, so a smaller desktop font leaves the windows as designed.
inline double FontGrowth() {
    const double points = QApplication::font().pointSizeF();
    return points > 9 ? points / 9 : 1.0;
}

// A font of the windows' design size, grown as the desktop's text is.
inline QFont GrownFont(const char* family, double designedPoints) {
    QFont font(family);
    font.setPointSizeF(designedPoints * FontGrowth());
    return font;
}

// The look the simulator and graph windows share: a 7-point font on the light
// grey ground they were designed on. A dark desktop keeps its own ground,
// since its text colour is meant for that.
inline void ApplyWindowLook(QWidget* window) {
    window->setFont(GrownFont("DejaVu Sans", 7));
    QPalette pal = window->palette();
    if (pal.color(QPalette::Window).lightness() >= 128)
        pal.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

// A colour of text that must stay its hue (red for hot, blue for cold), as
// legible on the control's ground as text must be.
inline QColor LegibleText(QColor colour, const QWidget* on) {
    const QColor ground = on->palette().color(on->backgroundRole());
    const TColor legible = LegibleOn(static_cast<TColor>(colour.rgb() & 0xFFFFFF),
                                     static_cast<TColor>(ground.rgb() & 0xFFFFFF), 4.5);
    return QColor(RedOf(legible), GreenOf(legible), BlueOf(legible));
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
