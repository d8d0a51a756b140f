#pragma once

#include <exception>
#include <functional>

namespace kelvane {

// Every handler the windows connect runs inside this guard: an escaping
// exception goes to the error report, the action ends, the event loop goes on.
void RunGuarded(const std::function<void()>& handler);

// Where guarded exceptions go instead of the error report (tests); nullptr restores it.
using ExceptionReporter = std::function<void(std::exception_ptr)>;
void SetExceptionReporter(ExceptionReporter reporter);

} // namespace kelvane
