#pragma once

#include "TChart.h"

#include <vector>

namespace kelvane {

// A held copy of one data curve: its points and look, kept while the chart's
// own series go on changing.
struct GhostCurve {
    std::vector<double> x, y;
    TColor color = clBlack;
    TVertAxis axis = TVertAxis::Left;
    bool line = true; // else drawn as points, as the loop charts are
};

// Copies of the chart's data curves (see DataCurves), as they are now.
std::vector<GhostCurve> GhostCopies(const TChart& chart);

} // namespace kelvane
