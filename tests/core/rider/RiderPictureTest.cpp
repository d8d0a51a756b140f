#include "EngineRig.h"
#include "foundations/RasterCanvas.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::RiderRig;

constexpr TColor kOld = 0x123456;

RasterCanvas Draw(RiderRig& t, const char* phase) {
    t.Put(Field::Phase, phase);
    t.engine.CalcEngine(false);
    RasterCanvas canvas(RiderEngine::kPictureWidth, RiderEngine::kPictureHeight, kOld);
    t.engine.ShowEngine(canvas);
    return canvas;
}

// The colour of every pixel of a rectangle [x1, x2] x [y1, y2], or 0xFFFFFFFF if mixed.
TColor Uniform(const RasterCanvas& c, int x1, int y1, int x2, int y2) {
    TColor first = c.Pixel(x1, y1);
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (c.Pixel(x, y) != first)
                return 0xFFFFFFFF;
    return first;
}

TEST(RiderPicture, PistonBlocksAtAngleZero) {
    RiderRig t;
    RasterCanvas c = Draw(t, "0");
    EXPECT_EQ(Uniform(c, 21, 49, 119, 87), clRed);
    EXPECT_EQ(c.Pixel(21, 48), clWhite);
    EXPECT_EQ(c.Pixel(21, 88), clWhite);
    EXPECT_EQ(c.Pixel(120, 60), clBlack); // inner wall, not painted over
    EXPECT_EQ(Uniform(c, 131, 121, 229, 159), clBlue);
    EXPECT_EQ(c.Pixel(131, 120), clWhite);
    EXPECT_EQ(c.Pixel(131, 160), clWhite);
    EXPECT_EQ(c.Pixel(230, 125), clBlack);
    EXPECT_EQ(c.Pixel(230, 140), clWhite); // the block hangs below the open cylinder
}

TEST(RiderPicture, HotPistonAtItsTopAt270) {
    RiderRig t;
    RasterCanvas c = Draw(t, "270");
    EXPECT_EQ(c.Pixel(60, 25), clWhite);
    EXPECT_EQ(Uniform(c, 21, 26, 119, 64), clRed);
    EXPECT_EQ(c.Pixel(60, 65), clWhite);
}

TEST(RiderPicture, CylindersAndPassage) {
    RiderRig t;
    RasterCanvas c = Draw(t, "0");
    EXPECT_EQ(Uniform(c, 20, 20, 230, 20), clBlack); // both heads and the passage top
    EXPECT_EQ(Uniform(c, 120, 25, 130, 25), clBlack);
    EXPECT_EQ(Uniform(c, 20, 20, 20, 129), clBlack);
    EXPECT_EQ(c.Pixel(20, 130), clWhite); // a line leaves out its end point
    EXPECT_EQ(Uniform(c, 230, 20, 230, 129), clBlack);
    EXPECT_EQ(Uniform(c, 121, 21, 129, 24), clWhite); // the open passage
    EXPECT_EQ(c.Pixel(120, 22), clWhite);
    EXPECT_EQ(c.Pixel(120, 24), clWhite);
}

TEST(RiderPicture, EveryFrameStartsClean) {
    RiderRig t;
    RasterCanvas c = Draw(t, "0");
    t.Put(Field::Phase, "270");
    t.engine.CalcEngine(false);
    t.engine.ShowEngine(c);
    EXPECT_EQ(c.Pixel(150, 150), clWhite); // the earlier cold block is gone
    for (TColor p : c.Pixels())
        EXPECT_TRUE(p == clWhite || p == clBlack || p == clRed || p == clBlue);
}

TEST(RiderPicture, NothingBeforeTheWindowIsReady) {
    RiderRig t;
    t.engine.enable = false;
    RasterCanvas c = Draw(t, "0");
    EXPECT_EQ(Uniform(c, 0, 0, c.Width() - 1, c.Height() - 1), kOld);
}

} // namespace
} // namespace kelvane
