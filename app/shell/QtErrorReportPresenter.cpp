#include "shell/QtErrorReportPresenter.h"

#include "shell/TErrorReportDialog.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvane {

void QtErrorReportPresenter::ShowReport(const TErrorReportData& data) {
    TErrorReportDialog dialog(data, QApplication::activeWindow());
    dialog.exec();
}

void QtErrorReportPresenter::ShowMessage(const std::string& message) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                          QString::fromStdString(message));
}

} // namespace kelvane
