#include "RingbomFields.h"

#include "foundations/CommonFieldRows.h"
#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kRingbomFields[] = {
    CommonRow(Field::HotTemp),
    CommonRow(Field::ColdTemp),
    CommonRow(Field::DispCylHeight),
    CommonRow(Field::DispCylDiameter),
    CommonRow(Field::DispHeight),
    {Field::DPistonDiameter, "DPistonDiameter", "Displacer", "PDiameter", "10", FieldKind::Real,
     "Displacer rod diameter", "", kLength},
    CommonRow(Field::PistonDiameter),
    CommonRow(Field::PistonThrow),
    {Field::StripChartCB, "StripChartCB", "StripChart", "Enabled", "Y", FieldKind::CheckBox},
    {Field::AllDataCB, "AllDataCB", "AllData", "Enabled", "Y", FieldKind::CheckBox},
    CommonRow(Field::Phase),
};

// The rod runs through the cold space: wider than the cylinder, it would make
// that space's volume negative whenever the displacer is off its top stop.
// As wide as the cylinder it fills the space, which the model can still take.
constexpr FieldOrder kRingbomOrders[] = {
    kDisplacerOrders[0],
    {Field::DPistonDiameter, Field::DispCylDiameter, false,
     "Displacer rod diameter must not be more than the displacer cylinder diameter"},
};

// Only the hot slider follows; a hot text that is not a whole number leaves it.
void FollowHotTemp(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    int hot = 0;
    if (setTrackBar && TryStrToInt(host.FieldText(Field::HotTemp), hot))
        setTrackBar(TrackBar::HotTempTB, HotTempSliderPosition(hot));
}

} // namespace

const ParameterTable& RingbomFields() {
    static const ParameterTable table("Ringbom", kRingbomFields, FollowHotTemp, kRingbomOrders);
    return table;
}

} // namespace kelvane
