#pragma once

#include "RiderEngine.h"
#include "foundations/MapHost.h"
#include "foundations/ParameterTable.h"

namespace kelvane {

// How a window-less front end (the command line, the web page) starts the
// two-piston engine: the settings-file defaults, then what loading them does
// to the controls, with the crank at rest.
inline void StartFromDefaults(RiderEngine& engine, MapHost& host) {
    ParameterTable::Rider().ApplyDefaults(host);
    host.Put(Field::Phase, "0");
    engine.ParametersLoaded();
    engine.SetGridLabels();
    engine.enable = true;
    engine.animate = false;
}

} // namespace kelvane
