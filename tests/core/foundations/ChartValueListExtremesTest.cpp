#include "foundations/TLineSeries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace kelvane;

namespace {

void ExpectExtremes(const TChartValueList& list, const char* what, int step) {
    const auto& v = list.Values();
    if (v.empty()) {
        EXPECT_EQ(list.MaxValue(), 0) << what << step;
        EXPECT_EQ(list.MinValue(), 0) << what << step;
        return;
    }
    EXPECT_EQ(list.MaxValue(), *std::max_element(v.begin(), v.end())) << what << step;
    EXPECT_EQ(list.MinValue(), *std::min_element(v.begin(), v.end())) << what << step;
    // The extremes of a run, as a chart column asks for them: the whole list
    // and a run whose ends move with the step.
    const auto n = static_cast<int>(v.size());
    const int from = static_cast<int>(step * 7919LL % n);
    const int to = from + 1 + static_cast<int>(step * 104729LL % (n - from));
    for (auto [a, b] : {std::pair{0, n}, std::pair{from, to}}) {
        const MinMax m = list.Extremes(a, b);
        EXPECT_EQ(m.lo, *std::min_element(v.begin() + a, v.begin() + b)) << what << step;
        EXPECT_EQ(m.hi, *std::max_element(v.begin() + a, v.begin() + b)) << what << step;
    }
}

} // namespace

// Every kind of change, mostly the strip chart's append-and-drop traffic, with
// the kept extremes checked against a full scan after each one.
TEST(ChartValueListExtremes, MatchAFullScanAfterEveryChange) {
    for (TValueOrder order : {TValueOrder::Ascending, TValueOrder::None}) {
        TLineSeries s;
        s.SetXOrder(order);
        std::mt19937 rng(12345);
        std::uniform_int_distribution<int> op(0, 99);
        std::uniform_int_distribution<int> value(-20, 20); // many ties
        double x = 0;
        for (int step = 0; step < 20000; ++step) {
            const int k = op(rng);
            if (k < 55) {
                s.AddXY(x += 5, value(rng));
            } else if (k < 85) {
                s.DeleteFirst();
            } else if (k < 90 && s.Count() > 0) {
                s.AddXY(x - 5.0 * (value(rng) + 20), value(rng)); // out of order
            } else if (k < 95 && s.Count() > 0) {
                s.SetYValue(static_cast<int>(rng() % s.Count()), value(rng));
            } else if (k < 99 && s.Count() > 0) {
                s.Delete(static_cast<int>(rng() % s.Count()));
            } else {
                s.Clear();
            }
            ExpectExtremes(s.XValues(), "x ", step);
            ExpectExtremes(s.YValues(), "y ", step);
            if (HasFailure())
                return;
        }
    }
}

TEST(ChartValueListExtremes, LeavingAscendingOrderKeepsTheExtremes) {
    TLineSeries s;
    s.AddXY(1, 0);
    s.AddXY(2, 0);
    s.AddXY(3, 0);
    s.SetXOrder(TValueOrder::None);
    s.AddXY(0.5, 0);
    s.AddXY(-1, 0);
    EXPECT_EQ(s.XValues().MinValue(), -1);
    EXPECT_EQ(s.XValues().MaxValue(), 3);
    s.DeleteFirst();
    EXPECT_EQ(s.XValues().MinValue(), -1);
}

// A NaN has no order: the extremes built in one pass after a change must be
// the ones kept point by point, NaN or not.
TEST(ChartValueListExtremes, RebuildingAgreesWithThePointByPointExtremesAroundNaN) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<double>> cases = {
        {5, nan, 3}, {5, 3, nan}, {nan, 5, 3}, {1, 7, nan, 2, 9, 4}};
    for (const auto& ys : cases) {
        TLineSeries s;
        s.SetXOrder(TValueOrder::None);
        s.AddXY(0, 0); // an empty list answers 0 before building anything
        s.YValues().MaxValue();
        s.Clear();
        for (std::size_t i = 0; i < ys.size(); ++i) {
            s.AddXY(static_cast<double>(i), ys[i]);
            s.YValues().MaxValue(); // built at once, then kept point by point
        }
        const double keptMax = s.YValues().MaxValue(), keptMin = s.YValues().MinValue();
        s.SetYValue(0, ys[0]); // the next query builds them in one pass
        const double builtMax = s.YValues().MaxValue(), builtMin = s.YValues().MinValue();
        // Compared as texts, so that NaN matches NaN.
        EXPECT_EQ(std::to_string(builtMax), std::to_string(keptMax));
        EXPECT_EQ(std::to_string(builtMin), std::to_string(keptMin));
    }
}

// A long strip chart: points appended at the end and dropped from the front
// many thousands of times over, so the store reclaims its dropped front more
// than once; the points and extremes must be those of a plain queue.
TEST(ChartValueListExtremes, LongStripChartKeepsItsPointsInOrder) {
    TLineSeries s;
    s.SetXOrder(TValueOrder::None);
    std::deque<double> expected;
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> value(-1000, 1000);
    for (int step = 0; step < 30000; ++step) {
        const double v = value(rng);
        s.AddXY(step, v);
        expected.push_back(v);
        if (expected.size() > 700) {
            s.DeleteFirst();
            expected.pop_front();
        }
        if (step % 997 == 0 || step > 29990) {
            ASSERT_EQ(s.Count(), static_cast<int>(expected.size()));
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), s.YValues().Values().begin()));
            EXPECT_EQ(s.XValues()[0], step - static_cast<int>(expected.size()) + 1);
        }
        ExpectExtremes(s.YValues(), "y ", step);
        if (HasFailure())
            return;
    }
}
