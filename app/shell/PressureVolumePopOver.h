#pragma once

class QPushButton;
class QWidget;

namespace kelvane {

class ChartView;

// The pressure-volume chart that Show PV lays over the top left chart, or
// the top right one after a click on it.
class PressureVolumePopOver {
  public:
    // Hidden until shown; height until the first layout.
    void Attach(ChartView* chart, int height);
    // Shows or hides the chart; the button's caption says which comes next.
    void Toggle(QPushButton* button);
    // A click on the chart moves it to the other side.
    void SwapSide() { onRight_ = !onRight_; }
    // Covers the top left or top right of the chart panel's quarters exactly.
    void Place(const QWidget* chartPanel);

  private:
    ChartView* chart_ = nullptr;
    bool onRight_ = false;
};

} // namespace kelvane
