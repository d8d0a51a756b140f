#include "Extended.h"

#include <cmath>

namespace kelvane {

// frexpl and ldexpl are exact, so this reads any long double format: its
// significand in two 64-bit parts (the second only where long double holds
// more than 64 bits), rounded once.
SoftExtended::SoftExtended(long double v) {
    if (!std::isfinite(v) || v == 0) {
        *this = SoftExtended(static_cast<double>(v));
        return;
    }
    int exponent = 0;
    const long double m = std::fabs(std::frexp(v, &exponent)); // in [0.5, 1)
    const long double scaled = std::ldexp(m, 64);
    const auto high = static_cast<std::uint64_t>(scaled);
    const auto low =
        static_cast<std::uint64_t>(std::ldexp(scaled - static_cast<long double>(high), 64));
    *this = Rounded(v < 0, high, low, exponent - 1);
}

} // namespace kelvane
