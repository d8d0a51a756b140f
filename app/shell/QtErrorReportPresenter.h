#pragma once

#include "shell/ErrorReportPresenter.h"

namespace kelvane {

// Shows the error dialog modally over the application.
class QtErrorReportPresenter : public ErrorReportPresenter {
  public:
    void ShowReport(const TErrorReportData& data) override;
    void ShowMessage(const std::string& message) override;
};

} // namespace kelvane
