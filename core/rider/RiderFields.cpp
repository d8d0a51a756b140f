#include "RiderFields.h"

#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

constexpr FieldRow kRiderFields[] = {
    {Field::HotTemp, "HotTemp", "RiderHot", "Temp", "300", FieldKind::Whole},
    {Field::HotStrokeMin, "HotStrokeMin", "RiderHot", "StrokeMin", "0", FieldKind::Whole},
    {Field::HotStrokeMax, "HotStrokeMax", "RiderHot", "StrokeMax", "50", FieldKind::Whole},
    {Field::ColdTemp, "ColdTemp", "RiderCold", "Temp", "100", FieldKind::Whole},
    {Field::ColdStrokeMin, "ColdStrokeMin", "RiderCold", "StrokeMin", "0", FieldKind::Whole},
    {Field::ColdStrokeMax, "ColdStrokeMax", "RiderCold", "StrokeMax", "100", FieldKind::Whole},
    {Field::PhaseOffset, "PhaseOffset", "RiderBoth", "PhaseOffset", "90", FieldKind::Whole},
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole},
};

constexpr int kLowestStroke = 5;
constexpr int kHighestStroke = 100;

void RaiseTo(EngineHost& host, Field field, int lowest) {
    if (StrToInt(host.FieldText(field)) < lowest)
        host.SetFieldText(field, IntToStr(lowest));
}

void LowerTo(EngineHost& host, Field field, int highest) {
    if (StrToInt(host.FieldText(field)) > highest)
        host.SetFieldText(field, IntToStr(highest));
}

void FollowSlidersThenStrokes(EngineHost& host, const ParameterTable::TrackBarSetter& setTrackBar) {
    FollowHotTempAndPhaseOffset(host, setTrackBar);
    BringStrokeLimitsIntoRange(host);
}

} // namespace

void BringStrokeLimitsIntoRange(EngineHost& host) {
    RaiseTo(host, Field::HotStrokeMin, kLowestStroke);
    LowerTo(host, Field::HotStrokeMax, kHighestStroke);
    RaiseTo(host, Field::ColdStrokeMin, kLowestStroke);
    LowerTo(host, Field::ColdStrokeMax, kHighestStroke);
}

const ParameterTable& ParameterTable::Rider() {
    static const ParameterTable table(kRiderFields, FollowSlidersThenStrokes);
    return table;
}

} // namespace kelvane
