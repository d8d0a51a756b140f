#include "RiderUpDown.h"

namespace kelvane {

int RiderUpDown::Step(int value, bool up) const {
    if (Max < Min)
        return value;
    long long next = static_cast<long long>(value) + (up ? Increment : -Increment);
    if (next > Max)
        return Wrap ? Min : Max;
    if (next < Min)
        return Wrap ? Max : Min;
    return static_cast<int>(next);
}

} // namespace kelvane
