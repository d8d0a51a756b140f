#pragma once

#include "Field.h"

#include <stdexcept>

namespace kelvane {

// Rows that more than one engine's field table holds, alike in all but the
// engine's name before the section (each table puts its engine's name before "Hot").
inline constexpr FieldRow kCommonRows[] = {
    {Field::HotTemp, "HotTemp", "Hot", "Temp", "300", FieldKind::Whole, "Hot temperature",
     "degrees F", kTemperature},
    {Field::ColdTemp, "ColdTemp", "Cold", "Temp", "100", FieldKind::Whole, "Cold temperature",
     "degrees F", kTemperature},
    // The dimensions of the engines with a displacer and one power piston.
    {Field::DispCylHeight, "DispCylHeight", "DisplacerCylinder", "Height", "100", FieldKind::Real,
     "Displacer cylinder height", "", kLength},
    {Field::DispCylDiameter, "DispCylDiameter", "DisplacerCylinder", "Diameter", "100",
     FieldKind::Real, "Displacer cylinder diameter", "", kLength},
    {Field::DispHeight, "DispHeight", "Displacer", "Height", "60", FieldKind::Real,
     "Displacer height", "", kLength},
    {Field::PistonDiameter, "PistonDiameter", "Piston", "Diameter", "30", FieldKind::Real,
     "Piston diameter", "", kLength},
    {Field::PistonThrow, "PistonThrow", "Piston", "Throw", "60", FieldKind::Real, "Piston throw",
     "", kLength},
    // The crank angle: read by every engine, stored by none.
    {Field::Phase, "Phase", "", "", "0", FieldKind::Whole, "Crank angle", "degrees", kAnyValue},
};

// A table that names a field without a common row does not compile.
constexpr FieldRow CommonRow(Field id) {
    for (const FieldRow& row : kCommonRows) {
        if (row.id == id)
            return row;
    }
    throw std::logic_error("no common row for this field");
}

// A displacer as high as its cylinder would leave it no room to move.
inline constexpr FieldOrder kDisplacerOrders[] = {
    {Field::DispHeight, Field::DispCylHeight, true,
     "Displacer height must be less than the displacer cylinder height"},
};

} // namespace kelvane
