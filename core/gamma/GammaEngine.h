#pragma once

#include "GammaParameters.h"
#include "GammaState.h"
#include "common/DisplacerCharts.h"
#include "common/Engine.h"
#include "foundations/Canvas.h"
#include "foundations/EngineHost.h"
#include "foundations/FieldReader.h"
#include "foundations/TChart.h"

#include <array>
#include <string>
#include <vector>

namespace kelvane {

struct EngineEntry;
// The engine's row in the catalog.
const EngineEntry& GammaEntry();

// The Gamma engine: a displacer in its own closed cylinder and a power piston
// in a second cylinder opening into its top, both on one crank.
//
// Everything the Gamma window does that needs no widget lives here: the model
// at one crank angle (CalcEngine), the analysis of a revolution
// (CalcButtonClick), the chart data, the statistics grid labels, the phase
// markers, the animation tick, chart clicks, sliders and field edits. The
// window binds its widgets to it:
//
//  - Parameter fields are read through host.FieldText each time they are
//    needed. When the user (or a slider) changes any of the nine fields, the
//    window calls FieldChanged; the engine's own writes to Field::Phase go
//    through host.SetFieldText and so reach FieldChanged too, where the
//    `calcing` and `phaseChanging` guards make them inert.
//  - Picture: wherever the engine picture must be redrawn, the engine calls
//    host.RedrawPicture() (never while `enable` is false). The window answers
//    at once by calling ShowEngine(canvas) on its picture's canvas and
//    updating the picture control; the state drawn is the state at the call.
//  - Timer: `timer` is the animation: while it is enabled the window calls
//    Tick() every timer.Interval ms.
//  - Charts: PositionChart..LoopChart hold every series, title, colour and axis; the
//    window's chart views draw from them and report background clicks to
//    ChartClick with the plot rectangle's left and right edges.
//    WorkChart's left axis scales itself, so its phase marker spans the work
//    curve's extent (the axis bounds themselves once the axis is fixed).
//  - Sliders: HotTempTBChange / PhaseOffsetTBChange rewrite their fields (the
//    field change then reanalyses).
//
// Where a quotient has a zero divisor (equal end temperatures, a curve that
// does not vary, no revolution analysed yet) the engine writes 0, so no NaN or
// infinity reaches a series or a grid text.
class GammaEngine : public DisplacerCharts, public Engine {
  public:
    explicit GammaEngine(EngineHost& host);
    // The engine's field table.
    static const ParameterTable& Table();
    GammaEngine(const GammaEngine&) = delete;
    GammaEngine& operator=(const GammaEngine&) = delete;

    // The model at the crank angle last evaluated to its end.
    const GammaState& State() const { return state_; }
    // The dimensions as last read.
    double dispCylHt = 0, dispCylDiam = 0, dispHt = 0, dispTh = 0;
    double pistonDiam = 0, pistonTh = 0, pistonHt = 0;

    // Statistics of the last analysed revolution.
    double minHot = 0, maxCold = 0;
    double minPressure = 0, meanPressure = 0, maxPressure = 0;
    double maxPSave = 0, minPSave = 0, maxVSave = 0, minVSave = 0;
    double netWork = 0; // the net work written to row 11
    // minHot / maxCold - 1 (row 9); 0 before any revolution has been analysed.
    double EffectiveTempRatio() const { return maxCold == 0 ? 0.0 : minHot / maxCold - 1; }

    // Window flags.
    bool enable = false;        // model, analysis and picture may run
    EngineTimer timer;          // enabled while the crank turns
    bool calcing = false;       // an analysis is running
    bool phaseChanging = false; // the engine itself is writing the crank angle
    bool animating = false;     // an animation step is running

    TLineSeries& PhaseSeries5;

    static constexpr int kPictureWidth = 182;
    static constexpr int kPictureHeight = 183;

    // The rows of the statistics grid.
    enum GammaRow {
        DispPosn,
        PistonPosn,
        Pressure,
        Volume,
        GasShares,
        MaxPressure,
        MeanPressure,
        VolRatio,
        NominalTempRatioRow,
        EffectiveTempRatioRow,
        ThPistonTh,
        NetWork,
        kGridRows
    };

