#include "WindowScaling.h"

#include "foundations/MarlUtils.h"
#include "widgets/Platform.h"
#include "widgets/WindowLook.h"

#include <QMargins>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

// Geometry grows by the whole factor; fonts only by the screen's part of it,
// as they already follow the desktop's text size (see GrownFont).
void ScaleTree(QWidget* w, double factor, double fontFactor) {
    const auto scaled = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
    for (QObject* child : w->children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow())
            continue;
        QRect g = c->geometry();
        c->setGeometry(scaled(g.x()), scaled(g.y()), scaled(g.width()), scaled(g.height()));
        QFont f = c->font();
        if (f.pointSizeF() > 0 && fontFactor != 1) {
            f.setPointSize(static_cast<int>(std::lround(f.pointSizeF() * fontFactor)));
            c->setFont(f);
        }
        ScaleTree(c, factor, fontFactor);
    }
}

void LargestEdges(QWidget* w, int& right, int& bottom) {
    for (QObject* child : w->children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow())
            continue;
        QRect g = c->geometry();
        right = Max(right, g.x() + g.width());
        bottom = Max(bottom, g.y() + g.height());
        LargestEdges(c, right, bottom);
    }
}

} // namespace

double ScaleAndFit(QWidget* window, int dpi, bool& beenScaled) {
    QSize screen = Platform::Current().ScreenSize();
    const double forScreen = dpi == 96 || screen.width() < 800 ? 1.0 : 1.3;
    const double factor = forScreen * FontGrowth();
    if (beenScaled || factor == 1)
        return 1;
    QSize client = window->size();
    ScaleTree(window, factor, forScreen);
    window->resize(static_cast<int>(std::lround(client.width() * factor)),
                   static_cast<int>(std::lround(client.height() * factor)));
    beenScaled = true;
    int right = 0, bottom = 0;
    LargestEdges(window, right, bottom);
    window->resize(window->width(), bottom);
    window->resize(right + 12, bottom);
    return factor;
}

WindowPlacement CurrentPlacement(const QWidget* window) {
    QRect g = window->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void ApplyPlacement(QWidget* window, const WindowPlacement& p) {
    // A place stored at another scale factor or on a larger screen is brought
    // back onto the available area of the screen it is (nearest) on, frame
    // and all. A frame not yet
    // known counts as 8 x 32 below and to the right, as RoomOnScreen has it.
    const QRect area =
        Platform::Current().AvailableAreaAt(QPoint(p.left + p.width / 2, p.top + p.height / 2));
    QMargins frame(window->geometry().x() - window->frameGeometry().x(),
                   window->geometry().y() - window->frameGeometry().y(),
                   window->frameGeometry().right() - window->geometry().right(),
                   window->frameGeometry().bottom() - window->geometry().bottom());
    if (frame.isNull())
        frame = QMargins(0, 0, 8, 32);
    const QRect room = area.marginsRemoved(frame);
    const int width = std::min(p.width, room.width()), height = std::min(p.height, room.height());
    const int left = std::max(room.left(), std::min(p.left, room.right() + 1 - width));
    const int top = std::max(room.top(), std::min(p.top, room.bottom() + 1 - height));
    window->setGeometry(left, top, width, height);
}

} // namespace kelvane
