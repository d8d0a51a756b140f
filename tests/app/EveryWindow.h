#pragma once

#include "AppTestSupport.h"
#include "catalog/EngineCatalog.h"
#include "shell/EngineWindow.h"
#include "shell/KelvaneProgram.h"
#include "shell/TErrorReportDialog.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"
#include "shell/WindowCatalog.h"
#include "widgets/HelpWindow.h"

#include <QFile>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace kelvane {

// Every kind of window a student meets: the launcher, each engine's window
// and net-work graph window, the error report (detailed) and the help window,
// each shown in turn by ForEach with its animation stopped.
class EveryWindow {
  public:
    explicit EveryWindow(AppTestEnvironment& env) {
        windows_.emplace_back("launcher", &program_.Launcher());
        for (const EngineEntry* e : EngineCatalog::All()) {
            if (!WindowCatalog::Find(*e))
                continue;
            windows_.emplace_back(e->name, &program_.Window(e->name));
            if (e->makeSweep)
                windows_.emplace_back(e->name + " net work", &program_.Graph(e->name));
        }
        TErrorReportData report;
        report.MessageText = "Went wrong";
        report.Options = {excDlgCallStack, excDlgRegisters, excDlgDetailed, excDlgTerminate,
                          excShowDialog};
        dialog_ = std::make_unique<TErrorReportDialog>(report);
        windows_.emplace_back("error report", dialog_.get());
        QFile page(QString::fromStdString(env.Folder()) + "page.htm");
        page.open(QIODevice::WriteOnly);
        page.write("<html><head><title>A page</title></head><body>Text</body></html>");
        page.close();
        windows_.emplace_back("help", HelpWindow::Open(page.fileName()));
        windows_.back().second->hide();
    }

    KelvaneProgram& Program() { return program_; }

    // Shows each window, stopped, runs check on it, then hides it.
    template <class F> void ForEach(F check) {
        for (auto [name, window] : windows_) {
            window->show();
            if (auto* engine = dynamic_cast<AnyEngineWindow*>(window)) {
                engine->SimulatedEngine().Halt();
                engine->Timer->stop();
            }
            check(name, *window);
            window->hide();
        }
    }

  private:
    KelvaneProgram program_;
    std::unique_ptr<TErrorReportDialog> dialog_;
    std::vector<std::pair<std::string, QWidget*>> windows_;
};

} // namespace kelvane
