#include "foundations/ReportLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

using namespace kelvane;

namespace {

bool Overlap(const ReportBox& a, const ReportBox& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

} // namespace

TEST(ReportLayout, EverythingFitsThePageWithoutOverlapAtItsShape) {
    struct Page {
        const char* name;
        double width, height; // printable area of A4 and Letter with 12.7 mm margins
    };
    const Page pages[] = {{"A4", 523, 770}, {"Letter", 540, 720}};
    struct Case {
        int parameterRows, gridRows;
        double pictureWidth, pictureHeight;
        int charts;
        double chartWidth, chartHeight;
        int columns;
    };
    const Case cases[] = {{9, 12, 182, 183, 4, 430, 185, 1}, // a simulator window
                          {9, 12, 255, 167, 5, 418, 193, 2}, // with the pressure-volume chart shown
                          {9, 20, 0, 0, 4, 811, 131, 1},     // the net-work graph with long notes
                          {40, 3, 182, 183, 1, 400, 300, 1}}; // a long parameter list
    for (const Page& page : pages) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(page.name) + " " + std::to_string(c.charts) + " charts, " +
                         std::to_string(c.gridRows) + " grid rows");
            const ReportPlan plan =
                LayOutReport({page.width, page.height, c.parameterRows, c.gridRows, c.pictureWidth,
                              c.pictureHeight, c.charts, c.chartWidth, c.chartHeight});
            EXPECT_EQ(plan.chartColumns, c.columns);
            ASSERT_EQ(plan.charts.size(), static_cast<std::size_t>(c.charts));
            std::vector<ReportBox> boxes = {plan.title, plan.date, plan.parameters, plan.grid};
            if (c.pictureWidth > 0) {
                boxes.push_back(plan.picture);
                EXPECT_NEAR(plan.picture.width / plan.picture.height,
                            c.pictureWidth / c.pictureHeight, 1e-9);
            }
            for (const ReportBox& chart : plan.charts) {
                boxes.push_back(chart);
                EXPECT_NEAR(chart.width / chart.height, c.chartWidth / c.chartHeight, 1e-9);
                // Charts are drawn large enough to read.
                EXPECT_GT(chart.width, page.width / 3);
            }
            // Each list has room for its heading and rows.
            EXPECT_GE(plan.parameters.height + 1e-9, (c.parameterRows + 1) * plan.lineHeight);
            EXPECT_GE(plan.grid.height + 1e-9, (c.gridRows + 1) * plan.lineHeight);
            EXPECT_GE(plan.lineHeight, 5);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_GE(boxes[i].x, 0) << i;
                EXPECT_GE(boxes[i].y, 0) << i;
                EXPECT_LE(boxes[i].Right(), page.width + 1e-9) << i;
                EXPECT_LE(boxes[i].Bottom(), page.height + 1e-9) << i;
                for (std::size_t j = i + 1; j < boxes.size(); ++j)
                    EXPECT_FALSE(Overlap(boxes[i], boxes[j])) << i << " and " << j;
            }
        }
    }
}

// Square charts on a page whose chart area is as high as it is wide: one
// column of two rows and two columns of one row give the same size, (500 -
// 8) / 2 = 246, and the fewer columns are kept. Half a point more width
// makes the two columns larger (246.5) and they win. The band above the
// charts is 20 + 12 + 8 for the title, date and gap, the lists' lines (10
// points each, or 0.35 of the page shared out when they are many), then a gap.
TEST(ReportLayout, TiedColumnCountsKeepTheFewerColumns) {
    struct Case {
        const char* name;
        double width, height;
        int parameterRows, gridRows;
        double lineHeight;
        int columns;
        ReportBox first, second;
    };
    const Case cases[] = {
        {"tie", 500, 558, 0, 0, 10, 1, {0, 58, 246, 246}, {0, 312, 246, 246}},
        {"wider by half", 501, 558, 0, 0, 10, 2, {0, 58, 246.5, 246.5}, {254.5, 58, 246.5, 246.5}},
        {"tie below lists", 500, 678, 9, 12, 10, 1, {0, 178, 246, 246}, {0, 432, 246, 246}},
        // 41 lines share 0.35 * 800 = 280; the 472 left fit 232 in one column, 246 in two.
        {"long list", 500, 800, 40, 3, 280.0 / 41, 2, {0, 328, 246, 246}, {254, 328, 246, 246}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReportPlan plan =
            LayOutReport({c.width, c.height, c.parameterRows, c.gridRows, 0, 0, 2, 1, 1});
        EXPECT_NEAR(plan.lineHeight, c.lineHeight, 1e-12);
        const double listWidth = (c.width - 16) / 2;
        const double listHeight = c.lineHeight * (std::max(c.parameterRows, c.gridRows) + 1);
        for (const ReportBox& list : {plan.parameters, plan.grid}) {
            EXPECT_EQ(list.y, 40);
            EXPECT_EQ(list.width, listWidth);
            EXPECT_NEAR(list.height, listHeight, 1e-9);
        }
        EXPECT_EQ(plan.grid.x, listWidth + 8);
        EXPECT_EQ(plan.chartColumns, c.columns);
        ASSERT_EQ(plan.charts.size(), 2u);
        for (auto [box, expected] :
             {std::pair{plan.charts[0], c.first}, {plan.charts[1], c.second}}) {
            EXPECT_NEAR(box.x, expected.x, 1e-9);
            EXPECT_NEAR(box.y, expected.y, 1e-9);
            EXPECT_NEAR(box.width, expected.width, 1e-9);
            EXPECT_NEAR(box.height, expected.height, 1e-9);
        }
    }
}
