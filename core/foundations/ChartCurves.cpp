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

std::string XTitle(const TChart& chart) {
    if (!chart.BottomAxis.TitleCaption.empty())
        return chart.BottomAxis.TitleCaption;
    if (!chart.Title.empty()) {
        const std::size_t vs = chart.Title.front().find(" vs ");
        if (vs != std::string::npos && vs > 0)
            return chart.Title.front().substr(0, vs);
    }
    return "Angle";
}

std::string ShortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace kelvane
