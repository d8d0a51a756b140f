#include "common/StirlingPhysics.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// Each formula of the header at a point worked by hand.
TEST(StirlingPhysics, FormulasAtHandWorkedPoints) {
    // Th 600 K, Tc 400 K, H 100, displacer 60 high at 20: Tw(20) = 560, Tw(80) = 440.
    const GasTemps t = WallGasTemps(600, 400, 100, 20, 60);
    EXPECT_DOUBLE_EQ(t.tHot, 580);
    EXPECT_DOUBLE_EQ(t.tCold, 420);
    // 5 above the mean, a move of 2 on a piston of diameter 10: 5 * 2 * 3.14159 * 25.
    EXPECT_DOUBLE_EQ(StepWork(5, 2, 10), 785.3975);

    struct Spaces {
        double hot, cold, fixedHot, fixedCold;
    } spaces[] = {{0, 2, 0.002, 2}, {3, 0, 3, 0.003}, {0, 0, 0.001, 0.001}, {4, 5, 4, 5}};
    for (Spaces c : spaces) {
        FixEmptySpaces(c.hot, c.cold);
        EXPECT_DOUBLE_EQ(c.hot, c.fixedHot);
        EXPECT_DOUBLE_EQ(c.cold, c.fixedCold);
    }
}

TEST(StirlingPhysics, PressureCellAndClickAngle) {
    struct Cell {
        double pressure, mean;
        bool volume;
        const char* text;
    } cells[] = {{340, 300, true, "  340 (+)"},
                 {250, 300, true, "  250 (-)"},
                 {300, 300, true, "  300"},
                 {340, 0, true, "  340"}, // no revolution analysed yet
                 {340, 300, false, ""}};
    for (const Cell& c : cells)
        EXPECT_EQ(PressureCellText(std::to_string(static_cast<int>(c.pressure)), c.pressure, c.mean,
                                   c.volume),
                  c.text);

    struct Click {
        double x, left, right;
        long long angle;
    } clicks[] = {{10, 10, 370, 0},    {100, 10, 370, 90}, {14, 10, 370, 0}, {19, 10, 370, 5},
                  {400, 10, 370, 360}, {-50, 10, 370, 0},  {50, 10, 10, 0},  {50, 20, 10, 0}};
    for (const Click& c : clicks)
        EXPECT_EQ(SnappedClickAngle(c.x, c.left, c.right), c.angle) << c.x;
}

} // namespace
} // namespace kelvane
