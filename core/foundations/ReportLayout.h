#pragma once

#include <vector>

namespace kelvane {

// A box on the report page, in points from the printable area's top left.
struct ReportBox {
    double x = 0, y = 0, width = 0, height = 0;
    double Right() const { return x + width; }
    double Bottom() const { return y + height; }
};

// What goes on a report page and how large the page is.
struct ReportContents {
    double pageWidth = 0, pageHeight = 0;       // the printable area, in points
    int parameterRows = 0;                      // lines of the parameter list
    int gridRows = 0;                           // lines of the statistics grid
    double pictureWidth = 0, pictureHeight = 0; // 0: no picture
    int charts = 0;
    double chartWidth = 1, chartHeight = 1; // as on screen: only their shape counts
};

// Where everything goes: the title and date across the top, then the
// parameters, the statistics and the picture side by side, then the charts
// in the columns that draw them largest at their screen shape.
struct ReportPlan {
    ReportBox title, date, parameters, grid, picture;
    std::vector<ReportBox> charts;
    int chartColumns = 0;
    double lineHeight = 0; // of the two lists, each headed by one line
};

ReportPlan LayOutReport(const ReportContents& contents);

} // namespace kelvane
