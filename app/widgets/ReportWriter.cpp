#include "ReportWriter.h"

#include "ChartExport.h"
#include "ChartView.h"
#include "Platform.h"
#include "foundations/ReportLayout.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QTableWidget>

namespace kelvane {

namespace {

constexpr double kMarginMm = 12.7;
constexpr double kChartScale = 3.0;

// Fonts sized in the page's points: the painter draws in points.
QFont PageFont(double size, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, qRound(size)));
    font.setBold(bold);
    return font;
}

void DrawRows(QPainter& painter, const ReportBox& box, double lineHeight, const QString& heading,
              const ReportRows& rows) {
    const double size = lineHeight * 0.8;
    painter.setFont(PageFont(size, true));
    QRectF line(box.x, box.y, box.width, lineHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.setFont(PageFont(size));
    const QFontMetricsF metrics(painter.font());
    const double labelWidth = box.width * 0.62;
    for (const auto& [label, value] : rows) {
        line.translate(0, lineHeight);
        // A line of notes has no value and takes the whole width.
        const double width = value.isEmpty() ? box.width : labelWidth - 4;
        painter.drawText(QRectF(line.x(), line.y(), width, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(label, Qt::ElideRight, width));
        const double valueWidth = box.width - labelWidth;
        painter.drawText(QRectF(line.x() + labelWidth, line.y(), valueWidth, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(value, Qt::ElideRight, valueWidth));
    }
}

} // namespace

ReportRows GridRows(QTableWidget* grid) {
    ReportRows rows;
    auto text = [grid](int row, int column) {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    };
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (!text(row, 0).isEmpty() || !text(row, 1).isEmpty())
            rows.emplace_back(text(row, 0), text(row, 1));
    }
    return rows;
}

QString TabSeparated(const ReportRows& rows) {
    QString text;
    for (const auto& [label, value] : rows)
        text += label + '\t' + value + '\n';
    return text;
}

QString ReportDate() {
    return QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm");
}

bool WriteReport(const ReportPage& page, const QString& fileName, const QPageSize& pageSize) {
    QFile(fileName).remove(); // the printer does not say when it cannot open its file
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageLayout(QPageLayout(pageSize, QPageLayout::Portrait,
                                      QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                      QPageLayout::Millimeter));
    printer.setDocName(page.title);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);

    ReportContents contents;
    contents.pageWidth = area.width();
    contents.pageHeight = area.height();
    contents.parameterRows = static_cast<int>(page.parameters.size());
    contents.gridRows = static_cast<int>(page.grid.size());
    contents.pictureWidth = page.picture.isNull() ? 0 : page.picture.width();
    contents.pictureHeight = page.picture.isNull() ? 0 : page.picture.height();
    contents.charts = static_cast<int>(page.charts.size());
    if (!page.charts.empty()) {
        contents.chartWidth = std::max(page.charts.front()->width(), 1);
        contents.chartHeight = std::max(page.charts.front()->height(), 1);
    }
    const ReportPlan plan = LayOutReport(contents);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const double toDevice = printer.resolution() / 72.0;
    painter.scale(toDevice, toDevice);

    painter.setFont(PageFont(16, true));
    auto rect = [](const ReportBox& b) { return QRectF(b.x, b.y, b.width, b.height); };
    painter.drawText(rect(plan.title), Qt::AlignLeft | Qt::AlignVCenter, page.title);
    painter.setFont(PageFont(9));
    painter.drawText(rect(plan.date), Qt::AlignLeft | Qt::AlignVCenter, page.date);
    DrawRows(painter, plan.parameters, plan.lineHeight, page.parametersHeading, page.parameters);
    DrawRows(painter, plan.grid, plan.lineHeight, page.gridHeading, page.grid);
    if (!page.picture.isNull())
        painter.drawImage(rect(plan.picture), page.picture);
    // The charts as fine images: drawn as lines on the page, their fonts
    // (given in points) would be sized for the page's resolution, not theirs.
    for (std::size_t i = 0; i < page.charts.size(); ++i)
        painter.drawImage(rect(plan.charts[i]), ChartImage(*page.charts[i], kChartScale));
    return painter.end() && QFileInfo(fileName).size() > 0;
}

void SaveReport(QWidget* parent, const std::function<ReportPage()>& page) {
    const QString file = Platform::Current().ChooseExportFile(
        parent, "Save Report", {"PDF document (*.pdf)"},
        Platform::FileNameOf(parent->window()->windowTitle(), "report.pdf"));
    if (!file.isEmpty() && !WriteReport(page(), file, Platform::Current().DefaultPageSize()))
        SayNotWritten(parent, file);
}

} // namespace kelvane
