#include "RiderPicture.h"

#include "RiderEngine.h"
#include "common/CutawayPicture.h"
#include "foundations/Conversions.h"

#include <algorithm>
#include <cmath>

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

    // Drawn at its designed width; a narrower picture (a small window) is
    // drawn narrower, so that both cylinders stay whole.
    const double across = std::min(1.0, canvas.Width() / double(RiderEngine::kPictureWidth));
    const auto x = [across](int v) { return static_cast<int>(std::lround(v * across)); };
    static constexpr int lines[8][4] = {
        {20, 20, 120, 20},   {20, 20, 20, 130},   {120, 25, 120, 130}, {130, 20, 230, 20},
        {130, 25, 130, 130}, {230, 20, 230, 130}, {120, 20, 130, 20},  {120, 25, 130, 25},
    };
    for (const auto& l : lines) {
        canvas.MoveTo(x(l[0]), l[1]);
        canvas.LineTo(x(l[2]), l[3]);
    }

    canvas.SetBrushColor(clRed);
    int k = PixelRow(engine.State().hotPos + 20);
    canvas.FillRect(x(21), k + 1, x(120), k + 40);
    canvas.SetBrushColor(clBlue);
    k = PixelRow(engine.State().coldPos + 20);
    canvas.FillRect(x(131), k + 1, x(230), k + 40);
}

} // namespace kelvane
