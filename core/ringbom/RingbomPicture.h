#pragma once

#include "foundations/Canvas.h"

namespace kelvane {

struct RingbomModel;

// The cut-away picture of the Ringbom engine: the displacer cylinder with its
// red hot end below and blue cold end on top, the displacer and its rod
// through the top, and the open power piston cylinder above with the piston
// as a lime block.
class RingbomPicture {
  public:
    // Draws the model's last dimensions and positions over the whole canvas.
    static void Draw(const RingbomModel& model, Canvas& canvas);
};

} // namespace kelvane
