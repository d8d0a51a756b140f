#pragma once

#include "TChart.h"

#include <string>
#include <vector>

namespace kelvane {

// A chart in words, from the numbers it draws, for whoever cannot see it:
// its title, then each data curve's lowest and highest values with where
// along x they fall, and its mean ("Pressure: lowest 273 at 250, highest
// 410 at 105, mean 367"). Empty curves are left out; a chart without data
// says so.
std::string DescribeChart(const TChart& chart);

// The numbers DescribeChart tells of one data curve, for a window to put in
// the student's words: its title (a core text), and the lowest and highest
// values with where along x they fall, and the mean.
struct CurveSummary {
    std::string title;
    double lowest, lowestAt, highest, highestAt, mean;
};
std::vector<CurveSummary> SummariseCurves(const TChart& chart);

// The cut-away picture in words: the positions at the crank angle as the
// position chart has them, then the volume text shown under the picture.
std::string DescribePicture(const TChart& positions, double angle, const std::string& volumeText);

} // namespace kelvane
