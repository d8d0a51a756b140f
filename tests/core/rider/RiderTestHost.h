#pragma once

#include "foundations/MapHost.h"
#include "rider/RiderEngine.h"

#include <string>

namespace kelvane::test {

// A shown two-piston window with the first-start parameters and the animation
// stopped; edit box changes reach the engine as they do in the window.
struct RiderTestHost {
    MapHost host;
    RiderEngine engine{host};
    int graphTimerStarts = 0;

    RiderTestHost() {
        host.fields = {{"Phase", "0"},         {"PhaseOffset", "90"},  {"HotStrokeMin", "5"},
                       {"HotStrokeMax", "50"}, {"ColdStrokeMin", "5"}, {"ColdStrokeMax", "100"},
                       {"HotTemp", "300"},     {"ColdTemp", "100"}};
        host.onFieldChange = [this](const std::string& name) { engine.FieldChanged(name); };
        engine.onGraphTimerArmed = [this] { ++graphTimerStarts; };
        engine.SetGridLabels();
        engine.enable = true;
    }

    std::string Row(int row) const { return host.Cell(1, row); }
    void Set(const std::string& field, const std::string& text) { host.fields[field] = text; }
};

} // namespace kelvane::test
