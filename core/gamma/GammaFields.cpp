#include "GammaFields.h"

#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kGammaFields[] = {
    {Field::HotTemp, "HotTemp", "GammaHot", "Temp", "300", FieldKind::Whole, "Hot temperature",
     "degrees F", kTemperature},
    {Field::ColdTemp, "ColdTemp", "GammaCold", "Temp", "100", FieldKind::Whole, "Cold temperature",
     "degrees F", kTemperature},
    {Field::DispCylHeight, "DispCylHeight", "GammaDisplacerCylinder", "Height", "100",
     FieldKind::Real, "Displacer cylinder height", "", kLength},
    {Field::DispCylDiameter, "DispCylDiameter", "GammaDisplacerCylinder", "Diameter", "100",
     FieldKind::Real, "Displacer cylinder diameter", "", kLength},
    {Field::DispHeight, "DispHeight", "GammaDisplacer", "Height", "60", FieldKind::Real,
     "Displacer height", "", kLength},
    {Field::PistonDiameter, "PistonDiameter", "GammaPiston", "Diameter", "30", FieldKind::Real,
     "Piston diameter", "", kLength},
    {Field::PistonThrow, "PistonThrow", "GammaPiston", "Throw", "60", FieldKind::Real,
     "Piston throw", "", kLength},
    {Field::PhaseOffset, "PhaseOffset", "GammaPhase", "Offset", "90", FieldKind::Whole,
     "Phase offset", "degrees", kAnyValue},
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole, "Crank angle", "degrees", kAnyValue},
};

// A displacer as high as its cylinder would leave it no room to move.
constexpr FieldOrder kGammaOrders[] = {
    {Field::DispHeight, Field::DispCylHeight, true,
     "Displacer height must be less than the displacer cylinder height"},
};

} // namespace

const ParameterTable& ParameterTable::Gamma() {
    static const ParameterTable table(kGammaFields, FollowHotTempAndPhaseOffset, kGammaOrders);
    return table;
}

} // namespace kelvane
