#pragma once

#include "foundations/TChart.h"

#include <qcustomplot.h>

namespace kelvane {

// A chart's legend in a row of its own under the plot: shown as the chart
// says, its entries on one row where they fit, with shorter symbols if need
// be, else on as many rows as it takes.
class ChartLegend {
  public:
    // Puts the plot's legend into row `row` of the plot's layout.
    ChartLegend(QCustomPlot& plot, const TChartLegend& settings, int row, const QFont& font);

    // Lists the plottable in the legend, or takes it off.
    void List(QCPAbstractPlottable* plottable, bool listed);
    // Shown or hidden as the chart says; a hidden legend takes no room.
    void Sync();
    // Fits the entries to the chart's width; once per width.
    void Fit();

  private:
    QCustomPlot& plot_;
    QCPLegend* legend_;
    const TChartLegend& settings_;
    QCPLayoutGrid* row_ = nullptr;
    int room_ = -1, symbol_ = -1; // what the legend was last fitted to
};

} // namespace kelvane
