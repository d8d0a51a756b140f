#include "RiderState.h"

#include "foundations/Conversions.h"
#include "foundations/WholeDegrees.h"

#include <cmath>

namespace kelvane {

RiderState RiderState::Compute(const RiderParameters& p) {
    RiderState s;
    double min = p.hotStrokeMin;
    double max = p.hotStrokeMax;
    s.hotPos = (SinOfDegrees(p.phase) + 1) * (max - min) / 2;
    s.hotPos = s.hotPos + min;
    s.hotVol = 100 * s.hotPos;
    s.maxVol = 100 * max;

    // The sum is not brought back into one revolution; a whole number first.
    long long shifted = static_cast<long long>(p.phase) + p.phaseOffset;
    min = p.coldStrokeMin;
    max = p.coldStrokeMax;
    s.coldPos = (SinOfDegrees(shifted) + 1) * (max - min) / 2;
    s.coldPos = s.coldPos + min;
    s.coldVol = 100 * s.coldPos;
    s.currVol = s.hotVol + s.coldVol;
    s.maxVol = 100 * max + s.maxVol;

    s.tHot = WholeFtoK(p.hotTemp);
    s.tCold = WholeFtoK(p.coldTemp);
    double vRatio = s.hotVol / s.coldVol;
    double tRatio = s.tCold / s.tHot;
    double y = tRatio * vRatio;
    y = 1 / (1 + y);
    s.nColdShare = 100 * y;
    s.nHotShare = 100 - s.nColdShare;
    s.pC = s.nColdShare * s.tCold / s.coldVol;
    return s;
}

} // namespace kelvane
