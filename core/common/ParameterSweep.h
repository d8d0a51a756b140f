#pragma once

#include "foundations/EngineHost.h"
#include "foundations/TChart.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kelvane {

class ParameterTable;

// The values a double-click sweeps one field through.
struct SweepPlan {
    std::string title; // "Piston Throw": the charts read "Piston Throw vs Net Work", ...
    std::string
        rangeText; // the field's text while the graph window opens: "testing 6.00 through 600"
    double first = 0;
    double step = 0; // 0: the first value again and again until the window is closed
    double last = 0;
    // Values go on until one beyond `last` has been computed; otherwise none
    // beyond it is.
    bool pastLast = false;
    // Put into the field first and kept there until the sweep has ended.
    std::optional<std::string> baseText;
};

// What one analysed revolution adds to the net-work graph.
struct SweepPoint {
    double netWork = 0; // as the statistics grid shows it
    double minVol = 0, meanVol = 0, maxVol = 0;
    double minPressure = 0, meanPressure = 0, maxPressure = 0;
    double maxTemp = 0; // degrees F: the lowest hot-gas temperature of the revolution
    double minTemp = 0; // degrees F: the highest cold-gas temperature
    double tempRatio = 0;
};

// One line of the graph window's notes: a caption and a field's text, padded
// to 50 characters, then a second caption and field (none: no padding). A
// caption's %1 is where the field's text goes.
struct SweepMemoLine {
    const char* first;
    Field firstField;
    const char* second = nullptr;
    Field secondField = Field::Phase;
};

// A line of the notes in parts, for the window to translate: the first
// column is padded to 50 characters when a second follows.
struct SweepNote {
    Message first;
    std::optional<Message> second;

    // As the command line writes it.
    std::string English() const;
};

// A parameter sweep and the data of the net-work graph window: a double-click
// on a field runs an engine's cycle analysis for a range of that field's
// values and charts the net work, volumes, pressures and temperatures against
// the value. Each engine says which fields sweep over which values
// (<Engine>Sweep); stepping, the graph's series, the notes and the
// search for the greatest net work are shared here.
//
// The sweep drives the engine through its window's host: it writes the swept
// field with host.SetFieldText (which fires the field's change handler, as an
// edit would), runs the analysis itself, and lets pending events run with
// host.ProcessEvents after every value.
//
// The net-work graph window binds to it:
//  - `visible` is whether the window is shown. SetupPopupGraph sets it and calls
//    onShow (the window shows itself centred); the window clears it when it is
//    hidden, which stops a running sweep after the value being computed.
//  - onRefresh runs before pending events are let through and when a sweep
//    ends: the window brings its charts, its memo (Memo1) and its Print button
//    (`printEnabled`) up to date.
// Without a window (tests, the command line) both hooks stay empty and
// `visible` is the only state; nothing but the caller can then stop a sweep
// whose step is 0 (see Step).
// The problem that keeps a sweep of swept from starting, if any: every point
// of the sweep analyses the other boxes' texts, and its range starts from the
// swept box's number. A number out of range there is swept from all the same.
const FieldProblem* SweepBlocker(const std::vector<FieldProblem>& problems, Field swept);

class ParameterSweep {
  public:
    explicit ParameterSweep(EngineHost& host);
    virtual ~ParameterSweep() = default;
    ParameterSweep(const ParameterSweep&) = delete;
    ParameterSweep& operator=(const ParameterSweep&) = delete;

    TChart WorkGraph{"Chart1"}, VolumeGraph{"Chart2"}, PressureGraph{"Chart3"},
        TemperatureGraph{"Chart4"};
    TLineSeries& WorkSeries;
    TLineSeries& MinVolSeries;
    TLineSeries& MeanVolSeries;
    TLineSeries& MaxVolSeries;
    TLineSeries& MinPressureSeries;
    TLineSeries& MeanPressureSeries;
    TLineSeries& MaxPressureSeries;
    TLineSeries& MaxTempSeries;
    TLineSeries& MinTempSeries;
    TLineSeries& TempRatioSeries;

    // The four charts, in the window's order.
    std::vector<TChart*> Graphs() {
        return {&WorkGraph, &VolumeGraph, &PressureGraph, &TemperatureGraph};
    }

    // The notes of the net-work graph window, one entry a line: in English,
    // and in parts for the window.
    std::vector<std::string> Memo1;
    std::vector<SweepNote> Notes;
    double maxY = 0; // the greatest net work of this sweep
    double maxX = 0; // the value at which it was recorded

    bool visible = false;     // the net-work graph window is shown
    bool printEnabled = true; // its "&Print" button may be pressed
    bool sweeping = false;    // a sweep is running
    std::function<void()> onShow;
    std::function<void()> onRefresh;

    // The fields a double-click sweeps, in the window's tab order.
    virtual std::span<const Field> SweptFields() const = 0;
    // The engine's field table, for the names of its fields.
    virtual const ParameterTable& Fields() const = 0;

    // The double-click on a field; false (and nothing done) for a field that
    // does not sweep. A double-click while a sweep runs is ignored (true).
    bool FieldDblClick(Field field);
    // The step between the values that the double-click on `field` would
    // sweep, from the fields' current texts: 0 means the same value again and
    // again until the window is closed.
    double Step(Field field);

    // Ends a running sweep after the value being computed, as closing the
    // graph window does, and gives the swept field the user's text back at
    // once: the closing simulator window stores its fields next.
    void Stop();

    // The steps of a sweep, as FieldDblClick takes them.
    void SetupPopupGraph(const std::string& title);
    void ShowPopupGraphPoint(double i);
    void EndPopupGraph();

    // Shows a swept value: general format, up to 15 significant digits ("6", "0.5").
    static std::string ValueText(double value);

  protected:
    // The values of a double-click on `field`, from the fields' current
    // texts; nothing for a field that does not sweep.
    virtual std::optional<SweepPlan> Plan(Field field) = 0;
    virtual std::span<const SweepMemoLine> MemoLines() const = 0;
    virtual void StopAnimation() = 0;
    // The cycle analysis, as the window's Calc runs it.
    virtual void Analyse() = 0;
    virtual SweepPoint Point() const = 0;
    // Whether the engine may be given the texts the fields hold now; a sweep
    // ends before the first value it may not.
    virtual bool CanAnalyse() { return true; }

    EngineHost& host_;

  private:
    class FieldRestorer;

    void SetupCharts();
    void Sweep(Field field, const SweepPlan& plan);

    Field sweptField_ = Field::Phase;
    std::string userText_; // the swept field's text before the sweep
    void Refresh();
    void Note(SweepNote note);
    Message::Part FieldPart(Field field);
    // Lets pending events run; false once the window has been closed.
    bool KeepGoing();
};

} // namespace kelvane
