#include "RiderEngine.h"

#include "common/SeriesScaling.h"

#include <string>

// The two-piston engine's charts: titles, axes and the look of each series.
namespace kelvane {

namespace {

void FixedAxis(TChartAxis& axis, double min, double max, const std::string& title) {
    axis.SetMinMax(min, max);
    axis.TitleCaption = title;
    axis.TitleAngle = 90;
}

// A chart of a hot and a cold quantity in percent, on the normalised
// pressure/volume scale at the right, with the crank's marker.
void SetupHotColdChart(TChart& chart, const std::string& title, const std::string& percentTitle,
                       TLineSeries& hot, TLineSeries& cold, TLineSeries& phase, TColor phaseColour,
                       int phaseWidth) {
    chart.SetTitle(title);
    FixedAxis(chart.LeftAxis, 0, 100, percentTitle);
    FixedAxis(chart.RightAxis, 0, 2, "Normalized Pressure/Volume");
    hot.SetLine(clRed);
    cold.SetLine(clBlue);
    phase.SetLine(phaseColour, phaseWidth, false);
}

} // namespace

void RiderEngine::SetupCharts() {
    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart}) {
        c->BottomAxis.SetRevolution();
        c->Legend.Visible = true;
        c->Legend.AlignBottom = true;
    }

    SetupHotColdChart(PositionChart, "Piston Position", "Piston Position", HotPistonSeries,
                      ColdPistonSeries, PhaseSeries1, clLightYellow, 3);

    VolumeChart.SetTitle("Volume and Pressure");
    FixedAxis(VolumeChart.LeftAxis, 0, 1, "Normalized");
    VolumeChart.RightAxis.SetAutomatic();
    VolumeChart.RightAxis.Labels = false;
    HotVolSeries.SetLine(clRed, 1, true, TVertAxis::Right);
    ColdVolSeries.SetLine(clBlue, 1, true, TVertAxis::Right);
    TotalVolSeries.SetLine(clLime);
    PressureSeries.SetLine(clBlack, 2);
    MeanPressureSeries.SetLine(clBlack, 1, false);
    PhaseSeries2.SetLine(clYellow, 2, false);

    SetupHotColdChart(GasChart, "Gas Distribution", "Gas \"N\" %", NHotSeries, NColdSeries,
                      PhaseSeries3, clYellow, 2);

    WorkChart.SetTitle("Work");
    WorkChart.LeftAxis.SetAutomatic();
    WorkChart.LeftAxis.TitleCaption = "Click the Help button!";
    WorkChart.LeftAxis.TitleAngle = 90;
    WorkChart.RightAxis.Labels = false;
    HotWorkSeries.SetLine(clRed);
    ColdWorkSeries.SetLine(clBlue);
    PhaseSeries4.SetLine(clYellow, 2, false);
    WorkSeries.SetLine(clBlack, 2);

    LoopChart.SetTitle("Pressure/Volume (Click to move)");
    LoopChart.Visible = false;
    LoopChart.Legend.Visible = false;
    LoopChart.LeftAxis.SetAutomatic();
    LoopChart.BottomAxis.SetAutomatic();
    TitlePVAxes(LoopChart);
    StylePoints(PVSeries, clRed);
    StylePoints(PVPhaseSeries, clLightYellow);
    StyleStateMarker(PVPhaseSeries);
}

std::vector<TChart*> RiderEngine::Charts() {
    return {&PositionChart, &VolumeChart, &GasChart, &WorkChart, &LoopChart};
}

} // namespace kelvane
