#pragma once

namespace kelvane {

// The numbers the Beta model is a function of, read from the field texts.
struct BetaParameters {
    double bore = 60;              // D, mm
    double displacerStroke = 30;   // Sd, mm
    double pistonStroke = 30;      // Sp, mm
    double phaseAngle = 90;        // a, degrees by which the piston lags the displacer
    double hotTemp = 400;          // degrees C
    double coldTemp = 30;          // degrees C
    double hotDeadVolume = 20;     // Vde, cm3
    double regeneratorVolume = 20; // Vr, cm3
    double coldDeadVolume = 20;    // Vdc, cm3
    double meanPressure = 500;     // pm, kPa
    double speed = 600;            // n, rpm
};

} // namespace kelvane
