#pragma once

#include "foundations/MapHost.h"
#include "gamma/GammaEngine.h"
#include "gamma/GammaFields.h"
#include "rider/RiderEngine.h"
#include "rider/RiderFields.h"
#include "ringbom/RingbomEngine.h"
#include "ringbom/RingbomFields.h"

#include <string>
#include <string_view>
#include <type_traits>

namespace kelvane::test {

// An engine on a map host holding its field table's defaults, shown as its
// window shows it, with every field edit reaching the engine as an edit box's
// change would. The Gamma and two-piston engines stand still (no animation);
// the Ringbom engine is cleared and running from angle 0, its timer driven by hand.
template <class Engine> struct EngineRig {
    MapHost host;
    Engine engine{host};
    int edits = 0;            // field changes seen
    int graphTimerStarts = 0; // two-piston delayed recalculations armed

    // stripChart and allData tick the Ringbom engine's check boxes.
    explicit EngineRig(bool stripChart = true, bool allData = true);

    // Sets a text as the user's typing would: the change handler runs.
    void Edit(Field field, const std::string& text) { host.SetFieldText(field, text); }
    // Sets a text without running the change handler.
    void Put(Field field, const std::string& text) { host.Put(field, text); }
    std::string Text(Field field) { return host.FieldText(field); }
    // A field by its control name; a name the engine lacks fails the test run.
    Field Named(std::string_view control) const { return host.Table().RowOf(control).id; }
    std::string Row(int row) const { return host.Cell(1, row); }
    // Timer ticks: Ringbom steps, or animation steps of the other two.
    void Tick(int n = 1) {
        for (int k = 0; k < n; ++k) {
            if constexpr (std::is_same_v<Engine, RingbomEngine>)
                engine.AnimateTimerTimer();
            else
                engine.Timer1Timer();
        }
    }
};

template <> inline EngineRig<GammaEngine>::EngineRig(bool, bool) : host(GammaFields()) {
    host.PutDefaults();
    host.onFieldChange = [this](Field) {
        ++edits;
        engine.PistonThrowChange();
    };
    engine.SetGridLabels();
    engine.enable = true;
}

template <>
inline EngineRig<RingbomEngine>::EngineRig(bool stripChart, bool allData) : host(RingbomFields()) {
    host.PutDefaults();
    host.PutChecked(Field::StripChartCB, stripChart);
    host.PutChecked(Field::AllDataCB, allData);
    host.onFieldChange = [this](Field) {
        ++edits;
        engine.PistonThrowChange();
    };
    engine.FormShow();
}

template <> inline EngineRig<RiderEngine>::EngineRig(bool, bool) : host(RiderFields()) {
    host.PutDefaults();
    // What loading the defaults does: no stroke limit below 5.
    BringStrokeLimitsIntoRange(host);
    host.onFieldChange = [this](Field field) {
        ++edits;
        engine.FieldChanged(field);
    };
    engine.onGraphTimerArmed = [this] { ++graphTimerStarts; };
    engine.SetGridLabels();
    engine.enable = true;
}

using GammaRig = EngineRig<GammaEngine>;
using RingbomRig = EngineRig<RingbomEngine>;
using RiderRig = EngineRig<RiderEngine>;

} // namespace kelvane::test
