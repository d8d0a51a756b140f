#include "RasterCanvas.h"

#include <algorithm>

namespace kelvane {

RasterCanvas::RasterCanvas(int width, int height, TColor fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

} // namespace kelvane
