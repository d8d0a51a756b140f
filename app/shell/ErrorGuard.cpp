#include "shell/ErrorGuard.h"

#include "crash/TErrorReport.h"
#include "shell/ErrorReportPresenter.h"

#include <atomic>
#include <cstdio>
#include <string>

namespace kelvane {

namespace {

std::atomic<ErrorReportPresenter*> presenter{nullptr};

std::string MessageOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

} // namespace

void ConnectErrorReport(TErrorReport& report, ErrorReportPresenter* p) {
    presenter.store(p);
    if (p)
        report.SetDisplay([p](const TErrorReportData& data) { p->ShowReport(data); });
    else
        report.SetDisplay(nullptr);
}

void ReportException(std::exception_ptr error) noexcept {
    if (!error)
        return;
    TErrorReport* report = TErrorReport::Instance();
    if (report && report->Report(error))
        return;
    try {
        std::string message = MessageOf(error);
        if (ErrorReportPresenter* p = presenter.load())
            p->ShowMessage(message);
        else
            std::fprintf(stderr, "%s\n", message.c_str());
    } catch (...) {
        // Nothing is left to tell it with.
    }
}

} // namespace kelvane
