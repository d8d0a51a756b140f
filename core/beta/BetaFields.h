#pragma once

#include "foundations/ParameterTable.h"

namespace kelvane {

// The Beta engine's fields: the eleven stored parameters in settings-file
// order, then the crank angle. Lengths in mm, volumes in cm3, temperatures in
// degrees C, the mean pressure in kPa and the speed in rpm.
const ParameterTable& BetaFields();

} // namespace kelvane
