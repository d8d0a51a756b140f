#include "CliTestSupport.h"
#include "catalog/EngineCatalog.h"
#include "foundations/TIniFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
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
    for (const Case& c : {Case{"gamma", {"PistonThrow=45", "DispCylHeight=1,250"}},
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
    Run({"gamma", "--set", "DispCylHeight=1,250", "--save-par", File("comma.PAR")});
    EXPECT_EQ(TIniFile(File("comma.PAR")).ReadString("GammaDisplacerCylinder", "Height", ""),
              "1,250");
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

// A file with none of the engine's settings would only give its defaults:
// like the window's Load, the run refuses it by name before any action.
TEST_F(ParameterFileCli, FilesWithNoneOfTheEnginesSettingsAreRefused) {
    std::string random(4096, '\0');
    unsigned state = 12345;
    for (char& c : random)
        c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
    std::ofstream(File("random.PAR"), std::ios::binary) << random;
    std::ofstream(File("line.PAR")) << "PistonThrow=45\n";
    std::ofstream(File("empty.PAR"));
    for (const EngineEntry* engine : EngineCatalog::All()) {
        ASSERT_EQ(Run({engine->name, "--save-par", File((engine->name + ".PAR").c_str())}), 0);
    }
    for (const EngineEntry* engine : EngineCatalog::All()) {
        std::vector<std::string> foreign{File("random.PAR"), File("line.PAR"), File("empty.PAR")};
        for (const EngineEntry* other : EngineCatalog::All()) {
            if (other != engine)
                foreign.push_back(File((other->name + ".PAR").c_str()));
        }
        for (const std::string& file : foreign) {
            SCOPED_TRACE(engine->name + " " + file);
            const char* batch = engine->batch == BatchAction::Calc ? "--calc" : "--steps";
            const Result r = RunCli(
                {engine->name, "--par", file, batch, "1", "--grid", "--save-par", File("out.PAR")});
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, "kelvane-cli: The file \"" + file +
                                 "\" is not a parameter file of the " + engine->caption +
                                 ": it holds none of its settings.\n");
            EXPECT_TRUE(r.out.empty());
            EXPECT_FALSE(std::filesystem::exists(File("out.PAR")));
        }
        // Its own file, even with a single key, loads.
        EXPECT_EQ(Run({engine->name, "--par", File((engine->name + ".PAR").c_str())}), 0);
    }
}

// Every file the companion cannot use is named on one "kelvane-cli: " line,
// with what is wrong, at once: no wait on a FIFO, no endless read of a device.
TEST_F(ParameterFileCli, UnusableFilesFailWithAMessageThatSaysWhy) {
    std::filesystem::create_directory(File("folder"));
    ASSERT_EQ(::mkfifo(File("fifo").c_str(), 0644), 0);
    std::ofstream(File("plain")) << "x";
    struct Case {
        std::vector<std::string> args;
        std::string file;
        const char* reason;
    };
    const Case cases[] = {
        {{"--par", File("absent.PAR")}, File("absent.PAR"), "No such file"},
        {{"--par", File("folder")}, File("folder"), "Is a directory"},
        {{"--par", File("fifo")}, File("fifo"), "Is a FIFO"},
        {{"--par", "/dev/zero"}, "/dev/zero", "Is a device"},
        {{"--save-par", File("no/such/folder/x.PAR")},
         File("no/such/folder/x.PAR"),
         "No such file"},
        {{"--save-par", "/dev/full"}, "/dev/full", "Is a device"},
        {{"--save-par", File("fifo")}, File("fifo"), "Is a FIFO"},
        {{"--picture", File("folder")}, File("folder"), "Is a directory"},
        {{"--csv", File("plain")}, File("plain"), "Unable to write to"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"gamma"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(c.args[0] + " " + c.args[1]);
        std::string err;
        EXPECT_EQ(Run(args, &err), 1);
        EXPECT_EQ(err.rfind("kelvane-cli: ", 0), 0u) << err;
        EXPECT_NE(err.find(c.file), std::string::npos) << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line: " << err;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(File("fifo")));
    EXPECT_TRUE(std::filesystem::is_directory(File("folder")));
    EXPECT_EQ(Contents(File("plain")), "x");
    EXPECT_EQ(Run({"gamma", "--par"}), 2);
}

// As a full disk would, a file size limit makes writes fail part way (even for
// root): the run fails and leaves nothing it wrote, partial, whole, empty or
// temporary, and nothing that was there before is touched.
TEST_F(ParameterFileCli, FullDiskLeavesNothingOfTheRun) {
    std::filesystem::create_directory(File("old"));
    std::ofstream(File("old/notes.txt")) << "mine";
    std::ofstream(File("old/PressureSeries.csv")) << "x,y\n1,2\n";
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = old;
    tight.rlim_cur = 300; // more than the shortest series, less than the picture and most series
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const std::vector<std::string> runs[] = {
        {"gamma", "--picture", File("p.png")},
        {"gamma", "--csv", File("csv")},
        {"gamma", "--csv", File("deep/er/csv")},
        {"gamma", "--csv", File("old")},
        {"ringbom", "--steps", "144", "--csv", File("old")},
        {"rider", "--csv", File("old")},
        // The series are whole; the picture after them fails.
        {"gamma", "--set", "PistonThrow=1", "--csv", File("csv"), "--picture", File("p.png")},
    };
    std::vector<std::pair<int, std::string>> outcomes;
    for (const std::vector<std::string>& args : runs) {
        std::string err;
        const int status = Run(args, &err);
        outcomes.emplace_back(status, err);
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        SCOPED_TRACE(runs[i][2]);
        EXPECT_EQ(outcomes[i].first, 1);
        EXPECT_EQ(outcomes[i].second.rfind("kelvane-cli: Unable to write to " + dir.string(), 0),
                  0u)
            << outcomes[i].second;
    }
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir))
        left.push_back(e.path().lexically_relative(dir).string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"old", "old/PressureSeries.csv", "old/notes.txt"}));
    EXPECT_EQ(Contents(File("old/notes.txt")), "mine");
    EXPECT_EQ(Contents(File("old/PressureSeries.csv")), "x,y\n1,2\n");

    // With room, the set joins what the folder holds.
    ASSERT_EQ(Run({"gamma", "--csv", File("old")}), 0);
    EXPECT_EQ(Contents(File("old/notes.txt")), "mine");
    EXPECT_GT(Contents(File("old/PressureSeries.csv")).size(), 300u);
    for (const auto& e : std::filesystem::directory_iterator(dir / "old"))
        EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

} // namespace
} // namespace kelvane
