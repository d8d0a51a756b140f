#pragma once

#include "RiderParameters.h"

namespace kelvane {

// The two-piston engine at one crank angle: a pure function of the parameters.
struct RiderState {
    double hotPos = 0;  // hot piston, distance below the cylinder head
    double coldPos = 0; // cold piston
    double hotVol = 0;  // 100 x hotPos
    double coldVol = 0; // 100 x coldPos
    double currVol = 0; // hotVol + coldVol
    double maxVol = 0;  // 100 x (hot stroke maximum + cold stroke maximum)
    double tHot = 0;    // absolute gas temperatures
    double tCold = 0;
    double nHotShare = 0; // share of the gas on each side, percent
    double nColdShare = 0;
    double pC = 0; // common gas pressure, percent x temperature / volume

    // Valid only for parameters that pass RiderParameters::Validate.
    static RiderState Compute(const RiderParameters& p);
};

} // namespace kelvane
