#include "FrameLayout.h"

#include "shell/FrameTraits.h"
#include "widgets/ChartView.h"
#include "widgets/WindowLook.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kelvane {

namespace {

// The smallest sizes at which nothing overlaps or is cut: a chart still shows
// its title, axis numbers apart and legend; the picture still shows the engine.
constexpr int kMinimumChartWidth = 360;
constexpr int kMinimumChartHeight = 140;
constexpr int kMinimumPictureWidth = 110;

} // namespace

FrameLayout::FrameLayout(const FrameTraits& traits, Parts parts,
                         std::function<void()> onPictureResized)
    : traits_(traits), parts_(parts), onPictureResized_(std::move(onPictureResized)) {}

int FrameLayout::GridWidth() const {
    const QTableWidget* grid = parts_.grid;
    return grid->columnWidth(0) + grid->columnWidth(1) + 2 * grid->frameWidth();
}

void FrameLayout::UpdateMinimumSize() {
    const auto scaled = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
    const int band = scaled(traits_.inputPanelWidth) + scaled(kMinimumPictureWidth) + GridWidth();
    // A screen too small for it (a large scale factor) lowers the minimum: a
    // window must open wholly on the screen.
    const QSize room = RoomOnScreen(parts_.window);
    parts_.window->setMinimumSize(
        std::min(std::max(band, 2 * scaled(kMinimumChartWidth)), room.width()),
        std::min(scaled(traits_.topBandHeight) + 2 * scaled(kMinimumChartHeight), room.height()));
}

void FrameLayout::Scaled(double factor) {
    scale_ = factor;
    UpdateMinimumSize();
    LayoutBands();
    QTableWidget* grid = parts_.grid;
    grid->verticalHeader()->setDefaultSectionSize((grid->height() + 12) / 13);
}

WindowPlacement FrameLayout::Fitted(const WindowPlacement& placement) const {
    const QWidget* window = parts_.window;
    const QSize room = RoomOnScreen(window);
    return placement.Clamped(window->minimumWidth(), window->minimumHeight(), room.width(),
                             room.height());
}

void FrameLayout::LayoutBands() {
    int w = parts_.window->width(), h = parts_.window->height();
    int band = static_cast<int>(std::lround(traits_.topBandHeight * scale_));
    int inputWidth = static_cast<int>(std::lround(traits_.inputPanelWidth * scale_));
    // The picture gives way to the grid down to its minimum width; the grid
    // takes what a wider window adds.
    const int pictureWidth =
        std::clamp(w - inputWidth - GridWidth(), static_cast<int>(kMinimumPictureWidth * scale_),
                   static_cast<int>(std::lround(traits_.pictureWidth * scale_)));
    parts_.topBand->setGeometry(0, 0, w, band);
    parts_.inputPanel->setGeometry(0, 0, inputWidth, band);
    QLabel* picture = parts_.picture;
    const QSize pictureBefore = picture->size();
    picture->setGeometry(inputWidth, 1, pictureWidth, std::max(band - 2, 1));
    if (picture->size() != pictureBefore && parts_.charts[0])
        onPictureResized_();
    parts_.grid->setGeometry(inputWidth + pictureWidth, 0,
                             std::max(w - inputWidth - pictureWidth, 0), band);
    parts_.chartPanel->setGeometry(0, band, w, std::max(h - band, 0));
}

bool FrameLayout::LayoutCharts() {
    const std::span<ChartView* const, 5> charts = parts_.charts;
    if (!charts[0])
        return false;
    int w = parts_.chartPanel->width() / 2, h = parts_.chartPanel->height() / 2;
    charts[0]->setGeometry(0, 0, w, h);
    charts[1]->setGeometry(w, 0, w, h);
    charts[2]->setGeometry(0, h, w, h);
    charts[3]->setGeometry(w, h, w, h);
    return true;
}

} // namespace kelvane
