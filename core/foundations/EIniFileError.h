#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Raised when the file system refuses to store an INI file; the message names
// the file and is what the user sees in the error report.
class EIniFileError : public std::runtime_error {
  public:
    explicit EIniFileError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kelvane
