#pragma once

#include <string>

// Whole crank angles, which every analysis turns through one degree at a
// time: what it needs of each is made once.
namespace kelvane {

// Sine(ToRadians(degrees)), the same bits.
double SinOfDegrees(long long degrees);
// IntToStr(degrees) for 0 to 360.
const std::string& AngleText(int degrees);
// StrToInt(text), at once for a text of one to three digits (as AngleText's).
int AngleOf(const std::string& text);

} // namespace kelvane
