#include "Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace kelvane {

void Canvas::Plot(int x, int y, TColor c) {
    if (x >= 0 && y >= 0 && x < Width() && y < Height())
        PutPixel(x, y, c);
}

void Canvas::FillRect(int x1, int y1, int x2, int y2) {
    int left = std::max(x1, 0), right = std::min(x2, Width());
    int top = std::max(y1, 0), bottom = std::min(y2, Height());
    if (left >= right)
        return;
    for (int y = top; y < bottom; ++y)
        FillSpan(y, left, right, brush_);
}

void Canvas::MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
}

void Canvas::LineTo(int x, int y) {
    // Bresenham, stopping one step short of the end point.
    int x0 = penX_, y0 = penY_;
    int dx = std::abs(x - x0), dy = -std::abs(y - y0);
    int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    while (x0 != x || y0 != y) {
        Plot(x0, y0, pen_);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    penX_ = x;
    penY_ = y;
}

} // namespace kelvane
