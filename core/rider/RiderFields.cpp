#include "RiderFields.h"

#include "foundations/CommonFieldRows.h"
#include "foundations/SliderMath.h"

namespace kelvane {

namespace {

// The stroke limits a loaded file is brought into (see BringStrokeLimitsIntoRange).
constexpr int kLowestStroke = 5;
constexpr int kHighestStroke = 100;
constexpr FieldRange kStroke{kLowestStroke, kHighestStroke};

constexpr FieldRow kRiderFields[] = {
    CommonRow(Field::HotTemp),
    {Field::HotStrokeMin, "HotStrokeMin", "Hot", "StrokeMin", "0", FieldKind::Whole,
     "Hot stroke minimum", "", kStroke},
    {Field::HotStrokeMax, "HotStrokeMax", "Hot", "StrokeMax", "50", FieldKind::Whole,
     "Hot stroke maximum", "", kStroke},
    CommonRow(Field::ColdTemp),
    {Field::ColdStrokeMin, "ColdStrokeMin", "Cold", "StrokeMin", "0", FieldKind::Whole,
     "Cold stroke minimum", "", kStroke},
    {Field::ColdStrokeMax, "ColdStrokeMax", "Cold", "StrokeMax", "100", FieldKind::Whole,
     "Cold stroke maximum", "", kStroke},
    {Field::PhaseOffset, "PhaseOffset", "Both", "PhaseOffset", "90", FieldKind::Whole,
     "Phase offset", "degrees", kAnyValue},
    CommonRow(Field::Phase),
};

constexpr FieldOrder kRiderOrders[] = {
    {Field::HotStrokeMin, Field::HotStrokeMax, false,
     "Hot stroke minimum must not be above the hot stroke maximum"},
    {Field::ColdStrokeMin, Field::ColdStrokeMax, false,
     "Cold stroke minimum must not be above the cold stroke maximum"},
};

// A text that is not a whole number is left for the input check to mark.
void RaiseTo(EngineHost& host, Field field, int lowest) {
    int value = 0;
    if (TryStrToInt(host.FieldText(field), value) && value < lowest)
        host.SetFieldText(field, IntToStr(lowest));
}

void LowerTo(EngineHost& host, Field field, int highest) {
    int value = 0;
    if (TryStrToInt(host.FieldText(field), value) && value > highest)
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

const ParameterTable& RiderFields() {
    static const ParameterTable table("Rider", kRiderFields, FollowSlidersThenStrokes,
                                      kRiderOrders);
    return table;
}

} // namespace kelvane
