#pragma once

#include <span>
#include <vector>

class QWidget;

namespace kelvane {

// The controls Tab reaches in a window, panel after panel, and within a
// panel in reading order: row by row from the top, left to right within a
// row. A panel that takes the focus itself (a picture, a grid) is its own
// one control.
std::vector<QWidget*> ReadingOrder(std::span<QWidget* const> panels);
// Chains the tab order of the window through ReadingOrder(panels).
void SetReadingTabOrder(std::span<QWidget* const> panels);

} // namespace kelvane
