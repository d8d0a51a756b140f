#include "BetaFields.h"

#include "foundations/CommonFieldRows.h"
#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

// Down to absolute zero the gas spaces would hold infinite mass; a whole degree
// short of it keeps every quotient finite.
constexpr FieldRange kCelsius{-273, 1e300};
// An empty dead space is the textbook's ideal engine.
constexpr FieldRange kVolume{0, 1e9};
constexpr FieldRange kPressure{0.001, 1e9};
constexpr FieldRange kSpeed{0, 1e9};
constexpr FieldRange kPhaseAngle{-180, 180};

constexpr FieldRow kBetaFields[] = {
    {Field::Bore, "Bore", "Cylinder", "Bore", "60", FieldKind::Real, "Bore", "mm", kLength},
    {Field::DisplacerStroke, "DisplacerStroke", "Displacer", "Stroke", "30", FieldKind::Real,
     "Displacer stroke", "mm", kLength},
    {Field::PistonStroke, "PistonStroke", "Piston", "Stroke", "30", FieldKind::Real,
     "Piston stroke", "mm", kLength},
    {Field::PhaseAngle, "PhaseAngle", "Phase", "Angle", "90", FieldKind::Whole, "Phase angle",
     "degrees", kPhaseAngle},
    {Field::HotTemp, "HotTemp", "Hot", "Temp", "400", FieldKind::Real, "Hot temperature",
     "degrees C", kCelsius},
    {Field::HotDeadVolume, "HotDeadVolume", "Hot", "DeadVolume", "20", FieldKind::Real,
     "Hot dead volume", "cm3", kVolume},
    {Field::RegeneratorVolume, "RegeneratorVolume", "Regenerator", "Volume", "20", FieldKind::Real,
     "Regenerator volume", "cm3", kVolume},
    {Field::ColdTemp, "ColdTemp", "Cold", "Temp", "30", FieldKind::Real, "Cold temperature",
     "degrees C", kCelsius},
    {Field::ColdDeadVolume, "ColdDeadVolume", "Cold", "DeadVolume", "20", FieldKind::Real,
     "Cold dead volume", "cm3", kVolume},
    {Field::MeanPressure, "MeanPressure", "Gas", "MeanPressure", "500", FieldKind::Real,
     "Mean pressure", "kPa", kPressure},
    {Field::Speed, "Speed", "Crank", "Speed", "600", FieldKind::Real, "Speed", "rpm", kSpeed},
    CommonRow(Field::Phase)};

// Equal ends are allowed (no work, the regenerator at their temperature); a
// cold end hotter than the hot end is a heat pump, not this engine.
constexpr FieldOrder kBetaOrders[] = {
    {Field::ColdTemp, Field::HotTemp, false,
     "Cold temperature must not be above the hot temperature"},
};

// The sliders follow texts that are whole numbers; a temperature with
// decimals leaves its slider where it was.
void FollowSliders(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    if (!setTrackBar)
        return;
    if (std::optional<int> hot = HotTempSliderPositionOf(host))
        setTrackBar(TrackBar::HotTempTB, *hot);
    if (std::optional<int> phase = WholeNumberOf(host, Field::PhaseAngle))
        setTrackBar(TrackBar::PhaseOffsetTB, *phase);
}

} // namespace

const ParameterTable& BetaFields() {
    static const ParameterTable table("Beta", kBetaFields, FollowSliders, kBetaOrders);
    return table;
}

} // namespace kelvane
