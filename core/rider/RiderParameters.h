#pragma once

namespace kelvane {

class EngineHost;

// The eight whole numbers the two-piston model is a function of.
struct RiderParameters {
    int phase = 0;       // crank angle, degrees
    int phaseOffset = 0; // of the cold piston, degrees
    int hotStrokeMin = 0;
    int hotStrokeMax = 0;
    int coldStrokeMin = 0;
    int coldStrokeMax = 0;
    int hotTemp = 0; // degrees Fahrenheit
    int coldTemp = 0;

    // Reads the edit boxes with the strict whole-number conversion; a bad text
    // raises EConvertError before anything else happens. Without readPhase the
    // crank angle is left at 0 (the analysis sets it itself).
    static RiderParameters Read(EngineHost& host, bool readPhase = true);

    // Raises ERiderParameterError unless every piston position stays above 0
    // (both limits of each stroke greater than 0) and both temperatures are
    // above absolute zero: otherwise the model would divide by zero or give
    // negative gas shares.
    void Validate() const;

    // Coldest whole Fahrenheit temperature still above the model's absolute zero.
    static constexpr int LowestTemp = -470;
};

} // namespace kelvane
