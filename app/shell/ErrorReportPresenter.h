#pragma once

#include "crash/TErrorReportData.h"

#include <string>

namespace kelvane {

// Where the error report shows itself. The app shows the modal dialog; tests
// record the texts so that nothing blocks.
class ErrorReportPresenter {
  public:
    virtual ~ErrorReportPresenter() = default;
    // The error report's dialog.
    virtual void ShowReport(const TErrorReportData& data) = 0;
    // The plain display of an error while the report is not enabled.
    virtual void ShowMessage(const std::string& message) = 0;
};

} // namespace kelvane
