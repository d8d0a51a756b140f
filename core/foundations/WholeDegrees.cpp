#include "WholeDegrees.h"

#include "Conversions.h"
#include "Sine.h"

#include <array>

namespace kelvane {

double SinOfDegrees(long long degrees) {
    // A revolution either side of one: a phase plus an offset of up to a
    // revolution. Anything beyond is computed as it comes.
    constexpr long long kLowest = -720, kHighest = 1080;
    static const auto table = [] {
        std::array<double, kHighest - kLowest + 1> t;
        for (long long d = kLowest; d <= kHighest; ++d)
            t[static_cast<std::size_t>(d - kLowest)] = Sine(ToRadians(static_cast<double>(d)));
        return t;
    }();
    if (degrees < kLowest || degrees > kHighest)
        return Sine(ToRadians(static_cast<double>(degrees)));
    return table[static_cast<std::size_t>(degrees - kLowest)];
}

const std::string& AngleText(int degrees) {
    static const auto texts = [] {
        std::array<std::string, 361> t;
        for (int d = 0; d <= 360; ++d)
            t[static_cast<std::size_t>(d)] = IntToStr(d);
        return t;
    }();
    return texts.at(static_cast<std::size_t>(degrees));
}

int AngleOf(const std::string& text) {
    if (text.empty() || text.size() > 3)
        return StrToInt(text);
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return StrToInt(text);
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace kelvane
