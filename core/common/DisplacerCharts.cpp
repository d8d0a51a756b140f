#include "DisplacerCharts.h"

#include "SeriesScaling.h"

namespace kelvane {

DisplacerCharts::DisplacerCharts()
    : DisplacerSeries(Chart1.AddSeries("DisplacerSeries", "Displacer")),
      PistonSeries(Chart1.AddSeries("PistonSeries", "Piston")),
      PhaseSeries1(Chart1.AddSeries("PhaseSeries1", "Phase")),
      HotVolSeries(Chart2.AddSeries("HotVolSeries", "Hot Vol")),
      ColdVolSeries(Chart2.AddSeries("ColdVolSeries", "Cold Vol")),
      TotalVolSeries(Chart2.AddSeries("TotalVolSeries", "Total Vol")),
      PressureSeries(Chart2.AddSeries("PressureSeries", "Pressure")),
      MeanPressureSeries(Chart2.AddSeries("MeanPressureSeries", "Mean Pressure")),
      PhaseSeries2(Chart2.AddSeries("PhaseSeries2", "Phase")),
      NHotSeries(Chart3.AddSeries("NHotSeries", "N Hot")),
      NColdSeries(Chart3.AddSeries("NColdSeries", "N Cold")),
      PhaseSeries3(Chart3.AddSeries("PhaseSeries3", "Phase")),
      HotTempSeries(Chart3.AddSeries("HotTempSeries", "\"Hot\" Temp")),
      ColdTempSeries(Chart3.AddSeries("ColdTempSeries", "\"Cold\" Temp")),
      WorkSeries(Chart4.AddSeries("WorkSeries", "Work")),
      PhaseSeries4(Chart4.AddSeries("PhaseSeries4", "Phase")),
      PVSeries(Chart5.AddSeries("PVSeries", "PVSeries")) {
    const char* const pv = "Normalized Pressure/Volume";
    Chart1.SetTitle("(Normalized) Positions");
    Chart1.LeftAxis.TitleCaption = "(Normalized) Positions";
    Chart1.RightAxis.TitleCaption = pv;
    Chart1.Legend.SymbolWidth = 70;

    Chart2.SetTitle("(Normalized) Volume and Pressure");
    Chart2.LeftAxis.TitleCaption = "Normalized";
    Chart2.Legend.SymbolWidth = 55;

    Chart3.SetTitle("Gas Temperatures and  Distribution");
    Chart3.LeftAxis.TitleCaption = "Gas \"N\" %";
    Chart3.RightAxis.TitleCaption = pv;
    Chart3.Legend.SymbolWidth = 25;

    Chart4.SetTitle("Work");
    Chart4.LeftAxis.SetAutomatic();
    Chart4.LeftAxis.TitleCaption = "Click the Help button!";
    Chart4.RightAxis.Labels = false;
    Chart4.Legend.SymbolWidth = 95;

    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4})
        c->BottomAxis.SetRevolution();

    Chart5.SetTitle("Pressure/Volume (Click to move)");
    Chart5.Legend.Visible = false;
    Chart5.Visible = false;
    Chart5.BottomAxis.SetAutomatic();
    Chart5.LeftAxis.SetAutomatic();
    TitlePVAxes(Chart5);

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
