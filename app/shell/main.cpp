#include "crash/TErrorReport.h"
#include "foundations/ParameterFile.h"
#include "shell/ErrorGuard.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/Languages.h"
#include "shell/QtErrorReportPresenter.h"
#include "shell/SimulatorFrame.h"
#include "shell/TKelvaneDispatchForm.h"

#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before the application object exists, so it needs no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("Kelvane %s\n", KELVANE_VERSION);
        return 0;
    }
    kelvane::KelvaneApplication app(argc, argv);
    // Before any window exists: every caption is translated as it is made.
    kelvane::InstallLanguage(
        kelvane::ChosenLanguage(kelvane::SettingsFilePath(kelvane::SimulatorFrame::DataFolder())));
    // Installed before any window exists.
    kelvane::TErrorReport errorReport;
    kelvane::QtErrorReportPresenter errorPresenter;
    kelvane::ConnectErrorReport(errorReport, &errorPresenter);
    // The start-up log beside the settings: the program's folder may be read-only.
    errorReport.SetLogFile(kelvane::SimulatorFrame::DataFolder() + "ErrorReport.Log");

    int status = 0;
    {
        kelvane::KelvaneProgram program;
        // KELVANE_EXIT_AFTER_SHOW=1 (the start-up benchmark): once the event
        // loop has shown and painted the launcher, say so on stdout and quit.
        if (qEnvironmentVariableIsSet("KELVANE_EXIT_AFTER_SHOW")) {
            QTimer::singleShot(0, &program.Launcher(), [&program] {
                program.Launcher().repaint();
                std::puts("launcher shown");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        status = program.Run();
    }
    kelvane::ConnectErrorReport(errorReport, nullptr);
    return status;
}
