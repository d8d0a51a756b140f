#include "foundations/RasterCanvas.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(Canvas, LineLeavesOutItsEndPoint) {
    RasterCanvas c(10, 10);
    c.SetPenColor(clRed);
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(c.Pixel(1, 1), clRed);
    EXPECT_EQ(c.Pixel(4, 1), clRed);
    EXPECT_EQ(c.Pixel(5, 1), clWhite);
    c.LineTo(5, 5);
    EXPECT_EQ(c.Pixel(5, 1), clRed);
    EXPECT_EQ(c.Pixel(5, 4), clRed);
    EXPECT_EQ(c.Pixel(5, 5), clWhite);
    c.LineTo(20, 5); // clipped, no crash
    EXPECT_EQ(c.Pixel(9, 5), clRed);
}

TEST(Canvas, FillLeavesOutRightColumnAndBottomRow) {
    RasterCanvas c(10, 10);
    c.SetBrushColor(clLime);
    c.FillRect(2, 3, 5, 6);
    EXPECT_EQ(c.Pixel(2, 3), clLime);
    EXPECT_EQ(c.Pixel(4, 5), clLime);
    EXPECT_EQ(c.Pixel(5, 5), clWhite);
    EXPECT_EQ(c.Pixel(4, 6), clWhite);
    c.FillRect(-5, -5, 100, 100);
    EXPECT_EQ(c.Pixel(9, 9), clLime);
    c.SetBrushColor(clRed);
    c.FillRect(5, 5, 2, 2); // inverted: nothing
    EXPECT_EQ(c.Pixel(3, 3), clLime);
}
