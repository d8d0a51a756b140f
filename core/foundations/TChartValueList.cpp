#include "TChartValueList.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

double TChartValueList::MaxValue() const {
    if (Count() == 0)
        return 0;
    if (ordered_)
        return values_.back();
    if (!extremesValid_)
        Rebuild();
    return maxq_.front().v;
}

double TChartValueList::MinValue() const {
    if (Count() == 0)
        return 0;
    if (ordered_)
        return values_[head_];
    if (!extremesValid_)
        Rebuild();
    return minq_.front().v;
}

int TChartValueList::Locate(double x) const {
    const auto values = Values();
    if (ordered_) {
        auto it = std::lower_bound(values.begin(), values.end(), x);
        if (it != values.end() && *it == x)
            return static_cast<int>(it - values.begin());
        return -1;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == x)
            return static_cast<int>(i);
    }
    return -1;
}

void TChartValueList::Clear() {
    values_.clear(); // keeps the block for the next revolution
    pyramid_.Reset();
    head_ = 0;
    base_ = 0;
    maxq_.clear();
    minq_.clear();
    // Built at the first query: a list filled and asked once (a revolution's
    // analysis) then costs one pass instead of queue upkeep at every point.
    extremesValid_ = false;
}

void TChartValueList::Push(double v, std::uint64_t at) const {
    while (!maxq_.empty() && !(maxq_.back().v > v))
        maxq_.pop_back();
    maxq_.push_back({v, at});
    while (!minq_.empty() && !(minq_.back().v < v))
        minq_.pop_back();
    minq_.push_back({v, at});
}

void TChartValueList::Invalidate() {
    extremesValid_ = false;
    maxq_.clear();
    minq_.clear();
}

void TChartValueList::Rebuild() const {
    // The queues hold the values greater (smaller) than everything after them,
    // so a pass from the back finds them with one comparison per value and
    // touches the queues only for the few values they keep.
    maxq_.clear();
    minq_.clear();
    const auto values = Values();
    std::size_t i = values.size();
    if (i == 0) {
        extremesValid_ = true;
        return;
    }
    double hi = values[i - 1], lo = hi;
    if (std::isnan(hi)) {
        // Nothing compares greater than NaN: no earlier value can stay.
        Push(hi, base_ + i - 1);
        extremesValid_ = true;
        return;
    }
    maxq_.push_front({hi, base_ + i - 1});
    minq_.push_front({lo, base_ + i - 1});
    while (i-- > 1) {
        const double v = values[i - 1];
        if (v > hi) {
            hi = v;
            maxq_.push_front({v, base_ + i - 1});
        }
        if (v < lo) {
            lo = v;
            minq_.push_front({v, base_ + i - 1});
        }
        if (std::isnan(v))
            break;
    }
    extremesValid_ = true;
}

void TChartValueList::AppendAll(std::span<const double> values) {
    if (!ordered_ && extremesValid_) {
        for (double v : values)
            Append(v);
        return;
    }
    values_.insert(values_.end(), values.begin(), values.end());
}

void TChartValueList::Insert(int index, double v) {
    if (index == Count()) {
        Append(v);
        return;
    }
    values_.insert(values_.begin() + static_cast<std::ptrdiff_t>(head_) + index, v);
    pyramid_.Reset();
    if (!ordered_ && extremesValid_)
        Invalidate();
}

void TChartValueList::Erase(int index) {
    if (index == 0) {
        PopFront();
        return;
    }
    values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(head_) + index);
    pyramid_.Reset();
    if (!ordered_ && extremesValid_)
        Invalidate();
}

void TChartValueList::PopFront() {
    ++head_;
    if (head_ >= 4096 && head_ * 2 >= values_.size()) {
        values_.erase(values_.begin(), values_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
        pyramid_.Reset();
    }
    if (!ordered_ && extremesValid_) {
        if (!maxq_.empty() && maxq_.front().at == base_)
            maxq_.pop_front();
        if (!minq_.empty() && minq_.front().at == base_)
            minq_.pop_front();
    }
    ++base_;
}

void TChartValueList::Set(int index, double v) {
    values_[head_ + static_cast<std::size_t>(index)] = v;
    pyramid_.Reset();
    if (!ordered_ && extremesValid_)
        Invalidate();
}

void TChartValueList::Overwrite(int from, std::span<const double> values) {
    std::copy(values.begin(), values.end(),
              values_.begin() + static_cast<std::ptrdiff_t>(head_) + from);
    pyramid_.Reset();
    if (!ordered_ && extremesValid_)
        Invalidate();
}

} // namespace kelvane
