#include "BetaEngine.h"

#include "BetaFields.h"
#include "BetaPicture.h"
#include "common/CrankActions.h"
#include "common/SeriesScaling.h"
#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {

namespace {

// One revolution at every whole degree; the point at 360 closes the curves.
constexpr int kDegrees = 360;

void SetupAngleChart(TChart& c, const char* title, const char* leftTitle) {
    c.SetTitle(title);
    c.LeftAxis.TitleCaption = leftTitle;
    c.LeftAxis.SetAutomatic();
    c.BottomAxis.SetRevolution();
    c.Legend.Visible = true;
    c.Legend.AlignBottom = true;
    c.Legend.ShadowSize = 0;
    // Nothing is drawn against the right axis unless the chart says so.
    c.RightAxis.Visible = false;
}

// A vertical marker at x over the extent of the curves it stands among.
void MarkerOver(TLineSeries& marker, double x, std::initializer_list<const TLineSeries*> curves) {
    double low = 0, high = 0;
    bool any = false;
    for (const TLineSeries* s : curves) {
        if (s->Count() == 0)
            continue;
        low = any ? std::min(low, s->YValues().MinValue()) : s->YValues().MinValue();
        high = any ? std::max(high, s->YValues().MaxValue()) : s->YValues().MaxValue();
        any = true;
    }
    marker.SetVerticalLine(x, low, high);
}

} // namespace

const ParameterTable& BetaEngine::Table() {
    return BetaFields();
}

BetaEngine::BetaEngine(EngineHost& host)
    : DisplacerSeries(PositionChart.AddSeries("DisplacerSeries", "Displacer")),
      PistonSeries(PositionChart.AddSeries("PistonSeries", "Piston")),
      PhaseSeries1(PositionChart.AddSeries("PhaseSeries1", "Phase")),
      HotVolSeries(VolumeChart.AddSeries("HotVolSeries", "Hot Vol")),
      ColdVolSeries(VolumeChart.AddSeries("ColdVolSeries", "Cold Vol")),
      TotalVolSeries(VolumeChart.AddSeries("TotalVolSeries", "Total Vol")),
      PressureSeries(VolumeChart.AddSeries("PressureSeries", "Pressure")),
      MeanPressureSeries(VolumeChart.AddSeries("MeanPressureSeries", "Mean Pressure")),
      PhaseSeries2(VolumeChart.AddSeries("PhaseSeries2", "Phase")),
      HotMassSeries(GasChart.AddSeries("HotMassSeries", "Hot")),
      RegenMassSeries(GasChart.AddSeries("RegenMassSeries", "Regenerator")),
      ColdMassSeries(GasChart.AddSeries("ColdMassSeries", "Cold")),
      PhaseSeries3(GasChart.AddSeries("PhaseSeries3", "Phase")),
      ExpansionWorkSeries(WorkChart.AddSeries("ExpansionWorkSeries", "Expansion")),
      CompressionWorkSeries(WorkChart.AddSeries("CompressionWorkSeries", "Compression")),
      WorkSeries(WorkChart.AddSeries("WorkSeries", "Net")),
      PhaseSeries4(WorkChart.AddSeries("PhaseSeries4", "Phase")),
      PVSeries(LoopChart.AddSeries("PVSeries", "PVSeries")),
      PhaseSeries5(LoopChart.AddSeries("PhaseSeries5", "PhaseSeries5")), host_(host) {
    SetupCharts();
}

