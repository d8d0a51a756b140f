#pragma once

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
    void Insert(int index, double v);
    void Erase(int index);
    void PopFront();
    void Set(int index, double v);
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
};

} // namespace kelvane
