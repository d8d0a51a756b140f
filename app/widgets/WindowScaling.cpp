#include "WindowScaling.h"

#include "foundations/MarlUtils.h"
#include "widgets/Platform.h"

#include <QWidget>

#include <cmath>

namespace kelvane {

namespace {

int Scaled(int v) {
    return static_cast<int>(std::lround(v * 130.0 / 100.0));
}

void ScaleTree(QWidget* w) {
    for (QObject* child : w->children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow())
            continue;
        QRect g = c->geometry();
        c->setGeometry(Scaled(g.x()), Scaled(g.y()), Scaled(g.width()), Scaled(g.height()));
        QFont f = c->font();
        if (f.pointSizeF() > 0) {
            f.setPointSize(static_cast<int>(std::lround(f.pointSizeF() * 130.0 / 100.0)));
            c->setFont(f);
        }
        ScaleTree(c);
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

bool ScaleAndFit(QWidget* window, int dpi, bool& beenScaled) {
    QSize screen = Platform::Current().ScreenSize();
    if (beenScaled || dpi == 96 || screen.width() < 800)
        return false;
    QSize client = window->size();
    ScaleTree(window);
    window->resize(Scaled(client.width()), Scaled(client.height()));
    beenScaled = true;
    int right = 0, bottom = 0;
    LargestEdges(window, right, bottom);
    window->resize(window->width(), bottom);
    window->resize(right + 12, bottom);
    return true;
}

WindowPlacement CurrentPlacement(const QWidget* window) {
    QRect g = window->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void ApplyPlacement(QWidget* window, const WindowPlacement& p) {
    window->setGeometry(p.left, p.top, p.width, p.height);
}

} // namespace kelvane
