#include "RingbomEngine.h"

#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"

#include "foundations/FlagGuard.h"
#include <algorithm>

#include <cmath>
#include <limits>

namespace kelvane {

namespace {

// Applies both bounds in an order the axis accepts, whatever its old range.
void SetRange(TChartAxis& axis, double a, double b) {
    axis.SetMinMax(std::min(a, b), std::max(a, b));
}

const char* const kGridLabels[12] = {
    "Disp Posn",     "Piston Posn",   "Pressure",  "Volume",     "Hot/Cold N %", "Max Pressure",
    "Mean Pressure", "Curr Pressure", "Vol Ratio", "Temp Ratio", "Th Piston Th", "Net Work"};

} // namespace

RingbomEngine::RingbomEngine(EngineHost& host)
    : DisplacerSeries(Chart1.AddSeries("DisplacerSeries", "Displacer")),
      PistonSeries(Chart1.AddSeries("PistonSeries", "Piston")),
      PhaseSeries1(Chart1.AddSeries("PhaseSeries1", "Phase")),
      HotVolSeries(Chart2.AddSeries("HotVolSeries", "Hot Vol")),
      ColdVolSeries(Chart2.AddSeries("ColdVolSeries", "Cold Vol")),
      TotalVolSeries(Chart2.AddSeries("TotalVolSeries", "Total Vol")),
      PressureSeries(Chart2.AddSeries("PressureSeries", "Pressure")),
      MeanPressureSeries(Chart2.AddSeries("MeanPressureSeries", "Mean Pressure")),
      PhaseSeries2(Chart2.AddSeries("PhaseSeries2", "Phase")),
      HiMeanPressureSeries(Chart2.AddSeries("HiMeanPressureSeries", "Hi Mean Pressure")),
      LoMeanPressureSeries(Chart2.AddSeries("LoMeanPressureSeries", "Lo Mean Pressure")),
      NHotSeries(Chart3.AddSeries("NHotSeries", "N Hot")),
      NColdSeries(Chart3.AddSeries("NColdSeries", "N Cold")),
      PhaseSeries3(Chart3.AddSeries("PhaseSeries3", "Phase")),
      HotTempSeries(Chart3.AddSeries("HotTempSeries", "\"Hot\" Temp")),
      ColdTempSeries(Chart3.AddSeries("ColdTempSeries", "\"Cold\" Temp")),
      WorkSeries(Chart4.AddSeries("WorkSeries", "Work")),
      PhaseSeries4(Chart4.AddSeries("PhaseSeries4", "Phase")),
      MeanWorkSeries(Chart4.AddSeries("MeanWorkSeries", "Mean Work")),
      PVSeries(Chart5.AddSeries("PVSeries", "PVSeries")),
      PVPhaseSeries(Chart5.AddSeries("PVPhaseSeries", "PVPhase")), host_(host) {
    SetupCharts();
}

void RingbomEngine::SetupCharts() {
    Chart1.SetTitle("(Normalized) Positions");
    Chart1.LeftAxis.SetMinMax(-3, 103);
    Chart1.LeftAxis.TitleCaption = "(Normalized) Positions";
    Chart1.RightAxis.SetMinMax(0, 2);
    Chart1.RightAxis.TitleCaption = "Normalized Pressure/Volume";
    Chart1.Legend.SymbolWidth = 70;

    Chart2.SetTitle("(Normalized) Volume and Pressure");
    Chart2.LeftAxis.SetMinMax(-0.03, 1.03);
    Chart2.LeftAxis.TitleCaption = "Normalized";
    Chart2.RightAxis.SetMinMax(206, 679);
    Chart2.Legend.SymbolWidth = 55;
    Chart2.MarginLeft = 6;
    Chart2.MarginRight = 2;
    Chart2.MarginTop = 5;

    Chart3.SetTitle("Gas Temperatures and  Distribution");
    Chart3.LeftAxis.SetMinMax(-3, 103);
    Chart3.LeftAxis.TitleCaption = "Gas \"N\" %";
    Chart3.RightAxis.SetMinMax(0, 2);
    Chart3.RightAxis.TitleCaption = "Normalized Pressure/Volume";
    Chart3.Legend.SymbolWidth = 25;

    Chart4.SetTitle("Work");
    Chart4.LeftAxis.SetAutomatic();
    Chart4.LeftAxis.TitleCaption = "Click the Help button!";
    Chart4.RightAxis.Labels = false;
    Chart4.Legend.SymbolWidth = 95;
    Chart4.MarginLeft = 6;
    Chart4.MarginTop = 5;

    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4}) {
        Set360Axis(*c);
        c->BottomAxis.Increment = 45;
    }

    Chart5.SetTitle("Pressure/Volume (Click to move)");
    Chart5.Legend.Visible = false;
    Chart5.Visible = false;
    Chart5.BottomAxis.SetAutomatic();
    Chart5.LeftAxis.SetAutomatic();

    DisplacerSeries.SetLine(clBlack, 1);
    PistonSeries.SetLine(clLime, 2);
    PhaseSeries1.SetLine(clLightYellow, 3, false);
    HotVolSeries.SetLine(clRed, 1);
    ColdVolSeries.SetLine(clBlue, 1);
    TotalVolSeries.SetLine(clLime, 2);
    PressureSeries.SetLine(clSilver, 3, true, TVertAxis::Right);
    MeanPressureSeries.SetLine(clBlack, 2, false, TVertAxis::Right);
    PhaseSeries2.SetLine(clYellow, 2, false);
    HiMeanPressureSeries.SetLine(clBlack, 1, false, TVertAxis::Right);
    LoMeanPressureSeries.SetLine(clBlack, 1, false, TVertAxis::Right);
    NHotSeries.SetLine(clRed, 2);
    NColdSeries.SetLine(clBlue, 2);
    PhaseSeries3.SetLine(clYellow, 2, false);
    HotTempSeries.SetLine(clRed, 1);
    ColdTempSeries.SetLine(clBlue, 1);
    WorkSeries.SetLine(clBlue, 1);
    PhaseSeries4.SetLine(clYellow, 2, false);
    MeanWorkSeries.SetLine(clBlue, 2);
    PVSeries.SetLine(clRed, 1);
    PVSeries.SetXOrder(TValueOrder::None);
    PVSeries.Pointer.Visible = true;
    PVSeries.Pointer.HorizSize = PVSeries.Pointer.VertSize = 2;
    PVPhaseSeries.SetLine(clYellow, 1);
    PVPhaseSeries.SetXOrder(TValueOrder::None);
    PVPhaseSeries.Pointer.Visible = true;
    PVPhaseSeries.Pointer.HorizSize = PVPhaseSeries.Pointer.VertSize = 3;
}

