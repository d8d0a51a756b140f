#include "CliTestSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>

namespace kelvane {
namespace {

enum class Stdout { DevNull, DevFull, Closed };

// Runs the built program with its standard output as asked; stderr goes to a
// file that is read back.
Result RunProgram(const std::vector<std::string>& args, Stdout stdoutIs) {
    const auto errFile = ScratchPath("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutIs == Stdout::Closed)
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO,
                                         stdoutIs == Stdout::DevFull ? "/dev/full" : "/dev/null",
                                         O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> all{KELVANE_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    Result r;
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    int wstatus = 0;
    ::waitpid(pid, &wstatus, 0);
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    std::ifstream in(errFile);
    r.err.assign(std::istreambuf_iterator<char>(in), {});
    std::filesystem::remove(errFile);
    return r;
}

// Output that never arrived is a failed run: status 1 and the reason, never
// a quiet 0. Nothing to print is nothing lost.
TEST(StandardOutputCli, OutputThatCannotBeWrittenFailsTheRun) {
    const std::vector<std::string> printing[] = {
        {"gamma", "--grid"},
        {"ringbom", "--steps", "3", "--series", "PressureSeries"},
        {"gamma", "--sweep", "PhaseOffset", "--memo"},
        {"rider"},
        {"--help"},
        {"--version"},
    };
    for (const std::vector<std::string>& args : printing) {
        SCOPED_TRACE(args[0] + " " + (args.size() > 1 ? args[1] : ""));
        EXPECT_EQ(RunProgram(args, Stdout::DevNull).status, 0);
        for (Stdout stdoutIs : {Stdout::DevFull, Stdout::Closed}) {
            const Result r = RunProgram(args, stdoutIs);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err.rfind("kelvane-cli: Unable to write to standard output: ", 0), 0u)
                << r.err;
            EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
        }
    }
    const auto picture = ScratchPath("closed.png");
    const Result quiet = RunProgram({"gamma", "--picture", picture.string()}, Stdout::Closed);
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_TRUE(std::filesystem::exists(picture));
    std::filesystem::remove(picture);
}

} // namespace
} // namespace kelvane
