#include "ReportWriter.h"

#include "ChartExport.h"
#include "ChartView.h"
#include "Platform.h"
#include "foundations/ReportLayout.h"

#include "shell/Languages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTableWidget>

namespace kelvane {

namespace {

constexpr double kMarginMm = 12.7;

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
    const double labelWidth = box.width * 0.62;
    const double valueWidth = box.width - labelWidth;
    // A text too long for its column is set smaller, down to half, before it
    // is cut: "Displacer cylinder diameter" stays whole.
    auto draw = [&](const QRectF& where, const QString& text) {
        QFont font = PageFont(size);
        const double natural = QFontMetricsF(font).horizontalAdvance(text);
        if (natural > where.width())
            font.setPixelSize(
                std::max(1, static_cast<int>(size * std::max(0.5, where.width() / natural))));
        painter.setFont(font);
        painter.drawText(where, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(font).elidedText(text, Qt::ElideRight, where.width()));
    };
    for (const auto& [label, value] : rows) {
        line.translate(0, lineHeight);
        // A line of notes has no value and takes the whole width.
        const double width = value.isEmpty() ? box.width : labelWidth - 4;
        draw(QRectF(line.x(), line.y(), width, lineHeight), label);
        draw(QRectF(line.x() + labelWidth, line.y(), valueWidth, lineHeight), value);
    }
}

// What the Work charts' value axis shows, for paper, where the screen's
// "Click the Help button!" means nothing.
constexpr char kScreenOnlyTitle[] = "Click the Help button!";
constexpr char kWorkAxisTitle[] =
    QT_TRANSLATE_NOOP("ReportWriter", "Work (pressure × volume units)");

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

void FreezeCharts(ReportPage& page) {
    page.chartDrawings.clear();
    for (ChartView* chart : page.charts) {
        QByteArray drawing = ChartDrawing(*chart);
        drawing.replace(CoreText(kScreenOnlyTitle).toUtf8(),
                        QCoreApplication::translate("ReportWriter", kWorkAxisTitle).toUtf8());
        page.chartDrawings.push_back(drawing);
    }
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
    QSizeF chartShape(1, 1);
    if (!page.charts.empty()) {
        chartShape = QSizeF(std::max(page.charts.front()->width(), 1),
                            std::max(page.charts.front()->height(), 1));
        contents.chartWidth = chartShape.width();
        contents.chartHeight = chartShape.height();
    }
    ReportPlan plan = LayOutReport(contents);
    // Drawn as lines, the charts may take any size: two charts or more go in
    // two columns, each as wide as its column allows at its screen shape,
    // rather than one column of wide charts leaving half the page empty.
    if (page.charts.size() >= 2 && !plan.charts.empty()) {
        constexpr double kGap = 8; // as between the report's boxes
        const double top = plan.charts.front().y;
        const int rows = static_cast<int>(page.charts.size() + 1) / 2;
        const double width = (area.width() - kGap) / 2;
        const double height = std::min(width * chartShape.height() / chartShape.width(),
                                       (area.height() - top - (rows - 1) * kGap) / rows);
        for (std::size_t i = 0; i < plan.charts.size(); ++i)
            plan.charts[i] = {static_cast<double>(i % 2) * (width + kGap),
                              top + static_cast<double>(i / 2) * (height + kGap), width, height};
    }

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
    // The charts as lines and text, each drawn as it was when the page was made.
    ReportPage frozen;
    if (page.chartDrawings.size() != page.charts.size()) {
        frozen.charts = page.charts;
        FreezeCharts(frozen);
    }
    const std::vector<QByteArray>& drawings =
        frozen.charts.empty() ? page.chartDrawings : frozen.chartDrawings;
    for (std::size_t i = 0; i < drawings.size() && i < plan.charts.size(); ++i) {
        QSvgRenderer drawing(drawings[i]);
        const QRectF cell = rect(plan.charts[i]);
        const QSizeF size = chartShape.scaled(cell.size(), Qt::KeepAspectRatio);
        drawing.render(&painter, QRectF(cell.topLeft(), size));
    }
    return painter.end() && QFileInfo(fileName).size() > 0;
}

void SaveReport(QWidget* parent, const std::function<ReportPage()>& page) {
    // The page as it is at the click: the engine may turn on during the dialog.
    ReportPage taken = page();
    FreezeCharts(taken);
    const QString file = Platform::Current().ChooseExportFile(
        parent, QCoreApplication::translate("ReportWriter", "Save Report"),
        {QCoreApplication::translate("ReportWriter", "PDF document (*.pdf)")},
        Platform::FileNameOf(parent->window()->windowTitle(), "report.pdf"));
    if (!file.isEmpty() && !WriteReport(taken, file, Platform::Current().DefaultPageSize()))
        SayNotWritten(parent, file);
}

} // namespace kelvane