void BetaEngine::SetupCharts() {
    SetupAngleChart(PositionChart, "Positions (mm from the hot end's dead centre)", "mm");
    SetupAngleChart(VolumeChart, "Volumes (cm3) and Pressure (kPa)", "cm3");
    VolumeChart.RightAxis.SetAutomatic();
    VolumeChart.RightAxis.Visible = true;
    VolumeChart.RightAxis.TitleCaption = "kPa";
    SetupAngleChart(GasChart, "Gas Mass in Each Space (%)", "% of the gas");
    GasChart.LeftAxis.SetFixed(0, 100);
    SetupAngleChart(WorkChart, "Work of Each Degree (J)", "J");
    LoopChart.SetTitle("Pressure/Volume (Click to move)");
    LoopChart.Legend.Visible = false;
    LoopChart.Visible = false;
    LoopChart.BottomAxis.SetAutomatic();
    LoopChart.LeftAxis.SetAutomatic();
    TitlePVAxes(LoopChart);
    LoopChart.BottomAxis.TitleCaption = "Volume (cm3)";
    LoopChart.LeftAxis.TitleCaption = "Pressure (kPa)";

    DisplacerSeries.SetLine(clBlack, 2);
    PistonSeries.SetLine(clLime, 2);
    HotVolSeries.SetLine(clRed, 1);
    ColdVolSeries.SetLine(clBlue, 1);
    TotalVolSeries.SetLine(clLime, 1);
    PressureSeries.SetLine(clBlack, 2, true, TVertAxis::Right);
    MeanPressureSeries.SetLine(clBlack, 1, true, TVertAxis::Right);
    HotMassSeries.SetLine(clRed, 2);
    RegenMassSeries.SetLine(clSilver, 2);
    ColdMassSeries.SetLine(clBlue, 2);
    ExpansionWorkSeries.SetLine(clRed, 1);
    CompressionWorkSeries.SetLine(clBlue, 1);
    WorkSeries.SetLine(clBlack, 2);
    for (TLineSeries* marker : {&PhaseSeries1, &PhaseSeries2, &PhaseSeries3, &PhaseSeries4})
        marker->SetLine(clYellow, 2, false);
    StylePoints(PVSeries, clRed);
    StylePoints(PhaseSeries5, clLightYellow);
    StyleStateMarker(PhaseSeries5);
    PVSeries.ShowInLegend = PhaseSeries5.ShowInLegend = false;
}

void BetaEngine::SetGridLabels() {
    // In the order of BetaRow.
    static const char* const labels[kGridRows] = {
        "Disp Posn mm",  "Piston Posn mm", "Hot Vol cm3", "Cold Vol cm3",
        "Total Vol cm3", "Pressure kPa",   "Min P kPa",   "Max P kPa",
        "Mean P kPa",    "Exp Work J",     "Comp Work J", "Net Work J",
        "Schmidt W J",   "Sum-Schmidt %",  "Power W",     "Efficiency %"};
    for (int row = 0; row < kGridRows; ++row)
        host_.SetCell(0, row, labels[row]);
}

// Where the closed form gives no net work (a phase of 0 or 180 degrees, equal
// temperatures) the sums hold only rounding, and a ratio of two roundings
// would be a number with no meaning: 0 is shown instead.
double BetaEngine::SumDifferencePercent() const {
    if (!(std::fabs(schmidtWork) > 1e-9 * schmidtScale))
        return 0;
    return Ratio((netWork - schmidtWork) * 100, schmidtWork);
}

double BetaEngine::EfficiencyRatio() const {
    if (!(std::fabs(schmidtWork) > 1e-9 * schmidtScale))
        return 0;
    return Ratio(netWork, expansionWork);
}

BetaParameters BetaEngine::ReadParameters() {
    auto real = [this](Field f) { return MyStrToReal(host_.FieldText(f), 0.0); };
    BetaParameters p;
    p.bore = real(Field::Bore);
    p.displacerStroke = real(Field::DisplacerStroke);
    p.pistonStroke = real(Field::PistonStroke);
    p.phaseAngle = StrToInt(host_.FieldText(Field::PhaseAngle));
    p.hotTemp = real(Field::HotTemp);
    p.coldTemp = real(Field::ColdTemp);
    p.hotDeadVolume = real(Field::HotDeadVolume);
    p.regeneratorVolume = real(Field::RegeneratorVolume);
    p.coldDeadVolume = real(Field::ColdDeadVolume);
    p.meanPressure = real(Field::MeanPressure);
    p.speed = real(Field::Speed);
    return p;
}

