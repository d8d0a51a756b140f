#pragma once

namespace kelvane {

// Every input control an engine reads or writes. One enumerator per control
// name, shared by the engines that have the control, so that code common to
// two engines (the hot-temperature slider, the crank angle) addresses the same
// field in each. Which fields an engine has, with their names, settings keys
// and defaults, is its field table (GammaFields, RingbomFields, RiderFields).
enum class Field : int {
    HotTemp,
    ColdTemp,
    DispCylHeight,
    DispCylDiameter,
    DispHeight,
    DPistonDiameter,
    PistonDiameter,
    PistonThrow,
    PhaseOffset,
    Phase,
    HotStrokeMin,
    HotStrokeMax,
    ColdStrokeMin,
    ColdStrokeMax,
    StripChartCB,
    AllDataCB,
};
inline constexpr int kFieldCount = static_cast<int>(Field::AllDataCB) + 1;

constexpr int Index(Field f) {
    return static_cast<int>(f);
}

// How an engine reads a field's text.
enum class FieldKind {
    Real,     // MyStrToReal with a default
    Whole,    // the strict whole-number conversion
    CheckBox, // ticked or not; stored as "Y"/"N"
};

// One row of an engine's field table.
struct FieldRow {
    Field id;
    const char* control;     // the control's name, as shown, stored and typed in --set
    const char* section;     // settings-file section; "" for a field that is not stored
    const char* key;         // settings-file key
    const char* defaultText; // the text a missing settings file gives ("Y"/"N" for check boxes)
    FieldKind kind;

    constexpr bool Stored() const { return section[0] != '\0'; }
    constexpr bool IsCheckBox() const { return kind == FieldKind::CheckBox; }
};

// The sliders that follow a field's text.
enum class TrackBar { HotTempTB, PhaseOffsetTB };

} // namespace kelvane
