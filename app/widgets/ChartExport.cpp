#include "ChartExport.h"

#include "ChartView.h"
#include "Platform.h"
#include "foundations/ChartCsv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSvgGenerator>

#include <functional>

namespace kelvane {

namespace {

constexpr double kImageScale = 2.0;

// The screen draws without smoothing for speed; a file is looked at closely.
template <class F> auto Smoothed(ChartView& chart, F draw) {
    const QCP::AntialiasedElements plain = chart.notAntialiasedElements();
    chart.setNotAntialiasedElements(QCP::aeNone);
    chart.setAntialiasedElements(QCP::aeAll);
    auto result = draw();
    chart.setAntialiasedElements(QCP::aeNone);
    chart.setNotAntialiasedElements(plain);
    return result;
}

bool WriteSvg(ChartView& chart, QIODevice* device) {
    QSvgGenerator svg;
    svg.setOutputDevice(device);
    svg.setSize(chart.size());
    // Fonts are given in points: at the screen's resolution they keep their
    // size against the chart's pixels.
    svg.setResolution(chart.logicalDpiX());
    svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
    svg.setTitle(QString::fromStdString(chart.Chart().Title.empty() ? chart.Chart().Name
                                                                    : chart.Chart().Title[0]));
    QCPPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    chart.toPainter(&painter, chart.width(), chart.height());
    return painter.end();
}

bool SaveSvg(ChartView& chart, const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && WriteSvg(chart, &file);
}

} // namespace

QImage ChartImage(ChartView& chart, double scale) {
    return Smoothed(chart, [&] { return chart.toPixmap(0, 0, scale).toImage(); });
}

QByteArray ChartDrawing(ChartView& chart) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return Smoothed(chart, [&] { return WriteSvg(chart, &buffer); }) ? buffer.data() : QByteArray();
}

bool SaveChartImage(ChartView& chart, const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    // Neither writer says when it could not open its file.
    QFile(fileName).remove();
    const bool drawn = Smoothed(chart, [&] {
        if (suffix == "svg")
            return SaveSvg(chart, fileName);
        if (suffix == "pdf")
            return chart.savePdf(fileName);
        return chart.savePng(fileName, 0, 0, kImageScale);
    });
    return drawn && QFileInfo(fileName).size() > 0;
}

bool SaveChartData(ChartView& chart, const QString& fileName) {
    const std::string csv = ChartCsv(chart.Chart());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(csv.data(), static_cast<qint64>(csv.size()));
    return file.commit();
}

void SayNotWritten(QWidget* parent, const QString& fileName) {
    Platform::Current().ShowMessage(
        parent, QCoreApplication::translate("ChartExport", "The file \"%1\" could not be written.")
                    .arg(fileName));
}

} // namespace kelvane
