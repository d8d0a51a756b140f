#pragma once

#include "Message.h"
#include "TChartAxis.h"
#include "TLineSeries.h"

#include <memory>
#include <string>
#include <vector>

namespace kelvane {

struct TChartLegend {
    bool Visible = true;
    bool AlignBottom = true;
    int ShadowSize = 0;
    int SymbolWidth = 20;
};

// The data side of a chart: title, legend, axes and its series in declared order.
class TChart {
  public:
    explicit TChart(std::string name = {}) : Name(std::move(name)) {}
    TChart(const TChart&) = delete;
    TChart& operator=(const TChart&) = delete;

    std::string Name;
    std::vector<std::string> Title;
    TChartLegend Legend;
    TChartAxis BottomAxis;
    TChartAxis LeftAxis;
    TChartAxis RightAxis;
    int MarginLeft = 3; // percent
    int MarginTop = 4;
    int MarginRight = 3;
    bool Visible = true;

    // A title of one line in parts, for a window to translate; empty when the
    // title was set as a text.
    Message TitleMessage;

    void SetTitle(const std::string& line) {
        Title.clear();
        Title.push_back(line);
        TitleMessage = {};
    }
    void SetTitleMessage(const Message& title) {
        SetTitle(title.English());
        TitleMessage = title;
    }

    TLineSeries& AddSeries(const std::string& name, const std::string& title = {});
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TLineSeries& Series(int i) { return *series_[static_cast<std::size_t>(i)]; }
    const TLineSeries& Series(int i) const { return *series_[static_cast<std::size_t>(i)]; }
    // nullptr when the chart has no series of that name.
    TLineSeries* FindSeries(const std::string& name);

  private:
    std::vector<std::unique_ptr<TLineSeries>> series_;
};

} // namespace kelvane
