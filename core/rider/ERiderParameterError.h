#pragma once

#include <stdexcept>
#include <string>

namespace kelvane {

// Raised when the two-piston parameters (usually from a parameter file) describe
// an engine the model cannot evaluate: a piston reaching the cylinder head or
// beyond, or a temperature at or below absolute zero. The message is shown to
// the user; nothing has been changed when it is raised.
class ERiderParameterError : public std::runtime_error {
  public:
    explicit ERiderParameterError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kelvane
