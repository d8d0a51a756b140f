#include "NearestPoint.h"

#include "ChartCurves.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kelvane {

int NearestByX(const TLineSeries& series, double x) {
    const auto xs = series.XValues().Values();
    if (xs.empty())
        return -1;
    if (series.XOrder() == TValueOrder::Ascending) {
        const auto after = std::lower_bound(xs.begin(), xs.end(), x);
        if (after == xs.begin())
            return 0;
        if (after == xs.end())
            return static_cast<int>(xs.size()) - 1;
        const auto before = after - 1;
        // The first of equally near points: the one before x.
        return static_cast<int>((x - *before <= *after - x ? before : after) - xs.begin());
    }
    int best = 0;
    for (std::size_t i = 1; i < xs.size(); ++i) {
        if (std::fabs(xs[i] - x) < std::fabs(xs[static_cast<std::size_t>(best)] - x))
            best = static_cast<int>(i);
    }
    return best;
}

int NearestInPlane(std::span<const double> xs, std::span<const double> ys, double x, double y,
                   double xScale, double yScale) {
    int best = -1;
    double bestDistance = std::numeric_limits<double>::infinity();
    const std::size_t n = std::min(xs.size(), ys.size());
    for (std::size_t i = 0; i < n; ++i) {
        const double dx = (xs[i] - x) * xScale, dy = (ys[i] - y) * yScale;
        const double distance = dx * dx + dy * dy;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

std::string ReadOutNumber(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.5g", value);
    return buffer;
}

std::vector<ReadOutLine> ReadOutLinesAt(const TChart& chart, double x) {
    const std::vector<const TLineSeries*> curves = DataCurves(chart);
    std::vector<ReadOutLine> lines;
    if (curves.empty())
        return lines;
    double nearest = 0;
    bool found = false;
    for (const TLineSeries* s : curves) {
        const double candidate = s->XValues()[NearestByX(*s, x)];
        if (!found || std::fabs(candidate - x) < std::fabs(nearest - x))
            nearest = candidate;
        found = true;
    }
    lines.push_back({XTitle(chart), ReadOutNumber(nearest)});
    for (const TLineSeries* s : curves) {
        const std::string title = s->Title.empty() ? s->Name : s->Title;
        lines.push_back({title, ReadOutNumber(s->YValues()[NearestByX(*s, nearest)])});
    }
    return lines;
}

std::vector<std::string> ReadOutAt(const TChart& chart, double x) {
    std::vector<std::string> texts;
    for (const ReadOutLine& line : ReadOutLinesAt(chart, x))
        texts.push_back(line.Text());
    return texts;
}

LoopReadOut LoopReadOutAt(const std::vector<LoopPoint>& loop, const TChart& chart, double x,
                          double y, double xScale, double yScale) {
    std::vector<double> xs, ys;
    for (const LoopPoint& p : loop) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    LoopReadOut out;
    out.nearest = NearestInPlane(xs, ys, x, y, xScale, yScale);
    if (out.nearest < 0)
        return out;
    const LoopPoint& p = loop[static_cast<std::size_t>(out.nearest)];
    auto title = [](const std::string& caption, const char* otherwise) {
        return caption.empty() ? std::string(otherwise) : caption;
    };
    if (!std::isnan(p.angle))
        out.lines.push_back({"Angle", ReadOutNumber(p.angle)});
    out.lines.push_back({title(chart.BottomAxis.TitleCaption, "Volume"), ReadOutNumber(p.x)});
    out.lines.push_back({title(chart.LeftAxis.TitleCaption, "Pressure"), ReadOutNumber(p.y)});
    return out;
}

} // namespace kelvane
