#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QPageSize>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

class QTableWidget;
class QWidget;

namespace kelvane {

class ChartView;

// Label and value rows, as the parameter list and the statistics grid are.
using ReportRows = std::vector<std::pair<QString, QString>>;

// What a window puts on its one-page report.
struct ReportPage {
    QString title;
    QString date;
    QString parametersHeading = QCoreApplication::translate("ReportWriter", "Parameters");
    ReportRows parameters;
    QString gridHeading = QCoreApplication::translate("ReportWriter", "Statistics");
    ReportRows grid;
    QImage picture; // null: none
    std::vector<ChartView*> charts;
    // The charts as drawn when the page was made (see FreezeCharts); empty:
    // drawn as they are when the page is written.
    std::vector<QByteArray> chartDrawings;
};

// Draws the page's charts as they are now, for a page written later (after
// a file dialog, while the engine may have turned on). On paper an axis title
// meant for the screen says what the axis shows.
void FreezeCharts(ReportPage& page);

// The grid's rows that hold anything, both columns.
ReportRows GridRows(QTableWidget* grid);
// Rows as tab-separated lines, as spreadsheets paste them.
QString TabSeparated(const ReportRows& rows);
// Today's date and time, as the report shows it.
QString ReportDate();

// Writes the page as a one-page PDF of that size (see LayOutReport). False
// when the file cannot be written.
bool WriteReport(const ReportPage& page, const QString& fileName, const QPageSize& pageSize);
// Save Report...: takes the page, then asks for a PDF file, at the printer
// settings' default page size, and writes the page to it.
void SaveReport(QWidget* parent, const std::function<ReportPage()>& page);

} // namespace kelvane
