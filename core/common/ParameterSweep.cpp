#include "ParameterSweep.h"

#include "foundations/Callback.h"
#include "foundations/Colors.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"
#include "foundations/ParameterTable.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace kelvane {

namespace {

// Below any net work, so that the first value of a sweep is always taken as
// the maximum so far, however negative.
constexpr double kNoWorkYet = -std::numeric_limits<double>::infinity();

void SetNormalizedRightAxis(TChartAxis& axis) {
    axis.SetFixed(0, 2);
    axis.TitleCaption = "Normalized Pressure/Volume";
    // No series is drawn against it: an empty scale would only mislead.
    axis.Visible = false;
}

} // namespace

// Keeps a field's text and gives it back. Restore() is the normal way; should
// an error end the sweep first, the destructor still gives the user's text
// back rather than leave a swept value in the field.
class ParameterSweep::FieldRestorer {
  public:
    FieldRestorer(EngineHost& host, Field field)
        : host_(host), field_(field), text_(host.FieldText(field_)) {}
    ~FieldRestorer() {
        if (restored_)
            return;
        try {
            host_.SetFieldText(field_, text_);
        } catch (...) {
            // The change handler's analysis can fail again for the same reason;
            // the error that ended the sweep is the one to report.
        }
    }
    FieldRestorer(const FieldRestorer&) = delete;
    FieldRestorer& operator=(const FieldRestorer&) = delete;

    void Restore() {
        restored_ = true;
        host_.SetFieldText(field_, text_);
    }

  private:
    EngineHost& host_;
    Field field_;
    std::string text_;
    bool restored_ = false;
};

ParameterSweep::ParameterSweep(EngineHost& host)
    : WorkSeries(WorkGraph.AddSeries("WorkSeries", "Value")),
      MinVolSeries(VolumeGraph.AddSeries("MinVolSeries", "MinVol")),
      MeanVolSeries(VolumeGraph.AddSeries("MeanVolSeries", "MeanVol")),
      MaxVolSeries(VolumeGraph.AddSeries("MaxVolSeries", "MaxVol")),
      MinPressureSeries(PressureGraph.AddSeries("MinPressureSeries", "MinPressure")),
      MeanPressureSeries(PressureGraph.AddSeries("MeanPressureSeries", "MeanPressure")),
      MaxPressureSeries(PressureGraph.AddSeries("MaxPressureSeries", "MaxPressure")),
      MaxTempSeries(TemperatureGraph.AddSeries("MaxTempSeries", "MaxTemp")),
      MinTempSeries(TemperatureGraph.AddSeries("MinTempSeries", "MinTemp")),
      TempRatioSeries(TemperatureGraph.AddSeries("TempRatioSeries", "TempRatio")), host_(host) {
    SetupCharts();
}

void ParameterSweep::SetupCharts() {
    struct Layout {
        TChart& chart;
        const char* title;
        const char* leftTitle;
    };
    const Layout layout[] = {{WorkGraph, "Positions", "Net Work"},
                             {VolumeGraph, "Positions", "Volumes"},
                             {PressureGraph, "Pressures", "Pressures"},
                             {TemperatureGraph, "Temperatures", "Temperatures"}};
    for (const Layout& l : layout) {
        l.chart.SetTitle(l.title);
        l.chart.Legend.Visible = true;
        l.chart.BottomAxis.SetAutomatic();
        l.chart.LeftAxis.SetAutomatic();
        l.chart.LeftAxis.TitleCaption = l.leftTitle;
    }
    SetNormalizedRightAxis(WorkGraph.RightAxis);
    SetNormalizedRightAxis(VolumeGraph.RightAxis);
    SetNormalizedRightAxis(PressureGraph.RightAxis);

    // The ratio's axis follows its data as the temperatures' does: a ratio
    // that does not change lies mid-chart, clear of the frame and of the
    // temperatures' flat lines at the top and bottom of theirs.
    TChartAxis& ratio = TemperatureGraph.RightAxis;
    ratio.SetAutomatic();
    ratio.TitleCaption = "Ratio";
    ratio.TitleAngle = 90;

    WorkSeries.SetLine(clBlack, 2);
    MinVolSeries.SetLine(clRed, 2);
    MeanVolSeries.SetLine(clBlack, 2);
    MaxVolSeries.SetLine(clBlue, 2);
    MinPressureSeries.SetLine(clRed, 2);
    MeanPressureSeries.SetLine(clBlack, 2);
    MaxPressureSeries.SetLine(clBlue, 2);
    MaxTempSeries.SetLine(clRed, 2);
    MinTempSeries.SetLine(clBlue, 2);
    TempRatioSeries.SetLine(clBlack, 2, true, TVertAxis::Right);
}

