#include "RiderEngine.h"

#include "RiderFields.h"
#include "common/CrankActions.h"

#include "RiderFields.h"
#include "RiderParameters.h"
#include "RiderPicture.h"
#include "RiderState.h"
#include "common/SeriesScaling.h"
#include "common/StirlingPhysics.h"
#include "foundations/Callback.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"
#include "foundations/WholeDegrees.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

namespace kelvane {

namespace {

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

} // namespace

const ParameterTable& RiderEngine::Table() {
    return RiderFields();
}

RiderEngine::RiderEngine(EngineHost& host)
    : HotPistonSeries(PositionChart.AddSeries("Series1", "Hot Piston")),
      ColdPistonSeries(PositionChart.AddSeries("Series2", "Cold Piston")),
      PhaseSeries1(PositionChart.AddSeries("Series6", "Phase")),
      HotVolSeries(VolumeChart.AddSeries("Series3", "Hot Volume")),
      ColdVolSeries(VolumeChart.AddSeries("Series4", "Cold Volume")),
      TotalVolSeries(VolumeChart.AddSeries("LineSeries1", "Total Volume")),
      PressureSeries(VolumeChart.AddSeries("LineSeries2", "Pressure")),
      MeanPressureSeries(VolumeChart.AddSeries("Series5", "Mean Pressure")),
      PhaseSeries2(VolumeChart.AddSeries("Series9", "Phase")),
      NHotSeries(GasChart.AddSeries("LineSeries5", "N Hot")),
      NColdSeries(GasChart.AddSeries("LineSeries6", "N Cold")),
      PhaseSeries3(GasChart.AddSeries("Series7", "Phase")),
      HotWorkSeries(WorkChart.AddSeries("LineSeries9", "Hot Push Rod")),
      ColdWorkSeries(WorkChart.AddSeries("LineSeries10", "Cold Push Rod")),
      PhaseSeries4(WorkChart.AddSeries("Series8", "Phase")),
      WorkSeries(WorkChart.AddSeries("Series10", "Sum")),
      PVSeries(LoopChart.AddSeries("PVSeries", "PVSeries")),
      PVPhaseSeries(LoopChart.AddSeries("Series11", "PVPhase")), host_(host) {
    SetupCharts();
}

void RiderEngine::Take(const RiderState& s, bool graph, double phase) {
    state_ = s;
    if (!graph)
        return;
    HotPistonSeries.AddXY(phase, s.hotPos);
    ColdPistonSeries.AddXY(phase, s.coldPos);
    HotVolSeries.AddXY(phase, 100 * s.hotVol / s.maxVol);
    ColdVolSeries.AddXY(phase, 100 * s.coldVol / s.maxVol);
    TotalVolSeries.AddXY(phase, s.currVol / s.maxVol);
    NHotSeries.AddXY(phase, s.nHotShare);
    NColdSeries.AddXY(phase, s.nColdShare);
    PressureSeries.AddXY(phase, s.pC);
    if (inRevolution_) {
        pvVolumes_.push_back(s.currVol / s.maxVol);
        pvPressures_.push_back(s.pC);
    } else {
        PVSeries.AddXY(s.currVol / s.maxVol, s.pC);
    }
}

void RiderEngine::CalcEngine(bool graph) {
    // Everything is read and checked before anything changes, so a bad
    // parameter leaves the previous results on screen.
    RiderParameters par = RiderParameters::Read(host_);
    par.Validate();
    RiderState s = RiderState::Compute(par);
    Take(s, graph, par.phase);

    WriteRow(HotPosn, IntToStr(RoundHalfEven(s.hotPos)));
    WriteRow(ColdPosn, IntToStr(RoundHalfEven(s.coldPos)));
    WriteRow(Volume, s.maxVol > 0 ? RealToStr2(s.currVol / s.maxVol) : std::string());
    WriteRow(HotN, IntToStr(RoundHalfEven(s.nHotShare)));
    WriteRow(ColdN, IntToStr(RoundHalfEven(s.nColdShare)));
    WriteRow(Pressure, PressureCellText(RealToStr2(s.pC), s.pC, avgPressure, s.currVol > 0));
}

void RiderEngine::EvaluateInRevolution(bool graph) {
    RiderParameters par = revolution_;
    par.phase = AngleOf(host_.FieldText(Field::Phase));
    if (!evaluatedValid_ || par.phase != evaluatedPhase_) {
        evaluated_ = RiderState::Compute(par);
        evaluatedPhase_ = par.phase;
        evaluatedValid_ = true;
    }
    Take(evaluated_, graph, par.phase);
}

void RiderEngine::CalcButtonClick() {
    if (!enable)
        return;
    // The sweep sets the crank angle itself; the other seven must be sound
    // before the previous revolution is thrown away.
    revolution_ = RiderParameters::Read(host_, false);
    revolution_.Validate();

    for (TLineSeries* s : {&HotPistonSeries, &ColdPistonSeries, &HotVolSeries, &ColdVolSeries,
                           &MeanPressureSeries, &WorkSeries, &PVSeries, &NHotSeries, &NColdSeries,
                           &TotalVolSeries, &PressureSeries, &HotWorkSeries, &ColdWorkSeries})
        s->Clear();
    {
        // Nothing but the crank angle changes within the revolution (its
        // handler writes no field), and every row and marker is set again at
        // its end: each angle computes the model once, for its points and
        // the picture.
        FlagGuard revolving(inRevolution_);
        evaluatedValid_ = false;
        pvVolumes_.clear();
        pvPressures_.clear();
        host_.SetFieldText(Field::Phase, AngleText(0));
        for (int p = 0; p <= 360; ++p) {
            host_.SetFieldText(Field::Phase, AngleText(p));
            EvaluateInRevolution(true);
        }
        PVSeries.AddXYs(pvVolumes_, pvPressures_);
    }
    host_.SetFieldText(Field::Phase, AngleText(0));

    const TChartValueList& pressures = PressureSeries.YValues();
    double totPressure = 0;
    for (int i = 0; i < pressures.Count(); ++i)
        totPressure += pressures[i];
    avgPressure = totPressure / pressures.Count();
    mvSave = pressures.MaxValue();
    WriteRow(MaxPressure, RealToStr2(mvSave));
    PressureSeries.MapYValues([this](double y) { return y / mvSave; });
    double ap = avgPressure / mvSave;
    WriteRow(MeanPressure, RealToStr2(avgPressure));
    MeanPressureSeries.AddXY(360, ap);
    MeanPressureSeries.AddXY(0, ap);

    double tp = 0;
    const TChartValueList& hot = HotPistonSeries.YValues();
    const TChartValueList& cold = ColdPistonSeries.YValues();
    for (int i = 1; i < HotPistonSeries.Count(); ++i) {
        double hotDelta = hot[i] - hot[i - 1];
        double coldDelta = cold[i] - cold[i - 1];
        double pressure = PressureSeries.YValues()[i] - ap;
        double h = pressure * hotDelta;
        HotWorkSeries.AddXY(i, h);
        double c = pressure * coldDelta;
        ColdWorkSeries.AddXY(i, c);
        WorkSeries.AddXY(i, h + c);
        tp = tp + h + c;
    }
    tp = tp / HotPistonSeries.Count();
    netWork = tp * 100;
    WriteRow(NetWork, RealToStr2(netWork));

    // The sum's size scales all three curves, unless the two pistons' works
    // cancel (opposed pistons): then the sum is noise, and the largest of them.
    double size = 0;
    for (const TLineSeries* s : {&HotWorkSeries, &ColdWorkSeries, &WorkSeries})
        size = std::max(size, LargestMagnitude(*s));
    const double mv = UnitScale(LargestMagnitude(WorkSeries), size);
    // With neither piston moving the work curves are all 0; they stay so.
    if (mv > 0) {
        for (TLineSeries* s : {&HotWorkSeries, &ColdWorkSeries, &WorkSeries})
            s->MapYValues([mv](double y) { return y / mv; });
    }
    // The angle shown was evaluated before this revolution's mean was known:
    // again, so that row 2's mark compares with the mean now shown.
    CalcEngine(false);
    // The angle-0 markers were placed before the pressures were normalised and
    // the work curves existed; place them again on the new curves.
    MoveMarkers(StrToInt(host_.FieldText(Field::Phase)));
}

void RiderEngine::ShowEngine(Canvas& canvas) const {
    RiderPicture::Draw(*this, canvas);
}

void RiderEngine::SetGridLabels() {
    static const char* const labels[kGridRows] = {"Hot Posn",     "Cold Posn",     "Pressure",
                                                  "Volume",       "Hot N %",       "Cold N %",
                                                  "Max Pressure", "Mean Pressure", "Net Work"};
    for (int row = 0; row < kGridRows; ++row)
        host_.SetCell(0, row, labels[row]);
}

void RiderEngine::FormShow(bool start) {
    SetGridLabels();
    enable = true;
    if (start)
        SpeedButtonClick(100);
}

void RiderEngine::ParametersLoaded() {
    // The stroke limits come into range before the track bars move: a track-bar
    // handler may analyse at once, and a stroke minimum of 0 would put a piston
    // on its cylinder head.
    BringStrokeLimitsIntoRange(host_);
    FollowBoxes();
    UpdateStrokeLimits();
}

void RiderEngine::FollowBoxes() {
    int value = 0;
    if (TryStrToInt(host_.FieldText(Field::HotTemp), value)) {
        const int position = HotTempSliderPosition(value);
        if (HotTempTB.Clamp(position) == position)
            HotTempTB.Position = position;
    }
    if (TryStrToInt(host_.FieldText(Field::PhaseOffset), value) &&
        PhaseOffsetTB.Clamp(value) == value)
        PhaseOffsetTB.Position = value;
}

void RiderEngine::SpeedButtonClick(int interval) {
    CalcButtonClick();
    timer.Interval = interval;
    timer.Enabled = true;
}

void RiderEngine::FieldChanged(Field field) {
    if (field == Field::Phase)
        PhaseChange();
}

std::pair<double, double> RiderEngine::WorkAxisRange() const {
    const TChartAxis& axis = WorkChart.LeftAxis;
    if (!axis.Automatic)
        return {axis.Minimum(), axis.Maximum()};
    // An automatic axis spans the work curves; the marker itself is left out,
    // or it would keep the range of every earlier revolution.
    bool any = false;
    double lo = 0, hi = 0;
    for (const TLineSeries* s : {&HotWorkSeries, &ColdWorkSeries, &WorkSeries}) {
        if (s->Count() == 0)
            continue;
        double sMin = s->YValues().MinValue(), sMax = s->YValues().MaxValue();
        lo = any ? std::min(lo, sMin) : sMin;
        hi = any ? std::max(hi, sMax) : sMax;
        any = true;
    }
    if (!any)
        return {axis.Minimum(), axis.Maximum()};
    return {lo, hi};
}

void RiderEngine::MoveMarkers(double theta) {
    PhaseSeries1.SetVerticalLine(theta, 0, 100);
    PhaseSeries3.SetVerticalLine(theta, 0, 100);
    auto [lo, hi] = WorkAxisRange();
    PhaseSeries4.SetVerticalLine(theta, hi, lo);
    PhaseSeries2.SetVerticalLine(theta, 0, 100);
    PVPhaseSeries.Clear();
    int r = TotalVolSeries.XValues().Locate(theta);
    if (r >= 0 && r < PressureSeries.Count())
        PVPhaseSeries.AddXY(TotalVolSeries.YValues()[r], PressureSeries.YValues()[r] * mvSave);
}

void RiderEngine::PhaseChange() {
    if (inRevolution_) {
        if (!timer.Enabled) {
            EvaluateInRevolution(false);
            host_.RedrawPicture();
        }
        return;
    }
    MoveMarkers(StrToInt(host_.FieldText(Field::Phase)));
    if (!timer.Enabled) {
        CalcEngine(false);
        host_.RedrawPicture();
    }
}

void RiderEngine::Tick() {
    if (!timer.Enabled || animating)
        return;
    FlagGuard guard(animating);
    try {
        CalcEngine(false);
        host_.RedrawPicture();
        int next = StrToInt(host_.FieldText(Field::Phase)) + 10;
        host_.SetFieldText(Field::Phase, IntToStr(next));
        if (next > 360)
            host_.SetFieldText(Field::Phase, IntToStr(next - 360));
    } catch (...) {
        // A bad parameter would fail again on every tick: report it once.
        timer.Enabled = false;
        throw;
    }
}

bool RiderEngine::ArmGraphTimer() {
    if (graphTimerArmed)
        return false;
    graphTimerArmed = true;
    CallIfSet(onGraphTimerArmed);
    return true;
}

void RiderEngine::GraphTimerTimer() {
    graphTimerArmed = false;
    std::string kept = host_.FieldText(Field::Phase);
    CalcButtonClick();
    host_.SetFieldText(Field::Phase, kept);
    CalcEngine(false);
    host_.RedrawPicture();
}

void RiderEngine::ChartClick(const TChart&, double x, double plotLeft, double plotRight) {
    timer.Enabled = false;
    // A plot area without width has no angle to land on.
    if (plotRight == plotLeft)
        return;
    host_.SetFieldText(Field::Phase, IntToStr(SnappedClickAngle(x, plotLeft, plotRight)));
}

void RiderEngine::UpdateStrokeLimits() {
    auto limit = [this](Field field, int& bound, int by) {
        int value = 0;
        if (TryStrToInt(host_.FieldText(field), value))
            bound = ClampToInt(static_cast<long long>(value) + by);
    };
    limit(Field::HotStrokeMax, UpDown1.Max, -5);
    limit(Field::HotStrokeMin, UpDown2.Min, 5);
    limit(Field::ColdStrokeMax, UpDown3.Max, -5);
    limit(Field::ColdStrokeMin, UpDown4.Min, 5);
}

void RiderEngine::UpDown7Changing() {
    UpdateStrokeLimits();
    ArmGraphTimer();
    if (timer.Enabled)
        CalcButtonClick();
}

RiderUpDown* RiderEngine::FindUpDown(Field field) {
    for (RiderUpDown* u :
         {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8}) {
        if (u->Associate == field)
            return u;
    }
    return nullptr;
}

void RiderEngine::UpDownClick(Field field, bool up) {
    RiderUpDown* u = FindUpDown(field);
    if (!u)
        throw std::invalid_argument("no up-down steps the box " + std::to_string(Index(field)));
    // The control takes its value from the edit box before it asks whether to
    // change, and applies the step with the limits the handler set.
    int value = 0;
    bool isNumber = TryStrToInt(host_.FieldText(u->Associate), value);
    UpDown7Changing();
    if (!isNumber)
        return;
    host_.SetFieldText(u->Associate, IntToStr(u->Step(value, up)));
}

void RiderEngine::SetHotTempTBPosition(int position) {
    if (HotTempTB.MoveTo(position))
        HotTempTBChange();
}

void RiderEngine::SetPhaseOffsetTBPosition(int position) {
    if (PhaseOffsetTB.MoveTo(position))
        PhaseOffsetTBChange();
}

void RiderEngine::HotTempTBChange() {
    host_.SetFieldText(Field::HotTemp, IntToStr(HotTempFromSlider(HotTempTB.Position)));
    UpDown7Changing();
}

void RiderEngine::PhaseOffsetTBChange() {
    host_.SetFieldText(Field::PhaseOffset, IntToStr(PhaseOffsetTB.Position));
    UpDown7Changing();
}

void RiderEngine::TextsPut() {
    ParametersLoaded();
    SetGridLabels();
    enable = true;
    timer.Enabled = false;
}

void RiderEngine::ClickAtAngle(long long angle) {
    // A plot area 360 pixels wide puts each pixel on one degree.
    ChartClick(PositionChart, static_cast<double>(angle), 0, 360);
}

void RiderEngine::Batch(int count) {
    StopButtonClick();
    for (int i = 0; i < count; ++i)
        CalcButtonClick();
}

std::span<const EngineAction> RiderEngine::Actions() const {
    return kCrankActions;
}

void RiderEngine::Act(std::string_view action, int arg, const std::function<bool()>& usable) {
    if (action == "graphTimer")
        GraphTimerTimer();
    else if (const FieldRow* row =
                 action.starts_with("step") ? Table().Find(action.substr(4)) : nullptr)
        UpDownClick(row->id, arg != 0); // arg: 1 up, 0 down
    else
        RunCrankAction(*this, action, arg, usable);
}

void RiderEngine::Slide(TrackBar slider, int position) {
    if (slider == TrackBar::HotTempTB)
        SetHotTempTBPosition(position);
    else
        SetPhaseOffsetTBPosition(position);
}

std::optional<int> RiderEngine::SliderPosition(TrackBar slider) {
    return slider == TrackBar::HotTempTB ? HotTempTB.Position : PhaseOffsetTB.Position;
}

std::vector<EngineStateItem> RiderEngine::StateItems() const {
    std::vector<EngineStateItem> items{{"", "graphTimer", graphTimerArmed, ""}};
    for (const RiderUpDown* u :
         {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8})
        items.push_back({"upDowns", RiderFields().RowOf(u->Associate).control, std::nullopt,
                         "step" + std::string(RiderFields().RowOf(u->Associate).control)});
    return items;
}

} // namespace kelvane
