#include "RiderPicture.h"

#include "RiderEngine.h"
#include "common/CutawayPicture.h"
#include "foundations/Conversions.h"

#include <algorithm>

namespace kelvane {

namespace {

// Picture rows far outside the picture only need to stay outside it.
int PixelRow(double v) {
    return static_cast<int>(std::clamp<long long>(RoundHalfEven(v), -1000000, 1000000));
}

} // namespace

void RiderPicture::Draw(const RiderEngine& engine, Canvas& canvas) {
    if (!engine.enable)
        return;
    ClearPicture(canvas);

    static constexpr int lines[8][4] = {
        {20, 20, 120, 20},   {20, 20, 20, 130},   {120, 25, 120, 130}, {130, 20, 230, 20},
        {130, 25, 130, 130}, {230, 20, 230, 130}, {120, 20, 130, 20},  {120, 25, 130, 25},
    };
    for (const auto& l : lines) {
        canvas.MoveTo(l[0], l[1]);
        canvas.LineTo(l[2], l[3]);
    }

    canvas.SetBrushColor(clRed);
    int k = PixelRow(engine.hotPos + 20);
    canvas.FillRect(21, k + 1, 120, k + 40);
    canvas.SetBrushColor(clBlue);
    k = PixelRow(engine.coldPos + 20);
    canvas.FillRect(131, k + 1, 230, k + 40);
}

} // namespace kelvane
