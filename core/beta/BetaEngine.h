#pragma once

#include "BetaModel.h"
#include "BetaParameters.h"
#include "common/Engine.h"
#include "foundations/EngineHost.h"
#include "foundations/TChart.h"

#include <string>

namespace kelvane {

struct EngineEntry;
// The engine's row in the catalog.
const EngineEntry& BetaEntry();

class ParameterTable;

// The Beta engine: displacer and power piston in one cylinder, analysed the
// textbook's isothermal way (BetaModel) so that a student can check every
// number against the book.
//
// Calc analyses one revolution at every whole degree from the texts (only
// when every text checks out): the charts, the pressure's extremes and mean,
// the expansion, compression and net work as per-degree sums, the closed-form
// Schmidt work beside the sum with their difference, the indicated power and
// the efficiency W / We. The crank angle (Field::Phase) only moves the crank
// over the analysed revolution: the rows of the state at that angle, the
// markers, the volume read-out and the picture. The timer turns the crank
// 10 degrees a tick.
//
// Where a quotient has a zero divisor (no work, no revolution yet) the engine
// writes 0, so no NaN or infinity reaches a series or a grid text.
class BetaEngine : public Engine {
  public:
    explicit BetaEngine(EngineHost& host);
    static const ParameterTable& Table();
    BetaEngine(const BetaEngine&) = delete;
    BetaEngine& operator=(const BetaEngine&) = delete;

    static constexpr int kPictureWidth = 182;
    static constexpr int kPictureHeight = 183;

    // The rows of the statistics grid.
    enum BetaRow {
        DispPosn,
        PistonPosn,
        HotVol,
        ColdVol,
        TotalVol,
        Pressure,
        MinPressure,
        MaxPressure,
        MeanPressureRow,
        ExpansionWork,
        CompressionWork,
        NetWork,
        SchmidtWork,
        SumDifference,
        Power,
        Efficiency,
        kGridRows
    };

    TChart PositionChart{"Chart1"}, VolumeChart{"Chart2"}, GasChart{"Chart3"}, WorkChart{"Chart4"},
        LoopChart{"Chart5"};
    // Positions, mm.
    TLineSeries &DisplacerSeries, &PistonSeries, &PhaseSeries1;
    // Volumes, cm3 (left), and pressure, kPa (right).
    TLineSeries &HotVolSeries, &ColdVolSeries, &TotalVolSeries, &PressureSeries,
        &MeanPressureSeries, &PhaseSeries2;
    // Shares of the gas's mass, percent.
    TLineSeries &HotMassSeries, &RegenMassSeries, &ColdMassSeries, &PhaseSeries3;
    // Work of each degree's step, J.
    TLineSeries &ExpansionWorkSeries, &CompressionWorkSeries, &WorkSeries, &PhaseSeries4;
    // The pressure-volume loop and the state on it.
    TLineSeries &PVSeries, &PhaseSeries5;

    // Results of the last analysed revolution.
    bool analysed = false;
    BetaParameters parameters; // as analysed
    BetaModel model{parameters};
    double k = 0; // p = k / S, kPa cm3/K
    double minPressure = 0, maxPressure = 0, meanPressure = 0;
    double minVol = 0, maxVol = 0, meanVol = 0;
    double expansionWork = 0, compressionWork = 0, netWork = 0; // J, per-degree sums
    double schmidtWork = 0;                                     // J, closed form
    double schmidtScale = 0;                                    // J, |We| + |Wc| of the closed form
    double SumDifferencePercent() const;
    double PowerWatts() const { return netWork * parameters.speed / 60; }
    double EfficiencyRatio() const; // W / We

    // The state at the crank angle shown.
    int shownAngle = 0;
    BetaModel::Point state;
    double pressure = 0;

    bool enable = false;        // analysis and picture may run
    EngineTimer timer;          // enabled while the crank turns
    bool calcing = false;       // an analysis is running
    bool phaseChanging = false; // the engine itself is writing the crank angle

    // The analysis of one revolution (Calc, Enter, Load, edits); nothing
    // while a text cannot be used.
    void CalcButtonClick();
    void SpeedButtonClick(int intervalMs);
    void StopButtonClick() { timer.Enabled = false; }
    // The numbers the texts give; only for texts that check out.
    BetaParameters ReadParameters();

    void Start(bool usable) override;
    void OpenWithoutWindow() override;
    void FieldChanged(Field field) override;
    void FieldEdited(Field field, bool heldBack) override;
    void Halt() override { StopButtonClick(); }
    // The loop chart keeps its points sorted by volume: the order of travel
    // comes from the volume and pressure curves along the crank angle.
    std::vector<LoopPoint> Loop() const override {
        return LoopFromAngleCurves(TotalVolSeries, PressureSeries, PVSeries);
    }
    void Tick() override;
    const EngineTimer& Timer() const override { return timer; }
    void ChartClick(const TChart& chart, double x, double plotLeft, double plotRight) override;
    void ClickAtAngle(long long angle) override;
    void Batch(int count) override;
    std::span<const EngineAction> Actions() const override;
    void Act(std::string_view action, int arg, const std::function<bool()>& usable) override;
    std::vector<TChart*> Charts() override {
        return {&PositionChart, &VolumeChart, &GasChart, &WorkChart, &LoopChart};
    }
    void SetGridLabels() override;
    void DrawPicture(Canvas& canvas) const override;
    std::span<const EngineSlider> Sliders() const override;
    void Slide(TrackBar slider, int position) override;
    std::optional<int> SliderPosition(TrackBar slider) override;

  private:
    void SetupCharts();
    // The state at the crank angle's text: rows, read-out, markers, picture.
    void ShowAngle();
    void PlaceMarkers(double x);
    void Cell(int row, const std::string& text) { host_.SetCell(1, row, text); }

    EngineHost& host_;
};

} // namespace kelvane