std::array<TLineSeries*, 16> RingbomEngine::RecordedSeries() {
    return {&DisplacerSeries,    &PistonSeries,         &HotVolSeries,         &ColdVolSeries,
            &NHotSeries,         &NColdSeries,          &TotalVolSeries,       &PressureSeries,
            &MeanPressureSeries, &HiMeanPressureSeries, &LoMeanPressureSeries, &WorkSeries,
            &MeanWorkSeries,     &HotTempSeries,        &ColdTempSeries,       &PVSeries};
}

void RingbomEngine::WriteGridLabels() {
    for (int row = 0; row < 12; ++row)
        host_.SetCell(0, row, kGridLabels[row]);
}

// ---------------------------------------------------------------- the step

void RingbomEngine::CalcEngine(bool graph) {
    if (!enable)
        return;

    dispCylHt = MyStrToReal(host_.FieldText(Field::DispCylHeight), 5);
    dispCylDiam = MyStrToReal(host_.FieldText(Field::DispCylDiameter), 5);
    dispHt = MyStrToReal(host_.FieldText(Field::DispHeight), 5);
    dispTh = dispCylHt - dispHt;
    dPistonDiam = MyStrToReal(host_.FieldText(Field::DPistonDiameter), 5);
    pistonDiam = MyStrToReal(host_.FieldText(Field::PistonDiameter), 5);
    pistonHt = pistonDiam;
    pistonTh = MyStrToReal(host_.FieldText(Field::PistonThrow), 5);
    if (!(pistonTh > 0 && dispCylHt > 0 && dispHt < dispCylHt && pistonHt > 0))
        return;

    const double fullPistonVol = CalcCylVol(pistonDiam, pistonTh);
    minVol = CalcCylVol(dispCylDiam, dispCylHt - dispHt);
    maxVol = minVol + fullPistonVol;
    meanVol = (minVol + maxVol) / 2;
    // Dimensions so large that a volume overflows leave nothing to compute with.
    if (!std::isfinite(maxVol) || !std::isfinite(CalcCylVol(dPistonDiam, dispTh)))
        return;

    // Power piston: mid-stroke at 0 degrees, top at 90.
    const int angle = StrToInt(host_.FieldText(Field::Phase));
    pistonPos = (std::sin(ToRadians(angle)) + 1) * pistonTh / 2;
    host_.SetCell(1, 1, MyRealToStr(pistonPos));
    pistonVol = CalcCylVol(pistonDiam, pistonPos);

    double totPressure = 0;
    maxPressure = -1000000;
    minPressure = 1000000;
    for (int k = 1; k <= kHistoryLength; ++k) {
        const double v = pressureHistory[static_cast<std::size_t>(k)];
        totPressure += v;
        maxPressure = std::max(maxPressure, v);
        minPressure = std::min(minPressure, v);
    }
    meanPressure = totPressure / kHistoryLength;
    host_.SetCell(1, 5, MyRealToStr(maxPressure));
    host_.SetCell(1, 6, MyRealToStr(meanPressure));
    host_.SetCell(1, 7, MyRealToStr(currPressure));

    // Displacer: a saturating proportional law of the previous pressure.
    const double deltaP = currPressure - meanPressure;
    const double y = (maxPressure - meanPressure) / 2;
    if (meanPressure <= 0)
        dispPos = 0; // the history is still empty
    else if (y != 0)
        dispPos = deltaP / y * (dispTh / 2) + dispTh / 2;
    else
        // No spread at all (a history of one value): the law is 0 / 0. Any
        // spread, however small, sends the displacer to the stop on the side
        // of deltaP, and to the upper one for the newest value itself.
        dispPos = deltaP < 0 ? 0 : dispTh;
    if (dispPos > dispTh)
        dispPos = dispTh;
    if (dispPos < 0)
        dispPos = 0;
    host_.SetCell(1, 0, MyRealToStr(dispPos));

    hotVol = CalcCylVol(dispCylDiam, dispPos);
    coldVol = CalcCylVol(dispCylDiam, dispTh - dispPos) - CalcCylVol(dPistonDiam, dispTh - dispPos);
    FixEmptySpaces(hotVol, coldVol);
    host_.SetCell(1, 8, MyRealToStr((hotVol + coldVol) / fullPistonVol));
    coldVol += pistonVol;
    currVol = coldVol + hotVol;
    host_.SetVolumeText("Vol = " + MyRealToStr(currVol));
    host_.SetCell(1, 3, MyRealToStr(currVol / maxVol));

    const double tMaxHot = FtoK(StrToInt(host_.FieldText(Field::HotTemp)));
    const double tMaxCold = FtoK(StrToInt(host_.FieldText(Field::ColdTemp)));
    double tRatio = tMaxHot / tMaxCold;
    const double unitPistonVol = CalcCylVol(pistonDiam, 1);
    std::string row9 = MyRealToStr(tRatio - 1);
    std::string row10 = MyRealToStr((tRatio - 1) * minVol / unitPistonVol);
    if (maxCold > 0) {
        row9 += "; " + MyRealToStr(minHot / maxCold - 1);
        row10 += "; " + MyRealToStr((minHot / maxCold - 1) * minVol / unitPistonVol);
    }
    host_.SetCell(1, 9, row9);
    host_.SetCell(1, 10, row10);

    const double deltaT = tMaxHot - tMaxCold;
    const GasTemps gas = WallGasTemps(tMaxHot, tMaxCold, dispCylHt, dispPos, dispHt);
    tHot = gas.tHot;
    tCold = gas.tCold;
    minHot = std::min(minHot, tHot);
    maxCold = std::max(maxCold, tCold);

    // One pressure on both sides: the gas divides by volume over temperature.
    const double vRatio = hotVol / coldVol;
    tRatio = tCold / tHot;
    const double nColdShare = 100 / (1 + tRatio * vRatio);
    const double nHotShare = 100 - nColdShare;
    const double nCold = nColdShare * meanVol / 100;
    const double nHot = nHotShare * meanVol / 100;
    const double pC = nCold * tCold / coldVol;
    // A rod wider than the cylinder or temperatures below absolute zero leave
    // no meaningful split; such a step ends like an unusable geometry rather
    // than poisoning the history and the charts.
    if (!std::isfinite(nColdShare) || !std::isfinite(pC))
        return;
    host_.SetCell(1, 4,
                  IntToStr(RoundHalfEven(nHotShare)) + "/" + IntToStr(RoundHalfEven(nColdShare)));
    currPressure = pC;

    if (pressureHistory[kHistoryLength] == 0)
        std::fill(pressureHistory.begin() + 1, pressureHistory.end() - 1, currPressure);
    else
        std::copy(pressureHistory.begin() + 2, pressureHistory.end(), pressureHistory.begin() + 1);
    pressureHistory[kHistoryLength] = currPressure;
    host_.SetCell(1, 2, PressureCellText(MyRealToStr(pC), pC, meanPressure, currVol > 0));

    // Work of the step: the pressure against the mean times the piston's last move.
    double w = 0;
    double aw = 0;
    const int n = std::min({DisplacerSeries.Count(), PistonSeries.Count(), WorkSeries.Count()});
    if (n > 1) {
        const auto& piston = PistonSeries.YValues();
        const double pistonDelta = piston[n - 1] - piston[n - 2];
        const double pressure = currPressure - meanPressure;
        w = StepWork(pressure, pistonDelta, pistonDiam);
        if (n > kStepsPerRevolution) {
            double tw = 0;
            const auto& work = WorkSeries.YValues();
            for (int k = n - kStepsPerRevolution; k < n; ++k)
                tw += work[k];
            aw = tw / kStepsPerRevolution;
            host_.SetCell(1, 11, MyRealToStr(aw));
        }
    }

    if (!graph)
        return;
    stripMode_ = StripChart();
    allData_ = AllData();
    stepPhase_ = angle;
    stepSlot_ = angle / 5;
    // In fixed-cycle mode an angle outside the revolution has no slot: the step
    // is shown but not recorded in the angle charts.
    slotValid_ = stripMode_ || (angle >= 0 && angle <= 360);

    const double currTotVol = (currVol - minVol) / (maxVol - minVol);
    AddPoint(DisplacerSeries, 100 * dispPos / dispTh);
    AddPoint(PistonSeries, 100 * pistonPos / pistonTh);
    AddPoint(HotVolSeries, hotVol / maxVol);
    AddPoint(ColdVolSeries, coldVol / maxVol);
    AddPoint(TotalVolSeries, currTotVol);
    AddPoint(NHotSeries, 100 * nHot / meanVol);
    AddPoint(NColdSeries, 100 * nCold / meanVol);
    // Equal end temperatures leave no span to scale into: both gases sit at the
    // cold end's temperature, 0 % of the span.
    AddPoint(HotTempSeries, deltaT != 0 ? (tHot - tMaxCold) * 100 / deltaT : 0);
    AddPoint(ColdTempSeries, deltaT != 0 ? (tCold - tMaxCold) * 100 / deltaT : 0);
    AddPoint(PressureSeries, currPressure);
    AddPoint(MeanPressureSeries, meanPressure);
    AddPoint(HiMeanPressureSeries, meanPressure + 0.4 * (maxPressure - meanPressure));
    AddPoint(LoMeanPressureSeries, meanPressure - 0.4 * (maxPressure - meanPressure));
    PVSeries.AddXY(currTotVol, currPressure);
    RescalePressureAxis();
    AddPoint(WorkSeries, w);
    AddPoint(MeanWorkSeries, aw);

    ++resultCount;
    // The first two steps after a clear stand at stops chosen without a history.
    if (resultCount == 3 && stripMode_) {
        RemoveFirstPoint();
        RemoveFirstPoint();
    }
    if (stripMode_ && DisplacerSeries.Count() > stripChartMaxSteps)
        DropOldestRevolution();
    // The pressure-volume series grows in both modes.
    if (PVSeries.Count() > stripChartMaxSteps) {
        for (int k = 0; k < kStepsPerRevolution; ++k)
            PVSeries.DeleteFirst();
    }
}

