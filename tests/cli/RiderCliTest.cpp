#include "CliTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using kelvane::Lines;
using kelvane::Result;
using kelvane::RunCli;

using kelvane::CliRunner;

TEST(RiderCli, GridByDefault) {
    Result r = RunCli({"rider"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], "Hot Posn\t28");
    EXPECT_EQ(lines[2], "Pressure\t 2.63 (-)");
    EXPECT_EQ(lines[6], "Max Pressure\t14.06");
    EXPECT_EQ(lines[8], "Net Work\t-1.78");
}

TEST(RiderCli, EveryCalcMarksThePressureAgainstItsOwnMean) {
    for (const char* times : {"1", "2"}) {
        Result r = RunCli({"rider", "--calc", times, "--grid"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Lines(r.out)[2], "Pressure\t 2.63 (-)") << times;
    }
}

TEST(RiderCli, AtActsAsAChartClick) {
    Result r = RunCli({"rider", "--at", "272"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Lines(r.out)[0], "Hot Posn\t5"); // 272 lands on 270
    r = RunCli({"rider", "--at", "-20", "--series", "Series6"});
    EXPECT_EQ(r.out, "0,0\n0,100\n");
}

TEST(RiderCli, SeriesPoints) {
    Result r = RunCli({"rider", "--series", "LineSeries2", "--series", "Series5"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 363u);
    EXPECT_EQ(lines[0].rfind("0,", 0), 0u);
    EXPECT_EQ(lines[360].rfind("360,", 0), 0u);
    EXPECT_EQ(lines[361].rfind("0,0.42", 0), 0u); // 6.0044 / 14.06
    EXPECT_NE(RunCli({"rider", "--series", "NoSuchSeries"}).status, 0);
}

TEST(RiderCli, CsvOfEverySeries) {
    auto dir = kelvane::ScratchPath("rider-csv");
    std::filesystem::remove_all(dir);
    Result r = RunCli({"rider", "--csv", dir.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path());
        std::string header;
        std::getline(in, header);
        EXPECT_EQ(header, "x,y") << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 18);
    std::ifstream sum(dir / "Series10.csv");
    std::string all((std::istreambuf_iterator<char>(sum)), {});
    EXPECT_EQ(Lines(all).size(), 361u);
    std::filesystem::remove_all(dir);
}

TEST(RiderCli, PictureDefaultsToTheWindowSize) {
    auto file = kelvane::ScratchPath("rider.png");
    Result r = RunCli({"rider", "--picture", file.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image(QString::fromStdString(file.string()));
    EXPECT_EQ(image.width(), 255);
    EXPECT_EQ(image.height(), 167);
    EXPECT_EQ(image.pixel(60, 60) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(150, 140) & 0xFFFFFF, 0x0000FFu);
    std::filesystem::remove(file);
}

TEST(RiderCli, StepsAreNotAnActionOfTheEngine) {
    EXPECT_EQ(RunCli({"rider", "--steps", "3"}).status, 2);
}

TEST(RiderCli, SweepPrintsTheGraphWindowsNotesAndSeries) {
    Result memo = RunCli({"rider", "--sweep", "ColdStrokeMin", "--memo"});
    ASSERT_EQ(memo.status, 0) << memo.err;
    ASSERT_EQ(memo.lines.size(), 5u);
    EXPECT_EQ(memo.lines[1].substr(50), "Cold Stroke Max= 100");
    EXPECT_EQ(memo.lines[1].rfind("Cold Stroke Min= testing 5 through 100 ", 0), 0u);
    EXPECT_EQ(memo.lines[4].rfind("Maximum Work of ", 0), 0u) << memo.lines[4];

    Result work = RunCli({"rider", "--set", "HotStrokeMin=40", "--sweep", "HotStrokeMax",
                          "--series", "WorkSeries", "--series", "TempRatioSeries"});
    ASSERT_EQ(work.status, 0) << work.err;
    ASSERT_EQ(work.lines.size(), 2 * 61u); // 40 to 100
    EXPECT_EQ(work.lines[0].rfind("40,", 0), 0u);
    EXPECT_EQ(work.lines[60].rfind("100,", 0), 0u);
}

} // namespace
