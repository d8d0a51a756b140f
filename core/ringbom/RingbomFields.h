#pragma once

#include "foundations/ParameterTable.h"

namespace kelvane {

// The Ringbom engine's fields: the eight stored dimensions and temperatures
// and the two check boxes in settings-file order, then the crank angle.
const ParameterTable& RingbomFields();

} // namespace kelvane