void RingbomEngine::AddPoint(TLineSeries& s, double value) {
    if (!stripMode_) {
        if (slotValid_)
            s.SetYValue(stepSlot_, value);
        return;
    }
    s.AddXY(stepPhase_, value);
    TChartAxis& axis = s.ParentChart->BottomAxis;
    if (allData_)
        SetRange(axis, AllDataStart(), stepPhase_);
    else if (stepPhase_ > 360)
        SetRange(axis, stepPhase_ - 360, stepPhase_);
}

void RingbomEngine::RemoveFirstPoint() {
    for (TLineSeries* s : RecordedSeries())
        s->DeleteFirst();
}

void RingbomEngine::DropOldestRevolution() {
    for (TLineSeries* s : RecordedSeries()) {
        if (s == &PVSeries)
            continue; // trimmed on its own count
        for (int k = 0; k < kStepsPerRevolution; ++k)
            s->DeleteFirst();
    }
    trimmed_ = true;
    if (allData_) {
        for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4})
            SetRange(c->BottomAxis, AllDataStart(), stepPhase_);
    }
}

double RingbomEngine::AllDataStart() const {
    if (trimmed_ && DisplacerSeries.Count() > 0)
        return DisplacerSeries.XValues()[0];
    return 0;
}

void RingbomEngine::RescalePressureAxis() {
    if (PressureSeries.Count() <= 1)
        return;
    const double hi =
        std::max(HiMeanPressureSeries.YValues().MaxValue(), PressureSeries.YValues().MaxValue());
    const double lo = LoMeanPressureSeries.YValues().MinValue();
    SetRange(Chart2.RightAxis, 0.99 * lo, 1.01 * hi);
}

