#pragma once

#include "foundations/Canvas.h"

namespace kelvane {

class RiderEngine;

// The cut-away picture of the two-piston engine: the hot cylinder on the left
// and the cold one on the right, joined at their heads, with a red and a blue
// piston at their current distances below the heads.
class RiderPicture {
  public:
    // Draws the engine's current state over the whole canvas; nothing while
    // the engine is not enabled.
    static void Draw(const RiderEngine& engine, Canvas& canvas);
};

} // namespace kelvane
