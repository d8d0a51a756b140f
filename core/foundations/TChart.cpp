#include "TChart.h"

namespace kelvane {

TLineSeries& TChart::AddSeries(const std::string& name, const std::string& title) {
    series_.push_back(std::make_unique<TLineSeries>(name, title));
    series_.back()->ParentChart = this;
    return *series_.back();
}

TLineSeries* TChart::FindSeries(const std::string& name) {
    for (auto& s : series_) {
        if (s->Name == name)
            return s.get();
    }
    return nullptr;
}

} // namespace kelvane
