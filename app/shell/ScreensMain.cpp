// kelvane-screens: pictures of every window at its opening size, at its
// minimum size and maximised, for the documentation and for checking layouts
// by eye. Run by scripts/screens; writes PNG files into the folder it is given.
// With --language CODE it shows every window in that language at its minimum
// size instead, where a translation is the likeliest to be cut.
#include "catalog/EngineCatalog.h"
#include "common/ParameterSweep.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/Languages.h"
#include "shell/SimulatorFrame.h"
#include "shell/TErrorReportDialog.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"
#include "widgets/HelpWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

// Lets timers, layouts and queued replots run for a while.
void Settle(int milliseconds = 1500) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

bool Save(QWidget& window, const QString& folder, const QString& name) {
    Settle();
    const QString file = folder + "/" + name + ".png";
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "kelvane-screens: cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(file), window.width(), window.height());
    return true;
}

// The window as it opens, then at its minimum size and maximised; at a scale
// other than 1 only as it opens (suffix names the scale).
bool Shoot(QWidget& window, const QString& folder, const QString& name, const QString& suffix,
           const std::function<void()>& whenMaximised = {}) {
    window.showNormal();
    bool ok = Save(window, folder, name + suffix);
    if (!suffix.isEmpty()) {
        window.hide();
        return ok;
    }
    window.resize(window.minimumSize());
    ok &= Save(window, folder, name + "-minimum");
    window.showMaximized();
    ok &= Save(window, folder, name + "-maximised");
    if (whenMaximised) {
        whenMaximised();
        ok &= Save(window, folder, name + "-maximised-pv");
    }
    window.showNormal();
    window.hide();
    return ok;
}

// A window at its minimum size, named "<code>-<name>-minimum".
// The engine's net-work graph window after a whole sweep through the first
// (or last) field its sweep lists; the simulator window shows meanwhile.
kelvane::TPopUpGraphForm& SweptGraph(kelvane::KelvaneProgram& program,
                                     const kelvane::EngineEntry& engine, bool lastField) {
    kelvane::SimulatorFrame& window = program.Window(engine.name);
    window.show();
    Settle(100);
    kelvane::ParameterSweep& sweep = program.Graph(engine.name).Sweep();
    sweep.FieldDblClick(lastField ? sweep.SweptFields().back() : sweep.SweptFields().front());
    window.hide();
    return program.Graph(engine.name);
}

bool ShootMinimum(QWidget& window, const QString& folder, const QString& code,
                  const QString& name) {
    window.showNormal();
    Settle(300);
    // A window without a minimum (the launcher's size is fixed) keeps its size.
    if (!window.minimumSize().isEmpty())
        window.resize(window.minimumSize());
    bool ok = Save(window, folder, code + "-" + name + "-minimum");
    window.hide();
    return ok;
}

// Every window in one language at its minimum size: the launcher, each
// simulator window, the net-work graph window after a sweep, the help window
// and the error report (with its details).
bool ShootLanguage(kelvane::KelvaneProgram& program, const QString& folder, const QString& code) {
    bool ok = ShootMinimum(program.Launcher(), folder, code, "launcher");
    for (const kelvane::EngineEntry* e : kelvane::EngineCatalog::All()) {
        kelvane::SimulatorFrame& window = program.Window(e->name);
        ok &= ShootMinimum(window, folder, code, QString::fromStdString(e->name));
    }
    for (const kelvane::EngineEntry* e : kelvane::EngineCatalog::All()) {
        if (!e->makeSweep)
            continue;
        ok &= ShootMinimum(SweptGraph(program, *e, false), folder, code,
                           "sweep-" + QString::fromStdString(e->name));
    }
    if (kelvane::HelpWindow* help = kelvane::HelpWindow::Open(
            QCoreApplication::applicationDirPath() + "/Kelvane Introduction.HTM")) {
        ok &= ShootMinimum(*help, folder, code, "help");
        help->close();
    }
    kelvane::TErrorReportData report;
    report.Caption = "Application Error";
    report.MessageText = "Exception 'EConvertError' in module Kelvane at 0000EE62\r\n'abc' is "
                         "not a valid integer value";
    report.CallStackText = "Call stack:\r\n:0000EE62 [Kelvane] kelvane::StrToInt()\r\n";
    report.RegisterText = "Registers:\r\nRAX = 0000000000000000\r\n";
    report.Options = {kelvane::excDlgCallStack, kelvane::excDlgRegisters, kelvane::excShowDialog};
    kelvane::TErrorReportDialog dialog(report);
    ok &= ShootMinimum(dialog, folder, code, "error");
    dialog.SetDetailed(true);
    ok &= ShootMinimum(dialog, folder, code, "error-details");
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    kelvane::KelvaneApplication app(argc, argv);
    const bool language = argc == 4 && QString(argv[2]) == "--language";
    if (argc < 2 || (argc > 3 && !language)) {
        std::fprintf(stderr, "usage: kelvane-screens FOLDER [SUFFIX | --language CODE]\n");
        return 2;
    }
    const QString folder = argv[1];
    const QString suffix = argc == 3 ? QString("-") + argv[2] : QString();
    QDir().mkpath(folder);
    // Default settings, and none of the user's kept or changed.
    QTemporaryDir settings;
    kelvane::SimulatorFrame::SetProgramFolderForTests(settings.path().toStdString() + "/");

    if (language && !kelvane::InstallLanguage(argv[3])) {
        std::fprintf(stderr, "kelvane-screens: no translation for %s\n", argv[3]);
        return 2;
    }
    kelvane::KelvaneProgram program;
    if (language)
        return ShootLanguage(program, folder, argv[3]) ? 0 : 1;
    bool ok = true;
    auto& launcher = program.Launcher();
    launcher.show();
    ok &= Save(launcher, folder, "launcher" + suffix);

    auto showPV = [](kelvane::SimulatorFrame& w) { return [&w] { w.ShowPVButton()->click(); }; };
    for (const kelvane::EngineEntry* e : kelvane::EngineCatalog::All()) {
        kelvane::SimulatorFrame& window = program.Window(e->name);
        ok &= Shoot(window, folder, QString::fromStdString(e->name), suffix, showPV(window));
    }

    // The net-work graph window after a whole sweep of the first engine that
    // sweeps, through the field its sweep lists last.
    for (const kelvane::EngineEntry* e : kelvane::EngineCatalog::All()) {
        if (!e->makeSweep)
            continue;
        ok &= Shoot(SweptGraph(program, *e, true), folder, "sweep", suffix);
        break;
    }
    return ok ? 0 : 1;
}
