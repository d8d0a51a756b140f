#include "GammaSweep.h"

#include "GammaFields.h"
#include "foundations/Callback.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/MarlUtils.h"

#include <charconv>
#include <limits>
#include <stdexcept>

namespace kelvane {

namespace {

constexpr double kBound = 1000000.0;
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
class GammaSweep::FieldRestorer {
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

    const std::string& Text() const { return text_; }
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

GammaSweep::GammaSweep(GammaEngine& engine, EngineHost& host)
    : WorkSeries(Chart1.AddSeries("WorkSeries", "Value")),
      MinVolSeries(Chart2.AddSeries("MinVolSeries", "MinVol")),
      MeanVolSeries(Chart2.AddSeries("MeanVolSeries", "MeanVol")),
      MaxVolSeries(Chart2.AddSeries("MaxVolSeries", "MaxVol")),
      MinPressureSeries(Chart3.AddSeries("MinPressureSeries", "MinPressure")),
      MeanPressureSeries(Chart3.AddSeries("MeanPressureSeries", "MeanPressure")),
      MaxPressureSeries(Chart3.AddSeries("MaxPressureSeries", "MaxPressure")),
      MaxTempSeries(Chart4.AddSeries("MaxTempSeries", "MaxTemp")),
      MinTempSeries(Chart4.AddSeries("MinTempSeries", "MinTemp")),
      TempRatioSeries(Chart4.AddSeries("TempRatioSeries", "TempRatio")), engine_(engine),
      host_(host) {
    SetupCharts();
}

void GammaSweep::SetupCharts() {
    struct Layout {
        TChart& chart;
        const char* title;
        const char* leftTitle;
    };
    const Layout layout[] = {{Chart1, "Positions", "Net Work"},
                             {Chart2, "Positions", "Volumes"},
                             {Chart3, "Pressures", "Pressures"},
                             {Chart4, "Temperatures", "Temperatures"}};
    for (const Layout& l : layout) {
        l.chart.SetTitle(l.title);
        l.chart.Legend.Visible = true;
        l.chart.BottomAxis.SetAutomatic();
        l.chart.LeftAxis.SetAutomatic();
        l.chart.LeftAxis.TitleCaption = l.leftTitle;
    }
    SetNormalizedRightAxis(Chart1.RightAxis);
    SetNormalizedRightAxis(Chart2.RightAxis);
    SetNormalizedRightAxis(Chart3.RightAxis);

    TChartAxis& ratio = Chart4.RightAxis;
    ratio.Automatic = false;
    ratio.AutomaticMinimum = false;
    ratio.AutomaticMaximum = true;
    ratio.SetMinimum(0);
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

std::string GammaSweep::ValueText(double value) {
    char buf[64];
    auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return std::string(buf, result.ptr);
}

void GammaSweep::Refresh() {
    CallIfSet(onRefresh);
}

bool GammaSweep::KeepGoing() {
    Refresh();
    host_.ProcessEvents();
    return visible;
}

void GammaSweep::SetupPopupGraph(const std::string& title) {
    engine_.animate = false;

    Chart1.SetTitle(title + " vs Net Work");
    Chart2.SetTitle(title + " vs Volume");
    Chart3.SetTitle(title + " vs Pressure");
    Chart4.SetTitle(title + " vs Temperature");

    TLineSeries* cleared[] = {
        &WorkSeries,         &MinVolSeries,      &MeanVolSeries, &MaxVolSeries,  &MinPressureSeries,
        &MeanPressureSeries, &MaxPressureSeries, &MinTempSeries, &MaxTempSeries, &TempRatioSeries};
    for (TLineSeries* s : cleared)
        s->Clear();

    auto line = [this](const char* first, Field firstField, const char* second, Field secondField) {
        return PadRight(first + host_.FieldText(firstField), 50) + second +
               host_.FieldText(secondField);
    };
    Memo1.clear();
    Memo1.push_back(line("Displacer Cylinder  Height=  ", Field::DispCylHeight,
                         "Displacer Cylinder Diameter= ", Field::DispCylDiameter));
    Memo1.push_back(
        line("Piston Diameter= ", Field::PistonDiameter, "Piston Throw= ", Field::PistonThrow));
    Memo1.push_back(
        line("Displacer Height= ", Field::DispHeight, "Phase Offset= ", Field::PhaseOffset));
    Memo1.push_back(line("Temp: Cold= ", Field::ColdTemp, "Hot= ", Field::HotTemp));

    printEnabled = false;
    maxY = kNoWorkYet;

    visible = true;
    CallIfSet(onShow);
    Refresh();
    host_.ProcessEvents();
}

void GammaSweep::ShowPopupGraphPoint(double i) {
    // The net work as row 11 of the grid shows it, read back without the
    // digit grouping: the engine writes that row from netWork alone.
    const double w = MyStrToReal(MyRealToStr(engine_.netWork), 0.0);
    WorkSeries.AddXY(i, w);
    if (w > maxY) {
        maxY = w;
        maxX = i;
    }

    MinVolSeries.AddXY(i, engine_.minVol);
    MeanVolSeries.AddXY(i, engine_.meanVol);
    MaxVolSeries.AddXY(i, engine_.maxVol);

    MinPressureSeries.AddXY(i, engine_.minPressure);
    MeanPressureSeries.AddXY(i, engine_.meanPressure);
    MaxPressureSeries.AddXY(i, engine_.maxPressure);

    MinTempSeries.AddXY(i, KtoF(engine_.maxCold));
    MaxTempSeries.AddXY(i, KtoF(engine_.minHot));
    TempRatioSeries.AddXY(i, engine_.EffectiveTempRatio());
}

void GammaSweep::EndPopupGraph() {
    printEnabled = true;
    Memo1.push_back("Maximum Work of " + MyRealToStr(maxY) + " occured at " + MyRealToStr(maxX));
    engine_.CalcButtonClick();
    Refresh();
}

void GammaSweep::MakeAPopupGraph(Field field, const std::string& title, double max) {
    FieldRestorer kept(host_, field);
    const double r = MyStrToReal(kept.Text(), 1.0);
    const double step = r / 10;
    if (r * 10 < max)
        max = r * 10;
    host_.SetFieldText(field, "testing " + MyRealToStr(step) + " through " + MyRealToStr(max));
    SetupPopupGraph(title);

    for (double i = step;; i += step) {
        host_.SetFieldText(field, ValueText(i));
        engine_.CalcButtonClick();
        ShowPopupGraphPoint(i);
        if (!KeepGoing())
            break;
        if (i > max)
            break;
    }

    kept.Restore();
    EndPopupGraph();
}

std::string GammaSweep::DispHeightBaseText() {
    return MyRealToStr(MyStrToReal(host_.FieldText(Field::DispCylHeight), 1.0) * 99 / 1000);
}

double GammaSweep::Step(Field field) {
    if (field == Field::PhaseOffset)
        return 5;
    if (field == Field::DispHeight)
        return MyStrToReal(DispHeightBaseText(), 1.0) / 10;
    for (Field yellow : kYellowFields) {
        if (field == yellow)
            return MyStrToReal(host_.FieldText(field), 1.0) / 10;
    }
    throw std::invalid_argument(std::string("'") + GammaFields().RowOf(field).control +
                                "' is not a field that can be swept");
}

bool GammaSweep::FieldDblClick(Field field) {
    using Handler = void (GammaSweep::*)();
    static const std::pair<Field, Handler> handlers[] = {
        {Field::PistonThrow, &GammaSweep::PistonThrowDblClick},
        {Field::DispCylHeight, &GammaSweep::DispCylHeightDblClick},
        {Field::DispCylDiameter, &GammaSweep::DispCylDiameterDblClick},
        {Field::PistonDiameter, &GammaSweep::PistonDiameterDblClick},
        {Field::DispHeight, &GammaSweep::DispHeightDblClick},
        {Field::PhaseOffset, &GammaSweep::PhaseOffsetDblClick}};
    for (const auto& [name, handler] : handlers) {
        if (field == name) {
            // Events run between the values: a second double-click must not
            // start a sweep inside the running one and mix their points.
            if (sweeping)
                return true;
            FlagGuard running(sweeping);
            try {
                (this->*handler)();
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
    }
    return false;
}

void GammaSweep::PistonThrowDblClick() {
    MakeAPopupGraph(Field::PistonThrow, "Piston Throw", kBound);
}

void GammaSweep::DispCylHeightDblClick() {
    MakeAPopupGraph(Field::DispCylHeight, "Displacer Cylinder Height", kBound);
}

void GammaSweep::DispCylDiameterDblClick() {
    MakeAPopupGraph(Field::DispCylDiameter, "Displacer Cylinder Diameter", kBound);
}

void GammaSweep::PistonDiameterDblClick() {
    MakeAPopupGraph(Field::PistonDiameter, "Piston Diameter", kBound);
}

void GammaSweep::DispHeightDblClick() {
    FieldRestorer kept(host_, Field::DispHeight);
    host_.SetFieldText(Field::DispHeight, DispHeightBaseText());
    MakeAPopupGraph(Field::DispHeight, "Displacer Height", kBound);
    kept.Restore();
}

void GammaSweep::PhaseOffsetDblClick() {
    FieldRestorer kept(host_, Field::PhaseOffset);
    host_.SetFieldText(Field::PhaseOffset, "testing -175 through 175");
    SetupPopupGraph("Phase Angle");

    for (int i = -175; i <= 175; i += 5) {
        host_.SetFieldText(Field::PhaseOffset, IntToStr(i));
        engine_.CalcButtonClick();
        ShowPopupGraphPoint(i);
        if (!KeepGoing())
            break;
    }

    kept.Restore();
    EndPopupGraph();
}

} // namespace kelvane
