#include "DisplacerCharts.h"

#include "SeriesScaling.h"

namespace kelvane {

DisplacerCharts::DisplacerCharts()
    : DisplacerSeries(PositionChart.AddSeries("DisplacerSeries", "Displacer")),
      PistonSeries(PositionChart.AddSeries("PistonSeries", "Piston")),
      PhaseSeries1(PositionChart.AddSeries("PhaseSeries1", "Phase")),
      HotVolSeries(VolumeChart.AddSeries("HotVolSeries", "Hot Vol")),
      ColdVolSeries(VolumeChart.AddSeries("ColdVolSeries", "Cold Vol")),
      TotalVolSeries(VolumeChart.AddSeries("TotalVolSeries", "Total Vol")),
      PressureSeries(VolumeChart.AddSeries("PressureSeries", "Pressure")),
      MeanPressureSeries(VolumeChart.AddSeries("MeanPressureSeries", "Mean Pressure")),
      PhaseSeries2(VolumeChart.AddSeries("PhaseSeries2", "Phase")),
      NHotSeries(GasChart.AddSeries("NHotSeries", "N Hot")),
      NColdSeries(GasChart.AddSeries("NColdSeries", "N Cold")),
      PhaseSeries3(GasChart.AddSeries("PhaseSeries3", "Phase")),
      HotTempSeries(GasChart.AddSeries("HotTempSeries", "\"Hot\" Temp")),
      ColdTempSeries(GasChart.AddSeries("ColdTempSeries", "\"Cold\" Temp")),
      WorkSeries(WorkChart.AddSeries("WorkSeries", "Work")),
      PhaseSeries4(WorkChart.AddSeries("PhaseSeries4", "Phase")),
      PVSeries(LoopChart.AddSeries("PVSeries", "PVSeries")) {
    const char* const pv = "Normalized Pressure/Volume";
    PositionChart.SetTitle("(Normalized) Positions");
    PositionChart.LeftAxis.TitleCaption = "(Normalized) Positions";
    PositionChart.RightAxis.TitleCaption = pv;
    PositionChart.Legend.SymbolWidth = 70;

    VolumeChart.SetTitle("(Normalized) Volume and Pressure");
    VolumeChart.LeftAxis.TitleCaption = "Normalized";
    VolumeChart.Legend.SymbolWidth = 55;

    GasChart.SetTitle("Gas Temperatures and  Distribution");
    GasChart.LeftAxis.TitleCaption = "Gas \"N\" %";
    GasChart.RightAxis.TitleCaption = pv;
    GasChart.Legend.SymbolWidth = 25;

    WorkChart.SetTitle("Work");
    WorkChart.LeftAxis.SetAutomatic();
    WorkChart.LeftAxis.TitleCaption = "Click the Help button!";
    WorkChart.RightAxis.Labels = false;
    WorkChart.Legend.SymbolWidth = 95;

    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart})
        c->BottomAxis.SetRevolution();

    LoopChart.SetTitle("Pressure/Volume (Click to move)");
    LoopChart.Legend.Visible = false;
    LoopChart.Visible = false;
    LoopChart.BottomAxis.SetAutomatic();
    LoopChart.LeftAxis.SetAutomatic();
    TitlePVAxes(LoopChart);

    // The lines both engines draw alike; each engine styles the others.
    DisplacerSeries.SetLine(clBlack, 1);
    PhaseSeries1.SetLine(clLightYellow, 3, false);
    PhaseSeries2.SetLine(clYellow, 2, false);
    NHotSeries.SetLine(clRed, 2);
    NColdSeries.SetLine(clBlue, 2);
    PhaseSeries3.SetLine(clYellow, 2, false);
    HotTempSeries.SetLine(clRed, 1);
    ColdTempSeries.SetLine(clBlue, 1);
    WorkSeries.SetLine(clBlue, 1);
    PhaseSeries4.SetLine(clYellow, 2, false);
}

} // namespace kelvane
