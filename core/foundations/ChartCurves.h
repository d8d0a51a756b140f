#pragma once

#include "TChart.h"

#include <string>
#include <vector>

namespace kelvane {

// A crank-angle marker (a vertical line or a single dot, kept out of the
// legend) or a reference line of two points: it tells where the crank is, not
// what the engine did, so exports, read-outs and held traces leave it out.
bool IsMarker(const TLineSeries& series);

// The chart's series that carry results, in the chart's order.
std::vector<const TLineSeries*> DataCurves(const TChart& chart);

// What the chart's x is: the bottom axis's title; untitled, the "A" of a
// chart titled "A vs B" (the net-work graphs), else the crank angle.
std::string XTitle(const TChart& chart);

// A number as short as it can be and still read back to the same double.
std::string ShortestText(double value);

} // namespace kelvane
