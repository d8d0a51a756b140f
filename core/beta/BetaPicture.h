#pragma once

#include "foundations/Canvas.h"

namespace kelvane {

class BetaEngine;

// The cut-away picture of the Beta engine: one upright cylinder with its red
// hot end at the top and blue cooled walls lower down, the displacer (grey)
// above the power piston (lime), each on its rod to its own crank pin, and
// the regenerator (hatched) in the duct from the hot end to the cold space.
// Heights follow the model: the gap between displacer and piston is the
// swept part of the cold space, so at one angle they touch.
class BetaPicture {
  public:
    // Draws the state at the crank angle shown; nothing before an analysis.
    static void Draw(const BetaEngine& engine, Canvas& canvas);
};

} // namespace kelvane
