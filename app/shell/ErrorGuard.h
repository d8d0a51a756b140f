#pragma once

#include <concepts>
#include <exception>
#include <functional>
#include <utility>

namespace kelvane {

class ErrorReportPresenter;
class TErrorReport;

// Connects the installed report to where it shows itself; presenter must
// outlive the report's use (nullptr disconnects).
void ConnectErrorReport(TErrorReport& report, ErrorReportPresenter* presenter);

// Sends an error that escaped an action to the error report, or, while the
// report is not enabled, to the plain display. Never throws.
void ReportException(std::exception_ptr error) noexcept;

// Runs one handler of the app. An error escaping it ends that action only: it
// goes to the error report and the event loop goes on; Qt never sees it. The
// handler's own guards (flags such as calcing) are undone by unwinding first.
template <class F> void Guarded(F&& handler) noexcept {
    try {
        std::forward<F>(handler)();
    } catch (...) {
        ReportException(std::current_exception());
    }
}

// A handler for Qt's connect() that runs f inside Guarded. It takes as many of
// the signal's arguments as f does (the constraint lets Qt find that number).
template <class F> auto GuardedSlot(F f) {
    return [f = std::move(f)]<class... A>(A && ... args) mutable requires std::invocable<F&, A...> {
        Guarded([&] { std::invoke(f, std::forward<A>(args)...); });
    };
}

} // namespace kelvane
