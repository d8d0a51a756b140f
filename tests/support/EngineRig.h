#pragma once

#include "foundations/MapHost.h"
#include "gamma/GammaEngine.h"
#include "gamma/GammaFields.h"
#include "rider/RiderEngine.h"
#include "rider/RiderFields.h"
#include "ringbom/RingbomEngine.h"
#include "ringbom/RingbomFields.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace kelvane::test {

// An engine on a map host holding its field table's defaults, opened as the
// command line opens it (shown, the crank at rest), with every field edit
// reaching the engine as an edit box's change would. `ticks` sets check boxes
// first; `start` then runs the window's start actions.
template <class Engine> struct EngineRig {
    MapHost host;
    Engine engine{host};
    int edits = 0; // field changes seen after the rig was set up

    explicit EngineRig(std::initializer_list<std::pair<Field, bool>> ticks = {}, bool start = false)
        : host(Engine::Table()) {
        host.PutDefaults();
        for (auto [field, ticked] : ticks)
            host.PutChecked(field, ticked);
        host.onFieldChange = [this](Field field) {
            ++edits;
            engine.FieldChanged(field);
        };
        engine.OpenWithoutWindow();
        engine.TextsPut();
        if (start)
            engine.Start(true);
        edits = 0;
    }

    // Sets a text as the user's typing would: the change handler runs.
    void Edit(Field field, const std::string& text) { host.SetFieldText(field, text); }
    // Sets a text without running the change handler.
    void Put(Field field, const std::string& text) { host.Put(field, text); }
    std::string Text(Field field) { return host.FieldText(field); }
    // A field by its control name; a name the engine lacks fails the test run.
    Field Named(std::string_view control) const { return host.Table().RowOf(control).id; }
    std::string Row(int row) const { return host.Cell(1, row); }
    // Timeouts of the engine's timer.
    void Tick(int n = 1) {
        for (int k = 0; k < n; ++k)
            engine.Tick();
    }
};

using GammaRig = EngineRig<GammaEngine>;

// The Ringbom window after showing: cleared and running from angle 0.
struct RingbomRig : EngineRig<RingbomEngine> {
    explicit RingbomRig(bool stripChart = true, bool allData = true)
        : EngineRig({{Field::StripChartCB, stripChart}, {Field::AllDataCB, allData}}, true) {}
};

// Counts the delayed recalculations the two-piston engine arms.
struct RiderRig : EngineRig<RiderEngine> {
    int graphTimerStarts = 0;
    RiderRig() {
        engine.onGraphTimerArmed = [this] { ++graphTimerStarts; };
    }
};

} // namespace kelvane::test
