#pragma once

#include "foundations/Canvas.h"

namespace kelvane {

// Fills the whole canvas white, with the pen black: every picture starts so.
void ClearPicture(Canvas& canvas);

// The cut-away drawing the two displacer engines share: the displacer
// cylinder (red hot bottom, black walls, blue cold top), the displacer three
// pixels in from the walls, and the power piston's cylinder standing on the
// cylinder top, open into it, with the piston as a lime block. Lengths are in
// the model's unit; the cylinder bottom stands 20 pixels above the canvas
// bottom and the left wall 20 pixels in.
class CutawayPicture {
  public:
    struct Parts {
        double dispCylDiam, dispCylHt, dispHt, dispPos;
        double pistonDiam, pistonTh, pistonPos;
    };

    // scale is pixels per model unit, finite.
    CutawayPicture(Canvas& canvas, const Parts& parts, double scale);

    // A length in pixels, held to a range the canvas can walk through.
    int Pixels(double length) const;
    // The row of a height above the cylinder bottom.
    int Row(double height) const { return base_ - Pixels(height); }

    // The cylinder and the displacer; then the displacer's edges are known.
    void DrawCylinderAndDisplacer();
    void DrawPistonCylinderAndPiston();

    // The outline of a rectangle, bottom edge first, anticlockwise.
    void Outline(int left, int top, int right, int bottom);

    int displacerLeft = 0, displacerRight = 0, displacerTop = 0, displacerBottom = 0;

  private:
    Canvas& canvas_;
    Parts parts_;
    double scale_;
    int base_; // the cylinder bottom's row
};

} // namespace kelvane
