#pragma once

#include "RiderState.h"
#include "RiderTrackBar.h"
#include "RiderUpDown.h"
#include "common/Engine.h"
#include "foundations/Canvas.h"
#include "foundations/EngineHost.h"
#include "foundations/SliderMath.h"
#include "foundations/TChart.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {

struct EngineEntry;
// The engine's row in the catalog.
const EngineEntry& RiderEntry();

// The two-piston ("Rider") engine and everything its window does that needs no
// widget: the model at one crank angle, the analysis of a revolution, the
// picture, the charts' data, the grid labels, the up-downs and track bars, the
// phase markers, the animation tick, the delayed recalculation and chart clicks.
//
// How the window binds to it:
// - Edit boxes: parameters are read through host.FieldText on every use. Any
//   change of an edit box text (by the user, an up-down, the engine itself
//   through host.SetFieldText) must be passed to FieldChanged(field); only
//   the crank angle reacts (PhaseChange).
// - Picture: the engine never draws by itself. Wherever the picture must be
//   redrawn it calls host.RedrawPicture(); the window answers by calling
//   ShowEngine on its 255x167 picture canvas and showing the result.
// - `timer` is the animation: while it is enabled the window calls Tick()
//   every timer.Interval ms; the speed buttons set the interval.
// - GraphTimer is a one-shot 250 ms timer that is not restarted while armed.
//   The engine arms it itself (ArmGraphTimer) and calls onGraphTimerArmed only
//   when it was not armed; the window starts its single-shot QTimer there and
//   calls GraphTimerTimer when it fires. graphTimerArmed tells the state.
// - Up-downs: a press calls UpDownClick(field of its box, up); the engine runs
//   UpDown7Changing first, then steps the edit box text.
// - Track bars: a user move calls SetHotTempTBPosition / SetPhaseOffsetTBPosition
//   with the slider value; after ParametersLoaded the window copies
//   HotTempTB.Position and PhaseOffsetTB.Position into its sliders without
//   signalling. HotTempTB has its minimum at the top.
// - Chart clicks on the background of PositionChart..WorkChart: ChartClick with the
//   click x and the plot area's left and right edges in pixels.
// - Showing: after loading the parameters and calling ParametersLoaded, the
//   window calls FormShow (labels, enable, the "&Fast" action).
// Invalid parameters raise EConvertError (a text that is not a whole number) or
// ERiderParameterError (see RiderParameters::Validate); both leave the previous
// results in place. Raised exceptions are for the window's error report.
class RiderEngine : public Engine {
  public:
    explicit RiderEngine(EngineHost& host);
    // The engine's field table.
    static const ParameterTable& Table();
    RiderEngine(const RiderEngine&) = delete;
    RiderEngine& operator=(const RiderEngine&) = delete;

    // Results of the most recent model run.
    const RiderState& State() const { return state_; }
    // Of the last analysed revolution; 0 until the first analysis.
    double avgPressure = 0;
    double mvSave = 0;  // largest raw pressure
    double netWork = 0; // as row 8 shows it, before rounding

    bool enable = false;    // the window has been shown; before that nothing is computed or drawn
    EngineTimer timer;      // enabled while the crank turns
    bool animating = false; // a tick is in progress

    static constexpr int GraphTimerInterval = 250;
    bool graphTimerArmed = false;
    std::function<void()> onGraphTimerArmed;

    RiderUpDown UpDown1{"UpDown1", Field::HotStrokeMin, 5, 100, 5, false};
    RiderUpDown UpDown2{"UpDown2", Field::HotStrokeMax, 0, 100, 5, false};
    RiderUpDown UpDown3{"UpDown3", Field::ColdStrokeMin, 5, 100, 5, false};
    RiderUpDown UpDown4{"UpDown4", Field::ColdStrokeMax, 0, 100, 5, false};
    RiderUpDown UpDown5{"UpDown5", Field::PhaseOffset, -180, 180, 10, true};
    RiderUpDown UpDown6{"UpDown6", Field::Phase, 0, 350, 10, true};
    RiderUpDown UpDown7{"UpDown7", Field::HotTemp, 0, 700, 10, false};
    RiderUpDown UpDown8{"UpDown8", Field::ColdTemp, 0, 700, 10, false};
    // Each track bar spans its up-down's range: temperatures 0 to 700 (the
    // minimum at the top) and offsets -180 to 180.
    RiderTrackBar HotTempTB{HotTempSliderPosition(UpDown7.Max), HotTempSliderPosition(UpDown7.Min),
                            1000};
    RiderTrackBar PhaseOffsetTB{UpDown5.Min, UpDown5.Max, 0};

    TChart PositionChart{"Chart1"};
    TChart VolumeChart{"Chart2"};
    TChart GasChart{"Chart3"};
    TChart WorkChart{"Chart4"};
    TChart LoopChart{"Chart5"};
    TLineSeries& HotPistonSeries;
    TLineSeries& ColdPistonSeries;
    TLineSeries& PhaseSeries1;
    TLineSeries& HotVolSeries;
    TLineSeries& ColdVolSeries;
    TLineSeries& TotalVolSeries;
    TLineSeries& PressureSeries;
    TLineSeries& MeanPressureSeries;
    TLineSeries& PhaseSeries2;
    TLineSeries& NHotSeries;
    TLineSeries& NColdSeries;
    TLineSeries& PhaseSeries3;
    TLineSeries& HotWorkSeries;
    TLineSeries& ColdWorkSeries;
    TLineSeries& PhaseSeries4;
    TLineSeries& WorkSeries;
    TLineSeries& PVSeries;
    TLineSeries& PVPhaseSeries;

