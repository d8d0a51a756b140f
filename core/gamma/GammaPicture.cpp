#include "GammaPicture.h"

#include "GammaEngine.h"
#include "common/CutawayPicture.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

void GammaPicture::Draw(const GammaEngine& e, Canvas& c) {
    if (!e.enable)
        return;
    ClearPicture(c);
    const double maxH = e.dispCylHt + e.pistonHt + e.pistonTh;
    const double maxW = e.dispCylDiam;
    const double vScale = (c.Height() - 40) / maxH;
    const double hScale = (c.Width() - 40) / maxW;
    const double scale = hScale < vScale ? hScale : vScale;
    // Dimensions never accepted by the model (all zero at start) give no scale.
    if (!std::isfinite(scale))
        return;
    CutawayPicture picture(c,
                           {e.dispCylDiam, e.dispCylHt, e.dispHt, e.State().dispPos, e.pistonDiam,
                            e.pistonTh, e.State().pistonPos},
                           scale);
    picture.DrawCylinderAndDisplacer();
    picture.DrawPistonCylinderAndPiston();
}

} // namespace kelvane
