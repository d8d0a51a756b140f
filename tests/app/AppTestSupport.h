#pragma once

#include "TestPlatform.h"
#include "shell/SimulatorFrame.h"
#include "widgets/HandlerGuard.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
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

    // The same with an image laid over it at a point (a menu that pops up).
    static void Snapshot(QWidget& widget, const QImage& overlay, QPoint at, const char* name) {
        QByteArray folder = qgetenv("KELVANE_SNAPSHOTS");
        if (folder.isEmpty())
            return;
        QCoreApplication::processEvents();
        QImage image = widget.grab().toImage();
        QPainter(&image).drawImage(at, overlay);
        image.save(QString(folder) + "/" + name + ".png");
    }

    // The number a grid cell starts with ("1,234 (+)" gives 1234).
    static double CellNumber(const QString& cell) {
        QString number = cell.trimmed().section(' ', 0, 0);
        number.remove(',');
        return number.toDouble();
    }
    // The mark a pressure cell ends with compared with the mean it should be
    // measured against: "" when they agree, else what is wrong.
    static std::string MarkAgainst(const QString& pressureCell, const QString& meanCell) {
        const double pressure = CellNumber(pressureCell), mean = CellNumber(meanCell);
        const std::string expected = pressure > mean ? " (+)" : pressure < mean ? " (-)" : "";
        if (expected.empty() || pressureCell.endsWith(QString::fromStdString(expected)))
            return {};
        return pressureCell.toStdString() + " against a mean of " + meanCell.toStdString();
    }

    TestPlatform platform;
    std::vector<std::string> errors;

  private:
    QTemporaryDir dir_;
};

} // namespace kelvane
