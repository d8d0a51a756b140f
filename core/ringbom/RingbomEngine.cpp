#include "RingbomEngine.h"

#include "RingbomFields.h"

#include "RingbomParameters.h"
#include "RingbomPicture.h"
#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"
#include "foundations/SliderMath.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

namespace kelvane {

namespace {

const char* const kGridLabels[RingbomEngine::kGridRows] = {
    "Disp Posn",     "Piston Posn",   "Pressure",  "Volume",     "Hot/Cold N %", "Max Pressure",
    "Mean Pressure", "Curr Pressure", "Vol Ratio", "Temp Ratio", "Th Piston Th", "Net Work"};

} // namespace

const ParameterTable& RingbomEngine::Table() {
    return RingbomFields();
}

RingbomEngine::RingbomEngine(EngineHost& host)
    : PositionChart(record.PositionChart), VolumeChart(record.VolumeChart),
      GasChart(record.GasChart), WorkChart(record.WorkChart), LoopChart(record.LoopChart),
      DisplacerSeries(record.DisplacerSeries), PistonSeries(record.PistonSeries),
      PhaseSeries1(record.PhaseSeries1), HotVolSeries(record.HotVolSeries),
      ColdVolSeries(record.ColdVolSeries), TotalVolSeries(record.TotalVolSeries),
      PressureSeries(record.PressureSeries), MeanPressureSeries(record.MeanPressureSeries),
      PhaseSeries2(record.PhaseSeries2), HiMeanPressureSeries(record.HiMeanPressureSeries),
      LoMeanPressureSeries(record.LoMeanPressureSeries), NHotSeries(record.NHotSeries),
      NColdSeries(record.NColdSeries), PhaseSeries3(record.PhaseSeries3),
      HotTempSeries(record.HotTempSeries), ColdTempSeries(record.ColdTempSeries),
      WorkSeries(record.WorkSeries), PhaseSeries4(record.PhaseSeries4),
      MeanWorkSeries(record.MeanWorkSeries), PVSeries(record.PVSeries),
      PVPhaseSeries(record.PVPhaseSeries), host_(host) {}

void RingbomEngine::SetGridLabels() {
    for (int row = 0; row < kGridRows; ++row)
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
    const RingbomModel::Outcome outcome = model_.Step(p);
    if (outcome == RingbomModel::Unusable)
        return;
    ShowStep(outcome);
    if (outcome == RingbomModel::NoSplit)
        return;

    // Work of the step, from the piston's recorded moves.
    double w = 0;
    double aw = 0;
    if (const std::optional<double> move = record.LastPistonMove()) {
        w = model_.Work(*move);
        if (const std::optional<double> mean = record.RevolutionMeanWork()) {
            aw = *mean;
            SetRow(NetWork, MyRealToStr(aw));
        }
    }

    if (graph)
        record.AddStep(model_, p.phase, w, aw, StripChart(), AllData());
}

void RingbomEngine::ShowStep(RingbomModel::Outcome outcome) {
    const RingbomModel& m = model_;
    SetRow(PistonPosn, MyRealToStr(m.pistonPos));
    SetRow(MaxPressure, MyRealToStr(m.maxPressure));
    SetRow(MeanPressure, MyRealToStr(m.meanPressure));
    // The pressure the displacer followed: the one before this step's.
    SetRow(CurrPressure, MyRealToStr(m.prevPressure));
    SetRow(DispPosn, MyRealToStr(m.dispPos));
    SetRow(VolRatio, MyRealToStr(m.gasVolRatio));
    host_.SetVolumeText({"Vol = %1", {Message::Literal(MyRealToStr(m.currVol))}});
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

// ---------------------------------------------------------------- run control

void RingbomEngine::Tick() {
    if (!(animating || doSingleStep) || computingAnimation)
        return;
    // Whatever happens in the step, the guard and the timer are restored, so
    // that Go, Resume and Single still work after a failed step.
    struct TickGuard {
        RingbomEngine& e;
        explicit TickGuard(RingbomEngine& engine) : e(engine) {
            e.computingAnimation = true;
            e.timer.Enabled = false;
        }
        ~TickGuard() {
            e.computingAnimation = false;
            e.timer.Enabled = true;
        }
        TickGuard(const TickGuard&) = delete;
        TickGuard& operator=(const TickGuard&) = delete;
    } guard(*this);

    try {
        CalcEngine(true);
        host_.RedrawPicture();
        SetPhase(StrToInt(host_.FieldText(Field::Phase)) + 5);
    } catch (...) {
        // The next tick would fail the same way: the run halts, paused, so the
        // failure is reported once and Resume, Go or Single carry on.
        Halt();
        throw;
    }
}

void RingbomEngine::GoButtonClick() {
    PauseButtonCaption = "&Pause";
    timer.Interval = 100;
    timer.Enabled = true;
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

void RingbomEngine::Halt() {
    if (!animating)
        return;
    animating = false;
    int p = 0;
    if (TryStrToInt(host_.FieldText(Field::Phase), p))
        pausePhase = p;
    PauseButtonCaption = "&Resume";
}

void RingbomEngine::SingleStepButtonClick() {
    animating = false;
    FlagGuard single(doSingleStep);
    Tick();
}

void RingbomEngine::ClearButtonClick() {
    ClearGraphs();
    // The values belong to the run just cleared: empty until the next step.
    for (int row = 0; row < kGridRows; ++row)
        SetRow(static_cast<RingbomRow>(row), "");
    host_.SetFieldText(Field::Phase, "0");
    // A run after a clear starts at 0, Resume too: an angle kept from before
    // would leave the strip charts blank up to it.
    pausePhase = 0;
}

void RingbomEngine::SetPhase(int p) {
    if (!StripChart() && p > 360)
        p = (p - 1) % 360 + 1; // 365 becomes 5, 720 becomes 360
    FlagGuard changing(phaseChanging);
    host_.SetFieldText(Field::Phase, IntToStr(p));
    PhaseChange();
}

void RingbomEngine::ClearGraphs() {
    model_.Reset();
    record.Clear(StripChart());
}

void RingbomEngine::PanGraphs(int degrees) {
    if (animating)
        PauseButtonClick();
    const bool wasAllData = AllData();
    host_.SetChecked(Field::AllDataCB, false);
    if (wasAllData)
        AllDataCBClick();
    record.Pan(degrees);
    record.LoadPVSeries(false);
}

void RingbomEngine::ShowAllGraphData() {
    int p = 0;
    if (!TryStrToInt(host_.FieldText(Field::Phase), p))
        p = 0;
    record.ShowAll(AllData(), p);
}

void RingbomEngine::StripChartCBClick() {
    ClearGraphs();
    stripControlsEnabled = StripChart();
}

// ---------------------------------------------------------------- window handlers

void RingbomEngine::FormShow(bool start) {
    SetGridLabels();
    ClearGraphs();
    enable = true;
    ClearButtonClick();
    if (start)
        GoButtonClick();
}

void RingbomEngine::FieldChanged(Field field) {
    if (field == Field::StripChartCB)
        StripChartCBClick();
    else if (field == Field::AllDataCB)
        AllDataCBClick();
    else
        StopForEdit();
}

void RingbomEngine::StopForEdit() {
    if (!phaseChanging)
        animating = false;
}

void RingbomEngine::Start(bool usable) {
    stripControlsEnabled = StripChart();
    FormShow(usable);
}

void RingbomEngine::Batch(int count) {
    stripControlsEnabled = StripChart();
    SetGridLabels();
    enable = true;
    ClearButtonClick();
    for (int k = 0; k < count; ++k)
        SingleStepButtonClick();
}

namespace {
constexpr EngineAction kActions[] = {{"go", "&Go"},         {"pause", "&Pause"},
                                     {"single", "S&ingle"}, {"clear", "&Clear"},
                                     {"panLeft", "<<"},     {"panRight", ">>"}};
// The hot-temperature slider runs backwards: its minimum is the hottest end.
constexpr EngineSlider kSliders[] = {{TrackBar::HotTempTB, Field::HotTemp, 0, 1000, true}};
} // namespace

std::span<const EngineAction> RingbomEngine::Actions() const {
    return kActions;
}

void RingbomEngine::Act(std::string_view action, int, const std::function<bool()>& usable) {
    // Go, Resume and Single step only on texts the engine can use.
    if (action == "go") {
        if (usable())
            GoButtonClick();
    } else if (action == "pause") {
        if (animating || usable())
            PauseButtonClick();
    } else if (action == "single") {
        if (usable())
            SingleStepButtonClick();
    } else if (action == "clear") {
        ClearButtonClick();
    } else if (action == "panLeft") {
        PanLeftButtonClick();
    } else if (action == "panRight") {
        PanRightButtonClick();
    } else {
        throw std::invalid_argument("No action " + std::string(action));
    }
}

std::span<const EngineSlider> RingbomEngine::Sliders() const {
    return kSliders;
}

std::optional<int> RingbomEngine::SliderPosition(TrackBar) {
    return HotTempSliderPositionOf(host_);
}

std::vector<EngineStateItem> RingbomEngine::StateItems() const {
    return {{"", "animating", animating, ""},
            {"", "pause", std::nullopt, PauseButtonCaption},
            {"", "strip", stripControlsEnabled, ""}};
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
    double top = WorkChart.LeftAxis.Maximum();
    double bottom = WorkChart.LeftAxis.Minimum();
    if (WorkChart.LeftAxis.Automatic) {
        top = std::max(WorkSeries.YValues().MaxValue(), MeanWorkSeries.YValues().MaxValue());
        bottom = std::min(WorkSeries.YValues().MinValue(), MeanWorkSeries.YValues().MinValue());
    }
    PhaseSeries4.SetVerticalLine(p, top, bottom);

    PVPhaseSeries.Clear();
    const int j = PressureSeries.XValues().Locate(p);
    if (j >= 0 && j < TotalVolSeries.Count())
        PVPhaseSeries.AddXY(TotalVolSeries.YValues()[j], PressureSeries.YValues()[j]);
}

void RingbomEngine::ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) {
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
        model_.dispPos = DisplacerSeries.YValues()[j] * model_.dispTh / 100;
        model_.pistonPos = PistonSeries.YValues()[j] * model_.pistonTh / 100;
    }
    host_.RedrawPicture();
}

// ---------------------------------------------------------------- picture

void RingbomEngine::ShowEngine(Canvas& canvas) const {
    if (enable)
        RingbomPicture::Draw(model_, canvas);
}

} // namespace kelvane
