#pragma once

#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"

#include <algorithm>
#include <string>

// The physics the engines share. Symbols: T in kelvin (FtoK of the
// Fahrenheit text), lengths in the user's unit, volumes in that unit cubed,
// pressure in model units. The circle constant is 3.14159 here, as in
// CalcCylVol; angles convert with full precision (ToRadians).
namespace kelvane {

// The circle constant of cylinder volumes and work sums.
inline constexpr double kCirclePi = 3.14159;

// A gas space of no volume would divide by zero in the gas shares:
//   Vh = 0  ->  Vh = Vc / 1000;  then Vc = 0  ->  Vc = Vh / 1000;
//   both 0  ->  Vh = Vc = 0.001.
inline void FixEmptySpaces(double& hotVol, double& coldVol) {
    if (hotVol == 0)
        hotVol = coldVol / 1000;
    if (coldVol == 0)
        coldVol = hotVol / 1000;
    if (hotVol == 0 && coldVol == 0)
        hotVol = coldVol = 0.001;
}

// Gas temperatures beside a displacer of height hd at height y in a cylinder
// of height H whose wall runs linearly from Th at the bottom to Tc at the top:
//   Tw(h) = (1 - h / H) (Th - Tc) + Tc
//   tHot  = (Th + Tw(y)) / 2          (the space below the displacer)
//   tCold = (Tw(y + hd) + Tc) / 2     (the space above it)
struct GasTemps {
    double tHot;
    double tCold;
};
inline GasTemps WallGasTemps(double tMaxHot, double tMaxCold, double cylHt, double dispPos,
                             double dispHt) {
    const double deltaT = tMaxHot - tMaxCold;
    auto wall = [&](double h) { return (1 - h / cylHt) * deltaT + tMaxCold; };
    return {(tMaxHot + wall(dispPos)) / 2, (wall(dispPos + dispHt) + tMaxCold) / 2};
}

// The work of one step: the pressure against the mean, times the piston's
// move, times the piston's area:  W = (p - pMean) dx 3.14159 (d / 2)^2.
inline double StepWork(double pressureAboveMean, double pistonDelta, double pistonDiam) {
    return pressureAboveMean * pistonDelta * kCirclePi * (pistonDiam / 2) * (pistonDiam / 2);
}

// The grid's pressure cell: the number padded to 5, with " (+)" or " (-)"
// when it lies above or below a known (positive) mean; empty when the engine
// has no gas volume.
inline std::string PressureCellText(const std::string& number, double pressure, double mean,
                                    bool hasVolume) {
    if (!hasVolume)
        return {};
    std::string text = PadLeft(number, 5);
    if (mean > 0 && pressure > mean)
        text += " (+)";
    else if (mean > 0 && pressure < mean)
        text += " (-)";
    return text;
}

// A chart click at pixel column x of a plot running from left to right, as a
// crank angle: the fraction of 360 degrees rounded (halves to even), cut to a
// multiple of 5 and held to 0 .. 360. A plot without width gives 0.
inline long long SnappedClickAngle(double x, double left, double right) {
    const double width = right - left;
    if (!(width > 0))
        return 0;
    const long long angle = RoundHalfEven((x - left) / width * 360);
    return std::clamp(angle / 5 * 5, 0LL, 360LL);
}

} // namespace kelvane
