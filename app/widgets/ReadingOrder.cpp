#include "ReadingOrder.h"

#include <QWidget>

#include <algorithm>

namespace kelvane {

namespace {

// Controls whose tops lie within this of a row's first control read as one
// row; a tall control (an upright slider) does not pull the rows beside it
// into its own.
constexpr int kRowSlack = 10;

bool TakesTab(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->isWindow();
}

} // namespace

std::vector<QWidget*> ReadingOrder(std::span<QWidget* const> panels) {
    std::vector<QWidget*> order;
    for (QWidget* panel : panels) {
        if (!panel)
            continue;
        if (TakesTab(panel)) {
            order.push_back(panel);
            continue;
        }
        struct Placed {
            QWidget* w;
            QRect at;
        };
        std::vector<Placed> controls;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            // A control inside another (a chart's read-out, a spin box's
            // editor) goes with it.
            bool inner = false;
            for (QWidget* p = w->parentWidget(); p && p != panel; p = p->parentWidget())
                inner = inner || TakesTab(p) || p->isWindow();
            if (TakesTab(w) && !inner)
                controls.push_back({w, QRect(w->mapTo(panel, QPoint(0, 0)), w->size())});
        }
        std::stable_sort(controls.begin(), controls.end(),
                         [](const Placed& a, const Placed& b) { return a.at.top() < b.at.top(); });
        for (std::size_t first = 0; first < controls.size();) {
            const int limit =
                controls[first].at.top() + std::min(kRowSlack, controls[first].at.height() / 2);
            std::size_t end = first + 1;
            while (end < controls.size() && controls[end].at.top() <= limit)
                ++end;
            std::stable_sort(
                controls.begin() + static_cast<std::ptrdiff_t>(first),
                controls.begin() + static_cast<std::ptrdiff_t>(end),
                [](const Placed& a, const Placed& b) { return a.at.left() < b.at.left(); });
            for (std::size_t i = first; i < end; ++i)
                order.push_back(controls[i].w);
            first = end;
        }
    }
    return order;
}

void SetReadingTabOrder(std::span<QWidget* const> panels) {
    const std::vector<QWidget*> order = ReadingOrder(panels);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace kelvane
