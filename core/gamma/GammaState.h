#pragma once

#include "GammaParameters.h"
#include "foundations/Extended.h"

namespace kelvane {

// The Gamma engine at one crank angle: a pure function of the parameters.
//
//   displacer travel  s  = H - hd                     (H cylinder, hd displacer height)
//   displacer         y  = (sin(phase) + 1) s / 2     (height of its bottom)
//   hot, cold space   Vh = V(D, y),  Vc = V(D, s - y) (V(d, h) = 3.14159 (d/2)^2 h,
//                                                      empty spaces fixed up)
//   piston            x  = (sin(phase + offset) + 1) t / 2,   Vp = V(dp, x)
//   volumes           Vmin = Vh + Vc,  Vmax = Vmin + V(dp, t),  Vmean = Vmin + V(dp, t) / 2
//                     the piston's gas joins the cold space: Vc' = Vc + Vp, V = Vc' + Vh
//   temperatures      Th = FtoK(hot), Tc = FtoK(cold); gas tHot, tCold from the wall
//                     (WallGasTemps)
//   gas shares        nCold% = 100 / (1 + (tCold / tHot)(Vh / Vc')),  nHot% = 100 - nCold%
//                     amounts nX = nX% Vmean / 100
//   pressure          p = nCold tCold / Vc'
struct GammaState {
    double dispTh = 0, dispPos = 0;
    double hotVol = 0, coldVol = 0; // coldVol includes the piston's space
    double pistonPos = 0, pistonVol = 0, fullPistonVol = 0;
    double volRatio = 0; // displacer cylinder over the piston's swept volume
    double minVol = 0, maxVol = 0, meanVol = 0, currVol = 0;
    double tMaxHot = 0, tMaxCold = 0, deltaT = 0;
    double nominalRatio = 0; // Th / Tc - 1
    double pistonArea = 0;   // V(dp, 1)
    double tHot = 0, tCold = 0;
    double nHotShare = 0, nColdShare = 0; // percent
    double nHot = 0, nCold = 0;           // amounts
    double pC = 0;
    Extended dispBase = 0, pistonBase = 0; // CylinderBase of each diameter

    // Valid for parameters whose GeometryUsable() holds.
    static GammaState Compute(const GammaParameters& p);
    // The state at p.phase of the revolution whose first angle gave `first`
    // (the same parameters but the angle): what no crank angle changes (end
    // temperatures, the cylinders' bases, the piston's swept volume and area)
    // is taken from it instead of being converted again.
    static GammaState Compute(const GammaParameters& p, const GammaState& first);
    // The same in place: a state that holds the first angle's values turns to p.phase.
    void TurnTo(const GammaParameters& p);

    // The three stages of Compute, in order, for a caller that reads the
    // whole numbers as it goes: the displacer needs the crank angle, the
    // piston the offset, the gas the temperatures.
    void PlaceDisplacer(const GammaParameters& p);
    void PlacePiston(const GammaParameters& p);
    void SplitGas(const GammaParameters& p);

  private:
    // The three stages once their angle-free values are set.
    void MoveDisplacer(const GammaParameters& p);
    void MovePiston(const GammaParameters& p);
    void MixGas(const GammaParameters& p);
};

} // namespace kelvane
