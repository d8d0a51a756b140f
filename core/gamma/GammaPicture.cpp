#include "GammaPicture.h"

#include "GammaEngine.h"
#include "foundations/Conversions.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

void GammaPicture::Draw(const GammaEngine& e, Canvas& c) {
    if (!e.enable)
        return;
    const int W = c.Width();
    const int H = c.Height();

    c.SetPenColor(clBlack);
    c.SetBrushColor(clWhite);
    c.FillRect(0, 0, W, H);

    const double maxH = e.dispCylHt + e.pistonHt + e.pistonTh;
    const double maxW = e.dispCylDiam;
    const double vScale = (H - 40) / maxH;
    const double hScale = (W - 40) / maxW;
    const double scale = hScale < vScale ? hScale : vScale;
    // Dimensions never accepted by the model (all zero at start) give no scale.
    if (!std::isfinite(scale))
        return;

    // Model length to pixels; held to a range the canvas can walk through.
    auto R = [scale](double v) {
        return static_cast<int>(RoundHalfEven(std::clamp(v * scale, -1.0e6, 1.0e6)));
    };
    const int B = H - 20;

    // Displacer cylinder: red hot bottom, black walls, blue cold top.
    const int xr = R(e.dispCylDiam) + 20;
    const int yt = B - R(e.dispCylHt);
    c.MoveTo(20, B + 2);
    c.SetPenColor(clRed);
    c.LineTo(xr, B + 2);
    c.SetPenColor(clBlack);
    c.LineTo(xr, yt - 1);
    c.SetPenColor(clBlue);
    c.LineTo(20, yt - 1);
    c.SetPenColor(clBlack);
    c.LineTo(20, B + 2);

    // Displacer, three pixels in from the walls.
    const int dLeft = 23;
    const int dRight = R(e.dispCylDiam) + 17;
    const int dTop = B - R(e.dispPos + e.dispHt) + 1;
    const int dBottom = B - R(e.dispPos) - 1;
    c.MoveTo(dLeft, dBottom);
    c.LineTo(dRight, dBottom);
    c.LineTo(dRight, dTop);
    c.LineTo(dLeft, dTop);
    c.LineTo(dLeft, dBottom);

    // Piston cylinder: the white stroke opens the passage into the displacer cylinder.
    const int pRight = R(e.pistonDiam) + 20;
    const int pTop = B - R(e.dispCylHt + e.pistonDiam + e.pistonTh) - 1;
    const int pBottom = B - R(e.dispCylHt) - 1;
    c.MoveTo(21, pBottom);
    c.SetPenColor(clWhite);
    c.LineTo(pRight, pBottom);
    c.SetPenColor(clBlack);
    c.LineTo(pRight, pTop);
    c.MoveTo(20, pTop);
    c.LineTo(20, pBottom);

    // Piston block.
    c.SetBrushColor(clLime);
    c.FillRect(21, B - R(e.dispCylHt + e.pistonPos + e.pistonDiam), R(e.pistonDiam) + 20,
               B - R(e.dispCylHt + e.pistonPos) + 1);
}

} // namespace kelvane
