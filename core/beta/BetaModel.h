#pragma once

#include "BetaParameters.h"

#include <array>

namespace kelvane {

// The isothermal (Schmidt) analysis of a beta engine: displacer and power
// piston in one cylinder, each on its crank, the piston lagging the displacer
// by the phase angle a. At crank angle x (degrees, of the displacer):
//
//   Vse = pi/4 D^2 Sd,  Vsc = pi/4 D^2 Sp                          (cm3)
//   Vb  = (Vse + Vsc)/2 - sqrt(Vse^2 + Vsc^2 - 2 Vse Vsc cos a)/2   (overlap)
//   Ve  = Vse/2 (1 - cos x) + Vde                                   (hot space)
//   Vc  = Vse/2 (1 + cos x) + Vsc/2 (1 - cos(x - a)) + Vdc - Vb     (cold space)
//   Th, Tc in kelvin (degrees C + 273.15);  Tr = (Th - Tc)/ln(Th/Tc), Th if equal
//   S   = Ve/Th + Vr/Tr + Vc/Tc;  p = K / S, K making the mean of p over a
//         revolution pm.
//
// The overlap makes the smallest gap between displacer and piston exactly
// zero, so the cold space never falls below Vdc. Positions run from each
// part's dead centre nearest the hot end: displacer Sd/2 (1 - cos x), piston
// Sp/2 (1 - cos(x - a)).
//
// Written S = s0 + A cos x + B sin x, the pressure and the work of a volume
// V = v0 + P cos x + Q sin x over a revolution have closed forms (the
// textbook's Schmidt work), with c = sqrt(A^2 + B^2) and d = c / s0:
//   mean of 1/S = 1 / (s0 sqrt(1 - d^2)),
//   closed integral of p dV = 2 pi pm s0 (sqrt(1 - d^2) - 1) (Q A - P B) / c^2
//   (in kPa cm3 = mJ; 0 when c is 0).
// For the hot and cold spaces this makes W / We = 1 - Tc/Th exactly.
//
// Sines and logarithms are computed here from IEEE-rounded operations only,
// so the web edition gives the same bits.
class BetaModel {
  public:
    explicit BetaModel(const BetaParameters& p);

    struct Point {
        double displacerPos = 0; // mm
        double pistonPos = 0;    // mm
        double hotVol = 0;       // Ve, cm3
        double coldVol = 0;      // Vc, cm3
        double totalVol = 0;     // Ve + Vr + Vc, cm3
        double reduced = 0;      // S, cm3/K
    };
    // The state at crank angle x (degrees, any value).
    Point At(double x) const;

    double sweptHot = 0;                    // Vse
    double sweptCold = 0;                   // Vsc
    double overlap = 0;                     // Vb
    double area = 0;                        // pi/4 D^2, cm2
    double tHot = 0, tCold = 0, tRegen = 0; // kelvin

    // The Schmidt work of the hot and cold spaces, joules.
    double ClosedExpansionWork() const;
    double ClosedCompressionWork() const;
    // K for a pressure in kPa whose exact mean over a revolution is pm.
    double ClosedK() const;

    // cos of an angle in degrees, the same bits on every machine.
    static double CosDegrees(double degrees);
    static double SinDegrees(double degrees);
    // ln x for x > 0, the same bits on every machine.
    static double NaturalLog(double x);

  private:
    double ClosedWork(double P, double Q) const;

    BetaParameters p_;
    double s0_ = 0, a_ = 0, b_ = 0;
};

} // namespace kelvane
