#include "ringbom/RingbomPicture.h"
#include "EngineRig.h"
#include "ringbom/RingbomFields.h"

#include "foundations/RasterCanvas.h"

#include <gtest/gtest.h>

using namespace kelvane;
using kelvane::test::RingbomRig;

namespace {

constexpr TColor kUntouched = 0x123456;

// The default engine after one step, with the displacer and piston placed by hand.
RasterCanvas Draw(RingbomRig& rig, double dispPos, double pistonPos) {
    rig.Tick();
    RingbomModel model = rig.engine.State();
    model.dispPos = dispPos;
    model.pistonPos = pistonPos;
    RasterCanvas canvas(RingbomEngine::kPictureWidth, RingbomEngine::kPictureHeight, kUntouched);
    RingbomPicture::Draw(model, canvas);
    return canvas;
}

struct Px {
    int x, y;
    TColor c;
};

} // namespace

// Default dimensions at 182 x 183: scale 143 / 190, base line at y = 163.
TEST(RingbomPicture, DefaultEngineWithTheDisplacerAtItsUpperStop) {
    RingbomRig rig;
    RasterCanvas c = Draw(rig, 40, 30);
    const Px expected[] = {
        // displacer cylinder: red hot end at 165, blue cold end at 87, walls at 20 and 95
        {20, 165, clRed},
        {94, 165, clRed},
        {95, 165, clBlack},
        {95, 88, clBlack},
        {95, 87, clBlue},
        {62, 87, clBlue},
        {20, 164, clBlack},
        {20, 166, clWhite},
        // displacer body (23, 89) .. (92, 132)
        {23, 132, clBlack},
        {91, 132, clBlack},
        {92, 90, clBlack},
        {24, 89, clBlack},
        {23, 131, clBlack},
        {60, 110, clWhite},
        {22, 110, clWhite},
        {93, 110, clWhite},
        // rod from x 53 to 61, y 89 up to 29, through an opening in the top
        {53, 29, clBlack},
        {61, 88, clBlack},
        {57, 29, clBlack},
        {57, 28, clWhite},
        {57, 60, clWhite},
        {54, 87, clWhite},
        {60, 87, clWhite},
        {53, 87, clBlack},
        {61, 87, clBlack},
        // piston cylinder: walls at 20 and 43 from 87 up to 19, opening 21 .. 43, no top
        {20, 19, clBlack},
        {20, 86, clBlack},
        {43, 87, clBlack},
        {43, 20, clBlack},
        {43, 19, clWhite},
        {21, 87, clWhite},
        {42, 87, clWhite},
        {30, 19, clWhite},
        {20, 18, clWhite},
        // piston fills (21, 43) .. (43, 66)
        {21, 43, clLime},
        {42, 65, clLime},
        {30, 42, clWhite},
        {30, 66, clWhite},
        // blanked
        {0, 0, clWhite},
        {181, 182, clWhite},
        {150, 100, clWhite},
    };
    for (const Px& p : expected)
        EXPECT_EQ(c.Pixel(p.x, p.y), p.c) << p.x << "," << p.y;
}

TEST(RingbomPicture, DisplacerOnTheHotEnd) {
    RingbomRig rig;
    RasterCanvas c = Draw(rig, 0, 0);
    // The body's bottom edge lies one pixel above the base line, three above the red line.
    EXPECT_EQ(c.Pixel(50, 162), clBlack);
    EXPECT_EQ(c.Pixel(50, 163), clWhite);
    EXPECT_EQ(c.Pixel(50, 164), clWhite);
    EXPECT_EQ(c.Pixel(50, 165), clRed);
    // Top edge: 163 - R(60) + 1 = 119.
    EXPECT_EQ(c.Pixel(50, 119), clBlack);
    EXPECT_EQ(c.Pixel(50, 118), clWhite);
}

TEST(RingbomPicture, NothingIsDrawnBeforeTheWindowIsShown) {
    MapHost host(RingbomFields());
    RingbomEngine engine(host);
    RasterCanvas c(182, 183, kUntouched);
    engine.ShowEngine(c);
    EXPECT_EQ(c.Pixel(0, 0), kUntouched);
    EXPECT_EQ(c.Pixel(90, 90), kUntouched);
}

TEST(RingbomPicture, NoDimensionsLeavesABlankPicture) {
    MapHost host(RingbomFields());
    RingbomEngine engine(host);
    engine.enable = true; // shown, but no step has read the dimensions yet
    RasterCanvas c(182, 183, kUntouched);
    engine.ShowEngine(c);
    for (TColor px : c.Pixels())
        ASSERT_EQ(px, clWhite);
}

TEST(RingbomPicture, ZeroCylinderDiameterScalesByHeightAlone) {
    RingbomRig rig;
    rig.host.Put(Field::DispCylDiameter, "0");
    RasterCanvas c = Draw(rig, 0, 30);
    // The cylinder collapses onto x = 20 but the piston cylinder keeps its width.
    EXPECT_EQ(c.Pixel(20, 165), clBlack);
    EXPECT_EQ(c.Pixel(43, 50), clBlack);
    EXPECT_EQ(c.Pixel(30, 50), clLime);
}

struct Dimensions {
    const char* cylHeight;
    const char* cylDiameter;
    const char* dispHeight;
    const char* rodDiameter;
    const char* pistonDiameter;
    const char* pistonThrow;
};

// Whatever the accepted dimensions, with the displacer at either stop, the
// drawing stays off the canvas's edges: nothing runs out of the picture.
TEST(RingbomPicture, EveryAcceptedSizeStaysInsideThePicture) {
    const Dimensions cases[] = {
        {"200", "100", "60", "10", "30", "60"}, // a rod longer than the piston's stack
        {"1000000", "100", "0.001", "10", "30", "60"},
        {"100", "100", "60", "300", "30", "60"}, // a rod wider than its cylinder
        {"100", "100", "60", "10", "400", "60"}, // a piston wider than the cylinder
        {"0.001", "1000000", "0.0005", "1000000", "0.001", "0.001"},
    };
    for (const Dimensions& d : cases) {
        for (double stop : {0.0, 1.0}) {
            RingbomRig rig;
            rig.Put(Field::DispCylHeight, d.cylHeight);
            rig.Put(Field::DispCylDiameter, d.cylDiameter);
            rig.Put(Field::DispHeight, d.dispHeight);
            rig.Put(Field::DPistonDiameter, d.rodDiameter);
            rig.Put(Field::PistonDiameter, d.pistonDiameter);
            rig.Put(Field::PistonThrow, d.pistonThrow);
            rig.Tick();
            const RingbomModel& m = rig.engine.State();
            RasterCanvas c = Draw(rig, stop * m.dispTh, stop * m.pistonTh);
            const int w = c.Width(), h = c.Height();
            for (int x = 0; x < w; ++x) {
                ASSERT_EQ(c.Pixel(x, 0), clWhite)
                    << d.cylHeight << " " << d.rodDiameter << " " << stop << " x=" << x;
                ASSERT_EQ(c.Pixel(x, h - 1), clWhite) << d.cylHeight << " x=" << x;
            }
            for (int y = 0; y < h; ++y) {
                ASSERT_EQ(c.Pixel(0, y), clWhite)
                    << d.rodDiameter << " " << d.pistonDiameter << " y=" << y;
                ASSERT_EQ(c.Pixel(w - 1, y), clWhite)
                    << d.rodDiameter << " " << d.pistonDiameter << " y=" << y;
            }
        }
    }
}