// ---------------------------------------------------------------- run control

void RingbomEngine::AnimateTimerTimer() {
    if (!(animating || doSingleStep) || computingAnimation)
        return;
    // Whatever happens in the step, the guard and the timer are restored, so
    // that Go, Resume and Single still work after a failed step.
    struct TickGuard {
        RingbomEngine& e;
        explicit TickGuard(RingbomEngine& engine) : e(engine) {
            e.computingAnimation = true;
            e.AnimateTimer.Enabled = false;
        }
        ~TickGuard() {
            e.computingAnimation = false;
            e.AnimateTimer.Enabled = true;
        }
        TickGuard(const TickGuard&) = delete;
        TickGuard& operator=(const TickGuard&) = delete;
    } guard(*this);

    CalcEngine(true);
    host_.RedrawPicture();
    SetPhase(StrToInt(host_.FieldText(Field::Phase)) + 5);
}

void RingbomEngine::GoButtonClick() {
    PauseButtonCaption = "&Pause";
    AnimateTimer.Interval = 100;
    AnimateTimer.Enabled = true;
    animating = true;
}

void RingbomEngine::PauseButtonClick() {
    if (animating) {
        animating = false;
        pausePhase = StrToInt(host_.FieldText(Field::Phase));
        PauseButtonCaption = "&Resume";
    } else {
        SetPhase(pausePhase);
        animating = true;
        PauseButtonCaption = "&Pause";
    }
}

