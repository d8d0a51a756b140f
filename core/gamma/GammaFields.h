#pragma once

#include "foundations/ParameterTable.h"

namespace kelvane {

// The Gamma engine's fields: the eight stored parameters in settings-file
// order, then the crank angle.
inline const ParameterTable& GammaFields() {
    return ParameterTable::Gamma();
}

} // namespace kelvane
