#include "HandlerGuard.h"

#include <QtGlobal>

#include <stdexcept>

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
        if (Reporter()) {
            Reporter()(std::current_exception());
            return;
        }
        try {
            throw;
        } catch (const std::exception& e) {
            qWarning("%s", e.what());
        } catch (...) {
            qWarning("unknown error");
        }
    }
}

} // namespace kelvane
