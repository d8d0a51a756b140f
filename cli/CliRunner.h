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

    // Lists the engines of the catalog.
    static std::string Usage();

    // Where each field's text came from, for messages ("" for a default).
    using Sources = std::array<std::string, kFieldCount>;

  private:
    static void LoadParameters(const ParameterTable& table, const std::string& caption,
                               const std::string& file, MapHost& host, Sources& sources);
    static void SaveParameters(const ParameterTable& table, const std::string& file, MapHost& host);
};

} // namespace kelvane
