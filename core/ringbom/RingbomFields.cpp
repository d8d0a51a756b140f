#include "RingbomFields.h"

#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kRingbomFields[] = {
    {Field::HotTemp, "HotTemp", "RingbomHot", "Temp", "300", FieldKind::Whole},
    {Field::ColdTemp, "ColdTemp", "RingbomCold", "Temp", "100", FieldKind::Whole},
    {Field::DispCylHeight, "DispCylHeight", "RingbomDisplacerCylinder", "Height", "100",
     FieldKind::Real},
    {Field::DispCylDiameter, "DispCylDiameter", "RingbomDisplacerCylinder", "Diameter", "100",
     FieldKind::Real},
    {Field::DispHeight, "DispHeight", "RingbomDisplacer", "Height", "60", FieldKind::Real},
    {Field::DPistonDiameter, "DPistonDiameter", "RingbomDisplacer", "PDiameter", "10",
     FieldKind::Real},
    {Field::PistonDiameter, "PistonDiameter", "RingbomPiston", "Diameter", "30", FieldKind::Real},
    {Field::PistonThrow, "PistonThrow", "RingbomPiston", "Throw", "60", FieldKind::Real},
    {Field::StripChartCB, "StripChartCB", "RingbomStripChart", "Enabled", "Y", FieldKind::CheckBox},
    {Field::AllDataCB, "AllDataCB", "RingbomAllData", "Enabled", "Y", FieldKind::CheckBox},
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole},
};

// Only the hot slider follows; a hot text that is not a whole number leaves it.
void FollowHotTemp(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    int hot = 0;
    if (setTrackBar && TryStrToInt(host.FieldText(Field::HotTemp), hot))
        setTrackBar(TrackBar::HotTempTB, HotTempSliderPosition(hot));
}

} // namespace

const ParameterTable& ParameterTable::Ringbom() {
    static const ParameterTable table(kRingbomFields, FollowHotTemp);
    return table;
}

} // namespace kelvane