void BetaEngine::CalcButtonClick() {
    if (calcing || !enable || !BetaFields().Check(host_).empty())
        return;
    FlagGuard guard(calcing);

    parameters = ReadParameters();
    model = BetaModel(parameters);
    const BetaParameters& p = parameters;

    std::array<BetaModel::Point, kDegrees + 1> at;
    double inverseSum = 0;
    for (int x = 0; x <= kDegrees; ++x) {
        at[x] = model.At(x);
        if (x < kDegrees)
            inverseSum += 1 / at[x].reduced;
    }
    // The mean of p = k / S over the revolution's degrees is pm.
    k = p.meanPressure * kDegrees / inverseSum;

    TLineSeries* cleared[] = {
        &DisplacerSeries, &PistonSeries,   &HotVolSeries,        &ColdVolSeries,
        &TotalVolSeries,  &PressureSeries, &MeanPressureSeries,  &HotMassSeries,
        &RegenMassSeries, &ColdMassSeries, &ExpansionWorkSeries, &CompressionWorkSeries,
        &WorkSeries,      &PVSeries};
    for (TLineSeries* s : cleared)
        s->Clear();

    std::array<double, kDegrees + 1> pr;
    double pressureSum = 0, volumeSum = 0;
    minPressure = maxPressure = k / at[0].reduced;
    minVol = maxVol = at[0].totalVol;
    for (int x = 0; x <= kDegrees; ++x) {
        const BetaModel::Point& s = at[x];
        pr[x] = k / s.reduced;
        DisplacerSeries.AddXY(x, s.displacerPos);
        PistonSeries.AddXY(x, s.pistonPos);
        HotVolSeries.AddXY(x, s.hotVol);
        ColdVolSeries.AddXY(x, s.coldVol);
        TotalVolSeries.AddXY(x, s.totalVol);
        PressureSeries.AddXY(x, pr[x]);
        HotMassSeries.AddXY(x, s.hotVol / model.tHot / s.reduced * 100);
        RegenMassSeries.AddXY(x, p.regeneratorVolume / model.tRegen / s.reduced * 100);
        ColdMassSeries.AddXY(x, s.coldVol / model.tCold / s.reduced * 100);
        if (x < kDegrees) {
            pressureSum += pr[x];
            volumeSum += s.totalVol;
            PVSeries.AddXY(s.totalVol, pr[x]);
        }
        minPressure = std::min(minPressure, pr[x]);
        maxPressure = std::max(maxPressure, pr[x]);
        minVol = std::min(minVol, s.totalVol);
        maxVol = std::max(maxVol, s.totalVol);
    }
    meanPressure = pressureSum / kDegrees;
    meanVol = volumeSum / kDegrees;
    MeanPressureSeries.AddXY(0, meanPressure);
    MeanPressureSeries.AddXY(kDegrees, meanPressure);

    // Each degree's step: the mean of its two pressures times the change of
    // volume; kPa cm3 are millijoules.
    expansionWork = compressionWork = 0;
    for (int x = 1; x <= kDegrees; ++x) {
        const double mean = (pr[x - 1] + pr[x]) / 2;
        const double we = mean * (at[x].hotVol - at[x - 1].hotVol) / 1000;
        const double wc = mean * (at[x].coldVol - at[x - 1].coldVol) / 1000;
        expansionWork += we;
        compressionWork += wc;
        ExpansionWorkSeries.AddXY(x, we);
        CompressionWorkSeries.AddXY(x, wc);
        WorkSeries.AddXY(x, we + wc);
    }
    netWork = expansionWork + compressionWork;
    schmidtWork = model.ClosedExpansionWork() + model.ClosedCompressionWork();
    schmidtScale =
        std::fabs(model.ClosedExpansionWork()) + std::fabs(model.ClosedCompressionWork());
    analysed = true;

    Cell(MinPressure, MyRealToStr(minPressure));
    Cell(MaxPressure, MyRealToStr(maxPressure));
    Cell(MeanPressureRow, MyRealToStr(meanPressure));
    Cell(ExpansionWork, MyRealToStr(expansionWork));
    Cell(CompressionWork, MyRealToStr(compressionWork));
    Cell(NetWork, MyRealToStr(netWork));
    Cell(SchmidtWork, MyRealToStr(schmidtWork));
    Cell(SumDifference, MyRealToStr(SumDifferencePercent()));
    Cell(Power, MyRealToStr(PowerWatts()));
    Cell(Efficiency, MyRealToStr(EfficiencyRatio() * 100));
    ShowAngle();
}

void BetaEngine::ShowAngle() {
    if (!analysed)
        return;
    int angle = 0;
    if (!TryStrToInt(host_.FieldText(Field::Phase), angle))
        return;
    shownAngle = angle;
    state = model.At(angle);
    pressure = k / state.reduced;
    Cell(DispPosn, MyRealToStr(state.displacerPos));
    Cell(PistonPosn, MyRealToStr(state.pistonPos));
    Cell(HotVol, MyRealToStr(state.hotVol));
    Cell(ColdVol, MyRealToStr(state.coldVol));
    Cell(TotalVol, MyRealToStr(state.totalVol));
    Cell(Pressure, PressureCellText(MyRealToStr(pressure), pressure, meanPressure, true));
    host_.SetVolumeText({"Vol = %1 cm3", {Message::Literal(MyRealToStr(state.totalVol))}});
    PlaceMarkers(angle);
    if (enable)
        host_.RedrawPicture();
}

