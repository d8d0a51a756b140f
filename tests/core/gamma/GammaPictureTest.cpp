#include "GammaFixture.h"

#include "foundations/RasterCanvas.h"

namespace kelvane {
namespace {

class GammaPictureTest : public GammaFixture {
  protected:
    RasterCanvas Draw(int w, int h) {
        RasterCanvas c(w, h, clSilver);
        engine.ShowEngine(c);
        return c;
    }
};

TEST_F(GammaPictureTest, DefaultEngineAtPhaseZero) {
    engine.CalcButtonClick(); // leaves the engine at 0 degrees
    RasterCanvas c = Draw(182, 183);

    // Displacer cylinder: walls at x 20 and 95, blue top on row 87, red bottom on row 165.
    for (int y : {88, 120, 164}) {
        EXPECT_EQ(c.Pixel(20, y), clBlack) << y;
        EXPECT_EQ(c.Pixel(95, y), clBlack) << y;
        EXPECT_EQ(c.Pixel(96, y), clWhite) << y;
    }
    for (int x : {44, 60, 94})
        EXPECT_EQ(c.Pixel(x, 87), clBlue) << x;
    for (int x : {20, 21, 60, 94})
        EXPECT_EQ(c.Pixel(x, 165), clRed) << x;
    EXPECT_EQ(c.Pixel(95, 165), clBlack);
    EXPECT_EQ(c.Pixel(96, 165), clWhite);
    EXPECT_EQ(c.Pixel(60, 166), clWhite);

    // Displacer outline from x 23 to 92 and from row 104 to 147.
    for (int y : {104, 120, 147}) {
        EXPECT_EQ(c.Pixel(23, y), clBlack) << y;
        EXPECT_EQ(c.Pixel(92, y), clBlack) << y;
        EXPECT_EQ(c.Pixel(22, y), clWhite) << y;
        EXPECT_EQ(c.Pixel(93, y), clWhite) << y;
    }
    for (int x : {24, 60, 91}) {
        EXPECT_EQ(c.Pixel(x, 104), clBlack) << x;
        EXPECT_EQ(c.Pixel(x, 147), clBlack) << x;
        EXPECT_EQ(c.Pixel(x, 103), clWhite) << x;
        EXPECT_EQ(c.Pixel(x, 148), clWhite) << x;
    }
    EXPECT_EQ(c.Pixel(60, 125), clWhite);

    // Piston cylinder: walls at x 20 and 43 up to row 19, open top, open passage below.
    EXPECT_EQ(c.Pixel(20, 19), clBlack);
    EXPECT_EQ(c.Pixel(20, 18), clWhite);
    EXPECT_EQ(c.Pixel(43, 20), clBlack);
    EXPECT_EQ(c.Pixel(43, 19), clWhite); // a line leaves out its end point
    EXPECT_EQ(c.Pixel(43, 60), clBlack);
    EXPECT_EQ(c.Pixel(43, 87), clBlack);
    EXPECT_EQ(c.Pixel(30, 19), clWhite);
    for (int x : {21, 30, 42})
        EXPECT_EQ(c.Pixel(x, 87), clWhite) << x;

    // Piston block from (21, 20) to (43, 44), right column and bottom row left out.
    EXPECT_EQ(c.Pixel(21, 20), clLime);
    EXPECT_EQ(c.Pixel(42, 43), clLime);
    EXPECT_EQ(c.Pixel(30, 44), clWhite);
    EXPECT_EQ(c.Pixel(30, 19), clWhite);
    EXPECT_EQ(c.Pixel(20, 30), clBlack);
    EXPECT_EQ(c.Pixel(43, 30), clBlack);

    // Background cleared everywhere, corners included.
    EXPECT_EQ(c.Pixel(0, 0), clWhite);
    EXPECT_EQ(c.Pixel(181, 182), clWhite);
    EXPECT_EQ(c.PenColor(), clBlack);
    EXPECT_EQ(c.BrushColor(), clLime);
}

TEST_F(GammaPictureTest, DisplacerRestsOnTheBottomAt270) {
    engine.CalcButtonClick();
    EvaluateAt(270);
    RasterCanvas c = Draw(182, 183);
    const int B = 183 - 20;
    EXPECT_EQ(c.Pixel(60, B - 1), clBlack);
    EXPECT_EQ(c.Pixel(60, B), clWhite);
}

TEST_F(GammaPictureTest, WideShortEngineIsLimitedByTheWidth) {
    Put(Field::DispCylHeight, "20");
    Put(Field::DispHeight, "10");
    Put(Field::PistonDiameter, "5");
    Put(Field::PistonThrow, "5");
    EvaluateAt(0);
    RasterCanvas c = Draw(300, 183);
    // 260 pixels wide: walls at 20 and 280.
    EXPECT_EQ(c.Pixel(280, 150), clBlack);
    EXPECT_EQ(c.Pixel(281, 150), clWhite);
    EXPECT_EQ(c.Pixel(279, 150), clWhite);
    EXPECT_EQ(c.Pixel(150, 165), clRed);
}

TEST_F(GammaPictureTest, NothingIsDrawnWhileNotEnabled) {
    EvaluateAt(0);
    engine.enable = false;
    RasterCanvas c = Draw(182, 183);
    for (TColor p : c.Pixels())
        ASSERT_EQ(p, clSilver);
}

TEST_F(GammaPictureTest, UnscaledEngineOnlyClears) {
    // Nothing accepted yet: every dimension is still 0, so there is no scale.
    RasterCanvas c = Draw(182, 183);
    for (TColor p : c.Pixels())
        ASSERT_EQ(p, clWhite);
}

} // namespace
} // namespace kelvane
