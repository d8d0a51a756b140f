#include "TChartValueList.h"

#include <algorithm>

namespace kelvane {

double TChartValueList::MaxValue() const {
    if (values_.empty())
        return 0;
    if (!extremesValid_)
        Rescan();
    return max_;
}

double TChartValueList::MinValue() const {
    if (values_.empty())
        return 0;
    if (!extremesValid_)
        Rescan();
    return min_;
}

int TChartValueList::Locate(double x) const {
    if (ordered_) {
        auto it = std::lower_bound(values_.begin(), values_.end(), x);
        if (it != values_.end() && *it == x)
            return static_cast<int>(it - values_.begin());
        return -1;
    }
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (values_[i] == x)
            return static_cast<int>(i);
    }
    return -1;
}

void TChartValueList::Clear() {
    values_.clear();
    extremesValid_ = true;
}

void TChartValueList::Include(double v) const {
    if (!extremesValid_)
        return;
    if (values_.size() == 1) {
        min_ = max_ = v;
        return;
    }
    if (v < min_)
        min_ = v;
    if (v > max_)
        max_ = v;
}

void TChartValueList::Insert(int index, double v) {
    values_.insert(values_.begin() + index, v);
    Include(v);
}

void TChartValueList::Erase(int index) {
    double v = values_[static_cast<std::size_t>(index)];
    values_.erase(values_.begin() + index);
    if (v == min_ || v == max_)
        extremesValid_ = false;
}

void TChartValueList::PopFront() {
    Erase(0);
}

void TChartValueList::Set(int index, double v) {
    double& slot = values_[static_cast<std::size_t>(index)];
    double old = slot;
    slot = v;
    if (old == min_ || old == max_)
        extremesValid_ = false;
    else
        Include(v);
}

void TChartValueList::Rescan() const {
    if (!values_.empty()) {
        auto [mn, mx] = std::minmax_element(values_.begin(), values_.end());
        min_ = *mn;
        max_ = *mx;
    }
    extremesValid_ = true;
}

} // namespace kelvane
