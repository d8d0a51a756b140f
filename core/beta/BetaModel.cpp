#include "BetaModel.h"

#include "foundations/Conversions.h"
#include "foundations/Sine.h"

#include <cmath>
#include <numbers>

namespace kelvane {

namespace {

constexpr double kKelvin = 273.15;

} // namespace

// Reduced to the first quadrant in degrees, where the reduction is exact for
// whole degrees: sin 180 and cos 90 are exactly 0, so a phase angle of 0 or
// 180 degrees gives exactly no Schmidt work.
double BetaModel::SinDegrees(double degrees) {
    double r = std::fmod(degrees, 360.0);
    if (r < 0)
        r += 360;
    if (r <= 90)
        return Sine(ToRadians(r));
    if (r <= 180)
        return Sine(ToRadians(180 - r));
    if (r <= 270)
        return -Sine(ToRadians(r - 180));
    return -Sine(ToRadians(360 - r));
}

double BetaModel::CosDegrees(double degrees) {
    return SinDegrees(90 - std::fmod(degrees, 360.0));
}

double BetaModel::NaturalLog(double x) {
    int e = 0;
    double m = std::frexp(x, &e); // exact: x = m 2^e, m in [0.5, 1)
    if (m < std::numbers::sqrt2 / 2) {
        m *= 2;
        --e;
    }
    // ln m = 2 atanh z with |z| < 0.172: 30 terms are far beyond a double.
    const double z = (m - 1) / (m + 1);
    const double z2 = z * z;
    double power = z, sum = z;
    for (int k = 1; k < 30; ++k) {
        power *= z2;
        sum += power / (2 * k + 1);
    }
    return 2 * sum + e * std::numbers::ln2;
}

BetaModel::BetaModel(const BetaParameters& p) : p_(p) {
    const double d = p.bore / 10; // cm
    area = std::numbers::pi / 4 * d * d;
    sweptHot = area * (p.displacerStroke / 10);
    sweptCold = area * (p.pistonStroke / 10);
    const double cosA = CosDegrees(p.phaseAngle);
    const double sinA = SinDegrees(p.phaseAngle);
    overlap = (sweptHot + sweptCold) / 2 - std::sqrt(sweptHot * sweptHot + sweptCold * sweptCold -
                                                     2 * sweptHot * sweptCold * cosA) /
                                               2;
    tHot = p.hotTemp + kKelvin;
    tCold = p.coldTemp + kKelvin;
    tRegen = tHot == tCold ? tHot : (tHot - tCold) / NaturalLog(tHot / tCold);

    s0_ = (sweptHot / 2 + p.hotDeadVolume) / tHot + p.regeneratorVolume / tRegen +
          (sweptHot / 2 + sweptCold / 2 + p.coldDeadVolume - overlap) / tCold;
    a_ = -sweptHot / (2 * tHot) + sweptHot / (2 * tCold) - sweptCold * cosA / (2 * tCold);
    b_ = -sweptCold * sinA / (2 * tCold);
}

BetaModel::Point BetaModel::At(double x) const {
    const double cosX = CosDegrees(x);
    const double cosLag = CosDegrees(x - p_.phaseAngle);
    Point s;
    s.displacerPos = p_.displacerStroke / 2 * (1 - cosX);
    s.pistonPos = p_.pistonStroke / 2 * (1 - cosLag);
    s.hotVol = sweptHot / 2 * (1 - cosX) + p_.hotDeadVolume;
    s.coldVol =
        sweptHot / 2 * (1 + cosX) + sweptCold / 2 * (1 - cosLag) + p_.coldDeadVolume - overlap;
    s.totalVol = s.hotVol + p_.regeneratorVolume + s.coldVol;
    s.reduced = s.hotVol / tHot + p_.regeneratorVolume / tRegen + s.coldVol / tCold;
    return s;
}

double BetaModel::ClosedK() const {
    const double d = std::sqrt(a_ * a_ + b_ * b_) / s0_;
    return p_.meanPressure * s0_ * std::sqrt(1 - d * d);
}

double BetaModel::ClosedWork(double P, double Q) const {
    const double c2 = a_ * a_ + b_ * b_;
    if (c2 == 0)
        return 0;
    const double d = std::sqrt(c2) / s0_;
    const double mJ = 2 * std::numbers::pi * p_.meanPressure * s0_ * (std::sqrt(1 - d * d) - 1) *
                      (Q * a_ - P * b_) / c2;
    return mJ / 1000;
}

double BetaModel::ClosedExpansionWork() const {
    return ClosedWork(-sweptHot / 2, 0);
}

double BetaModel::ClosedCompressionWork() const {
    const double cosA = CosDegrees(p_.phaseAngle);
    const double sinA = SinDegrees(p_.phaseAngle);
    return ClosedWork(sweptHot / 2 - sweptCold * cosA / 2, -sweptCold * sinA / 2);
}

} // namespace kelvane
