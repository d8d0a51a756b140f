#pragma once

#include <qcustomplot.h>

namespace kelvane {

// An axis's coordToPixel with what it checks at every call (scale type,
// orientation, direction) looked at once: a dense series maps several
// values a pixel column. The arithmetic is QCustomPlot's own, so a point
// lands on the very pixel it would; other axes go through the axis.
class AxisMap {
  public:
    explicit AxisMap(const QCPAxis* axis);

    double operator()(double v) const {
        if (!plain_)
            return axis_->coordToPixel(v);
        return horizontal_ ? (v - lower_) / size_ * extent_ + origin_
                           : origin_ - (v - lower_) / size_ * extent_;
    }

  private:
    const QCPAxis* axis_;
    double lower_, size_;
    bool plain_, horizontal_;
    double origin_ = 0, extent_ = 0;
};

} // namespace kelvane
