#include "GammaSweep.h"

#include "GammaFields.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"

namespace kelvane {

namespace {

constexpr double kBound = 1000000.0;

// A tenth of the value to ten times it, unless the bound is lower; a text
// that is not a number counts as 1.
SweepPlan TenthToTenTimes(const char* title, const std::string& text, double bound) {
    const double r = MyStrToReal(text, 1.0);
    SweepPlan plan;
    plan.title = title;
    plan.first = plan.step = r / 10;
    plan.last = r * 10 < bound ? r * 10 : bound;
    plan.pastLast = true;
    plan.rangeText = "testing " + MyRealToStr(plan.step) + " through " + MyRealToStr(plan.last);
    return plan;
}

} // namespace

GammaSweep::GammaSweep(GammaEngine& engine, EngineHost& host)
    : ParameterSweep(host), engine_(engine) {}

const ParameterTable& GammaSweep::Fields() const {
    return GammaFields();
}

std::optional<SweepPlan> GammaSweep::Plan(Field field) {
    switch (field) {
    case Field::PistonThrow:
        return TenthToTenTimes("Piston Throw", host_.FieldText(field), kBound);
    case Field::DispCylHeight:
        return TenthToTenTimes("Displacer Cylinder Height", host_.FieldText(field), kBound);
    case Field::DispCylDiameter:
        return TenthToTenTimes("Displacer Cylinder Diameter", host_.FieldText(field), kBound);
    case Field::PistonDiameter:
        return TenthToTenTimes("Piston Diameter", host_.FieldText(field), kBound);
    case Field::DispHeight: {
        // From about 1 to about 99 percent of the cylinder's height.
        const std::string base =
            MyRealToStr(MyStrToReal(host_.FieldText(Field::DispCylHeight), 1.0) * 99 / 1000);
        SweepPlan plan = TenthToTenTimes("Displacer Height", base, kBound);
        plan.baseText = base;
        return plan;
    }
    case Field::PhaseOffset: {
        SweepPlan plan;
        plan.title = "Phase Angle";
        plan.rangeText = "testing -175 through 175";
        plan.first = -175;
        plan.step = 5;
        plan.last = 175;
        return plan;
    }
    default:
        return std::nullopt;
    }
}

std::span<const SweepMemoLine> GammaSweep::MemoLines() const {
    static constexpr SweepMemoLine kLines[] = {
        {"Displacer Cylinder  Height=  %1", Field::DispCylHeight, "Displacer Cylinder Diameter= %1",
         Field::DispCylDiameter},
        {"Piston Diameter= %1", Field::PistonDiameter, "Piston Throw= %1", Field::PistonThrow},
        {"Displacer Height= %1", Field::DispHeight, "Phase Offset= %1", Field::PhaseOffset},
        {"Temp: Cold= %1", Field::ColdTemp, "Hot= %1", Field::HotTemp}};
    return kLines;
}

SweepPoint GammaSweep::Point() const {
    SweepPoint p;
    // The net work as row 11 of the grid shows it, read back without the
    // digit grouping: the engine writes that row from netWork alone.
    p.netWork = MyStrToReal(MyRealToStr(engine_.netWork), 0.0);
    p.minVol = engine_.State().minVol;
    p.meanVol = engine_.State().meanVol;
    p.maxVol = engine_.State().maxVol;
    p.minPressure = engine_.minPressure;
    p.meanPressure = engine_.meanPressure;
    p.maxPressure = engine_.maxPressure;
    p.minTemp = KtoF(engine_.maxCold);
    p.maxTemp = KtoF(engine_.minHot);
    p.tempRatio = engine_.EffectiveTempRatio();
    return p;
}

} // namespace kelvane
