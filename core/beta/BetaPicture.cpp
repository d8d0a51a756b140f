#include "BetaPicture.h"

#include "BetaEngine.h"
#include "common/CutawayPicture.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr TColor clGrey = 0x808080;

void Outline(Canvas& c, int left, int top, int right, int bottom) {
    c.MoveTo(left, top);
    c.LineTo(right, top);
    c.LineTo(right, bottom);
    c.LineTo(left, bottom);
    c.LineTo(left, top);
}

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

void BetaPicture::Draw(const BetaEngine& e, Canvas& c) {
    if (!e.analysed)
        return;
    ClearPicture(c);
    const BetaParameters& p = e.parameters;
    // In mm: the displacer is half a bore long, the piston a quarter; the
    // piston's highest top lies the overlap above the displacer's lowest bottom.
    const double dispLength = p.bore / 2;
    const double pistonLength = p.bore / 4;
    const double overlap = e.model.overlap / e.model.area * 10;
    const double pistonHighest = dispLength + p.displacerStroke - overlap;
    const double length = pistonHighest + p.pistonStroke + pistonLength;

    constexpr int kTop = 10, kCrankRoom = 30, kLeft = 16, kDuct = 40;
    const double scale =
        std::min((c.Width() - kLeft - kDuct) / p.bore, (c.Height() - kTop - kCrankRoom) / length);
    if (!std::isfinite(scale) || !(scale > 0))
        return;
    auto px = [scale](double mm) {
        return static_cast<int>(std::lround(std::clamp(mm * scale, -1e5, 1e5)));
    };
    const int left = kLeft, right = kLeft + px(p.bore);
    auto row = [&](double mm) { return kTop + px(mm); };
    const int bottom = row(length);
    const int centre = (left + right) / 2;

    // The cooled walls around the cold space, the hot end and its walls.
    const int coldTop = row(dispLength + p.displacerStroke / 2);
    const int coldBottom = row(pistonHighest + p.pistonStroke / 2);
    c.SetBrushColor(clBlue);
    c.FillRect(left - 5, coldTop, left, coldBottom);
    c.FillRect(right + 1, coldTop, right + 6, coldBottom);
    c.SetBrushColor(clRed);
    c.FillRect(left - 5, kTop - 6, right + 6, kTop);
    c.FillRect(left - 5, kTop, left, row(dispLength / 2));
    c.FillRect(right + 1, kTop, right + 6, row(dispLength / 2));

    // The regenerator's duct from the hot end to the cold space.
    const int ductLeft = right + 10, ductRight = right + 24;
    const int port = row(pistonHighest) - 2;
    c.SetPenColor(clBlack);
    Outline(c, left - 1, kTop - 1, right + 1, bottom);
    c.SetBrushColor(clWhite);
    c.FillRect(left, kTop, right + 1, bottom);
    Line(c, right, kTop + 2, ductLeft, kTop + 2);
    Line(c, right, kTop + 6, ductLeft, kTop + 6);
    Outline(c, ductLeft, kTop + 2, ductRight, port + 4);
    Line(c, right, port, ductLeft, port);
    Line(c, right, port + 4, ductLeft, port + 4);
    c.SetBrushColor(clWhite);
    c.FillRect(right, kTop + 3, ductLeft + 1, kTop + 6);
    c.FillRect(right, port + 1, ductLeft + 1, port + 4);
    c.FillRect(ductLeft + 1, kTop + 3, ductRight, port + 4);
    const int regenTop = (kTop + port) / 2 - 12, regenBottom = (kTop + port) / 2 + 12;
    c.SetBrushColor(clSilver);
    c.FillRect(ductLeft + 1, regenTop, ductRight, regenBottom);
    for (int y = regenTop; y < regenBottom; y += 4)
        Line(c, ductLeft + 1, y + (ductRight - ductLeft - 1), ductRight, y);
    c.SetBrushColor(clWhite);
    c.FillRect(ductLeft + 1, regenBottom, ductRight, regenBottom + 4);
    c.FillRect(ductLeft + 1, regenTop - 4, ductRight, regenTop);
    Outline(c, ductLeft, regenTop, ductRight, regenBottom);

    // The displacer and the piston at the crank angle shown.
    const int dispTop = row(e.state.displacerPos);
    const int dispBottom = row(e.state.displacerPos + dispLength);
    c.SetBrushColor(clGrey);
    c.FillRect(left + 2, dispTop, right - 1, dispBottom);
    Outline(c, left + 2, dispTop, right - 2, dispBottom);
    const int pistonTop = row(pistonHighest + e.state.pistonPos);
    const int pistonBottom = row(pistonHighest + e.state.pistonPos + pistonLength);
    c.SetBrushColor(clLime);
    c.FillRect(left, pistonTop, right, pistonBottom);
    Outline(c, left, pistonTop, right - 1, pistonBottom);

    // The rods down to the crank pins, the piston's lagging the displacer's.
    const int crankY = bottom + kCrankRoom / 2 + 2;
    const int radius = kCrankRoom / 2 - 4;
    const double angle = e.shownAngle;
    auto pin = [&](double degrees, int& x, int& y) {
        x = centre + static_cast<int>(std::lround(radius * BetaModel::SinDegrees(degrees)));
        y = crankY - static_cast<int>(std::lround(radius * BetaModel::CosDegrees(degrees)));
    };
    int dx = 0, dy = 0, qx = 0, qy = 0;
    pin(angle, dx, dy);
    pin(angle - p.phaseAngle, qx, qy);
    const int rodOffset = (right - left) / 4;
    c.SetPenColor(clGrey);
    Line(c, centre - rodOffset, pistonBottom, qx, qy);
    Line(c, centre + rodOffset, pistonBottom, qx, qy);
    Line(c, centre - 1, dispBottom, dx - 1, dy);
    c.SetPenColor(clBlack);
    Line(c, centre, dispBottom, dx, dy);
    Line(c, centre, crankY, dx, dy);
    Line(c, centre, crankY, qx, qy);
    c.SetBrushColor(clBlack);
    c.FillRect(centre - 1, crankY - 1, centre + 2, crankY + 2);
}

} // namespace kelvane
