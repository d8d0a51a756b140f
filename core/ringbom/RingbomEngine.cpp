#include "RingbomEngine.h"

#include "RingbomParameters.h"
#include "RingbomPicture.h"

#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"

#include "foundations/FlagGuard.h"
#include <algorithm>

#include <cmath>

namespace kelvane {

namespace {

// Applies both bounds in an order the axis accepts, whatever its old range.
void SetRange(TChartAxis& axis, double a, double b) {
    axis.SetMinMax(std::min(a, b), std::max(a, b));
}

const char* const kGridLabels[RingbomEngine::RowCount] = {
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
    for (int row = 0; row < RowCount; ++row)
        host_.SetCell(0, row, kGridLabels[row]);
}

void RingbomEngine::SetRow(RingbomRow row, const std::string& text) {
    host_.SetCell(1, row, text);
}

// ---------------------------------------------------------------- the step

void RingbomEngine::CalcEngine(bool graph) {
    if (!enable)
        return;
    const RingbomParameters p = RingbomParameters::Read(host_);
    const RingbomModel::Outcome outcome = model.Step(p);
    if (outcome == RingbomModel::Unusable)
        return;
    ShowStep(outcome);
    if (outcome == RingbomModel::NoSplit)
        return;

    // Work of the step, from the piston's recorded moves.
    double w = 0;
    double aw = 0;
    const int n = std::min({DisplacerSeries.Count(), PistonSeries.Count(), WorkSeries.Count()});
    if (n > 1) {
        const auto& piston = PistonSeries.YValues();
        w = model.Work(piston[n - 1] - piston[n - 2]);
        if (n > kStepsPerRevolution) {
            double tw = 0;
            const auto& work = WorkSeries.YValues();
            for (int k = n - kStepsPerRevolution; k < n; ++k)
                tw += work[k];
            aw = tw / kStepsPerRevolution;
            SetRow(NetWork, MyRealToStr(aw));
        }
    }

    if (!graph)
        return;
    const RingbomModel& m = model;
    const int angle = p.phase;
    stripMode_ = StripChart();
    allData_ = AllData();
    stepPhase_ = angle;
    stepSlot_ = angle / 5;
    // In fixed-cycle mode an angle outside the revolution has no slot: the step
    // is shown but not recorded in the angle charts.
    slotValid_ = stripMode_ || (angle >= 0 && angle <= 360);

    const double deltaT = m.tMaxHot - m.tMaxCold;
    const double currTotVol = (m.currVol - m.minVol) / (m.maxVol - m.minVol);
    AddPoint(DisplacerSeries, 100 * m.dispPos / m.dispTh);
    AddPoint(PistonSeries, 100 * m.pistonPos / m.pistonTh);
    AddPoint(HotVolSeries, m.hotVol / m.maxVol);
    AddPoint(ColdVolSeries, m.coldVol / m.maxVol);
    AddPoint(TotalVolSeries, currTotVol);
    AddPoint(NHotSeries, 100 * m.nHot / m.meanVol);
    AddPoint(NColdSeries, 100 * m.nCold / m.meanVol);
    // Equal end temperatures leave no span to scale into: both gases sit at the
    // cold end's temperature, 0 % of the span.
    AddPoint(HotTempSeries, deltaT != 0 ? (m.tHot - m.tMaxCold) * 100 / deltaT : 0);
    AddPoint(ColdTempSeries, deltaT != 0 ? (m.tCold - m.tMaxCold) * 100 / deltaT : 0);
    AddPoint(PressureSeries, m.currPressure);
    AddPoint(MeanPressureSeries, m.meanPressure);
    AddPoint(HiMeanPressureSeries, m.meanPressure + 0.4 * (m.maxPressure - m.meanPressure));
    AddPoint(LoMeanPressureSeries, m.meanPressure - 0.4 * (m.maxPressure - m.meanPressure));
    PVSeries.AddXY(currTotVol, m.currPressure);
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

void RingbomEngine::ShowStep(RingbomModel::Outcome outcome) {
    const RingbomModel& m = model;
    SetRow(PistonPosn, MyRealToStr(m.pistonPos));
    SetRow(MaxPressure, MyRealToStr(m.maxPressure));
    SetRow(MeanPressure, MyRealToStr(m.meanPressure));
    // The pressure the displacer followed: the one before this step's.
    SetRow(CurrPressure, MyRealToStr(m.prevPressure));
    SetRow(DispPosn, MyRealToStr(m.dispPos));
    SetRow(VolRatio, MyRealToStr(m.gasVolRatio));
    host_.SetVolumeText("Vol = " + MyRealToStr(m.currVol));
    SetRow(Volume, MyRealToStr(m.currVol / m.maxVol));
    std::string tempRatio = MyRealToStr(m.tempRatio);
    std::string thinPiston = MyRealToStr(m.thinPiston);
    if (m.seenTemps) {
        tempRatio += "; " + MyRealToStr(m.seenTempRatio);
        thinPiston += "; " + MyRealToStr(m.seenThinPiston);
    }
    SetRow(TempRatio, tempRatio);
    SetRow(ThPistonTh, thinPiston);
    if (outcome == RingbomModel::NoSplit)
        return;
    SetRow(HotColdN,
           IntToStr(RoundHalfEven(m.nHotShare)) + "/" + IntToStr(RoundHalfEven(m.nColdShare)));
    SetRow(Pressure, PressureCellText(MyRealToStr(m.currPressure), m.currPressure, m.meanPressure,
                                      m.currVol > 0));
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
    model.Reset();
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
        model.dispPos = DisplacerSeries.YValues()[j] * model.dispTh / 100;
        model.pistonPos = PistonSeries.YValues()[j] * model.pistonTh / 100;
    }
    host_.RedrawPicture();
}

// ---------------------------------------------------------------- picture

void RingbomEngine::ShowEngine(Canvas& canvas) const {
    if (enable)
        RingbomPicture::Draw(model, canvas);
}

} // namespace kelvane
