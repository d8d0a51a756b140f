#pragma once

#include "TLineSeries.h"

#include <vector>

namespace kelvane {

// One point of a pressure-volume loop in the order the engine travels it,
// in the loop chart's units; angle is NaN where the record does not say.
struct LoopPoint {
    double angle;
    double x, y;
};

// The loop rebuilt from curves along the crank angle (volume and pressure,
// recorded at the same angles): the loop chart keeps its points sorted by
// volume, which loses the order of travel. The curves are mapped onto the
// loop's extents, as they are scaled copies of the same values.
std::vector<LoopPoint> LoopFromAngleCurves(const TLineSeries& volume, const TLineSeries& pressure,
                                           const TLineSeries& loop);
// A loop recorded in the order of travel (kept in insertion order).
std::vector<LoopPoint> LoopInRecordedOrder(const TLineSeries& loop);

struct TravelArrow {
    double fromX, fromY, toX, toY;
};
// count arrows spread evenly along the loop, each from a point to one a
// thirty-sixth of the loop further on (wrapping past the end): the way the
// engine goes round. None for fewer than three points.
std::vector<TravelArrow> TravelArrows(const std::vector<LoopPoint>& loop, int count);

} // namespace kelvane
