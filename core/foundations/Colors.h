#pragma once

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

} // namespace kelvane
