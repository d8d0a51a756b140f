#pragma once

#include "Extended.h"

#include <cstdint>
#include <string>

// Numeric conversions shared by the engines: temperatures, angles, volumes and
// the number texts of the statistics grids. Intermediate arithmetic is done in
// the 80-bit extended format (Extended.h) and rounded to double on return.
namespace kelvane {

// Fahrenheit to the model's absolute scale, whose offset is 279 (not 273.15).
// Inline, as CalcCylVol: the models call both at every crank angle.
inline double FtoK(double f) {
    const Extended v(f);
    return static_cast<double>((v - 32) * 5 / 9 + 279);
}
double KtoF(double k);
// The two-piston engine's whole-degree form: (5 T - 160) is formed as an integer first.
double WholeFtoK(int t);
double ToRadians(double s);
// Uses 3.14159 as the circle constant, unlike ToRadians. In two steps for
// a cylinder whose volume is wanted at many heights: the same bits.
inline Extended CylinderBase(double diam) {
    const Extended half = Extended(diam) / 2;
    return half * kExtended314159 * half;
}
inline double CylinderVolume(Extended base, double height) {
    return static_cast<double>(base * Extended(height));
}
inline double CalcCylVol(double diam, double height) {
    return CylinderVolume(CylinderBase(diam), height);
}

// 0 to 4 decimals chosen by the signed value, integer part grouped with ",".
std::string MyRealToStr(double r);
// Always two decimals, no grouping.
std::string RealToStr2(double r);
// Tolerant reader: any text that is not a number gives defVal. Commas may
// group the integer part's thousands ("12,345.5"); any other comma, such as a
// decimal comma ("45,5"), makes the text not a number.
double MyStrToReal(const std::string& s, double defVal);
// Whether MyStrToReal refuses s only for its commas: a decimal comma, most likely.
bool HasDecimalComma(const std::string& s);

// Strict whole-number conversion ("$", "x", "0x" prefixes for hex); throws
// EConvertError with "'s' is not a valid integer value".
int StrToInt(const std::string& s);
// The same conversion without the error: false when the text is not a whole number.
bool TryStrToInt(const std::string& s, int& value);
// The same in decimal digits only: false for the hexadecimal forms too.
bool TryStrToDecimalInt(const std::string& s, int& value);
std::string IntToStr(long long value);

// Nearest whole number, halves to the even neighbour.
long long RoundHalfEven(double v);

namespace detail {
// r with 0..4 decimals, rounded from its 18-significant-digit decimal form
// with halves away from zero; "," groups the integer part when group is set.
std::string FormatFixed(double r, int decimals, bool group);
// The same done the long way, from the decimal digits themselves; FormatFixed
// takes it only where its shorter way cannot be sure.
std::string FormatFixedExact(double r, int decimals, bool group);
} // namespace detail

} // namespace kelvane
