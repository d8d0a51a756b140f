#pragma once

#include "Canvas.h"

#include <vector>

namespace kelvane {

// A canvas over a plain pixel buffer: pictures drawn and checked without any toolkit.
class RasterCanvas : public Canvas {
  public:
    RasterCanvas(int width, int height, TColor fill = clWhite);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    TColor Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const std::vector<TColor>& Pixels() const { return pixels_; }

  protected:
    void PutPixel(int x, int y, TColor c) override {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = c;
    }

  private:
    int width_;
    int height_;
    std::vector<TColor> pixels_;
};

} // namespace kelvane
