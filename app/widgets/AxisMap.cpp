#include "AxisMap.h"

namespace kelvane {

AxisMap::AxisMap(const QCPAxis* axis)
    : axis_(axis), lower_(axis->range().lower), size_(axis->range().size()),
      plain_(axis->scaleType() == QCPAxis::stLinear && !axis->rangeReversed()),
      horizontal_(axis->orientation() == Qt::Horizontal) {
    const QRect rect = axis->axisRect()->rect();
    origin_ = horizontal_ ? rect.left() : rect.bottom();
    extent_ = horizontal_ ? rect.width() : rect.height();
}

} // namespace kelvane
