#include "GammaFields.h"

#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kGammaFields[] = {
    {Field::HotTemp, "HotTemp", "GammaHot", "Temp", "300", FieldKind::Whole},
    {Field::ColdTemp, "ColdTemp", "GammaCold", "Temp", "100", FieldKind::Whole},
    {Field::DispCylHeight, "DispCylHeight", "GammaDisplacerCylinder", "Height", "100",
     FieldKind::Real},
    {Field::DispCylDiameter, "DispCylDiameter", "GammaDisplacerCylinder", "Diameter", "100",
     FieldKind::Real},
    {Field::DispHeight, "DispHeight", "GammaDisplacer", "Height", "60", FieldKind::Real},
    {Field::PistonDiameter, "PistonDiameter", "GammaPiston", "Diameter", "30", FieldKind::Real},
    {Field::PistonThrow, "PistonThrow", "GammaPiston", "Throw", "60", FieldKind::Real},
    {Field::PhaseOffset, "PhaseOffset", "GammaPhase", "Offset", "90", FieldKind::Whole},
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole},
};

} // namespace

const ParameterTable& ParameterTable::Gamma() {
    static const ParameterTable table(kGammaFields, FollowHotTempAndPhaseOffset);
    return table;
}

} // namespace kelvane
