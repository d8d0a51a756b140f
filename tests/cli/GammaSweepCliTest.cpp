#include "CliTestSupport.h"
#include "foundations/Conversions.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvane {
namespace {

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.rfind(prefix, 0) == 0;
}

TEST(GammaSweepCli, MemoNamesTheRangeAndTheMaximum) {
    Result r = RunGamma({"--sweep", "PistonThrow", "--memo"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.lines.size(), 5u);
    EXPECT_TRUE(StartsWith(r.lines[0], "Displacer Cylinder  Height=  100 "));
    EXPECT_EQ(r.lines[1].substr(50), "Piston Throw= testing 6.00 through 600");
    EXPECT_TRUE(StartsWith(r.lines[4], "Maximum Work of ")) << r.lines[4];
    EXPECT_NE(r.lines[4].find(" occured at "), std::string::npos);
}

TEST(GammaSweepCli, SeriesAreTheGraphWindowsAfterASweep) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"PistonThrow", 101}, {"PhaseOffset", 71}, {"DispCylHeight", 101}};
    for (auto [field, count] : cases) {
        Result r =
            RunGamma({"--sweep", field, "--series", "WorkSeries", "--series", "TempRatioSeries"});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.lines.size(), 2 * count) << field;
    }
    Result r = RunGamma({"--sweep", "PhaseOffset", "--series", "MeanPressureSeries"});
    ASSERT_EQ(r.lines.size(), 71u);
    EXPECT_TRUE(StartsWith(r.lines[0], "-175,"));
    EXPECT_TRUE(StartsWith(r.lines[70], "175,"));
    // The engine's own series are not the graph window's.
    EXPECT_EQ(RunGamma({"--sweep", "PhaseOffset", "--series", "PVSeries"}).status, 1);
}

TEST(GammaSweepCli, CsvWritesTheTenSeries) {
    auto dir = ScratchPath("sweep-csv");
    std::filesystem::remove_all(dir);
    Result r = RunGamma({"--sweep", "PhaseOffset", "--csv", dir.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path());
        std::string header;
        std::getline(in, header);
        EXPECT_EQ(header, "x,y");
        int rows = 0;
        for (std::string line; std::getline(in, line);)
            ++rows;
        EXPECT_EQ(rows, 71) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 10);
    std::filesystem::remove_all(dir);
}

// Every net work below -10,000,000 once hid the maximum behind that starting
// value; the memo must name the greatest work the graph shows.
TEST(GammaSweepCli, TheMaximumIsTheGreatestWorkHoweverNegative) {
    for (const char* the : {"PistonThrow=60", "PistonThrow=999999"}) {
        Result memo = RunGamma({"--set", the, "--sweep", "PistonThrow", "--memo"});
        Result work = RunGamma({"--set", the, "--sweep", "PistonThrow", "--series", "WorkSeries"});
        ASSERT_EQ(memo.status, 0) << memo.err;
        double best = -1e300, at = 0;
        for (const std::string& line : work.lines) {
            const double x = std::stod(line), y = std::stod(line.substr(line.find(',') + 1));
            if (y > best)
                best = y, at = x;
        }
        EXPECT_EQ(memo.lines.back(),
                  "Maximum Work of " + MyRealToStr(best) + " occured at " + MyRealToStr(at))
            << the;
    }
}

TEST(GammaSweepCli, OnlyYellowFieldsCanBeSwept) {
    Result r = RunGamma({"--sweep", "HotTemp"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("not 'HotTemp'"), std::string::npos) << r.err;
    EXPECT_EQ(RunGamma({"--memo"}).status, 2);
}

} // namespace
} // namespace kelvane
