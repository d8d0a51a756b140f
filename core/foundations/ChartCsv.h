#pragma once

#include "TChart.h"

#include <string>

namespace kelvane {

// The chart's data curves (see DataCurves) as CSV text, ready for a
// spreadsheet. Curves recorded at the same x values share one x column: a
// header of the x title (see XTitle) and the curves' titles, then one row per x. Curves
// with x values of their own get an x,y column pair each, the shorter ones
// padded with empty cells. Numbers read back exactly; lines end in CRLF, as
// spreadsheets write them.
std::string ChartCsv(const TChart& chart);

} // namespace kelvane
