#pragma once

#include "foundations/EngineHost.h"
#include "foundations/TChart.h"
#include "gamma/GammaEngine.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvane {

// The parameter sweep of the Gamma window and the data of its net-work graph
// window: a double-click on a yellow field runs the cycle analysis for a range
// of that field's values and charts the net work, volumes, pressures and
// temperatures against the value.
//
// The sweep drives the engine through the Gamma window's host: it writes the
// swept field with host.SetFieldText (whose change handler runs the analysis,
// as an edit would), then runs engine.CalcButtonClick itself, and lets pending
// events run with host.ProcessEvents after every value.
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
class GammaSweep {
  public:
    GammaSweep(GammaEngine& engine, EngineHost& host);
    GammaSweep(const GammaSweep&) = delete;
    GammaSweep& operator=(const GammaSweep&) = delete;

    TChart Chart1{"Chart1"}, Chart2{"Chart2"}, Chart3{"Chart3"}, Chart4{"Chart4"};
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

    // The notes of the net-work graph window, one entry a line.
    std::vector<std::string> Memo1;
    double maxY = 0; // the greatest net work of this sweep
    double maxX = 0; // the value at which it was recorded

    bool visible = false;     // the net-work graph window is shown
    bool printEnabled = true; // its "&Print" button may be pressed
    bool sweeping = false;    // a sweep is running
    std::function<void()> onShow;
    std::function<void()> onRefresh;

    // The six fields a double-click sweeps, in the window's tab order.
    static constexpr Field kYellowFields[6] = {Field::DispCylHeight,  Field::DispCylDiameter,
                                               Field::DispHeight,     Field::PistonThrow,
                                               Field::PistonDiameter, Field::PhaseOffset};

    // The double-click on a yellow field; false (and nothing done) for any
    // other field. A double-click while a sweep runs is ignored (true).
    bool FieldDblClick(Field field);
    void PistonThrowDblClick();
    void DispCylHeightDblClick();
    void DispCylDiameterDblClick();
    void PistonDiameterDblClick();
    void DispHeightDblClick();
    void PhaseOffsetDblClick();

    // The step between the values that the double-click on `field` would
    // sweep, from the fields' current texts: 0 means the same value again and
    // again until the window is closed.
    double Step(Field field);

    // The steps of a sweep, as the double-click handlers use them.
    void SetupPopupGraph(const std::string& title);
    void ShowPopupGraphPoint(double i);
    void EndPopupGraph();
    void MakeAPopupGraph(Field field, const std::string& title, double max);

    // Shows a swept value: general format, up to 15 significant digits ("6", "0.5").
    static std::string ValueText(double value);

  private:
    class FieldRestorer;

    void SetupCharts();
    void Refresh();
    // Lets pending events run; false once the window has been closed.
    bool KeepGoing();
    std::string DispHeightBaseText();

    GammaEngine& engine_;
    EngineHost& host_;
};

} // namespace kelvane
