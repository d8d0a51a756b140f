#include "Platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

#include <stdexcept>

namespace kelvane {

namespace {

Platform* g_current = nullptr;

const char* kParameterFilter = "Stirling Parameters (*.PAR)";

} // namespace

Platform& Platform::Current() {
    static QtPlatform desktop;
    return g_current ? *g_current : desktop;
}

void Platform::SetCurrent(Platform* platform) {
    g_current = platform;
}

void Platform::PaintOnPrinter(QPrinter& printer, const QImage& image) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Printer is not currently printing");
    double scale = printer.resolution() / 96.0;
    painter.scale(scale, scale);
    painter.drawImage(QPoint(0, 0), image);
    painter.end();
}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::OpenFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder, kParameterFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("PAR");
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtPlatform::SaveFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder, kParameterFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("PAR");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void QtPlatform::PrintImage(const QImage& image) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw std::runtime_error("There is no default printer currently selected");
    QPrinter printer(info, QPrinter::HighResolution);
    PaintOnPrinter(printer, image);
}

void QtPlatform::OpenDocument(const QString& path) {
    // A missing document or viewer is ignored.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int QtPlatform::ScreenDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

QSize QtPlatform::ScreenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void QtPlatform::ShowModal(QDialog* dialog) {
    dialog->exec();
}

} // namespace kelvane
