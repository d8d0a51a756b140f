#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kelvane {
namespace {

// A text the window would skip, read as a default or quietly change is refused
// before any action: one line naming where it came from, status 1, and nothing
// on stdout or in any output file.
TEST(CliFieldCheck, TextsTheEngineCannotUseAreRefusedBeforeAnyAction) {
    const auto dir = ScratchPath("field-check");
    std::filesystem::create_directories(dir);
    const std::string par = (dir / "in.PAR").string();
    struct Case {
        std::vector<std::string> args; // after the engine; "PAR" stands for the file
        const char* parText;           // the parameter file, or nullptr for none
        std::string error;             // after "kelvane-cli: "
    } cases[] = {
        {{"gamma", "--set", "PistonThrow=abc"},
         nullptr,
         "--set PistonThrow: Piston throw must be a number, not 'abc'"},
        {{"gamma", "--set", "DispCylDiameter=0"},
         nullptr,
         "--set DispCylDiameter: Displacer cylinder diameter must be from 0.001 to 1000000, "
         "not '0'"},
        {{"gamma", "--set", "PistonThrow=1e308"},
         nullptr,
         "--set PistonThrow: Piston throw must be from 0.001 to 1000000, not '1e308'"},
        {{"gamma", "--set", "PhaseOffset=1.5"},
         nullptr,
         "--set PhaseOffset: '1.5' is not a valid integer value"},
        {{"gamma", "--set", "DispHeight=100"},
         nullptr,
         "--set DispHeight: Displacer height must be less than the displacer cylinder height"},
        {{"gamma", "--set", "Phase=", "--sweep", "PistonThrow"},
         nullptr,
         "--set Phase: '' is not a valid integer value"},
        {{"gamma", "--set", "PistonThrow=" + std::string(100, '9') + "x"},
         nullptr,
         "--set PistonThrow: Piston throw must be a number, not '" + std::string(80, '9') + "...'"},
        {{"ringbom", "--steps", "144", "--set", "DispCylDiameter=abc"},
         nullptr,
         "--set DispCylDiameter: Displacer cylinder diameter must be a number, not 'abc'"},
        {{"ringbom", "--set", "DPistonDiameter=212", "--set", "PistonThrow=279"},
         nullptr,
         "--set DPistonDiameter: Displacer rod diameter must not be more than the displacer "
         "cylinder diameter"},
        {{"ringbom", "--par", "PAR"},
         "[RingbomDisplacer]\nPDiameter=1,000\n",
         par + ": [RingbomDisplacer] PDiameter (DPistonDiameter): Displacer rod diameter must not "
               "be more than the displacer cylinder diameter"},
        {{"rider", "--set", "ColdStrokeMax=0"},
         nullptr,
         "--set ColdStrokeMax: Cold stroke maximum must be from 5 to 100, not '0'"},
        {{"rider", "--set", "HotTemp=-471"},
         nullptr,
         "--set HotTemp: Hot temperature must be -470 degrees F or more, not '-471'"},
        {{"rider", "--set", "HotStrokeMin=60"},
         nullptr,
         "--set HotStrokeMin: Hot stroke minimum must not be above the hot stroke maximum"},
        {{"gamma", "--par", "PAR"},
         "[GammaPiston]\nThrow=abc\n",
         par + ": [GammaPiston] Throw (PistonThrow): Piston throw must be a number, not 'abc'"},
        {{"gamma", "--par", "PAR"},
         "[GammaPiston]\nThrow=0\n",
         par + ": [GammaPiston] Throw (PistonThrow): Piston throw must be from 0.001 to 1000000, "
               "not '0'"},
        // Refused before the load's own steps read the text without naming it.
        {{"rider", "--par", "PAR"},
         "[RiderHot]\nStrokeMin=x\n",
         par + ": [RiderHot] StrokeMin (HotStrokeMin): 'x' is not a valid integer value"},
        {{"ringbom", "--par", "PAR"},
         "[RingbomStripChart]\nEnabled=y\n",
         par + ": [RingbomStripChart] Enabled (StripChartCB): must be Y or N, not 'y'"},
    };
    for (const Case& c : cases) {
        if (c.parText)
            std::ofstream(par, std::ios::binary) << c.parText;
        std::vector<std::string> args;
        for (const std::string& a : c.args)
            args.push_back(a == "PAR" ? par : a);
        const std::string saved = (dir / "out.PAR").string(), csv = (dir / "csv").string();
        args.insert(args.end(), {"--save-par", saved, "--csv", csv, "--grid"});
        Result r = RunCli(args);
        EXPECT_EQ(r.status, 1) << c.error;
        EXPECT_EQ(r.err, "kelvane-cli: " + c.error + "\n");
        EXPECT_TRUE(r.out.empty()) << c.error;
        EXPECT_FALSE(std::filesystem::exists(saved)) << c.error;
        EXPECT_FALSE(std::filesystem::exists(csv)) << c.error;
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace kelvane
