#pragma once

#include "TChart.h"

#include <span>
#include <string>
#include <vector>

namespace kelvane {

// The index of the point whose x is nearest to x; of equally near points the
// first. -1 for an empty series. A binary search on series kept in x order.
int NearestByX(const TLineSeries& series, double x);

// The index of the point nearest to (x, y), with distances measured after
// scaling each axis (pixels per unit), so that a chart's flat and steep
// directions count alike. -1 when there are no points.
int NearestInPlane(std::span<const double> xs, std::span<const double> ys, double x, double y,
                   double xScale, double yScale);

// What the mouse read-out shows over a chart whose curves run along x (the
// crank angle, a swept parameter): the recorded x nearest to x over all data
// curves, titled as XTitle says, then each data
// curve's title and value there. Empty when the chart has no data.
std::vector<std::string> ReadOutAt(const TChart& chart, double x);

// A read-out number: five significant digits are plenty on a chart.
std::string ReadOutNumber(double value);

} // namespace kelvane
