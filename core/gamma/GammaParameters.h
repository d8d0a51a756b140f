#pragma once

namespace kelvane {

// The numbers the Gamma model is a function of, read from the field texts.
struct GammaParameters {
    double dispCylHt = 0;   // displacer cylinder height
    double dispCylDiam = 0; // displacer cylinder diameter
    double dispHt = 0;      // displacer height
    double pistonDiam = 0;  // power piston diameter (its height too)
    double pistonTh = 0;    // power piston throw
    int phase = 0;          // crank angle, degrees
    int phaseOffset = 0;    // of the power piston, degrees
    int hotTemp = 0;        // degrees Fahrenheit
    int coldTemp = 0;

    // A throw, a cylinder, a displacer lower than its cylinder and a piston:
    // anything else leaves nothing to compute.
    bool GeometryUsable() const {
        return pistonTh > 0 && dispCylHt > 0 && dispHt < dispCylHt && pistonDiam > 0;
    }
};

} // namespace kelvane
