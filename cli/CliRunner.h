#pragma once

#include "foundations/Field.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace kelvane {

class MapHost;
class ParameterTable;

// The command-line companion: runs the engines as the windows do, for batch
// work, export and checking. Returns the process exit status.
class CliRunner {
  public:
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static const char* Usage();

    // The field table of an engine named on the command line.
    static const ParameterTable& Parameters(const std::string& engine);

    // Where each field's text came from, for messages ("" for a default).
    using Sources = std::array<std::string, kFieldCount>;

  private:
    static void LoadParameters(const std::string& engine, const std::string& file, MapHost& host,
                               Sources& sources);
    static void SaveParameters(const std::string& engine, const std::string& file, MapHost& host);
};

} // namespace kelvane
