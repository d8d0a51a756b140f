#pragma once

namespace kelvane {

class EngineHost;

// The values the Ringbom model is a function of, typed from the edit boxes.
// Lengths are in the user's unit, temperatures in whole degrees Fahrenheit.
struct RingbomParameters {
    double dispCylHt = 0;   // displacer cylinder height
    double dispCylDiam = 0; // displacer cylinder diameter
    double dispHt = 0;      // displacer height
    double dPistonDiam = 0; // displacer rod diameter
    double pistonDiam = 0;  // power piston diameter, also its height
    double pistonTh = 0;    // power piston throw
    // Read only for a usable geometry; otherwise left at 0.
    int phase = 0; // crank angle, degrees
    int hotTemp = 0;
    int coldTemp = 0;
    bool usable = false;

    // Reads the six dimensions (a text that is not a number counts as 5), then,
    // if they describe an engine the model can compute, the crank angle and
    // the two temperatures as whole numbers, in that order, so the first bad
    // text raises EConvertError. An unusable geometry leaves those three
    // unread: a step with it fails on none of them.
    static RingbomParameters Read(EngineHost& host);

    // A positive throw, cylinder and piston height, a displacer lower than its
    // cylinder, and volumes that do not overflow.
    bool Usable() const;
};

} // namespace kelvane
