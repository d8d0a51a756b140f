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

std::string DescribeChart(const TChart& chart) {
    std::string words = TitleOf(chart) + ", along " + XTitle(chart) + ".";
    bool any = false;
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
        words += " " + (s->Title.empty() ? s->Name : s->Title) + ": lowest " +
                 ReadOutNumber(ys[low]) + " at " + ReadOutNumber(xs[low]) + ", highest " +
                 ReadOutNumber(ys[high]) + " at " + ReadOutNumber(xs[high]) + ", mean " +
                 ReadOutNumber(sum / s->Count()) + ".";
        any = true;
    }
    return any ? words : words + " No results yet.";
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
