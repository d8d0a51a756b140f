#include "MinMaxPyramid.h"

#include <algorithm>
#include <bit>

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
    MinMax m;
    for (std::size_t i = from; i < to;) {
        // The greatest block that starts at i and ends inside the run: a run
        // is covered by at most two blocks of each size.
        int k = std::bit_width(to - i) - 1;
        if (i != 0)
            k = std::min(k, std::countr_zero(i));
        k = std::min(k, kFirstLevel + static_cast<int>(levels_.size()) - 1);
        while (k >= kFirstLevel &&
               (i >> k) >= levels_[static_cast<std::size_t>(k - kFirstLevel)].size())
            --k;
        if (k < kFirstLevel) {
            m.Add(values[i++]);
            continue;
        }
        m.Add(levels_[static_cast<std::size_t>(k - kFirstLevel)][i >> k]);
        i += std::size_t{1} << k;
    }
    return m;
}

} // namespace kelvane
