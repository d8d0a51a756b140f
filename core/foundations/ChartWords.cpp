#include "ChartWords.h"

#include "ChartCurves.h"
#include "NearestPoint.h"

namespace kelvane {

namespace {

std::string TitleOf(const TChart& chart) {
    std::string title;
    for (const std::string& line : chart.Title)
        title += (title.empty() ? "" : " ") + line;
    return title.empty() ? chart.Name : title;
}

} // namespace

std::vector<CurveSummary> SummariseCurves(const TChart& chart) {
    std::vector<CurveSummary> curves;
    for (const TLineSeries* s : DataCurves(chart)) {
        if (s->Count() == 0)
            continue;
        const auto& xs = s->XValues();
        const auto& ys = s->YValues();
        int low = 0, high = 0;
        double sum = 0;
        for (int i = 0; i < s->Count(); ++i) {
            sum += ys[i];
            if (ys[i] < ys[low])
                low = i;
            if (ys[i] > ys[high])
                high = i;
        }
        curves.push_back({s->Title.empty() ? s->Name : s->Title, ys[low], xs[low], ys[high],
                          xs[high], sum / s->Count()});
    }
    return curves;
}

std::string DescribeChart(const TChart& chart) {
    std::string words = TitleOf(chart) + ", along " + XTitle(chart) + ".";
    const std::vector<CurveSummary> curves = SummariseCurves(chart);
    for (const CurveSummary& c : curves) {
        words += " " + c.title + ": lowest " + ReadOutNumber(c.lowest) + " at " +
                 ReadOutNumber(c.lowestAt) + ", highest " + ReadOutNumber(c.highest) + " at " +
                 ReadOutNumber(c.highestAt) + ", mean " + ReadOutNumber(c.mean) + ".";
    }
    return curves.empty() ? words + " No results yet." : words;
}

std::string DescribePicture(const TChart& positions, double angle, const std::string& volumeText) {
    std::string words = "Engine picture.";
    const std::vector<std::string> lines = ReadOutAt(positions, angle);
    for (std::size_t i = 0; i < lines.size(); ++i)
        words += (i == 0 ? " " : ", ") + lines[i];
    if (!lines.empty())
        words += ".";
    if (!volumeText.empty())
        words += " " + volumeText + ".";
    return words;
}

} // namespace kelvane
