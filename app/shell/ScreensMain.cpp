// kelvane-screens: pictures of every window at its opening size, at its
// minimum size and maximised, for the documentation and for checking layouts
// by eye. Run by scripts/screens; writes PNG files into the folder it is given.
#include "gamma/TGammaStirlingMainForm.h"
#include "gamma/TPopUpGraphForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneApplication.h"
#include "shell/KelvaneProgram.h"
#include "shell/SimulatorFrame.h"
#include "shell/TKelvaneDispatchForm.h"

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
    ok &= Shoot(program.Gamma(), folder, "gamma", suffix, showPV(program.Gamma()));
    ok &= Shoot(program.Ringbom(), folder, "ringbom", suffix, showPV(program.Ringbom()));
    ok &= Shoot(program.Rider(), folder, "rider", suffix, showPV(program.Rider()));

    // The net-work graph window after a whole sweep of the phase offset.
    program.Gamma().show();
    Settle(100);
    program.Graph().Sweep().FieldDblClick(kelvane::Field::PhaseOffset);
    ok &= Shoot(program.Graph(), folder, "sweep", suffix);
    program.Gamma().hide();
    return ok ? 0 : 1;
}
