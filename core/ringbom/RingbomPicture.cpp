#include "RingbomPicture.h"

#include "RingbomModel.h"
#include "foundations/Conversions.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvane {

void RingbomPicture::Draw(const RingbomModel& m, Canvas& canvas) {
    const int W = canvas.Width();
    const int H = canvas.Height();
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(0, 0, W, H);

    const double maxH = m.dispCylHt + m.pistonHt + m.pistonTh;
    const double maxW = m.dispCylDiam;
    // A zero width or height gives no scale in that direction; with neither
    // the picture stays blank.
    const double inf = std::numeric_limits<double>::infinity();
    const double hScale = maxW > 0 ? (W - 40) / maxW : inf;
    const double vScale = maxH > 0 ? (H - 40) / maxH : inf;
    const double scale = std::min(hScale, vScale);
    if (!std::isfinite(scale))
        return;
    auto R = [scale](double v) {
        return static_cast<int>(RoundHalfEven(std::clamp(v * scale, -1e6, 1e6)));
    };
    const int yb = H - 20;

    // Displacer cylinder: red hot end below, blue cold end on top.
    const int left = 20;
    const int right = R(m.dispCylDiam) + 20;
    const int top = yb - R(m.dispCylHt);
    const int bottom = yb + 1;
    canvas.MoveTo(left, bottom + 1);
    canvas.SetPenColor(clRed);
    canvas.LineTo(right, bottom + 1);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(right, top - 1);
    canvas.SetPenColor(clBlue);
    canvas.LineTo(left, top - 1);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(left, bottom + 1);

    // Displacer body, 3 pixels inside each wall.
    const int dLeft = 23;
    const int dRight = R(m.dispCylDiam) + 17;
    const int dTop = yb - R(m.dispPos + m.dispHt) + 1;
    const int dBottom = yb - R(m.dispPos) - 1;
    canvas.MoveTo(dLeft, dBottom);
    canvas.LineTo(dRight, dBottom);
    canvas.LineTo(dRight, dTop);
    canvas.LineTo(dLeft, dTop);
    canvas.LineTo(dLeft, dBottom);

    // Rod, twice the displacer travel long, through an opening in the top.
    const int centre = (dLeft + dRight) / 2;
    const int hw = R(m.dPistonDiam / 2);
    const int rodLeft = centre - hw;
    const int rodRight = centre + hw;
    const int rodBottom = dTop;
    const int rodTop = rodBottom - R(2 * (m.dispCylHt - m.dispHt));
    const int cy = yb - R(m.dispCylHt) - 1;
    canvas.MoveTo(rodLeft, cy);
    canvas.SetPenColor(clWhite);
    canvas.LineTo(rodRight, cy);
    canvas.SetPenColor(clBlack);
    canvas.MoveTo(rodLeft, rodBottom);
    canvas.LineTo(rodRight, rodBottom);
    canvas.LineTo(rodRight, rodTop);
    canvas.LineTo(rodLeft, rodTop);
    canvas.LineTo(rodLeft, rodBottom);

    // Power piston cylinder on the cylinder top, open below and above.
    const int pLeft = 20;
    const int pRight = R(m.pistonDiam) + 20;
    const int pTop = yb - R(m.dispCylHt + m.pistonDiam + m.pistonTh) - 1;
    const int pBottom = cy;
    canvas.MoveTo(pLeft + 1, pBottom);
    canvas.SetPenColor(clWhite);
    canvas.LineTo(pRight, pBottom);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(pRight, pTop);
    canvas.MoveTo(pLeft, pTop);
    canvas.LineTo(pLeft, pBottom);

    canvas.SetBrushColor(clLime);
    canvas.FillRect(21, yb - R(m.dispCylHt + m.pistonPos + m.pistonDiam), R(m.pistonDiam) + 20,
                    yb - R(m.dispCylHt + m.pistonPos) + 1);
}

} // namespace kelvane
