#pragma once

#include "MinMaxPyramid.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace kelvane {

// One value list (X or Y) of a line series. Its extremes are kept up to date
// as points come and go, so that long runs never rescan on every step: an
// ordered list has them at its ends; any other list keeps its suffix maxima
// and minima, which appending at the end and deleting from the front (the
// strip chart's traffic) maintain in amortised constant time. Other changes
// make the next query rebuild them once.
class TChartValueList {
  public:
    int Count() const { return static_cast<int>(values_.size() - head_); }
    double operator[](int i) const { return values_[head_ + static_cast<std::size_t>(i)]; }
    double Value(int i) const { return (*this)[i]; }
    // Both 0 for an empty list.
    double MaxValue() const;
    double MinValue() const;
    // Extremes of the values at [from, to), NaN left out: a few dozen reads
    // whatever the run's length once the list has been summarised, which
    // costs one pass over the values appended since the last such query.
    MinMax Extremes(int from, int to) const {
        return pyramid_.Range(values_, head_ + static_cast<std::size_t>(from),
                              head_ + static_cast<std::size_t>(to));
    }
    // Index of the first value equal to x exactly, or -1.
    int Locate(double x) const;
    std::span<const double> Values() const {
        return {values_.data() + head_, values_.size() - head_};
    }

  private:
    friend class TLineSeries;

    // A value and its position counted from the list's last clear.
    struct Entry {
        double v;
        std::uint64_t at;
    };

    void Clear();
    // Appending, the common case, costs what an array's does: inlined even
    // where a caller appends to many series at once (an analysis appends
    // thousands of points).
    [[gnu::always_inline]] void Append(double v) {
        values_.push_back(v);
        if (!ordered_ && extremesValid_) [[unlikely]]
            Push(v, base_ + (values_.size() - 1 - head_));
    }
    void AppendAll(std::span<const double> values);
    void Insert(int index, double v);
    void Erase(int index);
    void PopFront();
    void Set(int index, double v);
    // The values from index from on become the given ones, as many.
    void Overwrite(int from, std::span<const double> values);
    // Every value v becomes f(v).
    template <class F> void Map(F f) {
        for (std::size_t i = head_; i < values_.size(); ++i)
            values_[i] = f(values_[i]);
        pyramid_.Reset();
        if (!ordered_ && extremesValid_)
            Invalidate();
    }
    void Push(double v, std::uint64_t at) const;
    void Invalidate();
    void Rebuild() const;

    // One block, so appending and reading cost no more than an array's. Points
    // dropped from the front only move head_ until they are half the block.
    std::vector<double> values_;
    std::size_t head_ = 0;
    bool ordered_ = false;
    std::uint64_t base_ = 0; // position of values_[head_]
    mutable bool extremesValid_ = true;
    mutable std::deque<Entry> maxq_; // decreasing: maxq_.front() is the maximum
    mutable std::deque<Entry> minq_; // increasing: minq_.front() is the minimum
    // Over values_ itself, so dropping from the front leaves it valid.
    mutable MinMaxPyramid pyramid_;
};

} // namespace kelvane
