#include "CutawayPicture.h"

#include "foundations/Conversions.h"

#include <algorithm>

namespace kelvane {

void ClearPicture(Canvas& canvas) {
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
}

CutawayPicture::CutawayPicture(Canvas& canvas, const Parts& parts, double scale)
    : canvas_(canvas), parts_(parts), scale_(scale), base_(canvas.Height() - 20) {}

int CutawayPicture::Pixels(double length) const {
    return static_cast<int>(RoundHalfEven(std::clamp(length * scale_, -1.0e6, 1.0e6)));
}

void CutawayPicture::Outline(int left, int top, int right, int bottom) {
    canvas_.MoveTo(left, bottom);
    canvas_.LineTo(right, bottom);
    canvas_.LineTo(right, top);
    canvas_.LineTo(left, top);
    canvas_.LineTo(left, bottom);
}

void CutawayPicture::DrawCylinderAndDisplacer() {
    const Parts& p = parts_;
    const int right = Pixels(p.dispCylDiam) + 20;
    const int top = Row(p.dispCylHt);
    canvas_.MoveTo(20, base_ + 2);
    canvas_.SetPenColor(clRed);
    canvas_.LineTo(right, base_ + 2);
    canvas_.SetPenColor(clBlack);
    canvas_.LineTo(right, top - 1);
    canvas_.SetPenColor(clBlue);
    canvas_.LineTo(20, top - 1);
    canvas_.SetPenColor(clBlack);
    canvas_.LineTo(20, base_ + 2);

    displacerLeft = 23;
    displacerRight = Pixels(p.dispCylDiam) + 17;
    displacerTop = Row(p.dispPos + p.dispHt) + 1;
    displacerBottom = Row(p.dispPos) - 1;
    Outline(displacerLeft, displacerTop, displacerRight, displacerBottom);
}

void CutawayPicture::DrawPistonCylinderAndPiston() {
    const Parts& p = parts_;
    // The white stroke opens the passage into the displacer cylinder.
    const int right = Pixels(p.pistonDiam) + 20;
    const int top = Row(p.dispCylHt + p.pistonDiam + p.pistonTh) - 1;
    const int bottom = Row(p.dispCylHt) - 1;
    canvas_.MoveTo(21, bottom);
    canvas_.SetPenColor(clWhite);
    canvas_.LineTo(right, bottom);
    canvas_.SetPenColor(clBlack);
    canvas_.LineTo(right, top);
    canvas_.MoveTo(20, top);
    canvas_.LineTo(20, bottom);

    canvas_.SetBrushColor(clLime);
    canvas_.FillRect(21, Row(p.dispCylHt + p.pistonPos + p.pistonDiam), Pixels(p.pistonDiam) + 20,
                     Row(p.dispCylHt + p.pistonPos) + 1);
}

} // namespace kelvane