void RingbomEngine::SingleStepButtonClick() {
    animating = false;
    FlagGuard single(doSingleStep);
    AnimateTimerTimer();
}

void RingbomEngine::ClearButtonClick() {
    ClearGraphs();
    host_.SetFieldText(Field::Phase, "0");
}

void RingbomEngine::SetPhase(int p) {
    if (!StripChart() && p > 360)
        p = (p - 1) % 360 + 1; // 365 becomes 5, 720 becomes 360
    FlagGuard changing(phaseChanging);
    host_.SetFieldText(Field::Phase, IntToStr(p));
    PhaseChange();
}

void RingbomEngine::ClearGraphs() {
    pressureHistory.fill(0);
    minHot = 1000;
    maxCold = -200;
    resultCount = 0;
    trimmed_ = false;
    for (TLineSeries* s : RecordedSeries())
        ClearSeries(*s);
    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4})
        Set360Axis(*c);
}

void RingbomEngine::ClearSeries(TLineSeries& s) {
    s.Clear();
    if (!StripChart()) {
        for (int k = 0; k <= kStepsPerRevolution; ++k)
            s.AddXY(5 * k, 0);
    }
}

void RingbomEngine::Set360Axis(TChart& c) {
    SetRange(c.BottomAxis, 0, 360);
}

void RingbomEngine::PanGraphs(int degrees) {
    if (animating)
        PauseButtonClick();
    const bool wasAllData = AllData();
    host_.SetChecked(Field::AllDataCB, false);
    if (wasAllData)
        AllDataCBClick();
    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4})
        PanChart(*c, degrees);
    LoadPVSeries(false);
}

