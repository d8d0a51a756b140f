#pragma once

#include "foundations/WindowPlacement.h"

class QWidget;

namespace kelvane {

// Scales a window once: by 130/100 when the screen is not 96 dpi and at least
// 800 pixels wide, and by as much as the desktop's text is larger than the
// design's (FontGrowth); then fits its client area to its controls. Returns
// the factor, 1 when nothing was scaled.
double ScaleAndFit(QWidget* window, int dpi, bool& beenScaled);

// Placements are of the client area: frame sizes differ between desktops, and
// storing the frame while restoring the client would creep at every run.
WindowPlacement CurrentPlacement(const QWidget* window);
// The window lies wholly on the screen's available area afterwards, moved
// (and at most shrunk to the area) where the placement runs off it.
void ApplyPlacement(QWidget* window, const WindowPlacement& placement);

} // namespace kelvane
