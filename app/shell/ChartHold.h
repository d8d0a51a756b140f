#pragma once

#include <functional>
#include <span>

class QCheckBox;
class QWidget;

namespace kelvane {

class ChartView;

// Hold: while it is ticked every chart keeps a faint, dashed copy of its
// curves as they were at the tick, to compare a change with them.
class ChartHold {
  public:
    // The check box at x, y of the panel (not a stored setting); toggled gets
    // its ticks and unticks.
    static QCheckBox* AddBox(QWidget* panel, int x, int y, QWidget* context,
                             const std::function<void(bool)>& toggled);
    static void Apply(std::span<ChartView* const> charts, bool held);
};

} // namespace kelvane
