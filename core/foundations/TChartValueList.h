#pragma once

#include <cstddef>
#include <deque>

namespace kelvane {

// One value list (X or Y) of a line series. Its extremes are kept up to date
// as points come and go, so that long runs never rescan on every step.
class TChartValueList {
  public:
    int Count() const { return static_cast<int>(values_.size()); }
    double operator[](int i) const { return values_[static_cast<std::size_t>(i)]; }
    double Value(int i) const { return values_[static_cast<std::size_t>(i)]; }
    // Both 0 for an empty list.
    double MaxValue() const;
    double MinValue() const;
    // Index of the first value equal to x exactly, or -1.
    int Locate(double x) const;
    const std::deque<double>& Values() const { return values_; }

  private:
    friend class TLineSeries;

    void Clear();
    void Insert(int index, double v);
    void Erase(int index);
    void PopFront();
    void Set(int index, double v);
    void Include(double v) const;
    void Rescan() const;

    std::deque<double> values_;
    bool ordered_ = false;
    mutable bool extremesValid_ = true;
    mutable double min_ = 0;
    mutable double max_ = 0;
};

} // namespace kelvane
