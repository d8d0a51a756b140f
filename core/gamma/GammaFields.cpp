#include "GammaFields.h"

#include "foundations/CommonFieldRows.h"
#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kGammaFields[] = {CommonRow(Field::HotTemp),
                                     CommonRow(Field::ColdTemp),
                                     CommonRow(Field::DispCylHeight),
                                     CommonRow(Field::DispCylDiameter),
                                     CommonRow(Field::DispHeight),
                                     CommonRow(Field::PistonDiameter),
                                     CommonRow(Field::PistonThrow),
                                     {Field::PhaseOffset, "PhaseOffset", "Phase", "Offset", "90",
                                      FieldKind::Whole, "Phase offset", "degrees", kAnyValue},
                                     CommonRow(Field::Phase)};

} // namespace

const ParameterTable& GammaFields() {
    static const ParameterTable table("Gamma", kGammaFields, FollowHotTempAndPhaseOffset,
                                      kDisplacerOrders);
    return table;
}

} // namespace kelvane
