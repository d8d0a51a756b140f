#include "CliTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvane {
namespace {

std::filesystem::path TempDir(const std::string& name) {
    return ScratchPath("gamma-" + name);
}

TEST(GammaCli, GridOfTheDefaultEngine) {
    Result r = RunGamma({});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 12u);
    EXPECT_EQ(r.lines[0], "Disp Posn\t20.0");
    EXPECT_EQ(r.lines[1], "Piston Posn\t60.0");
    EXPECT_EQ(r.lines[2], "Pressure\t  340 (-)");
    EXPECT_EQ(r.lines[5], "Max Pressure\t410");
    EXPECT_EQ(r.lines[6], "Mean Pressure\t367");
    EXPECT_EQ(r.lines[9], "Temp Ratio\t0.197");
    // Calc twice: row 2 now compares with the first revolution's mean.
    EXPECT_EQ(RunGamma({"--calc", "2"}).lines[2], "Pressure\t  340 (-)");
}

TEST(GammaCli, SeriesPointCounts) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"PressureSeries", 361}, {"PVSeries", 361}, {"WorkSeries", 360}, {"MeanPressureSeries", 2}};
    for (auto [name, count] : cases) {
        Result r = RunGamma({"--series", name});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.lines.size(), count) << name;
    }
    Result r = RunGamma({"--series", "DisplacerSeries"});
    EXPECT_EQ(r.lines.front(), "0,50");
    EXPECT_EQ(r.lines[90], "90,100");
}

TEST(GammaCli, CsvExportsEverySeriesWithAHeader) {
    auto dir = TempDir("csv");
    Result r = RunGamma({"--csv", dir.string()});
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
    std::ifstream work(dir / "WorkSeries.csv");
    int lines = 0;
    for (std::string line; std::getline(work, line);)
        ++lines;
    EXPECT_EQ(lines, 361);
    std::filesystem::remove_all(dir);
}

TEST(GammaCli, PictureAtTheDefaultAndAGivenSize) {
    auto dir = TempDir("png");
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "gamma.png").string();
    Result r = RunGamma({"--picture", file});
    ASSERT_EQ(r.status, 0) << r.err;
    QImage image(QString::fromStdString(file));
    ASSERT_EQ(image.width(), 182);
    ASSERT_EQ(image.height(), 183);
    EXPECT_EQ(image.pixel(20, 120) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(60, 87) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(60, 165) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(21, 20) & 0xFFFFFF, 0x00FF00u);

    ASSERT_EQ(RunGamma({"--picture", file, "--size", "300x200"}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(file)).size(), QSize(300, 200));
    std::filesystem::remove_all(dir);
}

TEST(GammaCli, AtActsAsAChartClick) {
    EXPECT_EQ(RunGamma({"--at", "45"}).lines[0], "Disp Posn\t34.1");
    EXPECT_EQ(RunGamma({"--at", "44"}).lines[0], "Disp Posn\t32.9"); // cut to 40
    EXPECT_EQ(RunGamma({"--at", "270"}).lines[0], "Disp Posn\t0.0000");
    // The marker goes to the angle too.
    EXPECT_EQ(RunGamma({"--at", "400", "--series", "PhaseSeries1"}).lines[0], "360,0");
}

TEST(GammaCli, SetChangesTheEngine) {
    Result r = RunGamma({"--set", "DispCylHeight=120"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.lines[0], "Disp Posn\t30.0");
}

} // namespace
} // namespace kelvane
