#include "Platform.h"

#include "HelpWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <stdexcept>

namespace kelvane {

namespace {

Platform* g_current = nullptr;

const char* kParameterFilter = QT_TRANSLATE_NOOP("Platform", "Stirling Parameters (*.PAR)");

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
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.drawImage(QRect(QPoint(0, 0), image.size().scaled(page.size(), Qt::KeepAspectRatio)),
                      image);
    painter.end();
}

void Platform::PrintImage(QWidget* parent, const QImage& image) {
    QPrinter printer(QPrinter::HighResolution);
    if (HasPrinter()) {
        if (!ChoosePrinter(parent, printer))
            return;
    } else {
        const QString pdf = PdfFileName(parent);
        if (pdf.isEmpty())
            return;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }
    PaintOnPrinter(printer, image);
}

namespace {
QString& LastSaveFolder() {
    static QString folder;
    return folder;
}

QString SuffixOf(const QString& filter) {
    const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+))").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

QString Platform::ChooseExportFile(QWidget* parent, const QString& caption,
                                   const QStringList& filters, const QString& name) {
    const QString file = ExportFileName(parent, caption, filters, SuggestedPath(name));
    if (!file.isEmpty())
        RememberSaveFolder(file);
    return file;
}

QString Platform::SuggestedPath(const QString& name) {
    QString folder = LastSaveFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(name);
}

void Platform::RememberSaveFolder(const QString& file) {
    LastSaveFolder() = QFileInfo(file).absolutePath();
}

QString Platform::WithOfferedSuffix(const QString& typed, const QString& chosenFilter,
                                    const QStringList& filters) {
    const QString suffix = QFileInfo(typed).suffix();
    for (const QString& filter : filters) {
        if (!suffix.isEmpty() && suffix.compare(SuffixOf(filter), Qt::CaseInsensitive) == 0)
            return typed;
    }
    const QString chosen = SuffixOf(chosenFilter);
    return chosen.isEmpty() ? typed : typed + "." + chosen;
}

QString Platform::FileNameOf(const QString& window, const QString& what) {
    QString engine = window;
    for (const char* generic : {" Stirling Engine Simulator", " Simulator"})
        engine.remove(QString(generic));
    QString name = (engine + " " + what).simplified();
    name.remove(QRegularExpression(R"([\\/:*?"<>|()])"));
    return name.simplified();
}

void Platform::OpenDocument(const QString& path, QWidget* from) {
    if (!OpenInBrowser(path))
        HelpWindow::Open(path, from);
}

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString QtPlatform::OpenFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder,
                       QCoreApplication::translate("Platform", kParameterFilter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("PAR");
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

QString QtPlatform::SaveFileName(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder,
                       QCoreApplication::translate("Platform", kParameterFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix("PAR");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtPlatform::HasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

bool QtPlatform::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString QtPlatform::PdfFileName(QWidget* parent) {
    QFileDialog dialog(
        parent,
        QCoreApplication::translate("Platform", "No printer is installed: print to a PDF file"),
        QString(), QCoreApplication::translate("Platform", "PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("pdf");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool QtPlatform::OpenInBrowser(const QString& path) {
    // False when the desktop has no launcher at all; a launcher that then
    // finds no browser cannot be told from here.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

int QtPlatform::ScreenDpi() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchX()) : 96;
}

QSize QtPlatform::ScreenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QRect QtPlatform::AvailableArea() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect QtPlatform::AvailableAreaAt(QPoint point) {
    if (QScreen* screen = QGuiApplication::screenAt(point))
        return screen->availableGeometry();
    // Off every screen: the nearest one.
    QScreen* nearest = QGuiApplication::primaryScreen();
    int distance = INT_MAX;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        const QPoint inside(std::clamp(point.x(), g.left(), g.right()),
                            std::clamp(point.y(), g.top(), g.bottom()));
        if (const int d = (inside - point).manhattanLength(); d < distance) {
            distance = d;
            nearest = screen;
        }
    }
    return nearest ? nearest->availableGeometry() : AvailableArea();
}

void QtPlatform::ShowModal(QDialog* dialog) {
    dialog->exec();
}

QString QtPlatform::ExportFileName(QWidget* parent, const QString& caption,
                                   const QStringList& filters, const QString& suggested) {
    QFileDialog dialog(parent, caption, suggested, filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return WithOfferedSuffix(dialog.selectedFiles().first(), dialog.selectedNameFilter(), filters);
}

void QtPlatform::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

void QtPlatform::SetClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtPlatform::ShowMenu(QMenu* menu, const QPoint& globalPosition) {
    menu->exec(globalPosition);
}

void QtPlatform::Announce(QWidget* widget) {
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QPageSize QtPlatform::DefaultPageSize() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    const QLocale::Country country = QLocale::system().territory();
    const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ||
                        country == QLocale::Canada || country == QLocale::Mexico ||
                        country == QLocale::Chile || country == QLocale::Philippines;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace kelvane
