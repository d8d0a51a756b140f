#pragma once

#include "widgets/Platform.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>

#include <stdexcept>
#include <vector>

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
    bool printer = false; // whether a printer is installed
    QString pdfFile;      // the PDF file the user names; empty: the user cancels
    int printDialogs = 0; // standard print dialogs shown
    bool browser = true;  // whether a browser starts
    int dpi = 96;
    QSize screen{1280, 1024};
    QRect available; // empty: the whole screen
    bool developmentEnvironment = false;
    QString exportFile;      // the export file the user names; empty: the user cancels
    QStringList suggestions; // the paths the export dialogs opened on
    QString clipboardText;
    QImage clipboardImage;
    std::vector<QWidget*> announced; // the widgets a screen reader was to say at once
    QStringList menuActions;         // the captions of the last menu popped up
    QString menuChoice;              // the caption the user picks in it, if any
    QImage menuImage;                // how it looked, while snapshots are taken
    QPageSize pageSize{QPageSize::A4};

    void ShowMessage(QWidget*, const QString& text) override { messages << text; }
    QString OpenFileName(QWidget*, const QString&) override { return fileToOpen; }
    QString SaveFileName(QWidget*, const QString& folder) override {
        suggestions << folder;
        return fileToSave;
    }
    bool HasPrinter() override { return printer; }
    // The user picks the printer "print to file" with pdfFile.
    bool ChoosePrinter(QWidget*, QPrinter& chosen) override {
        ++printDialogs;
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(pdfFile);
        return !pdfFile.isEmpty();
    }
    QString PdfFileName(QWidget*) override { return pdfFile; }
    bool OpenInBrowser(const QString& path) override {
        documents << path;
        return browser;
    }
    int ScreenDpi() override { return dpi; }
    QSize ScreenSize() override { return screen; }
    QRect AvailableArea() override { return available.isEmpty() ? QRect({}, screen) : available; }
    bool DevelopmentEnvironmentOpen() override { return developmentEnvironment; }
    void ShowModal(QDialog* dialog) override { dialog->show(); }
    QString ExportFileName(QWidget*, const QString&, const QStringList&,
                           const QString& suggested) override {
        suggestions << suggested;
        return exportFile;
    }
    void SetClipboardText(const QString& text) override { clipboardText = text; }
    void SetClipboardImage(const QImage& image) override { clipboardImage = image; }
    void Announce(QWidget* widget) override { announced.push_back(widget); }
    void ShowMenu(QMenu* menu, const QPoint&) override {
        menuActions.clear();
        if (!qgetenv("KELVANE_SNAPSHOTS").isEmpty()) {
            menu->adjustSize();
            menuImage = menu->grab().toImage();
        }
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator())
                continue;
            menuActions << action->text();
            if (action->text() == menuChoice)
                chosen = action;
        }
        if (chosen)
            chosen->trigger();
    }
    QPageSize DefaultPageSize() override { return pageSize; }
};

} // namespace kelvane
