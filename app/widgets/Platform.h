#pragma once

#include <QImage>
#include <QPageSize>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QMenu;
class QPrinter;
class QWidget;

namespace kelvane {

// Everything the windows ask of the desktop: message boxes, file dialogs,
// printing, documents, the screen, modal showing. Tests substitute it so that
// nothing blocks or depends on the machine.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
    // An empty text when the user cancels. folder may instead be the path of
    // a file the dialog suggests.
    virtual QString OpenFileName(QWidget* parent, const QString& folder) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& folder) = 0;
    // Prints the image scaled to fit one page: on the printer the user picks in
    // the standard print dialog or, with no printer installed, into a PDF file
    // the user names. Nothing happens when the user cancels.
    void PrintImage(QWidget* parent, const QImage& image);
    virtual bool HasPrinter() = 0;
    // The standard print dialog; false when the user cancels.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // An empty text when the user cancels.
    virtual QString PdfFileName(QWidget* parent) = 0;

    // Opens a page in the desktop's browser or, when none starts, in the
    // program's own help window: a page asked for always shows, beside the
    // window it was asked from and usable while that window is modal.
    void OpenDocument(const QString& path, QWidget* from = nullptr);
    // False when no browser could be started.
    virtual bool OpenInBrowser(const QString& path) = 0;
    virtual int ScreenDpi() = 0;
    virtual QSize ScreenSize() = 0;
    // The part of the screen windows may take (without panels and docks).
    virtual QRect AvailableArea() = 0;
    // The same of the screen a point lies on, or the nearest one.
    virtual QRect AvailableAreaAt(QPoint) { return AvailableArea(); }
    // Whether the developer's environment is open (the release check runs only then).
    virtual bool DevelopmentEnvironmentOpen() = 0;
    // Shows a window modally and returns when it is closed.
    virtual void ShowModal(QDialog* dialog) = 0;

    // The name of a file to export to, from filters such as "PNG image
    // (*.png)", the dialog opening on suggested (a full path): see
    // WithOfferedSuffix. Empty when the user cancels.
    virtual QString ExportFileName(QWidget* parent, const QString& caption,
                                   const QStringList& filters, const QString& suggested) = 0;
    // The same, suggesting name in the folder of the last file saved (else the
    // user's documents folder), which the chosen file's folder then becomes.
    QString ChooseExportFile(QWidget* parent, const QString& caption, const QStringList& filters,
                             const QString& name);
    // Where a save dialog opens with name: the folder last saved to in this
    // run, else the user's documents folder.
    static QString SuggestedPath(const QString& name);
    static void RememberSaveFolder(const QString& file);
    // A typed name whose suffix is one the filters offer keeps it ("chart.svg"
    // with PNG chosen stays an SVG drawing); any other takes the chosen
    // filter's suffix.
    static QString WithOfferedSuffix(const QString& typed, const QString& chosenFilter,
                                     const QStringList& filters);
    // A name for a file made of a window's title and a chart's, without the
    // characters file systems refuse.
    static QString FileNameOf(const QString& window, const QString& what);
    virtual void SetClipboardText(const QString& text) = 0;
    virtual void SetClipboardImage(const QImage& image) = 0;
    // Pops a context menu up at a screen position; returns when it closes.
    virtual void ShowMenu(QMenu* menu, const QPoint& globalPosition) = 0;
    // Has a screen reader say the widget's text at once, wherever the focus is.
    virtual void Announce(QWidget* widget) = 0;
    // The page size the printer settings default to: the default printer's,
    // else A4 or Letter by the user's locale.
    virtual QPageSize DefaultPageSize() = 0;

    static Platform& Current();
    // Replaces the platform (tests); nullptr restores the desktop one.
    static void SetCurrent(Platform* platform);

    // Draws the image at the page's top left, as large as the page allows.
    static void PaintOnPrinter(QPrinter& printer, const QImage& image);
};

// The real desktop.
class QtPlatform : public Platform {
  public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    QString OpenFileName(QWidget* parent, const QString& folder) override;
    QString SaveFileName(QWidget* parent, const QString& folder) override;
    bool HasPrinter() override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    QString PdfFileName(QWidget* parent) override;
    bool OpenInBrowser(const QString& path) override;
    int ScreenDpi() override;
    QSize ScreenSize() override;
    QRect AvailableArea() override;
    QRect AvailableAreaAt(QPoint point) override;
    bool DevelopmentEnvironmentOpen() override { return false; }
    void ShowModal(QDialog* dialog) override;
    QString ExportFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                           const QString& suggested) override;
    void SetClipboardText(const QString& text) override;
    void SetClipboardImage(const QImage& image) override;
    void ShowMenu(QMenu* menu, const QPoint& globalPosition) override;
    void Announce(QWidget* widget) override;
    QPageSize DefaultPageSize() override;
};

} // namespace kelvane
