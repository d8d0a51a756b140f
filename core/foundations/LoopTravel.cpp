#include "LoopTravel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvane {

namespace {

// Maps [fromLow, fromHigh] onto [toLow, toHigh]; a flat source lies on toLow.
double Rescale(double v, double fromLow, double fromHigh, double toLow, double toHigh) {
    if (fromHigh == fromLow)
        return toLow;
    return toLow + (v - fromLow) * (toHigh - toLow) / (fromHigh - fromLow);
}

} // namespace

std::vector<LoopPoint> LoopFromAngleCurves(const TLineSeries& volume, const TLineSeries& pressure,
                                           const TLineSeries& loop) {
    std::vector<LoopPoint> points;
    const int n = std::min(volume.Count(), pressure.Count());
    if (loop.Count() == 0)
        return points;
    const TChartValueList& v = volume.YValues();
    const TChartValueList& p = pressure.YValues();
    for (int i = 0; i < n; ++i) {
        points.push_back({volume.XValues()[i],
                          Rescale(v[i], v.MinValue(), v.MaxValue(), loop.XValues().MinValue(),
                                  loop.XValues().MaxValue()),
                          Rescale(p[i], p.MinValue(), p.MaxValue(), loop.YValues().MinValue(),
                                  loop.YValues().MaxValue())});
    }
    return points;
}

std::vector<LoopPoint> LoopInRecordedOrder(const TLineSeries& loop) {
    std::vector<LoopPoint> points;
    for (int i = 0; i < loop.Count(); ++i)
        points.push_back(
            {std::numeric_limits<double>::quiet_NaN(), loop.XValues()[i], loop.YValues()[i]});
    return points;
}

std::vector<TravelArrow> TravelArrows(const std::vector<LoopPoint>& loop, int count) {
    std::vector<TravelArrow> arrows;
    const std::size_t n = loop.size();
    if (n < 3 || count <= 0)
        return arrows;
    const std::size_t step = std::max<std::size_t>(1, n / 36);
    for (int k = 0; k < count; ++k) {
        const std::size_t from =
            n * static_cast<std::size_t>(2 * k + 1) / static_cast<std::size_t>(2 * count);
        const LoopPoint& a = loop[from];
        const LoopPoint& b = loop[(from + step) % n];
        if (a.x != b.x || a.y != b.y)
            arrows.push_back({a.x, a.y, b.x, b.y});
    }
    return arrows;
}

} // namespace kelvane
