#include "ChartCurves.h"

#include <charconv>

namespace kelvane {

bool IsMarker(const TLineSeries& series) {
    return !series.ShowInLegend && series.Count() <= 2;
}

std::vector<const TLineSeries*> DataCurves(const TChart& chart) {
    std::vector<const TLineSeries*> curves;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        const TLineSeries& s = chart.Series(i);
        if (s.Count() > 0 && !IsMarker(s))
            curves.push_back(&s);
    }
    return curves;
}

std::string ShortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace kelvane
