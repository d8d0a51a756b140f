#include "RingbomPicture.h"

#include "RingbomModel.h"
#include "common/CutawayPicture.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvane {

void RingbomPicture::Draw(const RingbomModel& m, Canvas& canvas) {
    ClearPicture(canvas);
    // The picture's extent: the piston cylinder on the cylinder top, or the
    // rod, twice the travel long, on a displacer at its upper stop; the
    // wider of the two cylinders, or the rod on the cylinder's centre.
    const double travel = m.dispCylHt - m.dispHt;
    const double maxH = std::max(m.dispCylHt + m.pistonHt + m.pistonTh, m.dispCylHt + 2 * travel);
    const double maxW =
        std::max({m.dispCylDiam, m.pistonDiam, (m.dispCylDiam + m.dPistonDiam) / 2});
    // A zero width or height gives no scale in that direction; with neither
    // the picture stays blank.
    const double inf = std::numeric_limits<double>::infinity();
    double hScale = maxW > 0 ? (canvas.Width() - 40) / maxW : inf;
    // A rod wider than its cylinder reaches left of the cylinder's wall: no
    // further than the margin of 20 pixels there, keeping 2 of them.
    if (m.dPistonDiam > m.dispCylDiam)
        hScale = std::min(hScale, 36 / (m.dPistonDiam - m.dispCylDiam));
    const double vScale = maxH > 0 ? (canvas.Height() - 40) / maxH : inf;
    const double scale = std::min(hScale, vScale);
    if (!std::isfinite(scale))
        return;
    CutawayPicture picture(
        canvas,
        {m.dispCylDiam, m.dispCylHt, m.dispHt, m.dispPos, m.pistonDiam, m.pistonTh, m.pistonPos},
        scale);
    picture.DrawCylinderAndDisplacer();

    // Rod, twice the displacer travel long, through an opening in the top.
    const int centre = (picture.displacerLeft + picture.displacerRight) / 2;
    const int hw = picture.Pixels(m.dPistonDiam / 2);
    const int rodLeft = centre - hw;
    const int rodRight = centre + hw;
    const int rodBottom = picture.displacerTop;
    const int rodTop = rodBottom - picture.Pixels(2 * (m.dispCylHt - m.dispHt));
    const int cy = picture.Row(m.dispCylHt) - 1;
    canvas.MoveTo(rodLeft, cy);
    canvas.SetPenColor(clWhite);
    canvas.LineTo(rodRight, cy);
    canvas.SetPenColor(clBlack);
    picture.Outline(rodLeft, rodTop, rodRight, rodBottom);

    picture.DrawPistonCylinderAndPiston();
}

} // namespace kelvane
