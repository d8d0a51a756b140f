#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvane {

// The command-line companion: runs the engines as the windows do, for batch
// work, export and checking. Returns the process exit status.
class CliRunner {
public:
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static const char* Usage();
};

} // namespace kelvane
