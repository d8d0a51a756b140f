#pragma once

#include <cmath>
#include <cstdint>

namespace kelvane {

// 24-bit colours as 0xRRGGBB.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0xFF0000;
constexpr TColor clBlue = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0xFFFF00;
constexpr TColor clSilver = 0xC0C0C0;
// The light yellow of the sweep fields and charts, stored by the original toolkit as 8454143.
constexpr TColor clLightYellow = 0xFFFF80;

constexpr int RedOf(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr int GreenOf(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
    return static_cast<int>(c & 0xFF);
}

// WCAG's relative luminance of a colour (0 for black, 1 for white).
inline double Luminance(TColor c) {
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(RedOf(c)) + 0.7152 * linear(GreenOf(c)) + 0.0722 * linear(BlueOf(c));
}

// How far apart two colours read, from 1 (the same) to 21 (black on white).
inline double Contrast(TColor a, TColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

// The colour as drawn on a background: a curve must stand out from it at
// least 3 to 1, so a pale one (yellow or lime on white) is darkened, or on a
// dark background lightened, in steps of its own hue until it does.
inline TColor LegibleOn(TColor colour, TColor background, double least = 3.0) {
    const bool darken = Luminance(background) > 0.18;
    for (int step = 0; step < 64 && Contrast(colour, background) < least; ++step) {
        auto move = [darken](int channel) {
            return darken ? channel * 15 / 16 : channel + (255 - channel + 15) / 16;
        };
        colour = static_cast<TColor>((move(RedOf(colour)) << 16) | (move(GreenOf(colour)) << 8) |
                                     move(BlueOf(colour)));
    }
    return colour;
}

} // namespace kelvane
