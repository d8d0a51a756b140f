#pragma once

#include "foundations/MapHost.h"
#include "gamma/GammaEngine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane {

// A Gamma engine over a map host holding the settings-file defaults, with the
// fields' change handler wired as the window wires its edit boxes.
class GammaFixture : public ::testing::Test {
  protected:
    GammaFixture() : engine(host) {
        host.fields = {{"HotTemp", "300"},         {"ColdTemp", "100"},   {"DispCylHeight", "100"},
                       {"DispCylDiameter", "100"}, {"DispHeight", "60"},  {"PistonDiameter", "30"},
                       {"PistonThrow", "60"},      {"PhaseOffset", "90"}, {"Phase", "0"}};
        host.onFieldChange = [this](const std::string&) { engine.PistonThrowChange(); };
        engine.SetGridLabels();
        engine.enable = true;
    }

    // Sets a field as a user edit would: the change handler runs.
    void Edit(const std::string& name, const std::string& text) { host.SetFieldText(name, text); }
    // Sets a field without running the change handler.
    void Put(const std::string& name, const std::string& text) { host.fields[name] = text; }
    void EvaluateAt(int phase) {
        Put("Phase", std::to_string(phase));
        engine.CalcEngine(false);
    }
    std::string Row(int row) const { return host.Cell(1, row); }

    static bool AllFinite(const TLineSeries& s) {
        for (int i = 0; i < s.Count(); ++i) {
            if (!std::isfinite(s.XValues()[i]) || !std::isfinite(s.YValues()[i]))
                return false;
        }
        return true;
    }

    MapHost host;
    GammaEngine engine;
};

} // namespace kelvane
