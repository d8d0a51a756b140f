#pragma once

#include "crash/TErrorReportData.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;

namespace kelvane {

// The error report's dialog: the message with an error icon, "OK",
// "Details >>" for the pages of call stack, registers and custom information,
// and "Terminate" when asked for. Opens compact unless excDlgDetailed is set.
class TErrorReportDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TErrorReportDialog(const TErrorReportData& data, QWidget* parent = nullptr);

    bool IsDetailed() const { return detailed; }
    void SetDetailed(bool on);

    QPushButton* OkButton() const { return okButton; }
    QPushButton* DetailsButton() const { return detailsButton; }
    QPushButton* TerminateButton() const { return terminateButton; }
    QTabWidget* Pages() const { return pages; }
    QLabel* MessageLabel() const { return messageLabel; }

  private:
    void AddPage(const QString& caption, const std::string& text);

    QLabel* messageLabel;
    QPushButton* okButton;
    QPushButton* detailsButton;
    QPushButton* terminateButton;
    QTabWidget* pages;
    bool detailed = false;
};

} // namespace kelvane
