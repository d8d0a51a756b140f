#include "Sine.h"

#include <cmath>

namespace kelvane {

namespace {

struct DD {
    double hi, lo;
};

DD TwoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

DD QuickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's exact product, with Veltkamp's split (WebAssembly has no fused multiply-add).
DD TwoProd(double a, double b) {
    const double p = a * b;
    const double ta = 134217729.0 * a, tb = 134217729.0 * b;
    const double ah = ta - (ta - a), al = a - ah;
    const double bh = tb - (tb - b), bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

DD Add(DD x, DD y) {
    DD s = TwoSum(x.hi, y.hi);
    const DD t = TwoSum(x.lo, y.lo);
    s.lo += t.hi;
    s = QuickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return QuickTwoSum(s.hi, s.lo);
}

DD Mul(DD x, DD y) {
    DD p = TwoProd(x.hi, y.hi);
    p.lo += x.hi * y.lo + x.lo * y.hi;
    return QuickTwoSum(p.hi, p.lo);
}

DD Div(DD x, double d) {
    const double q1 = x.hi / d;
    const DD p = TwoProd(q1, d);
    const double q2 = ((x.hi - p.hi) - p.lo + x.lo) / d;
    return QuickTwoSum(q1, q2);
}

// pi/2 in three parts: about 160 bits.
constexpr double kPio2[3] = {1.5707963267948966e+00, 6.123233995736766e-17,
                             -1.4973849048591698e-33};

// The Taylor series from its first term, summed smallest term first:
// sin (first = r, start 1) or cos (first = 1, start 0).
double Series(DD first, DD r2, int start) {
    DD terms[24];
    int n = 0;
    terms[n++] = first;
    for (int k = start; n < 24; k += 2) {
        DD next = Div(Mul(terms[n - 1], r2), -static_cast<double>((k + 1) * (k + 2)));
        if (std::fabs(next.hi) < 1e-40 * std::fabs(first.hi))
            break;
        terms[n++] = next;
    }
    DD sum = terms[n - 1];
    for (int i = n - 2; i >= 0; --i)
        sum = Add(sum, terms[i]);
    return sum.hi;
}

} // namespace

double Sine(double x) {
    if (x == 0 || !std::isfinite(x))
        return x == 0 ? x : x - x;
    if (std::fabs(x) > 1e9) // fmod is exact, so this stays the same on every machine
        x = std::fmod(x, 6.283185307179586);
    const double k = std::nearbyint(x * 0.63661977236758134);
    // r = x - k pi/2, each product exact.
    DD r{x, 0};
    for (double part : kPio2) {
        const DD p = TwoProd(k, part);
        r = Add(r, DD{-p.hi, -p.lo});
    }
    const DD r2 = Mul(r, r);
    switch (static_cast<long long>(k) & 3) {
    case 0:
        return Series(r, r2, 1);
    case 1:
        return Series(DD{1, 0}, r2, 0);
    case 2:
        return -Series(r, r2, 1);
    default:
        return -Series(DD{1, 0}, r2, 0);
    }
}

} // namespace kelvane
