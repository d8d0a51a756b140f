#include "ReportLayout.h"

#include <algorithm>

namespace kelvane {

namespace {

constexpr double kTitleHeight = 20;
constexpr double kDateHeight = 12;
constexpr double kGap = 8;
constexpr double kLineHeight = 10;
// The lists and the picture leave the larger part of the page to the charts.
constexpr double kBandShare = 0.35;

// The largest box of the given shape inside the cell, at its top left.
ReportBox Fit(double x, double y, double cellWidth, double cellHeight, double width,
              double height) {
    const double scale = std::min(cellWidth / width, cellHeight / height);
    return {x, y, width * scale, height * scale};
}

} // namespace

ReportPlan LayOutReport(const ReportContents& c) {
    ReportPlan plan;
    const double w = c.pageWidth;
    plan.title = {0, 0, w, kTitleHeight};
    plan.date = {0, plan.title.Bottom(), w, kDateHeight};
    const double bandTop = plan.date.Bottom() + kGap;
    const double bandLimit = c.pageHeight * kBandShare;

    // One heading line above each list; long lists get smaller lines.
    const int lines = std::max(c.parameterRows, c.gridRows) + 1;
    plan.lineHeight = std::min(kLineHeight, bandLimit / lines);
    const double textHeight = plan.lineHeight * lines;
    const bool picture = c.pictureWidth > 0 && c.pictureHeight > 0;
    const double listWidth = (w - 2 * kGap) * (picture ? 0.36 : 0.5);
    double bandHeight = textHeight;
    if (picture) {
        const double room = w - 2 * listWidth - 2 * kGap;
        plan.picture =
            Fit(2 * (listWidth + kGap), bandTop, room, bandLimit, c.pictureWidth, c.pictureHeight);
        bandHeight = std::max(bandHeight, plan.picture.height);
    }
    plan.parameters = {0, bandTop, listWidth, textHeight};
    plan.grid = {listWidth + kGap, bandTop, listWidth, textHeight};

    if (c.charts <= 0)
        return plan;
    const double chartsTop = bandTop + bandHeight + kGap;
    const double chartsHeight = std::max(c.pageHeight - chartsTop, 0.0);
    double bestArea = -1;
    for (int columns = 1; columns <= c.charts; ++columns) {
        const int rows = (c.charts + columns - 1) / columns;
        const double cellWidth = (w - (columns - 1) * kGap) / columns;
        const double cellHeight = (chartsHeight - (rows - 1) * kGap) / rows;
        if (cellHeight <= 0)
            break;
        const ReportBox box = Fit(0, 0, cellWidth, cellHeight, c.chartWidth, c.chartHeight);
        if (box.width * box.height <= bestArea)
            continue;
        bestArea = box.width * box.height;
        plan.chartColumns = columns;
        plan.charts.clear();
        for (int i = 0; i < c.charts; ++i) {
            const int row = i / columns, column = i % columns;
            plan.charts.push_back({column * (cellWidth + kGap),
                                   chartsTop + row * (cellHeight + kGap), box.width, box.height});
        }
    }
    return plan;
}

} // namespace kelvane
