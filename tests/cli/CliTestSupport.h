#pragma once

#include "CliRunner.h"

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace kelvane {

// What one in-process run of the command-line companion gave.
struct Result {
    int status = 0;
    std::string out;
    std::string err;
    std::vector<std::string> lines; // out, one entry a line
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A path of its own under the system's temporary folder, empty: the process
// id and a count keep two test runs (two checkouts, say) from sharing it.
inline std::filesystem::path ScratchPath(const std::string& name) {
    static int count = 0;
    auto path =
        std::filesystem::temp_directory_path() /
        ("kelvane-" + std::to_string(::getpid()) + "-" + std::to_string(++count) + "-" + name);
    std::filesystem::remove_all(path);
    return path;
}

inline Result RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Result r;
    r.status = CliRunner().Run(args, out, err);
    r.out = out.str();
    r.err = err.str();
    r.lines = Lines(r.out);
    return r;
}

inline Result RunGamma(std::vector<std::string> args) {
    args.insert(args.begin(), "gamma");
    return RunCli(args);
}

} // namespace kelvane
