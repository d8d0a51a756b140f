#include "CliTestSupport.h"
#include "foundations/TIniFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvane {
namespace {

class ParameterFileCli : public ::testing::Test {
  protected:
    std::filesystem::path dir = ScratchPath("par");
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }

    int Run(std::vector<std::string> args, std::string* err = nullptr) {
        std::ostringstream out, errors;
        int status = CliRunner().Run(args, out, errors);
        if (err)
            *err = errors.str();
        return status;
    }
    std::string File(const char* name) { return (dir / name).string(); }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ParameterFileCli, SavedFilesLoadBackUnchangedForEveryEngine) {
    struct Case {
        const char* engine;
        std::vector<std::string> sets;
    };
    for (const Case& c : {Case{"gamma", {"PistonThrow=45", "DispCylHeight=12,5"}},
                          Case{"ringbom", {"PistonThrow=45", "StripChartCB=N"}},
                          Case{"rider", {"HotStrokeMax=40", "PhaseOffset=-90"}}}) {
        std::vector<std::string> args{c.engine};
        for (const std::string& s : c.sets) {
            args.push_back("--set");
            args.push_back(s);
        }
        args.insert(args.end(), {"--save-par", File("first.PAR")});
        ASSERT_EQ(Run(args), 0) << c.engine;
        ASSERT_EQ(Run({c.engine, "--par", File("first.PAR"), "--save-par", File("second.PAR")}), 0);
        EXPECT_EQ(Contents(File("first.PAR")), Contents(File("second.PAR"))) << c.engine;
        std::filesystem::remove(File("first.PAR"));
        std::filesystem::remove(File("second.PAR"));
    }
    Run({"gamma", "--set", "DispCylHeight=12,5", "--save-par", File("comma.PAR")});
    EXPECT_EQ(TIniFile(File("comma.PAR")).ReadString("GammaDisplacerCylinder", "Height", ""),
              "12,5");
    Run({"ringbom", "--set", "StripChartCB=N", "--save-par", File("boxes.PAR")});
    EXPECT_EQ(TIniFile(File("boxes.PAR")).ReadString("RingbomStripChart", "Enabled", ""), "N");
    EXPECT_EQ(TIniFile(File("boxes.PAR")).ReadString("RingbomAllData", "Enabled", ""), "Y");
}

TEST_F(ParameterFileCli, LoadedParametersDriveTheAnalysis) {
    TIniFile(File("short.PAR")).WriteString("GammaPiston", "Throw", "30");
    std::ostringstream viaFile, viaSet, err;
    ASSERT_EQ(CliRunner().Run({"gamma", "--par", File("short.PAR")}, viaFile, err), 0);
    // Loading fires the fields' change handler, as in the window, so the
    // default Calc is the second analysis of the loaded engine.
    ASSERT_EQ(CliRunner().Run({"gamma", "--set", "PistonThrow=30", "--calc", "2"}, viaSet, err), 0);
    EXPECT_EQ(viaFile.str(), viaSet.str());
}

TEST_F(ParameterFileCli, MissingOrUnwritableFilesFailWithAMessage) {
    std::string err;
    EXPECT_EQ(Run({"gamma", "--par", File("absent.PAR")}, &err), 1);
    EXPECT_NE(err.find("absent.PAR"), std::string::npos);
    EXPECT_EQ(Run({"gamma", "--save-par", File("no/such/folder/x.PAR")}, &err), 1);
    EXPECT_NE(err.find("Unable to write to"), std::string::npos);
    EXPECT_EQ(Run({"gamma", "--par"}, &err), 2);
}

} // namespace
} // namespace kelvane
