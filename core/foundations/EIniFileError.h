#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace kelvane {

// Raised when the file system refuses to store an INI file; the message names
// the file and is what the user sees in the error report. The reason ("Is a
// directory, not a regular file", "No space left on device", ...) is kept
// apart, for callers that can show more, such as kelvane-cli.
class EIniFileError : public std::runtime_error {
  public:
    explicit EIniFileError(const std::string& message, std::string reason = {})
        : std::runtime_error(message), reason_(std::move(reason)) {}

    const std::string& Reason() const { return reason_; }

  private:
    std::string reason_;
};

} // namespace kelvane
