#include "TLineSeries.h"

#include <algorithm>
#include <utility>

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

int TLineSeries::AddXY(double x, double y) {
    int index = Count();
    if (order_ == TValueOrder::Ascending && index > 0 && x < x_.Values().back()) {
        const auto& xs = x_.Values();
        index = static_cast<int>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
        ++structureRevision_;
    }
    x_.Insert(index, x);
    y_.Insert(index, y);
    ++revision_;
    return index;
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
