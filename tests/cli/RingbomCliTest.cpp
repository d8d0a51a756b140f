#include "CliTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using kelvane::CliRunner;

namespace {

using kelvane::Lines;
using kelvane::Result;
using kelvane::RunCli;

} // namespace

TEST(RingbomCli, GridAfterTwoStepsShowsTheSecondStep) {
    Result r = RunCli({"ringbom", "--steps", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0], "Disp Posn\t40.0");
    EXPECT_EQ(lines[4], "Hot/Cold N %\t91/9");
    EXPECT_EQ(lines[11], "Net Work\t");
}

struct ModeCase {
    const char* strip;
    int steps;
    std::size_t points;
    const char* lastLine;
};

class RingbomCliModes : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RingbomCliModes, SeriesFollowTheChartMode) {
    const ModeCase& m = GetParam();
    Result r = RunCli({"ringbom", "--set", std::string("StripChartCB=") + m.strip, "--steps",
                       std::to_string(m.steps), "--series", "PistonSeries"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), m.points);
    if (!lines.empty()) {
        EXPECT_EQ(lines.back(), m.lastLine);
    }
}

// Strip mode drops the first two steps; fixed mode keeps 73 slots (the last
// one, 360 degrees, still zero after 10 steps).
INSTANTIATE_TEST_SUITE_P(Modes, RingbomCliModes,
                         ::testing::Values(ModeCase{"Y", 10, 8u, "45,85.355339059327378"},
                                           ModeCase{"N", 10, 73u, "360,0"},
                                           ModeCase{"Y", 0, 0u, ""}));

TEST(RingbomCli, CsvWritesEverySeriesWithAHeader) {
    auto dir = kelvane::ScratchPath("ringbom-csv");
    std::filesystem::remove_all(dir);
    Result r = RunCli({"ringbom", "--set", "AllDataCB=N", "--steps", "5", "--csv", dir.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path());
        std::string header;
        std::getline(in, header);
        EXPECT_EQ(header, "x,y") << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 21);
    std::ifstream pressure(dir / "PressureSeries.csv");
    std::string all((std::istreambuf_iterator<char>(pressure)), {});
    EXPECT_EQ(Lines(all).size(), 1u + 3u);
    std::filesystem::remove_all(dir);
}

TEST(RingbomCli, PictureHasTheDefaultSize) {
    auto file = kelvane::ScratchPath("ringbom.png");
    Result r = RunCli({"ringbom", "--steps", "2", "--picture", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image(QString::fromStdString(file.string()));
    EXPECT_EQ(image.width(), 182);
    EXPECT_EQ(image.height(), 183);
    EXPECT_EQ(image.pixelColor(50, 165), QColor(255, 0, 0)); // the hot end
    std::filesystem::remove(file);
}

TEST(RingbomCli, AtShowsTheRecordedPositionsOfAnAngle) {
    auto file = kelvane::ScratchPath("ringbom-at.png");
    // 40 steps end at 195 degrees, piston below mid-stroke; 92 lands on the
    // step at 90, piston at the top of its stroke (its top edge at y = 20).
    for (auto [at, colour] : {std::pair<const char*, QColor>{nullptr, QColor(255, 255, 255)},
                              std::pair<const char*, QColor>{"92", QColor(0, 255, 0)}}) {
        std::vector<std::string> args{"ringbom", "--steps", "40", "--picture", file.string()};
        if (at) {
            args.push_back("--at");
            args.push_back(at);
        }
        Result r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        QImage image(QString::fromStdString(file.string()));
        EXPECT_EQ(image.pixelColor(30, 21), colour) << (at ? at : "no click");
    }
    std::filesystem::remove(file);
}
