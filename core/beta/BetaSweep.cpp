#include "BetaSweep.h"

#include "BetaFields.h"
#include "foundations/Conversions.h"
#include "foundations/MarlUtils.h"

#include <algorithm>

namespace kelvane {

namespace {

constexpr double kBound = 1000000.0;

SweepPlan Steps(const char* title, double first, double step, double last) {
    SweepPlan plan;
    plan.title = title;
    plan.first = first;
    plan.step = step;
    plan.last = last;
    plan.pastLast = false;
    plan.rangeText = "testing " + ParameterSweep::ValueText(first) + " through " +
                     ParameterSweep::ValueText(last);
    return plan;
}

// A tenth of the value to ten times it (at most the bound); a text that is
// not a number counts as 1.
SweepPlan TenthToTenTimes(const char* title, const std::string& text) {
    const double r = MyStrToReal(text, 1.0);
    return Steps(title, r / 10, r / 10, std::min(r * 10, kBound));
}

// From an empty space to ten times the volume.
SweepPlan FromZero(const char* title, const std::string& text) {
    double r = MyStrToReal(text, 20.0);
    if (!(r > 0))
        r = 20;
    return Steps(title, 0, r / 10, std::min(r * 10, kBound));
}

} // namespace

BetaSweep::BetaSweep(BetaEngine& engine, EngineHost& host)
    : ParameterSweep(host), engine_(engine) {}

const ParameterTable& BetaSweep::Fields() const {
    return BetaFields();
}

std::optional<SweepPlan> BetaSweep::Plan(Field field) {
    const std::string text = host_.FieldText(field);
    switch (field) {
    case Field::Bore:
        return TenthToTenTimes("Bore", text);
    case Field::DisplacerStroke:
        return TenthToTenTimes("Displacer Stroke", text);
    case Field::PistonStroke:
        return TenthToTenTimes("Piston Stroke", text);
    case Field::MeanPressure:
        return TenthToTenTimes("Mean Pressure", text);
    case Field::Speed:
        return TenthToTenTimes("Speed", text);
    case Field::HotDeadVolume:
        return FromZero("Hot Dead Volume", text);
    case Field::RegeneratorVolume:
        return FromZero("Regenerator Volume", text);
    case Field::ColdDeadVolume:
        return FromZero("Cold Dead Volume", text);
    case Field::PhaseAngle:
        return Steps("Phase Angle", -175, 5, 175);
    case Field::HotTemp: {
        const double cold = MyStrToReal(host_.FieldText(Field::ColdTemp), 30.0);
        return Steps("Hot Temperature", cold, 10, cold + 1000);
    }
    case Field::ColdTemp: {
        const double hot = MyStrToReal(host_.FieldText(Field::HotTemp), 400.0);
        return Steps("Cold Temperature", std::max(hot - 500, -270.0), 5, hot);
    }
    default:
        return std::nullopt;
    }
}

std::span<const SweepMemoLine> BetaSweep::MemoLines() const {
    static constexpr SweepMemoLine kLines[] = {
        {"Bore (mm)= %1", Field::Bore, "Phase Angle (degrees)= %1", Field::PhaseAngle},
        {"Displacer Stroke (mm)= %1", Field::DisplacerStroke, "Piston Stroke (mm)= %1",
         Field::PistonStroke},
        {"Dead Volume Hot (cm3)= %1", Field::HotDeadVolume, "Cold (cm3)= %1",
         Field::ColdDeadVolume},
        {"Regenerator Volume (cm3)= %1", Field::RegeneratorVolume, "Mean Pressure (kPa)= %1",
         Field::MeanPressure},
        {"Temp (C): Cold= %1", Field::ColdTemp, "Hot= %1", Field::HotTemp},
        {"Speed (rpm)= %1", Field::Speed}};
    return kLines;
}

SweepPoint BetaSweep::Point() const {
    SweepPoint p;
    // The net work as the grid shows it, read back without the digit grouping.
    p.netWork = MyStrToReal(MyRealToStr(engine_.netWork), 0.0);
    p.minVol = engine_.minVol;
    p.meanVol = engine_.meanVol;
    p.maxVol = engine_.maxVol;
    p.minPressure = engine_.minPressure;
    p.meanPressure = engine_.meanPressure;
    p.maxPressure = engine_.maxPressure;
    p.maxTemp = engine_.parameters.hotTemp;
    p.minTemp = engine_.parameters.coldTemp;
    p.tempRatio = engine_.model.tHot / engine_.model.tCold;
    return p;
}

bool BetaSweep::CanAnalyse() {
    return BetaFields().Check(host_).empty();
}

} // namespace kelvane
