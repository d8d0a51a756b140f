#pragma once

#include "Colors.h"

namespace kelvane {

// A drawing surface with the pixel rules the engine pictures rely on: a line
// leaves out its end point, and a filled rectangle leaves out its right column
// and bottom row. Subclasses only store pixels.
class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    void SetPenColor(TColor c) { pen_ = c; }
    void SetBrushColor(TColor c) { brush_ = c; }
    TColor PenColor() const { return pen_; }
    TColor BrushColor() const { return brush_; }

    // Fills x in [x1, x2) and y in [y1, y2) with the brush.
    void FillRect(int x1, int y1, int x2, int y2);
    void MoveTo(int x, int y);
    // Draws from the pen position towards (x, y), without (x, y) itself.
    void LineTo(int x, int y);
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }

  protected:
    // Called only for points inside the surface.
    virtual void PutPixel(int x, int y, TColor c) = 0;
    // Fills x in [x1, x2) of row y, all inside the surface; a surface with
    // direct access to its rows does this faster than pixel by pixel.
    virtual void FillSpan(int y, int x1, int x2, TColor c) {
        for (int x = x1; x < x2; ++x)
            PutPixel(x, y, c);
    }

  private:
    void Plot(int x, int y, TColor c);

    TColor pen_ = clBlack;
    TColor brush_ = clWhite;
    int penX_ = 0;
    int penY_ = 0;
};

} // namespace kelvane
