#pragma once

#include "TestPlatform.h"
#include "shell/SimulatorFrame.h"
#include "widgets/HandlerGuard.h"

#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <exception>
#include <string>
#include <vector>

namespace kelvane {

// A test's desktop: a test platform, a program folder of its own and a record
// of the errors the handlers reported.
class AppTestEnvironment {
  public:
    AppTestEnvironment() {
        SimulatorFrame::SetProgramFolderForTests(Folder());
        SetExceptionReporter([this](std::exception_ptr e) {
            try {
                std::rethrow_exception(e);
            } catch (const std::exception& ex) {
                errors.push_back(ex.what());
            } catch (...) {
                errors.push_back("unknown");
            }
        });
    }
    ~AppTestEnvironment() {
        SetExceptionReporter(nullptr);
        SimulatorFrame::SetProgramFolderForTests({});
    }

    std::string Folder() const { return dir_.path().toStdString() + "/"; }
    std::string SettingsFile() const { return Folder() + "Kelvane.INI"; }

    // Writes the widget's image when KELVANE_SNAPSHOTS names a folder.
    static void Snapshot(QWidget& widget, const char* name) {
        QByteArray folder = qgetenv("KELVANE_SNAPSHOTS");
        if (folder.isEmpty())
            return;
        QCoreApplication::processEvents(); // lets queued chart replots run
        widget.grab().toImage().save(QString(folder) + "/" + name + ".png");
    }

    TestPlatform platform;
    std::vector<std::string> errors;

  private:
    QTemporaryDir dir_;
};

} // namespace kelvane
