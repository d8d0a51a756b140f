#include "EngineRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace kelvane {
namespace {

struct Extremes {
    double low, high;
};

Extremes Span(std::initializer_list<const TLineSeries*> series) {
    Extremes e{series.begin()[0]->YValues().MinValue(), series.begin()[0]->YValues().MaxValue()};
    for (const TLineSeries* s : series) {
        e.low = std::min(e.low, s->YValues().MinValue());
        e.high = std::max(e.high, s->YValues().MaxValue());
    }
    return e;
}

Extremes GammaWork(const char* offset) {
    test::GammaRig rig;
    rig.Put(Field::PhaseOffset, offset);
    rig.engine.CalcButtonClick();
    return Span({&rig.engine.WorkSeries});
}

Extremes RiderWork(const char* hotMin, const char* hotMax, const char* offset) {
    test::RiderRig rig;
    rig.Put(Field::HotStrokeMin, hotMin);
    rig.Put(Field::HotStrokeMax, hotMax);
    rig.Put(Field::PhaseOffset, offset);
    rig.engine.CalcButtonClick();
    RiderEngine& e = rig.engine;
    return Span({&e.HotWorkSeries, &e.ColdWorkSeries, &e.WorkSeries});
}

struct WorkCase {
    const char* what;
    std::function<Extremes()> work;
    Extremes expected; // to 1e-6; a greatest value of 1 is exact
};

// The work charts are scaled by their greatest value (the two-piston sum by
// its largest magnitude); when that is near zero against the curves, by the
// curves' largest magnitude instead, rather than stretching the axis to
// thousands (Gamma, offset 45: -62.7) or 1e13 (opposed pistons whose works cancel).
TEST(WorkChartScale, StaysNearUnitWhenTheGreatestWorkIsNearZero) {
    const WorkCase cases[] = {
        {"Gamma, defaults", [] { return GammaWork("90"); }, {-6.606904, 1}},
        {"Gamma, offset 45", [] { return GammaWork("45"); }, {-1, 0.015948}},
        {"Gamma, offset 30", [] { return GammaWork("30"); }, {-1, 0.000071}},
        {"Rider, offset 90", [] { return RiderWork("20", "50", "90"); }, {-1, 1.157801}},
        {"Rider, opposed", [] { return RiderWork("5", "100", "180"); }, {-1, 1}},
    };
    for (const WorkCase& c : cases) {
        const Extremes e = c.work();
        EXPECT_NEAR(e.low, c.expected.low, 1e-6) << c.what;
        EXPECT_NEAR(e.high, c.expected.high, 1e-6) << c.what;
    }
}

} // namespace
} // namespace kelvane
