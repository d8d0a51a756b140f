#include "RingbomFields.h"

#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kRingbomFields[] = {
    {Field::HotTemp, "HotTemp", "RingbomHot", "Temp", "300", FieldKind::Whole, "Hot temperature",
     "degrees F", kTemperature},
    {Field::ColdTemp, "ColdTemp", "RingbomCold", "Temp", "100", FieldKind::Whole,
     "Cold temperature", "degrees F", kTemperature},
    {Field::DispCylHeight, "DispCylHeight", "RingbomDisplacerCylinder", "Height", "100",
     FieldKind::Real, "Displacer cylinder height", "", kLength},
    {Field::DispCylDiameter, "DispCylDiameter", "RingbomDisplacerCylinder", "Diameter", "100",
     FieldKind::Real, "Displacer cylinder diameter", "", kLength},
    {Field::DispHeight, "DispHeight", "RingbomDisplacer", "Height", "60", FieldKind::Real,
     "Displacer height", "", kLength},
    {Field::DPistonDiameter, "DPistonDiameter", "RingbomDisplacer", "PDiameter", "10",
     FieldKind::Real, "Displacer rod diameter", "", kLength},
    {Field::PistonDiameter, "PistonDiameter", "RingbomPiston", "Diameter", "30", FieldKind::Real,
     "Piston diameter", "", kLength},
    {Field::PistonThrow, "PistonThrow", "RingbomPiston", "Throw", "60", FieldKind::Real,
     "Piston throw", "", kLength},
    {Field::StripChartCB, "StripChartCB", "RingbomStripChart", "Enabled", "Y", FieldKind::CheckBox},
    {Field::AllDataCB, "AllDataCB", "RingbomAllData", "Enabled", "Y", FieldKind::CheckBox},
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole, "Crank angle", "degrees", kAnyValue},
};

// A displacer as high as its cylinder would leave it no room to move.
constexpr FieldOrder kRingbomOrders[] = {
    {Field::DispHeight, Field::DispCylHeight, true,
     "Displacer height must be less than the displacer cylinder height"},
};

// Only the hot slider follows; a hot text that is not a whole number leaves it.
void FollowHotTemp(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    int hot = 0;
    if (setTrackBar && TryStrToInt(host.FieldText(Field::HotTemp), hot))
        setTrackBar(TrackBar::HotTempTB, HotTempSliderPosition(hot));
}

} // namespace

const ParameterTable& ParameterTable::Ringbom() {
    static const ParameterTable table(kRingbomFields, FollowHotTemp, kRingbomOrders);
    return table;
}

} // namespace kelvane
