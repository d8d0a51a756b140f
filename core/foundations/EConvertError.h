#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Raised when a text that must be a whole number is not one; the message is
// what the user sees in the error report.
class EConvertError : public std::runtime_error {
  public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kelvane
