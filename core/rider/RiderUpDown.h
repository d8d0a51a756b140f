#pragma once

#include "foundations/Field.h"

#include <string>

namespace kelvane {

// An up-down control attached to an edit box: the stepping rule without the widget.
struct RiderUpDown {
    std::string Name; // "UpDown1" ...
    Field Associate;  // the edit box it steps
    int Min = 0;
    int Max = 0;
    int Increment = 1;
    bool Wrap = false;

    // The value after one press from `value`. A step beyond a limit stops at
    // it, or with Wrap goes to the other limit. A value already outside the
    // range (the animation leaves the crank angle at 360, the track bar a hot
    // temperature above 700) is stepped first and then brought into range, so
    // one press always ends inside it. An empty range (Max below Min, only from
    // a parameter file) leaves the value as it is.
    int Step(int value, bool up) const;
};

} // namespace kelvane
