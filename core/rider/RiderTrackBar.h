#pragma once

#include <algorithm>

namespace kelvane {

// A track bar's range and position; the window's slider mirrors Position.
struct RiderTrackBar {
    int Min = 0;
    int Max = 0;
    int Position = 0;

    // A position from code or the user is clamped to the range, as the control does.
    int Clamp(int value) const { return std::clamp(value, Min, Max); }
    // Moves to the clamped position; true when that changed it (the change handler then runs).
    bool MoveTo(int value) {
        const int old = Position;
        Position = Clamp(value);
        return Position != old;
    }
};

} // namespace kelvane
