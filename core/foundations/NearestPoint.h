#pragma once

#include "LoopTravel.h"
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

// One line of a read-out: a caption, which a window translates, and a number.
struct ReadOutLine {
    std::string caption;
    std::string value;
    std::string Text() const { return caption + ": " + value; }
};

// What the mouse read-out shows over a chart whose curves run along x (the
// crank angle, a swept parameter): the recorded x nearest to x over all data
// curves, titled as XTitle says, then each data
// curve's title and value there. Empty when the chart has no data.
std::vector<ReadOutLine> ReadOutLinesAt(const TChart& chart, double x);
// The same lines as texts.
std::vector<std::string> ReadOutAt(const TChart& chart, double x);

// What the read-out shows over a loop chart: the loop's point nearest to
// (x, y), scaled as NearestInPlane says (-1 for an empty loop), and its
// angle where known, volume and pressure, captioned by the chart's axes.
struct LoopReadOut {
    int nearest = -1;
    std::vector<ReadOutLine> lines;
};
LoopReadOut LoopReadOutAt(const std::vector<LoopPoint>& loop, const TChart& chart, double x,
                          double y, double xScale, double yScale);

// A read-out number: five significant digits are plenty on a chart.
std::string ReadOutNumber(double value);

} // namespace kelvane
