#include "shell/ErrorGuard.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/QtErrorReportPresenter.h"
#include "shell/SimulatorFrame.h"
#include "shell/TErrorReport.h"

int main(int argc, char* argv[]) {
    kelvane::KelvaneApplication app(argc, argv);
    // Installed before any window exists.
    kelvane::TErrorReport errorReport;
    kelvane::QtErrorReportPresenter errorPresenter;
    kelvane::ConnectErrorReport(errorReport, &errorPresenter);
    // The start-up log beside the settings: the program's folder may be read-only.
    errorReport.SetLogFile(kelvane::SimulatorFrame::DataFolder() + "ErrorReport.Log");

    int status = 0;
    {
        kelvane::KelvaneProgram program;
        status = program.Run();
    }
    kelvane::ConnectErrorReport(errorReport, nullptr);
    return status;
}
