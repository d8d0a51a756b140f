#pragma once

#include "RingbomParameters.h"

#include <array>

namespace kelvane {

// One step of the Ringbom engine: a crank-driven power piston on top of a
// displacer cylinder, and a free displacer that the pressure of the step
// before drives. Symbols as in common/StirlingPhysics.h (lengths in the
// user's unit, T in kelvin, p in model units, crank angle θ in degrees):
//
//   piston         x = (sin θ + 1) s / 2                       pistonPos; s = pistonTh
//   volumes        Vmin = Vcyl(D, t),  Vmax = Vmin + Vcyl(d, s),  Vmean = (Vmin + Vmax) / 2
//                  t = H - h: the displacer's travel            dispTh
//   volume span    Vleast = Vmin - Vcyl(dr, t): displacer on the hot end and
//                  piston down, the rod through the whole cold space;
//                  Vmost = Vmax + Vmin / 1000: displacer on the cold end and
//                  piston up, the emptied cold space counted as a thousandth
//                  of the hot one (FixEmptySpaces)
//   history        pmax, pmin, pmean of the last 360 step pressures
//   displacer      y = t/2 + (p' - pmean) / ((pmax - pmean) / 2) * t/2, held to 0 .. t
//                  (p' the last step's pressure; 0 while pmean <= 0; with no
//                  spread, 0 when p' < pmean and t otherwise)
//   gas spaces     Vh = Vcyl(D, y),  Vc = Vcyl(D, t - y) - Vcyl(dr, t - y) + Vcyl(d, x)
//   gas temps      WallGasTemps(Th, Tc, H, y, h) -> tHot, tCold
//   gas shares     Nc = 100 / (1 + (tCold / tHot)(Vh / Vc)) %,  Nh = 100 - Nc
//   pressure       p = (Nc Vmean / 100) tCold / Vc
//
// Vcyl is CalcCylVol; D, H, h, dr, d are dispCylDiam, dispCylHt, dispHt,
// dPistonDiam and pistonDiam. Only the carried members below feed a step;
// every other member is written by it.
struct RingbomModel {
    static constexpr int kHistoryLength = 360;

    // Carried from step to step; Reset() empties them.
    // Indices 1 to 360, oldest first; index 0 is unused.
    std::array<double, kHistoryLength + 1> pressureHistory{};
    double currPressure = 0;              // p of the last step
    double minHot = 1000, maxCold = -200; // lowest tHot and highest tCold seen, K

    // The last step's dimensions, kept even when they were not usable.
    double dispCylHt = 0, dispCylDiam = 0, dispHt = 0, dispTh = 0, dPistonDiam = 0;
    double pistonDiam = 0, pistonHt = 0, pistonTh = 0;

    double prevPressure = 0; // p', the pressure that placed the displacer
    double dispPos = 0, pistonPos = 0;
    double hotVol = 0, coldVol = 0, pistonVol = 0, currVol = 0;
    double fullPistonVol = 0, minVol = 0, maxVol = 0, meanVol = 0;
    double leastVol = 0, mostVol = 0; // the span of the gas volume, Vleast .. Vmost
    // (Vh + Vc) / Vcyl(d, s) before the piston's share joins the cold space.
    double gasVolRatio = 0;
    double minPressure = 0, meanPressure = 0, maxPressure = 0;
    double tMaxHot = 0, tMaxCold = 0; // the two ends, K
    double tHot = 0, tCold = 0;
    // Th / Tc - 1 and that times Vmin / Vcyl(d, 1): the ratio and the thinnest
    // piston it drives. The "seen" pair uses minHot / maxCold as they were
    // before the step, and exists only once maxCold > 0.
    double tempRatio = 0, thinPiston = 0;
    bool seenTemps = false;
    double seenTempRatio = 0, seenThinPiston = 0;
    double nHotShare = 0, nColdShare = 0; // percent
    double nHot = 0, nCold = 0;           // in units of Vmean

    enum Outcome {
        Unusable, // nothing computed beyond the dimensions
        NoSplit,  // positions, volumes and temperatures, but no gas split: the
                  // pressure and its history are left as they were
        Done
    };
    Outcome Step(const RingbomParameters& p);

    // The work of the step for the piston's last recorded move.
    double Work(double pistonMove) const;

    // Back to the state before the first step: an empty history.
    void Reset();
};

} // namespace kelvane