std::string ParameterSweep::ValueText(double value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

std::string SweepNote::English() const {
    return second ? PadRight(first.English(), 50) + second->English() : first.English();
}

Message::Part ParameterSweep::FieldPart(Field field) {
    // The swept field holds the sweep's own "testing 6.00 through 600" while
    // the window opens: its words are the program's, its numbers the field's.
    const std::string text = host_.FieldText(field);
    const std::string testing = "testing ", through = " through ";
    const std::size_t at = text.find(through);
    if (text.rfind(testing, 0) != 0 || at == std::string::npos)
        return Message::Literal(text);
    return Message::Inner({"testing %1 through %2",
                           {Message::Literal(text.substr(testing.size(), at - testing.size())),
                            Message::Literal(text.substr(at + through.size()))}});
}

void ParameterSweep::Note(SweepNote note) {
    Memo1.push_back(note.English());
    Notes.push_back(std::move(note));
}

void ParameterSweep::Refresh() {
    CallIfSet(onRefresh);
}

bool ParameterSweep::KeepGoing() {
    Refresh();
    host_.ProcessEvents();
    return visible;
}

void ParameterSweep::SetupPopupGraph(const std::string& title) {
    StopAnimation();

    WorkGraph.SetTitleMessage({"%1 vs Net Work", {Message::Word(title)}});
    VolumeGraph.SetTitleMessage({"%1 vs Volume", {Message::Word(title)}});
    PressureGraph.SetTitleMessage({"%1 vs Pressure", {Message::Word(title)}});
    TemperatureGraph.SetTitleMessage({"%1 vs Temperature", {Message::Word(title)}});

    TLineSeries* cleared[] = {
        &WorkSeries,         &MinVolSeries,      &MeanVolSeries, &MaxVolSeries,  &MinPressureSeries,
        &MeanPressureSeries, &MaxPressureSeries, &MinTempSeries, &MaxTempSeries, &TempRatioSeries};
    for (TLineSeries* s : cleared)
        s->Clear();

    Memo1.clear();
    Notes.clear();
    for (const SweepMemoLine& line : MemoLines()) {
        SweepNote note{{line.first, {FieldPart(line.firstField)}}, {}};
        if (line.second)
            note.second = Message(line.second, {FieldPart(line.secondField)});
        Note(std::move(note));
    }

    printEnabled = false;
    maxY = kNoWorkYet;

    visible = true;
    CallIfSet(onShow);
    Refresh();
    host_.ProcessEvents();
}

void ParameterSweep::ShowPopupGraphPoint(double i) {
    const SweepPoint p = Point();
    WorkSeries.AddXY(i, p.netWork);
    if (p.netWork > maxY) {
        maxY = p.netWork;
        maxX = i;
    }

    MinVolSeries.AddXY(i, p.minVol);
    MeanVolSeries.AddXY(i, p.meanVol);
    MaxVolSeries.AddXY(i, p.maxVol);

    MinPressureSeries.AddXY(i, p.minPressure);
    MeanPressureSeries.AddXY(i, p.meanPressure);
    MaxPressureSeries.AddXY(i, p.maxPressure);

    MinTempSeries.AddXY(i, p.minTemp);
    MaxTempSeries.AddXY(i, p.maxTemp);
    TempRatioSeries.AddXY(i, p.tempRatio);
}

void ParameterSweep::EndPopupGraph() {
    printEnabled = true;
    Note({{"Maximum Work of %1 occured at %2",
           {Message::Literal(MyRealToStr(maxY)), Message::Literal(MyRealToStr(maxX))}},
          {}});
    // A change made during the sweep may have left texts the engine must not get.
    if (CanAnalyse())
        Analyse();
    Refresh();
}

void ParameterSweep::Stop() {
    if (!sweeping)
        return;
    visible = false;
    host_.SetFieldText(sweptField_, userText_);
}

void ParameterSweep::Sweep(Field field, const SweepPlan& plan) {
    sweptField_ = field;
    userText_ = host_.FieldText(field);
    std::optional<FieldRestorer> beforeBase;
    if (plan.baseText) {
        beforeBase.emplace(host_, field);
        host_.SetFieldText(field, *plan.baseText);
    }
    FieldRestorer kept(host_, field);
    host_.SetFieldText(field, plan.rangeText);
    SetupPopupGraph(plan.title);

    for (double i = plan.first;; i += plan.step) {
        if (!plan.pastLast && i > plan.last)
            break;
        host_.SetFieldText(field, ValueText(i));
        if (!CanAnalyse())
            break;
        Analyse();
        ShowPopupGraphPoint(i);
        if (!KeepGoing())
            break;
        if (i > plan.last)
            break;
    }

    kept.Restore();
    EndPopupGraph();
    if (beforeBase)
        beforeBase->Restore();
}

double ParameterSweep::Step(Field field) {
    std::optional<SweepPlan> plan = Plan(field);
    if (!plan) {
        throw std::invalid_argument(std::string("'") + Fields().RowOf(field).control +
                                    "' is not a field that can be swept");
    }
    return plan->step;
}

bool ParameterSweep::FieldDblClick(Field field) {
    bool swept = false;
    for (Field f : SweptFields())
        swept = swept || f == field;
    if (!swept)
        return false;
    // Events run between the values: a second double-click must not start a
    // sweep inside the running one and mix their points.
    if (sweeping)
        return true;
    FlagGuard running(sweeping);
    try {
        std::optional<SweepPlan> plan = Plan(field);
        Sweep(field, *plan);
    } catch (...) {
        printEnabled = true;
        try {
            Refresh();
        } catch (...) {
        }
        throw;
    }
    return true;
}

const FieldProblem* SweepBlocker(const std::vector<FieldProblem>& problems, Field swept) {
    for (const FieldProblem& p : problems) {
        if (p.field != swept || p.fault == FieldFault::NotANumber ||
            p.fault == FieldFault::NotAWholeNumber)
            return &p;
    }
    return nullptr;
}

} // namespace kelvane
