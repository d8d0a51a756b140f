#pragma once

#include "foundations/TChart.h"

#include <qcustomplot.h>

namespace kelvane {

// A line graph drawn the cheaper of Qt's two ways for its pen: a one-pixel
// line as one polyline (Qt's fast cosmetic path), a thicker one segment by
// segment (stroking a long thick polyline with its joins costs far more).
//
// A series denser than its chart's pixel columns is drawn from the chart
// data's summary of its values instead: per column a line from the previous
// column's last point to the column's first, and one from its least to its
// greatest value, which set the column's pixels as every point would. A
// replot then costs in proportion to the chart's width, not to the record.
class ChartGraph : public QCPGraph {
  public:
    ChartGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const TLineSeries& series);

    // Dense series point by point instead of by columns (the same pixels,
    // slower): for comparing the two.
    bool everyPoint = false;

  protected:
    void draw(QCPPainter* painter) override;

  private:
    bool DrawByColumns(QCPPainter* painter);

    const TLineSeries& series_;
    QVector<QLineF> lines_; // kept: a replot reuses their storage
    QVector<QRectF> bars_;
};

} // namespace kelvane
