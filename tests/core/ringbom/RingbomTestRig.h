#pragma once

#include "foundations/MapHost.h"
#include "ringbom/RingbomEngine.h"

#include <string>

namespace kelvane::test {

// A Ringbom engine on a map host with the settings-file defaults, shown as the
// window shows it (cleared and running from angle 0); the timer is driven by hand.
struct RingbomRig {
    MapHost host;
    RingbomEngine engine{host};
    int edits = 0;

    explicit RingbomRig(bool strip = true, bool allData = true) {
        host.fields = {{"HotTemp", "300"},         {"ColdTemp", "100"},   {"DispCylHeight", "100"},
                       {"DispCylDiameter", "100"}, {"DispHeight", "60"},  {"DPistonDiameter", "10"},
                       {"PistonDiameter", "30"},   {"PistonThrow", "60"}, {"Phase", "0"}};
        host.checks = {{"StripChartCB", strip}, {"AllDataCB", allData}};
        host.onFieldChange = [this](const std::string&) {
            ++edits;
            engine.PistonThrowChange();
        };
        engine.FormShow();
    }

    void Tick(int n = 1) {
        for (int k = 0; k < n; ++k)
            engine.AnimateTimerTimer();
    }
    std::string Phase() { return host.FieldText("Phase"); }
    std::string Cell(int row) const { return host.Cell(1, row); }
};

} // namespace kelvane::test
