#include "RiderEngine.h"

#include "RiderFields.h"
#include "RiderParameters.h"
#include "RiderPicture.h"
#include "RiderState.h"
#include "common/SeriesScaling.h"
#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"

#include "foundations/FlagGuard.h"
#include <algorithm>
#include <climits>

#include <cmath>
#include <stdexcept>

namespace kelvane {

namespace {

int ClampToInt(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

void AngleAxis(TChartAxis& axis) {
    axis.SetMinMax(0, 360);
    axis.Increment = 45;
}

void FixedAxis(TChartAxis& axis, double min, double max, const std::string& title) {
    axis.SetMinMax(min, max);
    axis.TitleCaption = title;
    axis.TitleAngle = 90;
}

} // namespace

RiderEngine::RiderEngine(EngineHost& host)
    : Series1(Chart1.AddSeries("Series1", "Hot Piston")),
      Series2(Chart1.AddSeries("Series2", "Cold Piston")),
      Series6(Chart1.AddSeries("Series6", "Phase")),
      Series3(Chart2.AddSeries("Series3", "Hot Volume")),
      Series4(Chart2.AddSeries("Series4", "Cold Volume")),
      LineSeries1(Chart2.AddSeries("LineSeries1", "Total Volume")),
      LineSeries2(Chart2.AddSeries("LineSeries2", "Pressure")),
      Series5(Chart2.AddSeries("Series5", "Mean Pressure")),
      Series9(Chart2.AddSeries("Series9", "Phase")),
      LineSeries5(Chart3.AddSeries("LineSeries5", "N Hot")),
      LineSeries6(Chart3.AddSeries("LineSeries6", "N Cold")),
      Series7(Chart3.AddSeries("Series7", "Phase")),
      LineSeries9(Chart4.AddSeries("LineSeries9", "Hot Push Rod")),
      LineSeries10(Chart4.AddSeries("LineSeries10", "Cold Push Rod")),
      Series8(Chart4.AddSeries("Series8", "Phase")), Series10(Chart4.AddSeries("Series10", "Sum")),
      PVSeries(Chart5.AddSeries("PVSeries", "PVSeries")),
      Series11(Chart5.AddSeries("Series11", "PVPhase")), host_(host) {
    SetupCharts();
}

void RiderEngine::SetupCharts() {
    const std::string pv = "Normalized Pressure/Volume";
    for (TChart* c : {&Chart1, &Chart2, &Chart3, &Chart4}) {
        AngleAxis(c->BottomAxis);
        c->Legend.Visible = true;
        c->Legend.AlignBottom = true;
    }

    Chart1.SetTitle("Piston Position");
    FixedAxis(Chart1.LeftAxis, 0, 100, "Piston Position");
    FixedAxis(Chart1.RightAxis, 0, 2, pv);
    Series1.SetLine(clRed);
    Series2.SetLine(clBlue);
    Series6.SetLine(clLightYellow, 3, false);

    Chart2.SetTitle("Volume and Pressure");
    FixedAxis(Chart2.LeftAxis, 0, 1, "Normalized");
    Chart2.RightAxis.SetAutomatic();
    Chart2.RightAxis.Labels = false;
    Series3.SetLine(clRed, 1, true, TVertAxis::Right);
    Series4.SetLine(clBlue, 1, true, TVertAxis::Right);
    LineSeries1.SetLine(clLime);
    LineSeries2.SetLine(clBlack, 2);
    Series5.SetLine(clBlack, 1, false);
    Series9.SetLine(clYellow, 2, false);

    Chart3.SetTitle("Gas Distribution");
    FixedAxis(Chart3.LeftAxis, 0, 100, "Gas \"N\" %");
    FixedAxis(Chart3.RightAxis, 0, 2, pv);
    LineSeries5.SetLine(clRed);
    LineSeries6.SetLine(clBlue);
    Series7.SetLine(clYellow, 2, false);

    Chart4.SetTitle("Work");
    Chart4.LeftAxis.SetAutomatic();
    Chart4.LeftAxis.TitleCaption = "Click the Help button!";
    Chart4.LeftAxis.TitleAngle = 90;
    Chart4.RightAxis.Labels = false;
    LineSeries9.SetLine(clRed);
    LineSeries10.SetLine(clBlue);
    Series8.SetLine(clYellow, 2, false);
    Series10.SetLine(clBlack, 2);

    Chart5.SetTitle("Pressure/Volume (Click to move)");
    Chart5.Visible = false;
    Chart5.Legend.Visible = false;
    Chart5.LeftAxis.SetAutomatic();
    Chart5.BottomAxis.SetAutomatic();
    Chart5.RightAxis.Visible = false;
    StylePoints(PVSeries, clRed);
    StylePoints(Series11, clLightYellow);
}

std::vector<TChart*> RiderEngine::Charts() {
    return {&Chart1, &Chart2, &Chart3, &Chart4, &Chart5};
}

void RiderEngine::CalcEngine(bool graph) {
    // Everything is read and checked before anything changes, so a bad
    // parameter leaves the previous results on screen.
    RiderParameters par = RiderParameters::Read(host_);
    par.Validate();
    RiderState s = RiderState::Compute(par);

    hotPos = s.hotPos;
    coldPos = s.coldPos;
    hotVol = s.hotVol;
    coldVol = s.coldVol;
    currVol = s.currVol;
    maxVol = s.maxVol;

    WriteRow(0, IntToStr(RoundHalfEven(hotPos)));
    WriteRow(1, IntToStr(RoundHalfEven(coldPos)));
    WriteRow(3, maxVol > 0 ? RealToStr2(currVol / maxVol) : std::string());
    WriteRow(4, IntToStr(RoundHalfEven(s.nHot)));
    WriteRow(5, IntToStr(RoundHalfEven(s.nCold)));
    WriteRow(2, PressureCellText(RealToStr2(s.pC), s.pC, avgPressure, currVol > 0));

    if (!graph)
        return;
    double p = par.phase;
    Series1.AddXY(p, hotPos);
    Series2.AddXY(p, coldPos);
    Series3.AddXY(p, 100 * hotVol / maxVol);
    Series4.AddXY(p, 100 * coldVol / maxVol);
    LineSeries1.AddXY(p, currVol / maxVol);
    LineSeries5.AddXY(p, s.nHot);
    LineSeries6.AddXY(p, s.nCold);
    LineSeries2.AddXY(p, s.pC);
    PVSeries.AddXY(currVol / maxVol, s.pC);
}

void RiderEngine::CalcButtonClick() {
    if (!enable)
        return;
    // The sweep sets the crank angle itself; the other seven must be sound
    // before the previous revolution is thrown away.
    RiderParameters::Read(host_, false).Validate();

    for (TLineSeries* s :
         {&Series1, &Series2, &Series3, &Series4, &Series5, &Series10, &PVSeries, &LineSeries5,
          &LineSeries6, &LineSeries1, &LineSeries2, &LineSeries9, &LineSeries10})
        s->Clear();
    host_.SetFieldText(Field::Phase, "0");
    for (int p = 0; p <= 360; ++p) {
        host_.SetFieldText(Field::Phase, IntToStr(p));
        CalcEngine(true);
    }
    host_.SetFieldText(Field::Phase, "0");

    const TChartValueList& pressures = LineSeries2.YValues();
    double totPressure = 0;
    for (int i = 0; i < pressures.Count(); ++i)
        totPressure += pressures[i];
    avgPressure = totPressure / pressures.Count();
    mvSave = pressures.MaxValue();
    WriteRow(6, RealToStr2(mvSave));
    for (int i = 0; i < LineSeries2.Count(); ++i)
        LineSeries2.SetYValue(i, LineSeries2.YValues()[i] / mvSave);
    double ap = avgPressure / mvSave;
    WriteRow(7, RealToStr2(avgPressure));
    Series5.AddXY(360, ap);
    Series5.AddXY(0, ap);

    double tp = 0;
    const TChartValueList& hot = Series1.YValues();
    const TChartValueList& cold = Series2.YValues();
    for (int i = 1; i < Series1.Count(); ++i) {
        double hotDelta = hot[i] - hot[i - 1];
        double coldDelta = cold[i] - cold[i - 1];
        double pressure = LineSeries2.YValues()[i] - ap;
        double h = pressure * hotDelta;
        LineSeries9.AddXY(i, h);
        double c = pressure * coldDelta;
        LineSeries10.AddXY(i, c);
        Series10.AddXY(i, h + c);
        tp = tp + h + c;
    }
    tp = tp / Series1.Count();
    WriteRow(8, RealToStr2(tp * 100));

    double mv = Series10.YValues().MaxValue();
    if (std::fabs(Series10.YValues().MinValue()) > mv)
        mv = std::fabs(Series10.YValues().MinValue());
    // With neither piston moving the work curves are all 0; they stay so.
    if (mv > 0) {
        for (TLineSeries* s : {&LineSeries9, &LineSeries10, &Series10}) {
            for (int i = 0; i < s->Count(); ++i)
                s->SetYValue(i, s->YValues()[i] / mv);
        }
    }
    // The angle-0 markers were placed before the pressures were normalised and
    // the work curves existed; place them again on the new curves.
    MoveMarkers(StrToInt(host_.FieldText(Field::Phase)));
}

void RiderEngine::ShowEngine(Canvas& canvas) const {
    RiderPicture::Draw(*this, canvas);
}

void RiderEngine::SetGridLabels() {
    static const char* const labels[GridRows] = {"Hot Posn",     "Cold Posn",     "Pressure",
                                                 "Volume",       "Hot N %",       "Cold N %",
                                                 "Max Pressure", "Mean Pressure", "Net Work"};
    for (int row = 0; row < GridRows; ++row)
        host_.SetCell(0, row, labels[row]);
}

void RiderEngine::ShowStartActions() {
    SetGridLabels();
    enable = true;
    GoFastButtonClick();
}

void RiderEngine::ParametersLoaded() {
    // The stroke limits come into range before the track bars move: a track-bar
    // handler may analyse at once, and a stroke minimum of 0 would put a piston
    // on its cylinder head.
    BringStrokeLimitsIntoRange(host_);
    SetHotTempTBPosition(HotTempSliderPosition(StrToInt(host_.FieldText(Field::HotTemp))));
    SetPhaseOffsetTBPosition(StrToInt(host_.FieldText(Field::PhaseOffset)));
}

void RiderEngine::Go(int interval) {
    CalcButtonClick();
    timer1Interval = interval;
    animate = true;
}

void RiderEngine::FieldChanged(Field field) {
    if (field == Field::Phase)
        PhaseChange();
}

std::pair<double, double> RiderEngine::WorkAxisRange() const {
    const TChartAxis& axis = Chart4.LeftAxis;
    if (!axis.Automatic)
        return {axis.Minimum(), axis.Maximum()};
    // An automatic axis spans the work curves; the marker itself is left out,
    // or it would keep the range of every earlier revolution.
    bool any = false;
    double lo = 0, hi = 0;
    for (const TLineSeries* s : {&LineSeries9, &LineSeries10, &Series10}) {
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
    Series6.SetVerticalLine(theta, 0, 100);
    Series7.SetVerticalLine(theta, 0, 100);
    auto [lo, hi] = WorkAxisRange();
    Series8.SetVerticalLine(theta, hi, lo);
    Series9.SetVerticalLine(theta, 0, 100);
    Series11.Clear();
    int r = LineSeries1.XValues().Locate(theta);
    if (r >= 0 && r < LineSeries2.Count())
        Series11.AddXY(LineSeries1.YValues()[r], LineSeries2.YValues()[r] * mvSave);
}

void RiderEngine::PhaseChange() {
    MoveMarkers(StrToInt(host_.FieldText(Field::Phase)));
    if (!animate) {
        CalcEngine(false);
        host_.RedrawPicture();
    }
}

void RiderEngine::Timer1Timer() {
    if (!animate || animating)
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
        animate = false;
        throw;
    }
}

bool RiderEngine::ArmGraphTimer() {
    if (graphTimerArmed)
        return false;
    graphTimerArmed = true;
    if (onGraphTimerArmed)
        onGraphTimerArmed();
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

void RiderEngine::Chart1ClickBackground(int x, int plotLeft, int plotRight) {
    animate = false;
    // A plot area without width has no angle to land on.
    if (plotRight == plotLeft)
        return;
    host_.SetFieldText(Field::Phase, IntToStr(SnappedClickAngle(x, plotLeft, plotRight)));
}

void RiderEngine::UpDown7Changing() {
    int hotMax = StrToInt(host_.FieldText(Field::HotStrokeMax));
    int hotMin = StrToInt(host_.FieldText(Field::HotStrokeMin));
    int coldMax = StrToInt(host_.FieldText(Field::ColdStrokeMax));
    int coldMin = StrToInt(host_.FieldText(Field::ColdStrokeMin));
    UpDown1.Max = ClampToInt(static_cast<long long>(hotMax) - 5);
    UpDown2.Min = ClampToInt(static_cast<long long>(hotMin) + 5);
    UpDown3.Max = ClampToInt(static_cast<long long>(coldMax) - 5);
    UpDown4.Min = ClampToInt(static_cast<long long>(coldMin) + 5);
    ArmGraphTimer();
    if (animate)
        CalcButtonClick();
}

RiderUpDown* RiderEngine::FindUpDown(const std::string& name) {
    for (RiderUpDown* u :
         {&UpDown1, &UpDown2, &UpDown3, &UpDown4, &UpDown5, &UpDown6, &UpDown7, &UpDown8}) {
        if (u->Name == name)
            return u;
    }
    return nullptr;
}

void RiderEngine::UpDownClick(const std::string& upDown, bool up) {
    RiderUpDown* u = FindUpDown(upDown);
    if (!u)
        throw std::invalid_argument("no up-down named '" + upDown + "'");
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

} // namespace kelvane
