#pragma once

#include "RingbomModel.h"
#include "RingbomRecord.h"
#include "common/Engine.h"
#include "foundations/Canvas.h"
#include "foundations/EngineHost.h"
#include "foundations/TChart.h"

#include <array>
#include <string>

namespace kelvane {

struct EngineEntry;
// The engine's row in the catalog.
const EngineEntry& RingbomEntry();

// The Ringbom engine, run step by step: a crank-driven power piston and a free
// displacer placed by the pressure of the step before. It binds the model
// (RingbomModel), the record (RingbomRecord) and the picture (RingbomPicture)
// to the host and owns the run control; the window only binds its controls to it.
//
// How a window drives it:
//  - Field edits: every change of the nine edit boxes (including the ones the
//    engine itself makes through SetFieldText) must call FieldChanged.
//  - Check boxes are read through host.Checked(Field::StripChartCB / Field::AllDataCB). A
//    user click calls FieldChanged with the box's field; host.SetChecked
//    must not (the engine does, where a change from code counts as a click).
//  - Buttons: GoButtonClick, PauseButtonClick, SingleStepButtonClick,
//    ClearButtonClick, PanLeftButtonClick, PanRightButtonClick (Act runs them
//    by name); the slider: HotTempTBChange(position); chart background
//    clicks: ChartClick.
//  - Showing the window: after the settings are read, FormShow().
//  - Step timer: the window's QTimer follows `timer` (Enabled, Interval)
//    after every call into the engine and calls Tick() on each timeout.
//  - Picture: whenever the engine calls host.RedrawPicture(), the window calls
//    ShowEngine on its picture's canvas and shows the result.
//  - Pause button caption and the enabled state of the pan buttons and of
//    AllDataCB are the fields PauseButtonCaption and stripControlsEnabled.
class RingbomEngine : public Engine {
  public:
    static constexpr int kPictureWidth = 182;
    static constexpr int kPictureHeight = 183;

    // The rows of the results grid; column 0 holds their labels.
    enum RingbomRow {
        DispPosn,
        PistonPosn,
        Pressure,
        Volume,
        HotColdN,
        MaxPressure,
        MeanPressure,
        CurrPressure,
        VolRatio,
        TempRatio,
        ThPistonTh,
        NetWork,
        kGridRows
    };

    explicit RingbomEngine(EngineHost& host);
    // The engine's field table.
    static const ParameterTable& Table();
    RingbomEngine(const RingbomEngine&) = delete;
    RingbomEngine& operator=(const RingbomEngine&) = delete;

    // The model of the last step, read by the picture.
    const RingbomModel& State() const { return model_; }
    // The charts, the only store of the run's results.
    RingbomRecord record;

    // The record's charts and series under the names the window binds to.
    TChart &PositionChart, &VolumeChart, &GasChart, &WorkChart, &LoopChart;
    TLineSeries &DisplacerSeries, &PistonSeries, &PhaseSeries1;
    TLineSeries &HotVolSeries, &ColdVolSeries, &TotalVolSeries, &PressureSeries,
        &MeanPressureSeries, &PhaseSeries2, &HiMeanPressureSeries, &LoMeanPressureSeries;
    TLineSeries &NHotSeries, &NColdSeries, &PhaseSeries3, &HotTempSeries, &ColdTempSeries;
    TLineSeries &WorkSeries, &PhaseSeries4, &MeanWorkSeries;
    TLineSeries &PVSeries, &PVPhaseSeries;

    bool enable = false;

    // --- Run state.
    bool animating = false;
    bool computingAnimation = false;
    bool doSingleStep = false;
    bool phaseChanging = false;
    int pausePhase = 0;
    EngineTimer timer; // the step timer
    std::string PauseButtonCaption = "&Pause";
    // PanLeftButton, PanRightButton and AllDataCB are enabled exactly in strip-chart mode.
    bool stripControlsEnabled = true;

    // One step of the model; graph asks for its samples to be recorded.
    void CalcEngine(bool graph);
    // Draws the engine picture; nothing while enable is false.
    void ShowEngine(Canvas& canvas) const;
    // Writes the row labels into column 0 of the grid.
    void SetGridLabels() override;

    // Run control.
    // One step of the run (the step timer's timeout).
    void Tick() override;
    void GoButtonClick();
    void PauseButtonClick();
    // Ends a run in the paused state, as Pause does, whatever the crank-angle
    // text: Resume carries on from the last usable angle.
    void Halt() override;
    // The record keeps its loop in the order the engine ran.
    std::vector<LoopPoint> Loop() const override { return LoopInRecordedOrder(PVSeries); }
    // A load starts the run again from nothing: no value of the old run may
    // stay beside the texts just loaded.
    void Loaded(bool) override { ClearButtonClick(); }
    void SingleStepButtonClick();
    void ClearButtonClick();
    void SetPhase(int p);
    // Empties the record and the model's history.
    void ClearGraphs();
    void PanGraphs(int degrees);
    void PanLeftButtonClick() { PanGraphs(-45); }
    void PanRightButtonClick() { PanGraphs(45); }
    void ShowAllGraphData();
    void StripChartCBClick();
    void AllDataCBClick() { ShowAllGraphData(); }

    // Window handlers.
    // The engine part of showing the window, after its settings are read; the
    // run starts when start (the texts are usable).
    void FormShow(bool start = true);
    // Change of any of the nine edit boxes, or a click on a check box.
    void FieldChanged(Field field) override;
    void HotTempTBChange(int position);
    // Moves the angle markers to the angle in Phase.
    void PhaseChange();
    // A background click at x on a chart whose plot spans plotLeft .. plotRight.
    void ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) override;
    // The part of a chart click after the angle is known: halts, sets the angle
    // and shows the positions recorded for it.
    void ShowAngle(double angle);

    // The engine's verbs (see Engine).
    void Start(bool usable) override;
    void Unusable() override { StopForEdit(); }
    const EngineTimer& Timer() const override { return timer; }
    void ClickAtAngle(long long angle) override { ShowAngle(static_cast<double>(angle)); }
    // Clear, then count single steps: the show sequence without Go first.
    void Batch(int count) override;
    std::span<const EngineAction> Actions() const override;
    void Act(std::string_view action, int arg, const std::function<bool()>& usable) override;
    std::vector<TChart*> Charts() override {
        return {&PositionChart, &VolumeChart, &GasChart, &WorkChart, &LoopChart};
    }
    void DrawPicture(Canvas& canvas) const override { ShowEngine(canvas); }
    std::span<const EngineSlider> Sliders() const override;
    void Slide(TrackBar, int position) override { HotTempTBChange(position); }
    std::optional<int> SliderPosition(TrackBar slider) override;
    std::vector<EngineStateItem> StateItems() const override;

    std::array<TLineSeries*, 16> RecordedSeries() { return record.RecordedSeries(); }
    bool StripChart() { return host_.Checked(Field::StripChartCB); }
    bool AllData() { return host_.Checked(Field::AllDataCB); }

  private:
    RingbomModel model_;
    // A user's edit stops the run; the engine's own writes of the angle do not.
    void StopForEdit();
    // Writes a computed step into the grid and the volume text.
    void ShowStep(RingbomModel::Outcome outcome);
    void SetRow(RingbomRow row, const std::string& text);

    EngineHost& host_;
};

} // namespace kelvane
