#include "GhostTraces.h"

#include "ChartCurves.h"

namespace kelvane {

std::vector<GhostCurve> GhostCopies(const TChart& chart) {
    std::vector<GhostCurve> ghosts;
    for (const TLineSeries* s : DataCurves(chart)) {
        const auto xs = s->XValues().Values();
        const auto ys = s->YValues().Values();
        ghosts.push_back({{xs.begin(), xs.end()},
                          {ys.begin(), ys.end()},
                          s->SeriesColor,
                          s->VertAxis,
                          s->LinePen.Visible});
    }
    return ghosts;
}

} // namespace kelvane