void RingbomEngine::PanChart(TChart& c, int degrees) {
    const double m = DisplacerSeries.XValues().MaxValue();
    double a = c.BottomAxis.Minimum() + degrees;
    double b = c.BottomAxis.Maximum() + degrees;
    if (a < 0) {
        a = 0;
        b = 360;
    } else if (b > m) {
        a = m - 360;
        b = m;
    }
    SetRange(c.BottomAxis, a, b);
}

void RingbomEngine::ShowAllGraphData() {
    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4})
        ShowAllChart(*c);
    LoadPVSeries(AllData() && DisplacerSeries.Count() > 0);
}

void RingbomEngine::ShowAllChart(TChart& c) {
    int p = 0;
    if (!TryStrToInt(host_.FieldText(Field::Phase), p))
        p = 0;
    if (AllData() && DisplacerSeries.Count() > 0)
        SetRange(c.BottomAxis, AllDataStart(), DisplacerSeries.XValues().MaxValue());
    else if (p < 180)
        SetRange(c.BottomAxis, 0, 360);
    else
        SetRange(c.BottomAxis, p - 180.0, p + 180.0);
}

void RingbomEngine::LoadPVSeries(bool allData) {
    PVSeries.Clear();
    PVPhaseSeries.Clear();
    const auto& x = PressureSeries.XValues();
    const auto& pressure = PressureSeries.YValues();
    const auto& volume = TotalVolSeries.YValues();
    const int n = std::min(PressureSeries.Count(), TotalVolSeries.Count());
    const double lo = Chart2.BottomAxis.Minimum();
    const double hi = Chart2.BottomAxis.Maximum();
    for (int j = 1; j < n; ++j) {
        if (allData || (x[j] >= lo && x[j] <= hi))
            PVSeries.AddXY(volume[j], pressure[j]);
    }
}

void RingbomEngine::StripChartCBClick() {
    ClearGraphs();
    stripControlsEnabled = StripChart();
}

// ---------------------------------------------------------------- window handlers

void RingbomEngine::FormShow() {
    WriteGridLabels();
    ClearGraphs();
    enable = true;
    ClearButtonClick();
    GoButtonClick();
}

void RingbomEngine::PistonThrowChange() {
    if (!phaseChanging)
        animating = false;
}

void RingbomEngine::HotTempTBChange(int position) {
    host_.SetFieldText(Field::HotTemp, IntToStr(HotTempFromSlider(position)));
}

void RingbomEngine::PhaseChange() {
    const double p = StrToInt(host_.FieldText(Field::Phase));
    PhaseSeries1.SetVerticalLine(p, 0, 100);
    PhaseSeries2.SetVerticalLine(p, 0, 1);
    PhaseSeries3.SetVerticalLine(p, 0, 100);
    // The work chart's axis follows its data; its span is that of the two work series.
    double top = Chart4.LeftAxis.Maximum();
    double bottom = Chart4.LeftAxis.Minimum();
    if (Chart4.LeftAxis.Automatic) {
        top = std::max(WorkSeries.YValues().MaxValue(), MeanWorkSeries.YValues().MaxValue());
        bottom = std::min(WorkSeries.YValues().MinValue(), MeanWorkSeries.YValues().MinValue());
    }
    PhaseSeries4.SetVerticalLine(p, top, bottom);

    PVPhaseSeries.Clear();
    const int j = PressureSeries.XValues().Locate(p);
    if (j >= 0 && j < TotalVolSeries.Count())
        PVPhaseSeries.AddXY(TotalVolSeries.YValues()[j], PressureSeries.YValues()[j]);
}

void RingbomEngine::Chart1ClickBackground(const TChart& chart, double x, double plotLeft,
                                          double plotRight) {
    animating = false;
    const double width = plotRight - plotLeft;
    if (!(width > 0))
        return;
    const double f = (x - plotLeft) / width;
    const TChartAxis& axis = chart.BottomAxis;
    ShowAngle(f * (axis.Maximum() - axis.Minimum()) + axis.Minimum());
}

