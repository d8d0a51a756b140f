#include "RiderSweep.h"

#include "ERiderParameterError.h"
#include "RiderFields.h"
#include "RiderParameters.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

struct SweepRule {
    Field field;
    const char* title;
    FieldRange range; // further narrowed to what the field table accepts
    int step;
};

constexpr SweepRule kRules[] = {
    {Field::HotTemp, "Hot Temperature", {0, 700}, 10},
    {Field::ColdTemp, "Cold Temperature", {0, 700}, 10},
    {Field::HotStrokeMin, "Hot Stroke Minimum", kAnyValue, 1},
    {Field::HotStrokeMax, "Hot Stroke Maximum", kAnyValue, 1},
    {Field::ColdStrokeMin, "Cold Stroke Minimum", kAnyValue, 1},
    {Field::ColdStrokeMax, "Cold Stroke Maximum", kAnyValue, 1},
    {Field::PhaseOffset, "Phase Offset", {-175, 175}, 5},
};

} // namespace

RiderSweep::RiderSweep(RiderEngine& engine, EngineHost& host)
    : ParameterSweep(host), engine_(engine) {}

const ParameterTable& RiderSweep::Fields() const {
    return RiderFields();
}

std::optional<SweepPlan> RiderSweep::Plan(Field field) {
    const SweepRule* rule = nullptr;
    for (const SweepRule& r : kRules) {
        if (r.field == field)
            rule = &r;
    }
    if (!rule)
        return std::nullopt;
    // The range of a stroke limit depends on the other limit's text.
    const std::vector<FieldProblem> problems = RiderFields().Check(host_);
    if (!problems.empty())
        throw ERiderParameterError(problems.front().message);

    const FieldRange allowed = RiderFields().RangeOf(field, host_);
    SweepPlan plan;
    plan.title = rule->title;
    plan.first = std::ceil(std::max(rule->range.lowest, allowed.lowest));
    plan.last = std::floor(std::min(rule->range.highest, allowed.highest));
    plan.step = rule->step;
    plan.rangeText = "testing " + ValueText(plan.first) + " through " + ValueText(plan.last);
    return plan;
}

std::span<const SweepMemoLine> RiderSweep::MemoLines() const {
    static constexpr SweepMemoLine kLines[] = {
        {"Hot Stroke Min= %1", Field::HotStrokeMin, "Hot Stroke Max= %1", Field::HotStrokeMax},
        {"Cold Stroke Min= %1", Field::ColdStrokeMin, "Cold Stroke Max= %1", Field::ColdStrokeMax},
        {"Phase Offset= %1", Field::PhaseOffset},
        {"Temp: Cold= %1", Field::ColdTemp, "Hot= %1", Field::HotTemp}};
    return kLines;
}

bool RiderSweep::CanAnalyse() {
    return RiderFields().Check(host_).empty();
}

SweepPoint RiderSweep::Point() const {
    SweepPoint p;
    // As row 8 of the grid shows it.
    p.netWork = MyStrToReal(RealToStr2(engine_.netWork), 0.0);
    // The total volume curve is a share of the engine's largest volume.
    const TChartValueList& volumes = engine_.TotalVolSeries.YValues();
    if (volumes.Count() > 0) {
        double sum = 0;
        for (int i = 0; i < volumes.Count(); ++i)
            sum += volumes[i];
        p.minVol = volumes.MinValue() * engine_.State().maxVol;
        p.meanVol = sum / volumes.Count() * engine_.State().maxVol;
        p.maxVol = volumes.MaxValue() * engine_.State().maxVol;
    }
    // The PV curve keeps the pressures as computed, before they are normalised.
    if (engine_.PVSeries.Count() > 0)
        p.minPressure = engine_.PVSeries.YValues().MinValue();
    p.meanPressure = engine_.avgPressure;
    p.maxPressure = engine_.mvSave;
    // Each side's gas stays at its box's temperature all the revolution.
    const RiderParameters par = RiderParameters::Read(host_, false);
    p.maxTemp = par.hotTemp;
    p.minTemp = par.coldTemp;
    p.tempRatio = WholeFtoK(par.hotTemp) / WholeFtoK(par.coldTemp) - 1;
    return p;
}

} // namespace kelvane
