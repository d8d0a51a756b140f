#include "QImageCanvas.h"

#include <gtest/gtest.h>

using namespace kelvane;

TEST(QImageCanvas, DrawsWithThePixelRulesAndNeverChangesACopy) {
    QImageCanvas canvas(10, 8);
    canvas.SetBrushColor(clLime);
    canvas.FillRect(2, 2, 5, 4);
    QImage shown = canvas.Image(); // as a window shows it
    EXPECT_EQ(shown.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(5, 2), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(2, 4), qRgb(255, 255, 255));

    canvas.SetPenColor(clRed);
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 0);
    EXPECT_EQ(canvas.Image().pixel(2, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.Image().pixel(3, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 255, 255)) << "the shown copy must not change";

    canvas.Resize(20, 20);
    EXPECT_EQ(canvas.Width(), 20);
    EXPECT_EQ(canvas.Image().pixel(2, 2), qRgb(255, 255, 255));
}
