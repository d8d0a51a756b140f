#pragma once

#include "foundations/WindowPlacement.h"

#include <functional>
#include <span>

class QLabel;
class QTableWidget;
class QWidget;

namespace kelvane {

class ChartView;
struct FrameTraits;

// Lays a simulator window out in bands: the input panel, the engine's picture
// and the statistics grid side by side on top, four charts in two rows under
// them. Keeps the window no smaller than shows all of that, and grows it all
// by the factor the window was scaled by for the screen or the desktop's text.
class FrameLayout {
  public:
    struct Parts {
        QWidget* window;
        QWidget* topBand;
        QWidget* inputPanel;
        QLabel* picture;
        QTableWidget* grid;
        QWidget* chartPanel;
        std::span<ChartView* const, 5> charts;
    };
    // onPictureResized draws the picture anew at its new size.
    FrameLayout(const FrameTraits& traits, Parts parts, std::function<void()> onPictureResized);

    // Input panel, the smallest picture and the grid side by side over two
    // rows of charts at their smallest.
    void UpdateMinimumSize();
    // The bands to the window's size.
    void LayoutBands();
    // Charts 1 to 4 in two rows filling the chart panel; false until the charts exist.
    bool LayoutCharts();
    // After the window was scaled up by factor for the screen or the desktop's text.
    void Scaled(double factor);
    // A placement whose size lies between the window's minimum and the room
    // the screen's available area gives it.
    WindowPlacement Fitted(const WindowPlacement& placement) const;

  private:
    // What the grid's columns take, frame included.
    int GridWidth() const;

    const FrameTraits& traits_;
    Parts parts_;
    std::function<void()> onPictureResized_;
    double scale_ = 1.0;
};

} // namespace kelvane
