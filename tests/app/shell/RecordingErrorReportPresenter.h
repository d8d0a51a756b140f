#pragma once

#include "shell/ErrorReportPresenter.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvane {

// Records what would be shown, so that tests never block on a dialog.
class RecordingErrorReportPresenter : public ErrorReportPresenter {
  public:
    void ShowReport(const TErrorReportData& data) override {
        if (onShow)
            onShow();
        reports.push_back(data);
    }
    void ShowMessage(const std::string& message) override { messages.push_back(message); }

    std::vector<TErrorReportData> reports;
    std::vector<std::string> messages;
    std::function<void()> onShow;
};

} // namespace kelvane
