#include "TChartAxis.h"

namespace kelvane {

void TChartAxis::SetMinimum(double value) {
    if (value > maximum_)
        throw EChartError("Axis Minimum Value must be <= Maximum");
    minimum_ = value;
    ++revision_;
}

void TChartAxis::SetMaximum(double value) {
    if (value < minimum_)
        throw EChartError("Axis Maximum Value must be >= Minimum");
    maximum_ = value;
    ++revision_;
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
    if (minimum > maximum_) {
        SetMaximum(maximum);
        SetMinimum(minimum);
    } else {
        SetMinimum(minimum);
        SetMaximum(maximum);
    }
}

} // namespace kelvane