void RingbomEngine::ShowAngle(double angle) {
    animating = false;
    if (!std::isfinite(angle))
        return;
    long long whole = RoundHalfEven(std::clamp(angle, -1e9, 1e9));
    whole = whole / 5 * 5;
    SetPhase(static_cast<int>(whole));

    const double shown = StrToInt(host_.FieldText(Field::Phase));
    const int j = DisplacerSeries.XValues().Locate(shown);
    // An angle with no recorded point leaves the positions as they are.
    if (j >= 0 && j < PistonSeries.Count()) {
        dispPos = DisplacerSeries.YValues()[j] * dispTh / 100;
        pistonPos = PistonSeries.YValues()[j] * pistonTh / 100;
    }
    host_.RedrawPicture();
}

// ---------------------------------------------------------------- picture

void RingbomEngine::ShowEngine(Canvas& canvas) const {
    if (!enable)
        return;
    const int W = canvas.Width();
    const int H = canvas.Height();
    canvas.SetPenColor(clBlack);
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(0, 0, W, H);

    const double maxH = dispCylHt + pistonHt + pistonTh;
    const double maxW = dispCylDiam;
    // A zero width or height gives no scale in that direction; with neither
    // the picture stays blank.
    const double inf = std::numeric_limits<double>::infinity();
    const double hScale = maxW > 0 ? (W - 40) / maxW : inf;
    const double vScale = maxH > 0 ? (H - 40) / maxH : inf;
    const double scale = std::min(hScale, vScale);
    if (!std::isfinite(scale))
        return;
    auto R = [scale](double v) {
        return static_cast<int>(RoundHalfEven(std::clamp(v * scale, -1e6, 1e6)));
    };
    const int yb = H - 20;

    // Displacer cylinder: red hot end below, blue cold end on top.
    const int left = 20;
    const int right = R(dispCylDiam) + 20;
    const int top = yb - R(dispCylHt);
    const int bottom = yb + 1;
    canvas.MoveTo(left, bottom + 1);
    canvas.SetPenColor(clRed);
    canvas.LineTo(right, bottom + 1);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(right, top - 1);
    canvas.SetPenColor(clBlue);
    canvas.LineTo(left, top - 1);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(left, bottom + 1);

    // Displacer body, 3 pixels inside each wall.
    const int dLeft = 23;
    const int dRight = R(dispCylDiam) + 17;
    const int dTop = yb - R(dispPos + dispHt) + 1;
    const int dBottom = yb - R(dispPos) - 1;
    canvas.MoveTo(dLeft, dBottom);
    canvas.LineTo(dRight, dBottom);
    canvas.LineTo(dRight, dTop);
    canvas.LineTo(dLeft, dTop);
    canvas.LineTo(dLeft, dBottom);

    // Rod, twice the displacer travel long, through an opening in the top.
    const int centre = (dLeft + dRight) / 2;
    const int hw = R(dPistonDiam / 2);
    const int rodLeft = centre - hw;
    const int rodRight = centre + hw;
    const int rodBottom = dTop;
    const int rodTop = rodBottom - R(2 * (dispCylHt - dispHt));
    const int cy = yb - R(dispCylHt) - 1;
    canvas.MoveTo(rodLeft, cy);
    canvas.SetPenColor(clWhite);
    canvas.LineTo(rodRight, cy);
    canvas.SetPenColor(clBlack);
    canvas.MoveTo(rodLeft, rodBottom);
    canvas.LineTo(rodRight, rodBottom);
    canvas.LineTo(rodRight, rodTop);
    canvas.LineTo(rodLeft, rodTop);
    canvas.LineTo(rodLeft, rodBottom);

    // Power piston cylinder on the cylinder top, open below and above.
    const int pLeft = 20;
    const int pRight = R(pistonDiam) + 20;
    const int pTop = yb - R(dispCylHt + pistonDiam + pistonTh) - 1;
    const int pBottom = cy;
    canvas.MoveTo(pLeft + 1, pBottom);
    canvas.SetPenColor(clWhite);
    canvas.LineTo(pRight, pBottom);
    canvas.SetPenColor(clBlack);
    canvas.LineTo(pRight, pTop);
    canvas.MoveTo(pLeft, pTop);
    canvas.LineTo(pLeft, pBottom);

    canvas.SetBrushColor(clLime);
    canvas.FillRect(21, yb - R(dispCylHt + pistonPos + pistonDiam), R(pistonDiam) + 20,
                    yb - R(dispCylHt + pistonPos) + 1);
}

} // namespace kelvane
