#pragma once

#include "common/DisplacerCharts.h"
#include "foundations/TChart.h"

#include <array>
#include <optional>

namespace kelvane {

struct RingbomModel;

// The record of a Ringbom run: five charts and the series they show, the
// only store of the run's results. In strip-chart mode every step adds a
// point at its crank angle and the angle axes follow the run; in fixed-cycle
// mode each series holds one slot per 5 degrees of one revolution, and a
// step overwrites its slot.
class RingbomRecord : public DisplacerCharts {
  public:
    // The strip-chart record keeps at most this many steps per series, so that a
    // long run neither slows down nor grows without bound. 100 000 steps are
    // about 1 400 revolutions (a run of nearly three hours at 100 ms a step);
    // beyond it the oldest whole revolution is dropped at a time, and All Data
    // then starts at the oldest kept angle. PVSeries, which grows in both
    // modes, is held to the same count.
    static constexpr int kStripChartMaxSteps = 100000;
    static constexpr int kStepsPerRevolution = 72;

    RingbomRecord();
    RingbomRecord(const RingbomRecord&) = delete;
    RingbomRecord& operator=(const RingbomRecord&) = delete;

    // The pressure band around the mean, the mean work and the current state
    // on the pressure-volume chart, after the shared series.
    TLineSeries &HiMeanPressureSeries, &LoMeanPressureSeries;
    TLineSeries& MeanWorkSeries;
    TLineSeries& PVPhaseSeries;

    // The cap in force; tests lower it to reach it quickly.
    int stripChartMaxSteps = kStripChartMaxSteps;
    // Steps recorded since the last clear.
    int resultCount = 0;

    // The 16 recorded series, in the order a clear empties them.
    std::array<TLineSeries*, 16> RecordedSeries();

    // The piston's move between the last two recorded steps, once there are two.
    std::optional<double> LastPistonMove() const;
    // The mean work of the last 72 recorded steps, once more than 72 are recorded.
    std::optional<double> RevolutionMeanWork() const;

    // Records a computed step at crank angle phase with its work and mean work.
    void AddStep(const RingbomModel& m, int phase, double work, double meanWork, bool stripMode,
                 bool allData);

    // Empties every recorded series: fixed-cycle mode refills them with zero slots.
    void Clear(bool stripMode);
    void ClearSeries(TLineSeries& s, bool stripMode);
    void Set360Axis(TChart& c);

    // Moves the four angle charts by degrees, held to the recorded angles.
    void Pan(int degrees);
    // The whole record, or else the revolution around phase.
    void ShowAll(bool allData, int phase);
    void ShowAllChart(TChart& c, bool allData, int phase);
    // Rebuilds the pressure-volume loop from the recorded steps: all of them,
    // or those inside the angle range VolumeChart shows.
    void LoadPVSeries(bool allData);

  private:
    // Records one sample at the step's angle (strip mode) or into its slot.
    void AddPoint(TLineSeries& s, double value);
    void RemoveFirstPoint();
    void DropOldestRevolution();
    void RescalePressureAxis();
    void PanChart(TChart& c, int degrees);
    double AllDataStart() const;
    // Steps recorded in all three of the series the work is found from.
    int WorkSteps() const;
    void SetupCharts();
    // The fixed-cycle loop: the recorded slots of the revolution, in angle order.
    void LoadFixedCyclePV();

    // The step's angle and slot, read by AddPoint; slotValid is false for an
    // angle outside 0 .. 360 in fixed-cycle mode.
    double stepPhase_ = 0;
    int stepSlot_ = 0;
    bool slotValid_ = true;
    bool stripMode_ = true;
    bool allData_ = true;
    // True once the cap has dropped revolutions since the last clear.
    bool trimmed_ = false;
    // Fixed-cycle mode: the slots a step has written since the last clear.
    std::array<bool, kStepsPerRevolution + 1> slotRecorded_{};
};

} // namespace kelvane