void BetaEngine::PlaceMarkers(double x) {
    PhaseSeries1.SetVerticalLine(x, 0,
                                 std::max(parameters.displacerStroke, parameters.pistonStroke));
    MarkerOver(PhaseSeries2, x, {&HotVolSeries, &ColdVolSeries, &TotalVolSeries});
    PhaseSeries3.SetVerticalLine(x, 0, 100);
    MarkerOver(PhaseSeries4, x, {&ExpansionWorkSeries, &CompressionWorkSeries, &WorkSeries});
    PhaseSeries5.Clear();
    PhaseSeries5.AddXY(state.totalVol, pressure);
}

void BetaEngine::Start(bool usable) {
    SetGridLabels();
    enable = true;
    if (!usable)
        return;
    CalcButtonClick();
    SpeedButtonClick(100);
}

void BetaEngine::OpenWithoutWindow() {
    SetGridLabels();
    enable = true;
}

void BetaEngine::SpeedButtonClick(int intervalMs) {
    CalcButtonClick();
    timer.Interval = intervalMs;
    timer.Enabled = true;
}

void BetaEngine::FieldChanged(Field) {
    if (phaseChanging || calcing)
        return;
    timer.Enabled = false;
    CalcButtonClick();
}

void BetaEngine::FieldEdited(Field field, bool heldBack) {
    if (field == Field::Phase && !heldBack) {
        timer.Enabled = false;
        ShowAngle();
    } else {
        FieldChanged(field);
    }
}

void BetaEngine::Tick() {
    if (!timer.Enabled)
        return;
    try {
        long long angle = StrToInt(host_.FieldText(Field::Phase)) + 10LL;
        if (angle > 360)
            angle -= 360;
        {
            FlagGuard writing(phaseChanging);
            host_.SetFieldText(Field::Phase, IntToStr(angle));
        }
        ShowAngle();
    } catch (...) {
        // Every later tick would fail the same way: stop, so it is reported once.
        timer.Enabled = false;
        throw;
    }
}

void BetaEngine::ChartClick(const TChart&, double x, double plotLeft, double plotRight) {
    if (!(plotRight - plotLeft > 0)) {
        timer.Enabled = false;
        return;
    }
    ClickAtAngle(SnappedClickAngle(x, plotLeft, plotRight));
}

void BetaEngine::ClickAtAngle(long long angle) {
    timer.Enabled = false;
    angle = std::clamp(angle / 5 * 5, 0LL, 360LL);
    {
        FlagGuard writing(phaseChanging);
        host_.SetFieldText(Field::Phase, IntToStr(angle));
    }
    ShowAngle();
}

void BetaEngine::Batch(int count) {
    timer.Enabled = false;
    for (int i = 0; i < count; ++i)
        CalcButtonClick();
}

std::span<const EngineAction> BetaEngine::Actions() const {
    return kCrankActions;
}

void BetaEngine::Act(std::string_view action, int arg, const std::function<bool()>& usable) {
    RunCrankAction(*this, action, arg, usable);
}

void BetaEngine::DrawPicture(Canvas& canvas) const {
    if (enable)
        BetaPicture::Draw(*this, canvas);
}

namespace {
// The hot-temperature slider runs backwards: its minimum is the hottest end.
constexpr EngineSlider kSliders[] = {{TrackBar::HotTempTB, Field::HotTemp, 0, 1000, true},
                                     {TrackBar::PhaseOffsetTB, Field::PhaseAngle, -180, 180}};
} // namespace

std::span<const EngineSlider> BetaEngine::Sliders() const {
    return kSliders;
}

void BetaEngine::Slide(TrackBar slider, int position) {
    if (slider == TrackBar::HotTempTB)
        host_.SetFieldText(Field::HotTemp, IntToStr(HotTempFromSlider(position)));
    else
        host_.SetFieldText(Field::PhaseAngle, IntToStr(position));
}

std::optional<int> BetaEngine::SliderPosition(TrackBar slider) {
    return slider == TrackBar::HotTempTB ? HotTempSliderPositionOf(host_)
                                         : WholeNumberOf(host_, Field::PhaseAngle);
}

} // namespace kelvane
