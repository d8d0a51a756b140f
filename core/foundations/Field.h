#pragma once

#include "Message.h"

#include <string>

namespace kelvane {

// Every input control an engine reads or writes. One enumerator per control
// name, shared by the engines that have the control, so that code common to
// two engines (the hot-temperature slider, the crank angle) addresses the same
// field in each. Which fields an engine has, with their names, settings keys
// and defaults, is its field table (<Engine>Fields, beside the engine).
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
    Bore,
    DisplacerStroke,
    PistonStroke,
    PhaseAngle,
    HotDeadVolume,
    RegeneratorVolume,
    ColdDeadVolume,
    MeanPressure,
    Speed,
};
inline constexpr int kFieldCount = static_cast<int>(Field::Speed) + 1;

constexpr int Index(Field f) {
    return static_cast<int>(f);
}

// How an engine reads a field's text.
enum class FieldKind {
    Real,     // MyStrToReal with a default
    Whole,    // the strict whole-number conversion
    CheckBox, // ticked or not; stored as "Y"/"N"
};

// The values an engine can use of a field: beyond them it would divide by
// zero, overflow, or quietly change the text (see FieldRow).
struct FieldRange {
    double lowest = -1e300;
    double highest = 1e300;
};

// Lengths are in the user's own unit; from a thousandth to a million keeps
// every volume and pressure of the models well within a double.
inline constexpr FieldRange kLength{0.001, 1e6};
// Above the models' absolute zero (see WholeFtoK).
inline constexpr FieldRange kTemperature{-470, 1e300};
inline constexpr FieldRange kAnyValue{};

// One row of an engine's field table.
struct FieldRow {
    Field id;
    const char* control; // the control's name, as shown, stored and typed in --set
    // Settings-file section after the engine's name ("Hot" for "<Engine>Hot"); ""
    // for a field that is not stored. A table's rows carry the whole name.
    const char* section;
    const char* key;         // settings-file key
    const char* defaultText; // the text a missing settings file gives ("Y"/"N" for check boxes)
    FieldKind kind;
    const char* label = ""; // as a message to the user names it: "Hot temperature"
    const char* unit = "";  // of a whole number, in messages: "degrees F"
    FieldRange range = kAnyValue;

    constexpr bool Stored() const { return section[0] != '\0'; }
    constexpr bool IsCheckBox() const { return kind == FieldKind::CheckBox; }
};

// Two fields whose values must stand in order: lower below higher (or equal,
// unless strict). A broken order marks the lower field.
struct FieldOrder {
    Field lower;
    Field higher;
    bool strict;
    const char* message;
};

enum class FieldFault { NotANumber, NotAWholeNumber, OutOfRange, OutOfOrder };

// A field whose text the engine cannot use, and what the user should be told.
struct FieldProblem {
    FieldProblem(Field f, FieldFault k, Message w)
        : field(f), fault(k), wording(std::move(w)), message(wording.English()) {}

    Field field;
    FieldFault fault;
    Message wording;     // as a window translates it: "%1 must be a whole number of %2"
    std::string message; // its English: "Hot temperature must be a whole number of degrees F"
};

// The sliders that follow a field's text.
enum class TrackBar { HotTempTB, PhaseOffsetTB };

} // namespace kelvane
