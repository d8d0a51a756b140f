#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace kelvane {

class ChartView;

// The chart as an image at scale times its screen resolution, smoothed, for
// the clipboard, slides and the report.
QImage ChartImage(ChartView& chart, double scale = 2.0);
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
