#pragma once

#include "foundations/TChart.h"
#include "foundations/TLineSeries.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

// Divides, giving 0 for a zero divisor: a flat curve then lies on its base
// line instead of filling a chart with NaN or infinity.
inline double Ratio(double num, double den) {
    return den == 0 ? 0.0 : num / den;
}

// y -> (y - low) / (high - low): the span from low to high becomes 0 .. 1.
inline void ScaleBySpan(TLineSeries& s, double low, double high) {
    s.MapYValues([=](double y) { return Ratio(y - low, high - low); });
}

// The greatest distance of a series' values from 0.
inline double LargestMagnitude(const TLineSeries& s) {
    return std::max(std::fabs(s.YValues().MinValue()), std::fabs(s.YValues().MaxValue()));
}

// What a curve is divided by to show at unit scale: its own measure (its
// greatest value, say) unless that is under a twentieth of `size`, the
// largest magnitude drawn with it. A measure that is zero, rounding noise or
// the small side of a curve mostly below 0 would stretch the axis to
// thousands or more and flatten every curve on it; the curve then takes
// `size` and lies within -1 .. 1.
inline double UnitScale(double own, double size) {
    return own >= size / 20 ? own : size;
}

// y -> y * factor / max(y): the greatest value becomes factor, unless it is
// too small a part of the curve to scale by (UnitScale).
inline void ScaleByMax(TLineSeries& s, double factor) {
    const double mv = UnitScale(s.YValues().MaxValue(), LargestMagnitude(s));
    s.MapYValues([=](double y) { return Ratio(y * factor, mv); });
}

// A series drawn as 2-pixel points without a line, as the pressure-volume
// charts show their loop and their current-state dot.
inline void StylePoints(TLineSeries& s, TColor color) {
    s.SeriesColor = color;
    s.LinePen.Visible = false;
    s.Pointer.Visible = true;
    s.Pointer.HorizSize = 2;
    s.Pointer.VertSize = 2;
}

// The engine's present state on the pressure-volume loop: a dot large enough
// to find at a glance on the loop it sits on.
inline void StyleStateMarker(TLineSeries& s) {
    s.Pointer.Visible = true;
    s.Pointer.HorizSize = s.Pointer.VertSize = 8;
    s.Pointer.Outlined = true;
}

// The pressure-volume chart's axes: what each direction measures, and no
// right axis, as nothing is drawn against it.
inline void TitlePVAxes(TChart& chart) {
    chart.BottomAxis.TitleCaption = "Volume";
    chart.LeftAxis.TitleCaption = "Pressure";
    chart.RightAxis.Visible = false;
}

} // namespace kelvane
