#include "MinMaxPyramid.h"

#include <algorithm>

namespace kelvane {

void MinMaxPyramid::CatchUp(std::span<const double> values) {
    constexpr std::size_t kBlock = std::size_t{1} << kFirstLevel;
    if (values.size() < built_ + kBlock)
        return;
    if (levels_.empty())
        levels_.emplace_back();
    for (; built_ + kBlock <= values.size(); built_ += kBlock) {
        MinMax m;
        for (std::size_t i = built_; i < built_ + kBlock; ++i)
            m.Add(values[i]);
        levels_[0].push_back(m);
    }
    // Each level holds the pairs of the one below that are complete.
    for (std::size_t j = 0; levels_[j].size() >= 2; ++j) {
        if (levels_.size() == j + 1)
            levels_.emplace_back();
        const std::vector<MinMax>& below = levels_[j];
        std::vector<MinMax>& level = levels_[j + 1];
        for (std::size_t b = level.size(); 2 * b + 1 < below.size(); ++b) {
            MinMax m = below[2 * b];
            m.Add(below[2 * b + 1]);
            level.push_back(m);
        }
    }
}

MinMax MinMaxPyramid::Range(std::span<const double> values, std::size_t from, std::size_t to) {
    CatchUp(values);
    constexpr std::size_t kBlock = std::size_t{1} << kFirstLevel;
    MinMax m;
    if (from >= to)
        return m;
    // The values before the first whole block and after the last are read
    // one by one (those not yet in a block are always after the last).
    const std::size_t head = std::min(to, (from + kBlock - 1) / kBlock * kBlock);
    const std::size_t tail = std::max(head, to / kBlock * kBlock);
    for (std::size_t i = from; i < head; ++i)
        m.Add(values[i]);
    for (std::size_t i = tail; i < to; ++i)
        m.Add(values[i]);
    // The whole blocks [lo, hi), from the first level up: at each level an
    // odd end is a block of its own, the rest pairs into the level above.
    std::size_t lo = head >> kFirstLevel, hi = tail >> kFirstLevel;
    for (std::size_t j = 0; lo < hi; ++j, lo >>= 1, hi >>= 1) {
        const std::vector<MinMax>& level = levels_[j];
        if ((lo & 1) != 0)
            m.Add(level[lo++]);
        if ((hi & 1) != 0)
            m.Add(level[--hi]);
    }
    return m;
}

} // namespace kelvane
