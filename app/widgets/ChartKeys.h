#pragma once

#include <QObject>

#include <functional>
#include <optional>

namespace kelvane {

class ChartView;

// The keyboard on a chart along the crank angle: Left and Right (or Down and
// Up) move the crank a step, Page Down and Page Up 45 degrees, Home and End
// to 0 and 360, as a click at that angle does; Shift+F10 opens the chart's
// menu as the Menu key does. The chart takes the focus by Tab and by click.
class ChartKeys : public QObject {
  public:
    // angle: where the crank is (nothing while its box holds no whole
    // number); moveTo: a click landing on an angle.
    static void Attach(ChartView* chart, std::function<std::optional<int>()> angle,
                       std::function<void(int)> moveTo);

    static constexpr int kStep = 5;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ChartKeys(ChartView* chart, std::function<std::optional<int>()> angle,
              std::function<void(int)> moveTo);

    ChartView* chart_;
    std::function<std::optional<int>()> angle_;
    std::function<void(int)> moveTo_;
};

} // namespace kelvane
