#pragma once

#include "foundations/Canvas.h"

namespace kelvane {

class GammaEngine;

// The cut-away picture of the Gamma engine: the displacer cylinder with its
// red hot bottom and blue cold top, the displacer, the open-topped piston
// cylinder on the left of the cylinder top and the piston as a lime block.
class GammaPicture {
  public:
    // Draws the engine's current state over the whole canvas; nothing while
    // the engine is not enabled.
    static void Draw(const GammaEngine& engine, Canvas& canvas);
};

} // namespace kelvane
