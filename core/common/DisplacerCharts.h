#pragma once

#include "foundations/TChart.h"

namespace kelvane {

// The charts of the engines with a displacer in a closed cylinder and one
// power piston: five charts with the same series in the same order, the same
// titles, axis titles and legends. Each engine adds its own series after these
// (a pressure band and mean work, its pressure-volume marker), sets its axis
// ranges and styles the lines it draws its own way.
class DisplacerCharts {
  public:
    DisplacerCharts();
    DisplacerCharts(const DisplacerCharts&) = delete;
    DisplacerCharts& operator=(const DisplacerCharts&) = delete;

    TChart PositionChart{"Chart1"}, VolumeChart{"Chart2"}, GasChart{"Chart3"}, WorkChart{"Chart4"},
        LoopChart{"Chart5"};
    // Positions.
    TLineSeries &DisplacerSeries, &PistonSeries, &PhaseSeries1;
    // Volumes and pressure.
    TLineSeries &HotVolSeries, &ColdVolSeries, &TotalVolSeries, &PressureSeries,
        &MeanPressureSeries, &PhaseSeries2;
    // Gas shares and temperatures.
    TLineSeries &NHotSeries, &NColdSeries, &PhaseSeries3, &HotTempSeries, &ColdTempSeries;
    // Work.
    TLineSeries &WorkSeries, &PhaseSeries4;
    // The pressure-volume loop.
    TLineSeries& PVSeries;
};

} // namespace kelvane
