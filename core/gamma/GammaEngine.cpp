#include "GammaEngine.h"

#include "GammaFields.h"
#include "GammaPicture.h"
#include "GammaState.h"
#include "common/CrankActions.h"
#include "common/SeriesScaling.h"
#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"
#include "foundations/WholeDegrees.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <utility>

namespace kelvane {

namespace {

constexpr double kDefaultDimension = 5.0;
constexpr double kInvalid = -1000.0;

} // namespace

const ParameterTable& GammaEngine::Table() {
    return GammaFields();
}

GammaEngine::GammaEngine(EngineHost& host)
    : PhaseSeries5(LoopChart.AddSeries("PhaseSeries5", "PhaseSeries5")), host_(host) {
    SetupCharts();
}

void GammaEngine::SetupCharts() {
    for (TChart* c : {&PositionChart, &VolumeChart, &GasChart, &WorkChart}) {
        c->BottomAxis.SetFixed(0, 360);
        c->Legend.Visible = true;
        c->Legend.AlignBottom = true;
        c->Legend.ShadowSize = 0;
    }
    PositionChart.LeftAxis.SetFixed(0, 100);
    PositionChart.RightAxis.SetFixed(0, 2);
    VolumeChart.LeftAxis.SetFixed(0, 1);
    VolumeChart.RightAxis.SetAutomatic();
    VolumeChart.RightAxis.Labels = false;
    GasChart.LeftAxis.SetFixed(0, 100);
    GasChart.RightAxis.SetFixed(0, 2);

    PistonSeries.SetLine(clLime, 1);
    HotVolSeries.SetLine(clRed, 1, true, TVertAxis::Right);
    ColdVolSeries.SetLine(clBlue, 1, true, TVertAxis::Right);
    TotalVolSeries.SetLine(clLime, 1);
    PressureSeries.SetLine(clBlack, 2);
    MeanPressureSeries.SetLine(clBlack, 1, false);
    StylePoints(PVSeries, clRed);
    StylePoints(PhaseSeries5, clLightYellow);
    StyleStateMarker(PhaseSeries5);
    PVSeries.ShowInLegend = PhaseSeries5.ShowInLegend = false;
}

void GammaEngine::SetGridLabels() {
    // In the order of GammaRow.
    static const char* const labels[kGridRows] = {
        "Disp Posn",     "Piston Posn", "Pressure",   "Volume",     "Hot/Cold N %", "Max Pressure",
        "Mean Pressure", "Vol Ratio",   "Temp Ratio", "Temp Ratio", "Th Piston Th", "Net Work"};
    for (int row = 0; row < kGridRows; ++row)
        host_.SetCell(0, row, labels[row]);
}

void GammaEngine::RequestPicture() {
    if (enable)
        host_.RedrawPicture();
}

void GammaEngine::ShowEngine(Canvas& canvas) const {
    GammaPicture::Draw(*this, canvas);
}

const std::string& GammaEngine::Formatted(TextSlot slot, double value) {
    FormattedValue& f = formatted_[slot];
    // Same bits, same text; NaN never compares equal and is simply formatted again.
    if (!f.valid || !(f.value == value) || std::signbit(f.value) != std::signbit(value)) {
        f.text = MyRealToStr(value);
        f.value = value;
        f.valid = true;
    }
    return f.text;
}

void GammaEngine::CalcEngine(bool graph) {
    if (!enable)
        return;
    complete_ = false;

    GammaParameters p;
    p.dispCylHt = dispCylHt = fields_.Real(Field::DispCylHeight, kDefaultDimension);
    p.dispCylDiam = dispCylDiam = fields_.Real(Field::DispCylDiameter, kDefaultDimension);
    p.dispHt = dispHt = fields_.Real(Field::DispHeight, kDefaultDimension);
    dispTh = dispCylHt - dispHt;
    p.pistonDiam = pistonDiam = fields_.Real(Field::PistonDiameter, kDefaultDimension);
    pistonHt = pistonDiam;
    p.pistonTh = pistonTh = fields_.Real(Field::PistonThrow, kDefaultDimension);
    if (!p.GeometryUsable())
        return;

    // The whole numbers are read as the stages need them; a bad one ends the
    // evaluation with the rows of the stages before it already written.
    GammaState s;
    p.phase = StrToInt(host_.FieldText(Field::Phase));
    s.PlaceDisplacer(p);
    Cell(DispPosn, MyRealToStr(s.dispPos));

    p.phaseOffset = fields_.Whole(Field::PhaseOffset);
    s.PlacePiston(p);
    Cell(PistonPosn, MyRealToStr(s.pistonPos));
    Cell(VolRatio, Formatted(kVolRatioText, s.volRatio));
    // Refilled in place: this runs at every crank angle of an analysis.
    volume_.parts[0].text = MyRealToStr(s.currVol);
    host_.SetVolumeText(volume_);
    Cell(Volume, MyRealToStr(s.currVol / s.maxVol));

    p.hotTemp = fields_.Whole(Field::HotTemp);
    p.coldTemp = fields_.Whole(Field::ColdTemp);
    s.SplitGas(p);
    state_ = s;
    evaluated_ = p;
    evaluatedState_ = s;
    complete_ = true;

    const double effectiveRatio = EffectiveTempRatio();
    Cell(NominalTempRatioRow, Formatted(kNominalRatioText, s.nominalRatio));
    Cell(EffectiveTempRatioRow, Formatted(kEffectiveRatioText, effectiveRatio));
    text_.assign(Formatted(kNominalThrowText, s.nominalRatio * s.minVol / s.pistonArea));
    text_ += "; ";
    text_ += Formatted(kEffectiveThrowText, effectiveRatio * s.minVol / s.pistonArea);
    Cell(ThPistonTh, text_);
    Cell(GasShares,
         IntToStr(RoundHalfEven(s.nHotShare)) + "/" + IntToStr(RoundHalfEven(s.nColdShare)));
    Cell(Pressure, PressureCellText(MyRealToStr(s.pC), s.pC, meanPressure, s.currVol > 0));

    if (graph)
        AddPoints(static_cast<double>(p.phase), s);
}

void GammaEngine::CalcButtonClick() {
    if (calcing || !enable)
        return;
    for (const FieldRow& f : GammaFields().fields()) {
        if (MyStrToReal(host_.FieldText(f.id), kInvalid) == kInvalid)
            return;
    }

    FlagGuard guard(calcing);

    TLineSeries* cleared[] = {
        &DisplacerSeries, &PistonSeries,   &HotVolSeries,   &ColdVolSeries,  &MeanPressureSeries,
        &NHotSeries,      &NColdSeries,    &TotalVolSeries, &PressureSeries, &WorkSeries,
        &HotTempSeries,   &ColdTempSeries, &PVSeries};
    for (TLineSeries* s : cleared)
        s->Clear();

    minHot = 1000.0;
    maxCold = -200.0;
    host_.SetFieldText(Field::Phase, AngleText(0));
    CalcEngine(true);
    TrackExtremes();
    TurnRevolution();

    host_.SetFieldText(Field::Phase, "0");
    CalcEngine(false);
    RequestPicture();

    const int n = PressureSeries.Count();
    if (n == 0)
        return;

    double totPressure = 0;
    minPressure = 1000000.0;
    maxPressure = -1000000.0;
    for (int i = 0; i < n; ++i) {
        const double pr = PressureSeries.YValues()[i];
        totPressure += pr;
        if (pr > maxPressure)
            maxPressure = pr;
        if (pr < minPressure)
            minPressure = pr;
    }
    meanPressure = totPressure / n;

    double tw = 0;
    for (int i = 1; i < DisplacerSeries.Count(); ++i) {
        const double pistonDelta = PistonSeries.YValues()[i] - PistonSeries.YValues()[i - 1];
        const double pressure = PressureSeries.YValues()[i] - meanPressure;
        const double w = StepWork(pressure, pistonDelta, pistonDiam);
        WorkSeries.AddXY(i, w);
        tw += w;
    }
    netWork = tw;
    Cell(NetWork, MyRealToStr(tw));

    maxPSave = PressureSeries.YValues().MaxValue();
    minPSave = PressureSeries.YValues().MinValue();
    Cell(MaxPressure, MyRealToStr(maxPSave));
    ScaleBySpan(PressureSeries, minPSave, maxPSave);

    // The mean of pressures that differ only by rounding can fall a hair
    // outside them, and its place on the chart far off it.
    const double ap = std::clamp(Ratio(meanPressure - minPSave, maxPSave - minPSave), 0.0, 1.0);
    Cell(MeanPressure, MyRealToStr(meanPressure));
    MeanPressureSeries.AddXY(360, ap);
    MeanPressureSeries.AddXY(0, ap);

    ScaleByMax(WorkSeries, 1);
    ScaleByMax(DisplacerSeries, 100);
    ScaleByMax(PistonSeries, 100);

    maxVSave = TotalVolSeries.YValues().MaxValue();
    minVSave = TotalVolSeries.YValues().MinValue();
    ScaleBySpan(TotalVolSeries, minVSave, maxVSave);

    // The angle shown was evaluated before this revolution's mean was known:
    // again, so that row 2's mark compares with the mean now shown.
    CalcEngine(false);
    // The markers go to the angle shown, over the curves just made.
    PlaceMarkers(StrToInt(host_.FieldText(Field::Phase)));
}

void GammaEngine::FormShow(bool start) {
    SetGridLabels();
    enable = true;
    if (!start)
        return;
    CalcButtonClick();
    SpeedButtonClick(100);
}

void GammaEngine::SpeedButtonClick(int intervalMs) {
    CalcButtonClick();
    timer.Interval = intervalMs;
    timer.Enabled = true;
}

void GammaEngine::OpenWithoutWindow() {
    SetGridLabels();
    enable = true;
}

void GammaEngine::FieldChanged(Field) {
    if (phaseChanging || calcing)
        return;
    timer.Enabled = false;
    CalcButtonClick();
}

void GammaEngine::FieldEdited(Field field, bool heldBack) {
    if (field == Field::Phase && !heldBack)
        PhaseEdited();
    else
        FieldChanged(field);
}

void GammaEngine::Batch(int count) {
    timer.Enabled = false;
    for (int i = 0; i < count; ++i)
        CalcButtonClick();
}

std::span<const EngineAction> GammaEngine::Actions() const {
    return kCrankActions;
}

void GammaEngine::Act(std::string_view action, int arg, const std::function<bool()>& usable) {
    RunCrankAction(*this, action, arg, usable);
}

namespace {
// The hot-temperature slider runs backwards: its minimum is the hottest end.
constexpr EngineSlider kSliders[] = {{TrackBar::HotTempTB, Field::HotTemp, 0, 1000, true},
                                     {TrackBar::PhaseOffsetTB, Field::PhaseOffset, -175, 175}};
} // namespace

std::span<const EngineSlider> GammaEngine::Sliders() const {
    return kSliders;
}

void GammaEngine::Slide(TrackBar slider, int position) {
    if (slider == TrackBar::HotTempTB)
        HotTempTBChange(position);
    else
        PhaseOffsetTBChange(position);
}

std::optional<int> GammaEngine::SliderPosition(TrackBar slider) {
    return slider == TrackBar::HotTempTB ? HotTempSliderPositionOf(host_)
                                         : WholeNumberOf(host_, Field::PhaseOffset);
}

void GammaEngine::HotTempTBChange(int position) {
    host_.SetFieldText(Field::HotTemp, IntToStr(HotTempFromSlider(position)));
}

void GammaEngine::PhaseOffsetTBChange(int position) {
    host_.SetFieldText(Field::PhaseOffset, IntToStr(position));
}

void GammaEngine::PhaseChange() {
    PlaceMarkers(StrToInt(host_.FieldText(Field::Phase)));
    if (!timer.Enabled) {
        CalcEngine(false);
        RequestPicture();
    }
}

void GammaEngine::PlaceMarkers(double x) {
    PhaseSeries1.SetVerticalLine(x, 0, 100);

    PhaseSeries3.SetVerticalLine(x, 0, 100);

    // The work axis scales itself to the data, so the marker follows the data's extent.
    double workMax = WorkChart.LeftAxis.Maximum(), workMin = WorkChart.LeftAxis.Minimum();
    if (WorkChart.LeftAxis.Automatic) {
        workMax = WorkSeries.YValues().MaxValue();
        workMin = WorkSeries.YValues().MinValue();
    }
    PhaseSeries4.SetVerticalLine(x, workMax, workMin);

    PhaseSeries2.SetVerticalLine(x, 0, 1);

    PhaseSeries5.Clear();
    const int index = TotalVolSeries.XValues().Locate(x);
    if (index >= 0 && index < PressureSeries.Count()) {
        PhaseSeries5.AddXY(TotalVolSeries.YValues()[index] * (maxVSave - minVSave) + minVSave,
                           PressureSeries.YValues()[index] * (maxPSave - minPSave) + minPSave);
    }
}

void GammaEngine::PhaseEdited() {
    timer.Enabled = false;
    PhaseChange();
}

void GammaEngine::Tick() {
    if (!timer.Enabled || animating)
        return;
    FlagGuard stepping(animating);
    try {
        CalcEngine(false);
        RequestPicture();
        PhaseChange();

        FlagGuard writing(phaseChanging);
        long long p = StrToInt(host_.FieldText(Field::Phase)) + 10LL;
        if (p > 360)
            p -= 360;
        host_.SetFieldText(Field::Phase, IntToStr(p));
        PhaseChange();
    } catch (...) {
        // Every later tick would fail the same way: stop, so it is reported once.
        timer.Enabled = false;
        throw;
    }
}

void GammaEngine::ChartClick(const TChart&, double x, double plotLeft, double plotRight) {
    // A chart not yet laid out has no plot width to measure the click against.
    if (!(plotRight - plotLeft > 0)) {
        timer.Enabled = false;
        return;
    }
    ClickAtAngle(SnappedClickAngle(x, plotLeft, plotRight));
}

void GammaEngine::ClickAtAngle(long long angle) {
    timer.Enabled = false;
    angle = std::clamp(angle / 5 * 5, 0LL, 360LL);
    FlagGuard writing(phaseChanging);
    host_.SetFieldText(Field::Phase, IntToStr(angle));
    PhaseChange();
}

} // namespace kelvane
