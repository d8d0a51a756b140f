#pragma once

#include "Colors.h"
#include "TChartValueList.h"

#include <cstdint>
#include <span>
#include <string>

namespace kelvane {

class TChart;

enum class TValueOrder { Ascending, None };
enum class TVertAxis { Left, Right };

struct TChartPen {
    int Width = 1;
    bool Visible = true;
};

struct TSeriesPointer {
    bool Visible = false;
    int HorizSize = 2;
    int VertSize = 2;
    bool InflateMargins = true;
    // A round dot with a dark rim, which stands out on a line of any colour.
    bool Outlined = false;
};

// A line series: the only store of a chart's points. Views redraw from it and
// use the revision counters to redraw only what changed.
class TLineSeries {
  public:
    explicit TLineSeries(std::string name = {}, std::string title = {});
    TLineSeries(const TLineSeries&) = delete;
    TLineSeries& operator=(const TLineSeries&) = delete;

    std::string Name;  // the series' identifier, e.g. "PressureSeries"
    std::string Title; // legend text
    TColor SeriesColor = clRed;
    bool ShowInLegend = true;
    TChartPen LinePen;
    TSeriesPointer Pointer;
    TVertAxis VertAxis = TVertAxis::Left;
    TChart* ParentChart = nullptr;

    // The line's look: colour, pen width, legend entry and value axis.
    void SetLine(TColor color, int width = 1, bool inLegend = true,
                 TVertAxis axis = TVertAxis::Left) {
        SeriesColor = color;
        LinePen.Width = width;
        ShowInLegend = inLegend;
        VertAxis = axis;
    }

    TValueOrder XOrder() const { return order_; }
    void SetXOrder(TValueOrder order);

    void Clear();
    // The series becomes one vertical line at x, drawn from `from` to `to`
    // (the crank-angle markers).
    void SetVerticalLine(double x, double from, double to) {
        Clear();
        AddXY(x, from);
        AddXY(x, to);
    }
    // Ascending order: inserted after the last point whose X is not greater than x.
    [[gnu::always_inline]] int AddXY(double x, double y) {
        const int index = Count();
        if (order_ == TValueOrder::Ascending && index > 0 && x < x_[index - 1])
            return InsertXY(x, y);
        x_.Append(x);
        y_.Append(y);
        ++revision_;
        return index;
    }
    // The points AddXY would add one after the other, in one pass: a loop of
    // points (a pressure-volume curve) would otherwise move the points after
    // each insertion.
    void AddXYs(std::span<const double> xs, std::span<const double> ys);
    void Delete(int index);
    // Removes the oldest point; the cheap case a strip chart relies on.
    void DeleteFirst() { Delete(0); }
    int Count() const { return x_.Count(); }
    const TChartValueList& XValues() const { return x_; }
    const TChartValueList& YValues() const { return y_; }
    void SetYValue(int index, double y);
    // Every y becomes f(y): a whole curve rescaled at once.
    template <class F> void MapYValues(F f) {
        y_.Map(f);
        ++revision_;
        ++structureRevision_;
    }

    // Change tracking for views: Revision changes on every change of the points;
    // StructureRevision only on changes other than appending at the end and
    // deleting from the front, which FrontRemoved counts.
    std::uint64_t Revision() const { return revision_; }
    std::uint64_t StructureRevision() const { return structureRevision_; }
    std::uint64_t FrontRemoved() const { return frontRemoved_; }

  private:
    // AddXY's insertion before the end, to keep the X values ascending.
    int InsertXY(double x, double y);

    TChartValueList x_;
    TChartValueList y_;
    TValueOrder order_ = TValueOrder::Ascending;
    std::uint64_t revision_ = 0;
    std::uint64_t structureRevision_ = 0;
    std::uint64_t frontRemoved_ = 0;
};

} // namespace kelvane
