#include "GammaState.h"

#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/WholeDegrees.h"

#include <cmath>

namespace kelvane {

GammaState GammaState::Compute(const GammaParameters& p) {
    GammaState s;
    s.PlaceDisplacer(p);
    s.PlacePiston(p);
    s.SplitGas(p);
    return s;
}

GammaState GammaState::Compute(const GammaParameters& p, const GammaState& first) {
    // The stages below write every value an angle changes; the rest stays.
    GammaState s = first;
    s.TurnTo(p);
    return s;
}

void GammaState::TurnTo(const GammaParameters& p) {
    MoveDisplacer(p);
    MovePiston(p);
    MixGas(p);
}

void GammaState::PlaceDisplacer(const GammaParameters& p) {
    dispBase = CylinderBase(p.dispCylDiam);
    MoveDisplacer(p);
}

void GammaState::MoveDisplacer(const GammaParameters& p) {
    GammaState& s = *this;
    s.dispTh = p.dispCylHt - p.dispHt;
    const long long phase = p.phase;
    s.dispPos = (SinOfDegrees(phase) + 1) * s.dispTh / 2;

    s.hotVol = CylinderVolume(s.dispBase, s.dispPos);
    s.coldVol = CylinderVolume(s.dispBase, s.dispTh - s.dispPos);
    FixEmptySpaces(s.hotVol, s.coldVol);
}

void GammaState::PlacePiston(const GammaParameters& p) {
    pistonBase = CylinderBase(p.pistonDiam);
    fullPistonVol = CylinderVolume(pistonBase, p.pistonTh);
    pistonArea = CylinderVolume(pistonBase, 1);
    MovePiston(p);
}

void GammaState::MovePiston(const GammaParameters& p) {
    GammaState& s = *this;
    const long long pistonAngle = static_cast<long long>(p.phase) + p.phaseOffset;
    s.pistonPos = (SinOfDegrees(pistonAngle) + 1) * p.pistonTh / 2;
    s.pistonVol = CylinderVolume(s.pistonBase, s.pistonPos);
    s.volRatio = (s.hotVol + s.coldVol) / s.fullPistonVol;

    s.minVol = s.coldVol + s.hotVol;
    s.maxVol = s.minVol + s.fullPistonVol;
    s.meanVol = s.minVol + s.fullPistonVol / 2;
    s.coldVol = s.coldVol + s.pistonVol;
    s.currVol = s.coldVol + s.hotVol;
}

void GammaState::SplitGas(const GammaParameters& p) {
    tMaxHot = FtoK(p.hotTemp);
    tMaxCold = FtoK(p.coldTemp);
    nominalRatio = tMaxHot / tMaxCold - 1;
    deltaT = tMaxHot - tMaxCold;
    MixGas(p);
}

void GammaState::MixGas(const GammaParameters& p) {
    GammaState& s = *this;
    const GasTemps gas = WallGasTemps(s.tMaxHot, s.tMaxCold, p.dispCylHt, s.dispPos, p.dispHt);
    s.tHot = gas.tHot;
    s.tCold = gas.tCold;

    const double vRatio = s.hotVol / s.coldVol;
    const double y = 1 / (1 + (s.tCold / s.tHot) * vRatio);
    s.nColdShare = 100 * y;
    s.nHotShare = 100 - s.nColdShare;
    s.nCold = s.nColdShare * s.meanVol / 100;
    s.nHot = s.nHotShare * s.meanVol / 100;
    s.pC = s.nCold * s.tCold / s.coldVol;
}

} // namespace kelvane
