#pragma once

namespace kelvane {

// Whether the desktop asks for less motion, as far as it can be told: the
// windows then show their engine at rest and leave the crank to the student.
//
// Qt 6.4 has no reduced-motion hint of its own. On Windows its "general UI
// effects" flag follows the desktop's animation switch; on Linux no platform
// theme sets that flag (it is off everywhere there, whatever the desktop
// says), so it is read only on Windows. KELVANE_REDUCED_MOTION=1 (or 0) asks
// for it (or against it) on any desktop.
bool MotionReduced();

} // namespace kelvane
