#include "shell/ErrorGuard.h"
#include "shell/KelvaneApplication.h"
#include "shell/QtErrorReportPresenter.h"
#include "shell/TErrorReport.h"

#include <QMainWindow>

int main(int argc, char* argv[]) {
    kelvane::KelvaneApplication app(argc, argv);
    // Installed before any window exists.
    kelvane::TErrorReport errorReport;
    kelvane::QtErrorReportPresenter errorPresenter;
    kelvane::ConnectErrorReport(errorReport, &errorPresenter);

    QMainWindow window;
    window.setWindowTitle("Kelvane");
    window.show();
    int status = app.exec();
    kelvane::ConnectErrorReport(errorReport, nullptr);
    return status;
}
