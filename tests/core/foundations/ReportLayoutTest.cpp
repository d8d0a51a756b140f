#include "foundations/ReportLayout.h"

#include <gtest/gtest.h>

#include <string>

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
