#include "RingbomModel.h"

#include "common/StirlingPhysics.h"
#include "foundations/Conversions.h"
#include "foundations/Sine.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

RingbomModel::Outcome RingbomModel::Step(const RingbomParameters& p) {
    dispCylHt = p.dispCylHt;
    dispCylDiam = p.dispCylDiam;
    dispHt = p.dispHt;
    dispTh = dispCylHt - dispHt;
    dPistonDiam = p.dPistonDiam;
    pistonDiam = p.pistonDiam;
    pistonHt = pistonDiam;
    pistonTh = p.pistonTh;
    if (!p.usable)
        return Unusable;

    fullPistonVol = CalcCylVol(pistonDiam, pistonTh);
    minVol = CalcCylVol(dispCylDiam, dispCylHt - dispHt);
    maxVol = minVol + fullPistonVol;
    meanVol = (minVol + maxVol) / 2;
    leastVol = minVol - CalcCylVol(dPistonDiam, dispTh);
    mostVol = maxVol + minVol / 1000;

    // Power piston: mid-stroke at 0 degrees, top at 90.
    pistonPos = (Sine(ToRadians(p.phase)) + 1) * pistonTh / 2;
    pistonVol = CalcCylVol(pistonDiam, pistonPos);

    double totPressure = 0;
    maxPressure = -1000000;
    minPressure = 1000000;
    for (int k = 1; k <= kHistoryLength; ++k) {
        const double v = pressureHistory[static_cast<std::size_t>(k)];
        totPressure += v;
        maxPressure = std::max(maxPressure, v);
        minPressure = std::min(minPressure, v);
    }
    meanPressure = totPressure / kHistoryLength;

    // Displacer: a saturating proportional law of the previous pressure.
    prevPressure = currPressure;
    const double deltaP = prevPressure - meanPressure;
    const double y = (maxPressure - meanPressure) / 2;
    if (meanPressure <= 0)
        dispPos = 0; // the history is still empty
    else if (y != 0)
        dispPos = deltaP / y * (dispTh / 2) + dispTh / 2;
    else
        // No spread at all (a history of one value): the law is 0 / 0. Any
        // spread, however small, sends the displacer to the stop on the side
        // of deltaP, and to the upper one for the newest value itself.
        dispPos = deltaP < 0 ? 0 : dispTh;
    if (dispPos > dispTh)
        dispPos = dispTh;
    if (dispPos < 0)
        dispPos = 0;

    hotVol = CalcCylVol(dispCylDiam, dispPos);
    coldVol = CalcCylVol(dispCylDiam, dispTh - dispPos) - CalcCylVol(dPistonDiam, dispTh - dispPos);
    FixEmptySpaces(hotVol, coldVol);
    gasVolRatio = (hotVol + coldVol) / fullPistonVol;
    coldVol += pistonVol;
    currVol = coldVol + hotVol;

    tMaxHot = FtoK(p.hotTemp);
    tMaxCold = FtoK(p.coldTemp);
    const double unitPistonVol = CalcCylVol(pistonDiam, 1);
    tempRatio = tMaxHot / tMaxCold - 1;
    thinPiston = (tMaxHot / tMaxCold - 1) * minVol / unitPistonVol;
    seenTemps = maxCold > 0;
    if (seenTemps) {
        seenTempRatio = minHot / maxCold - 1;
        seenThinPiston = (minHot / maxCold - 1) * minVol / unitPistonVol;
    }

    const GasTemps gas = WallGasTemps(tMaxHot, tMaxCold, dispCylHt, dispPos, dispHt);
    tHot = gas.tHot;
    tCold = gas.tCold;
    minHot = std::min(minHot, tHot);
    maxCold = std::max(maxCold, tCold);

    // One pressure on both sides: the gas divides by volume over temperature.
    const double vRatio = hotVol / coldVol;
    const double tRatio = tCold / tHot;
    nColdShare = 100 / (1 + tRatio * vRatio);
    nHotShare = 100 - nColdShare;
    nCold = nColdShare * meanVol / 100;
    nHot = nHotShare * meanVol / 100;
    const double pC = nCold * tCold / coldVol;
    // A rod wider than the cylinder or temperatures below absolute zero leave
    // no meaningful split; such a step ends like an unusable geometry rather
    // than poisoning the history and the charts.
    if (!std::isfinite(nColdShare) || !std::isfinite(pC))
        return NoSplit;
    currPressure = pC;

    if (pressureHistory[kHistoryLength] == 0)
        std::fill(pressureHistory.begin() + 1, pressureHistory.end() - 1, currPressure);
    else
        std::copy(pressureHistory.begin() + 2, pressureHistory.end(), pressureHistory.begin() + 1);
    pressureHistory[kHistoryLength] = currPressure;
    return Done;
}

double RingbomModel::Work(double pistonMove) const {
    // The pressure against the mean times the piston's last move.
    const double pressure = currPressure - meanPressure;
    return StepWork(pressure, pistonMove, pistonDiam);
}

void RingbomModel::Reset() {
    pressureHistory.fill(0);
    minHot = 1000;
    maxCold = -200;
}

} // namespace kelvane
