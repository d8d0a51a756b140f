#pragma once

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

namespace kelvane {

// The least and greatest of a run of values; an empty run (or one of NaN
// only) has lo > hi.
struct MinMax {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();

    void Add(double v) {
        if (v < lo)
            lo = v;
        if (v > hi)
            hi = v;
    }
    void Add(const MinMax& m) {
        if (m.lo < lo)
            lo = m.lo;
        if (m.hi > hi)
            hi = m.hi;
    }
};

// The extremes of every aligned block of 2^k values of a growing array, for
// each k from kFirstLevel up: the extremes of any run then take a few dozen
// reads whatever its length, which lets a chart draw a long record at the
// cost of its width. The levels are extended from where they stopped when a
// run is asked for, so appending costs nothing until the record is drawn;
// any other change of the values calls for Reset().
class MinMaxPyramid {
  public:
    // Forgets every level (kept storage): the next query rebuilds them.
    void Reset() {
        if (built_ == 0)
            return; // nothing built: a rescaled series resets at every point
        built_ = 0;
        for (auto& level : levels_)
            level.clear();
    }

    // Extremes of values[from, to); NaN values are left out.
    MinMax Range(std::span<const double> values, std::size_t from, std::size_t to);

    // Runs shorter than a block of the first level are read value by value:
    // finer levels would cost more memory than they save time.
    static constexpr int kFirstLevel = 3;

  private:
    void CatchUp(std::span<const double> values);

    std::vector<std::vector<MinMax>> levels_; // levels_[j]: blocks of 2^(kFirstLevel + j)
    std::size_t built_ = 0;                   // values folded into levels_[0]
};

} // namespace kelvane