    // The engine at the crank angle (Field::Phase); appends one point to each
    // cycle series when graph is true. Throws EConvertError for a phase,
    // offset or temperature text that is not a whole number.
    void CalcEngine(bool graph);
    // The analysis of one revolution (the Calc button, Enter, Load, edits).
    void CalcButtonClick();
    // Draws the cut-away picture on the canvas; nothing while `enable` is false.
    void ShowEngine(Canvas& canvas) const;

    // Writes the row labels into column 0 of the statistics grid.
    void SetGridLabels() override;
    // The window's part of being shown: labels, enable and, when start (the
    // texts are usable), analysis and fast animation.
    void FormShow(bool start = true);
    // "&Fast" (100), "&Medium" (200), "Slow" (300): analysis, interval, animate.
    void SpeedButtonClick(int intervalMs);
    void StopButtonClick() { timer.Enabled = false; }

    void HotTempTBChange(int position);
    void PhaseOffsetTBChange(int position);

    // A user's edit of the crank angle: the crank stops there, as after a chart
    // click, without a new analysis.
    void PhaseEdited();
    // Moves the phase markers to the crank angle; refreshes model and picture when not animating.
    void PhaseChange();
    // The same once the click's rounded angle is known: cut to a multiple of 5,
    // clamp to 0..360, stop the animation and move the crank there.
    void ClickAtAngle(long long angle) override;

    // The engine's verbs (see Engine).
    void Start(bool usable) override { FormShow(usable); }
    void OpenWithoutWindow() override;
    // Change handler of the nine parameter fields: each reanalyses.
    void FieldChanged(Field field) override;
    // A new crank angle only moves the crank, unless changes were held back.
    void FieldEdited(Field field, bool heldBack) override;
    void Halt() override { StopButtonClick(); }
    // The loop chart keeps its points sorted by volume: the order of travel
    // comes from the volume and pressure curves along the crank angle.
    std::vector<LoopPoint> Loop() const override {
        return LoopFromAngleCurves(TotalVolSeries, PressureSeries, PVSeries);
    }
    // One animation step of 10 degrees.
    void Tick() override;
    const EngineTimer& Timer() const override { return timer; }
    void ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) override;
    // The Calc action count times, with the animation stopped.
    void Batch(int count) override;
    std::span<const EngineAction> Actions() const override;
    void Act(std::string_view action, int arg, const std::function<bool()>& usable) override;
    std::vector<TChart*> Charts() override {
        return {&PositionChart, &VolumeChart, &GasChart, &WorkChart, &LoopChart};
    }
    void DrawPicture(Canvas& canvas) const override { ShowEngine(canvas); }
    std::span<const EngineSlider> Sliders() const override;
    void Slide(TrackBar slider, int position) override;
    std::optional<int> SliderPosition(TrackBar slider) override;

  private:
    void SetupCharts();
    void RequestPicture();
    void AddPoints(double x, const GammaState& s);
    // An angle of a revolution after its first: the first read every other
    // parameter and wrote every row, which the revolution's end writes again.
    // Its points wait in columns_ for the revolution's end, where each
    // series takes its points at once.
    // The angles after the first of the Calc button's revolution.
    void TurnRevolution();
    int ReadAngle();
    void TrackExtremes();
    void EvaluateInRevolution(int phase);
    void AddRevolutionPoints();
    // The markers of the five charts at crank angle x.
    void PlaceMarkers(double x);
    void Cell(int row, const std::string& text) { host_.SetCell(1, row, text); }

    // The texts of the rows that stay the same over most of a revolution.
    enum TextSlot {
        kVolRatioText,
        kNominalRatioText,
        kEffectiveRatioText,
        kNominalThrowText,
        kEffectiveThrowText
    };
    struct FormattedValue {
        double value = 0;
        std::string text;
        bool valid = false;
    };
    const std::string& Formatted(TextSlot slot, double value);
    FormattedValue formatted_[5];
    std::string text_; // scratch for texts put together at every evaluation
    Message volume_{"Vol = %1", {Message::Literal("")}};

    EngineHost& host_;
    FieldReader fields_{host_};
    GammaParameters evaluated_; // the parameters of the last evaluation that ran to its end
    GammaState evaluatedState_; // and the state it computed
    GammaState state_;          // the last angle evaluated to its end
    bool complete_ = false;     // whether the last evaluation did
    // The crank angles, then a column for each cycle series' values, then
    // the pressure-volume points' volumes and pressures.
    std::array<std::vector<double>, 13> columns_;
};

} // namespace kelvane
