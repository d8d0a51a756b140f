// kelvane-screens: pictures of every window at its opening size, at its
// minimum size and maximised, for the documentation and for checking layouts
// by eye. Run by scripts/screens; writes PNG files into the folder it is given.
#include "catalog/EngineCatalog.h"
#include "common/ParameterSweep.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/SimulatorFrame.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"

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

} // namespace

int main(int argc, char* argv[]) {
    kelvane::KelvaneApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: kelvane-screens FOLDER [SUFFIX]\n");
        return 2;
    }
    const QString folder = argv[1];
    const QString suffix = argc == 3 ? QString("-") + argv[2] : QString();
    QDir().mkpath(folder);
    // Default settings, and none of the user's kept or changed.
    QTemporaryDir settings;
    kelvane::SimulatorFrame::SetProgramFolderForTests(settings.path().toStdString() + "/");

    kelvane::KelvaneProgram program;
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
        kelvane::SimulatorFrame& window = program.Window(e->name);
        window.show();
        Settle(100);
        kelvane::ParameterSweep& sweep = program.Graph(e->name).Sweep();
        sweep.FieldDblClick(sweep.SweptFields().back());
        ok &= Shoot(program.Graph(e->name), folder, "sweep", suffix);
        window.hide();
        break;
    }
    return ok ? 0 : 1;
}
