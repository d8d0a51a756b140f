#pragma once

#include "foundations/ParameterTable.h"

namespace kelvane {

// The Gamma engine's fields: the eight stored parameters in settings-file
// order, then the crank angle.
const ParameterTable& GammaFields();

} // namespace kelvane
