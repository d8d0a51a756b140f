#pragma once

#include "widgets/Platform.h"

#include <QDialog>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>

namespace kelvane {

// A desktop that never blocks: it records what the windows ask of it.
class TestPlatform : public Platform {
  public:
    TestPlatform() { Platform::SetCurrent(this); }
    ~TestPlatform() override { Platform::SetCurrent(nullptr); }

    QStringList messages;
    QStringList documents;
    QString fileToOpen;
    QString fileToSave;
    QString pdfFile; // where PrintImage prints; empty means "no printer"
    int printed = 0;
    int dpi = 96;
    QSize screen{1280, 1024};
    bool developmentEnvironment = false;

    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QString OpenFileName(QWidget*, const QString&) override { return fileToOpen; }
    QString SaveFileName(QWidget*, const QString&) override { return fileToSave; }
    void PrintImage(const QImage& image) override {
        if (pdfFile.isEmpty())
            throw std::runtime_error("There is no default printer currently selected");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        PaintOnPrinter(printer, image);
        ++printed;
    }
    void OpenDocument(const QString& path) override { documents << path; }
    int ScreenDpi() override { return dpi; }
    QSize ScreenSize() override { return screen; }
    bool DevelopmentEnvironmentOpen() override { return developmentEnvironment; }
    void ShowModal(QDialog* dialog) override { dialog->show(); }
};

} // namespace kelvane
