#pragma once

#include "foundations/ParameterTable.h"

namespace kelvane {

// The two-piston engine's fields: the seven stored parameters in
// settings-file order, then the crank angle. All are whole numbers.
const ParameterTable& RiderFields();

// A stroke minimum below 5 becomes "5" and a maximum above 100 becomes "100",
// hot stroke first: a minimum of 0 would put a piston on its cylinder head.
// A text that is not a whole number throws EConvertError.
void BringStrokeLimitsIntoRange(EngineHost& host);

} // namespace kelvane
