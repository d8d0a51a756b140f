#include "HandlerGuard.h"

#include "shell/ErrorGuard.h"

namespace kelvane {

namespace {

ExceptionReporter& Reporter() {
    static ExceptionReporter reporter;
    return reporter;
}

} // namespace

void SetExceptionReporter(ExceptionReporter reporter) {
    Reporter() = std::move(reporter);
}

void RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        if (Reporter())
            Reporter()(std::current_exception());
        else
            ReportException(std::current_exception());
    }
}

} // namespace kelvane
