#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QWidget;

namespace kelvane {

class ChartView;

// The chart as an image at scale times its screen resolution, smoothed, for
// the clipboard, slides and the report.
QImage ChartImage(ChartView& chart, double scale = 2.0);
// The chart as it is now, drawn as lines and text (SVG) at its screen size:
// for the report, which draws it at any size without blurring.
QByteArray ChartDrawing(ChartView& chart);
// Writes the chart as PNG (twice its screen resolution), SVG or PDF (drawn as
// lines and text at its screen size), by the file name's suffix. False when
// the file cannot be written.
bool SaveChartImage(ChartView& chart, const QString& fileName);
// Writes the chart's data curves as CSV (see ChartCsv). False when the file
// cannot be written.
bool SaveChartData(ChartView& chart, const QString& fileName);
// Tells the user that an export could not be written.
void SayNotWritten(QWidget* parent, const QString& fileName);

} // namespace kelvane
