#include "TLineSeries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace kelvane {

TLineSeries::TLineSeries(std::string name, std::string title)
    : Name(std::move(name)), Title(std::move(title)) {
    x_.ordered_ = true;
}

void TLineSeries::SetXOrder(TValueOrder order) {
    order_ = order;
    const bool ordered = order == TValueOrder::Ascending;
    if (x_.ordered_ && !ordered)
        x_.Invalidate(); // its extremes were read from the ends until now
    x_.ordered_ = ordered;
}

void TLineSeries::Clear() {
    x_.Clear();
    y_.Clear();
    ++revision_;
    ++structureRevision_;
}

int TLineSeries::InsertXY(double x, double y) {
    const auto& xs = x_.Values();
    const int index = static_cast<int>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    ++structureRevision_;
    x_.Insert(index, x);
    y_.Insert(index, y);
    ++revision_;
    return index;
}

namespace {

// A stable sort by X that takes each run already in order in one pass: a
// pressure-volume loop rises and falls once or twice a revolution.
void StableSortByX(std::vector<std::pair<double, double>>& p) {
    auto byX = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::vector<std::size_t> bounds{0};
    for (std::size_t i = 0; i < p.size();) {
        std::size_t j = i + 1;
        if (j < p.size() && p[j].first < p[i].first) {
            // Strictly falling: reversed, it is in order, and no tie is turned round.
            while (j < p.size() && p[j].first < p[j - 1].first)
                ++j;
            std::reverse(p.begin() + static_cast<std::ptrdiff_t>(i),
                         p.begin() + static_cast<std::ptrdiff_t>(j));
        } else {
            while (j < p.size() && !(p[j].first < p[j - 1].first))
                ++j;
        }
        bounds.push_back(j);
        i = j;
    }
    // Neighbouring runs merged pairwise, the earlier first on ties.
    while (bounds.size() > 2) {
        std::vector<std::size_t> next{0};
        for (std::size_t k = 0; k + 2 < bounds.size(); k += 2) {
            auto at = [&](std::size_t n) { return p.begin() + static_cast<std::ptrdiff_t>(n); };
            std::inplace_merge(at(bounds[k]), at(bounds[k + 1]), at(bounds[k + 2]), byX);
            next.push_back(bounds[k + 2]);
        }
        if (bounds.size() % 2 == 0)
            next.push_back(bounds.back());
        bounds = std::move(next);
    }
}

} // namespace

void TLineSeries::AddXYs(std::span<const double> xs, std::span<const double> ys) {
    const int before = Count();
    // One pass: whether the new points are in order after the old ones, and
    // free of NaN, with which no order holds.
    bool inOrder = true, hasNaN = false;
    double last = before > 0 ? x_[before - 1] : -std::numeric_limits<double>::infinity();
    for (double x : xs) {
        hasNaN |= std::isnan(x);
        inOrder &= !(x < last);
        last = x;
    }
    const auto old = x_.Values();
    if (order_ == TValueOrder::Ascending && !inOrder &&
        (hasNaN || std::any_of(old.begin(), old.end(), [](double v) { return std::isnan(v); }))) {
        // Each point goes where AddXY puts it.
        for (std::size_t i = 0; i < xs.size(); ++i)
            AddXY(xs[i], ys[i]);
        return;
    }
    x_.AppendAll(xs);
    y_.AppendAll(ys);
    ++revision_;
    if (order_ != TValueOrder::Ascending || inOrder)
        return;
    // Inserting each after the last point not greater than it is a stable
    // sort of the new points, merged after the old ones where X values tie.
    const auto all = x_.Values();
    const double lowest = *std::min_element(all.begin() + before, all.end());
    const int from =
        static_cast<int>(std::upper_bound(all.begin(), all.begin() + before, lowest) - all.begin());
    std::vector<std::pair<double, double>> merged;
    merged.reserve(static_cast<std::size_t>(Count() - from));
    for (int i = from; i < Count(); ++i)
        merged.emplace_back(x_[i], y_[i]);
    StableSortByX(merged);
    std::vector<double> mx(merged.size()), my(merged.size());
    for (std::size_t i = 0; i < merged.size(); ++i) {
        mx[i] = merged[i].first;
        my[i] = merged[i].second;
    }
    x_.Overwrite(from, mx);
    y_.Overwrite(from, my);
    ++structureRevision_;
}

void TLineSeries::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    x_.Erase(index);
    y_.Erase(index);
    ++revision_;
    if (index == 0)
        ++frontRemoved_;
    else
        ++structureRevision_;
}

void TLineSeries::SetYValue(int index, double y) {
    if (index < 0 || index >= Count())
        return;
    y_.Set(index, y);
    ++revision_;
    ++structureRevision_;
}

} // namespace kelvane