    // The rows of the statistics grid.
    enum RiderRow {
        HotPosn,
        ColdPosn,
        Pressure,
        Volume,
        HotN,
        ColdN,
        MaxPressure,
        MeanPressure,
        NetWork,
        kGridRows
    };
    static constexpr int kPictureWidth = 255;
    static constexpr int kPictureHeight = 167;

    // The model at the crank angle (Field::Phase): fields and grid rows 0 to 5, and
    // with graph one point on each of the nine result series.
    void CalcEngine(bool graph);
    // The "&Calc" action: a whole revolution, statistics in grid rows 6 to 8.
    void CalcButtonClick();
    // Draws the engine at State(); nothing while enable is false.
    void ShowEngine(Canvas& canvas) const;

    // Column 0 of the statistics grid.
    void SetGridLabels() override;
    // The end of showing the window: labels, enable, then, when start (the
    // texts are usable), the "&Fast" action.
    void FormShow(bool start = true);
    // After the parameter texts were loaded (settings file or Load button):
    // brings the stroke limits into range, moves the track bars to the loaded
    // temperature and offset where they lie in range (without their handlers)
    // and sets the up-downs' stroke limits. Texts that are not whole numbers
    // are left for the window to mark.
    void ParametersLoaded();
    // Each track bar goes to its box's value when that is a whole number in
    // the track bar's range; no handler runs.
    void FollowBoxes();

    // "&Fast" (100 ms), "&Medium" (200) and "Slow" (300): analysis, interval, animate.
    void SpeedButtonClick(int intervalMs);
    void StopButtonClick() { timer.Enabled = false; }

    // An edit box's text changed.
    void FieldChanged(Field field) override;
    // Moves the phase markers to the crank angle; recomputes and redraws when stopped.
    void PhaseChange();
    // One animation step.
    void Tick() override;
    // True when the timer was not armed and the window must start it now.
    bool ArmGraphTimer();
    void GraphTimerTimer();
    // A click at x on a chart whose plot area spans plotLeft to plotRight.
    void ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) override;

    // Runs before every up-down step: the dynamic stroke limits, then the
    // delayed (and, while animating, the immediate) recalculation.
    void UpDown7Changing();
    // The stroke up-downs keep each minimum 5 below its maximum; a stroke text
    // that is not a whole number leaves its limits as they are.
    void UpdateStrokeLimits();
    // A press on the named up-down ("UpDown1" .. "UpDown8").
    // A press on the up-down of the box of field; a box without one is a
    // program error (std::invalid_argument).
    void UpDownClick(Field field, bool up);
    // nullptr for a box without an up-down.
    RiderUpDown* FindUpDown(Field field);
    // A new track bar position from the user or from code; the change handler
    // runs when the clamped position differs from the current one.
    void SetHotTempTBPosition(int position);
    void SetPhaseOffsetTBPosition(int position);
    void HotTempTBChange();
    void PhaseOffsetTBChange();

    std::vector<TChart*> Charts() override;

    // The engine's verbs (see Engine).
    void Start(bool usable) override { FormShow(usable); }
    // The loaded texts' follow-up, the grid's labels, the crank at rest.
    void TextsPut() override;
    // Edits the engine cannot use leave the crank turning.
    void Unusable() override {}
    void Halt() override { StopButtonClick(); }
    // The loop chart keeps its points sorted by volume: the order of travel
    // comes from the volume and pressure curves along the crank angle.
    std::vector<LoopPoint> Loop() const override {
        return LoopFromAngleCurves(TotalVolSeries, PressureSeries, PVSeries);
    }
    const EngineTimer& Timer() const override { return timer; }
    void ClickAtAngle(long long angle) override;
    // The Calc action count times, with the animation stopped.
    void Batch(int count) override;
    std::span<const EngineAction> Actions() const override;
    // Besides the buttons: "graphTimer" (the delayed recalculation is due)
    // and "step" and a box's control name ("stepHotTemp"), its up-down's
    // press (arg 1 up, 0 down).
    void Act(std::string_view action, int arg, const std::function<bool()>& usable) override;
    void DrawPicture(Canvas& canvas) const override { ShowEngine(canvas); }
    std::span<const EngineSlider> Sliders() const override { return sliders_; }
    void Slide(TrackBar slider, int position) override;
    std::optional<int> SliderPosition(TrackBar slider) override;
    std::vector<EngineStateItem> StateItems() const override;

  private:
    void SetupCharts();
    // Steps 2 to 6 of the phase change: every marker to the angle.
    void MoveMarkers(double theta);
    // The current bounds of WorkChart's left axis, for its marker.
    std::pair<double, double> WorkAxisRange() const;
    void WriteRow(RiderRow row, const std::string& text) { host_.SetCell(1, row, text); }
    // Takes the model's state and, with graph, adds one point to each result series.
    void Take(const RiderState& s, bool graph, double phase);
    // The model at the crank angle within a revolution, whose other seven
    // parameters were read at its start. An angle evaluated for the phase
    // handler is not computed again for its points.
    void EvaluateInRevolution(bool graph);

    RiderState state_;           // of the last angle computed
    RiderParameters revolution_; // the parameters of the revolution being analysed
    bool inRevolution_ = false;
    RiderState evaluated_; // the model at evaluatedPhase_ within the revolution
    int evaluatedPhase_ = 0;
    bool evaluatedValid_ = false;
    // The revolution's pressure-volume points, added at its end at once.
    std::vector<double> pvVolumes_, pvPressures_;

    // Each slider spans its track bar's range.
    const EngineSlider sliders_[2] = {
        {TrackBar::HotTempTB, Field::HotTemp, HotTempTB.Min, HotTempTB.Max, true},
        {TrackBar::PhaseOffsetTB, Field::PhaseOffset, PhaseOffsetTB.Min, PhaseOffsetTB.Max}};

    EngineHost& host_;
};

} // namespace kelvane
