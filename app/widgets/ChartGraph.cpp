#include "ChartGraph.h"

#include "AxisMap.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace kelvane {

namespace {

// The first index in [lo, hi) whose key is at least `key` (hi if none), looked
// for outwards from `guess`: where keys are spread about evenly it lies a
// step or two away, and a binary search over the rest of a long record would
// read memory far apart at every halving.
std::size_t FirstAtOrPast(std::span<const double> xs, std::size_t lo, std::size_t hi,
                          std::size_t guess, double key) {
    guess = std::clamp(guess, lo, hi);
    std::size_t a = guess, b = guess, step = 1;
    if (guess < hi && xs[guess] < key) {
        // Everything below a is under the key; the answer is at most b.
        a = b = guess + 1;
        while (b < hi && xs[b] < key) {
            a = b + 1;
            b = std::min(hi, b + step);
            step *= 2;
        }
    } else {
        // The answer is at most b; everything below a is under the key.
        while (a > lo && xs[a - 1] >= key) {
            b = a - 1;
            a = a - lo > step ? a - step : lo;
            step *= 2;
        }
    }
    return static_cast<std::size_t>(std::lower_bound(xs.begin() + static_cast<std::ptrdiff_t>(a),
                                                     xs.begin() + static_cast<std::ptrdiff_t>(b),
                                                     key) -
                                    xs.begin());
}

} // namespace

ChartGraph::ChartGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, const TLineSeries& series)
    : QCPGraph(keyAxis, valueAxis), series_(series) {
    // Dense series are drawn by columns below; QCustomPlot's own sampling
    // would only move the pixels of the sparser ones.
    setAdaptiveSampling(false);
}

void ChartGraph::draw(QCPPainter* painter) {
    const QCP::PlottingHints hints = mParentPlot->plottingHints();
    mParentPlot->setPlottingHint(QCP::phFastPolylines, pen().widthF() > 1);
    if (!DrawByColumns(painter))
        QCPGraph::draw(painter);
    mParentPlot->setPlottingHints(hints);
}

bool ChartGraph::DrawByColumns(QCPPainter* painter) {
    QCPAxis* keys = mKeyAxis.data();
    QCPAxis* values = mValueAxis.data();
    if (!keys || !values || keys->orientation() != Qt::Horizontal || keys->rangeReversed() ||
        mLineStyle != lsLine || !mScatterStyle.isNone() || mBrush.style() != Qt::NoBrush ||
        !(keys->range().size() > 0))
        return false;
    const std::span<const double> xs = series_.XValues().Values();
    const TChartValueList& ys = series_.YValues();
    // The points inside the key range and one beyond each end, which the
    // line runs to from the chart's edges.
    auto first = std::lower_bound(xs.begin(), xs.end(), keys->range().lower);
    auto last = std::upper_bound(first, xs.end(), keys->range().upper);
    if (first != xs.begin())
        --first;
    if (last != xs.end())
        ++last;
    const auto begin = static_cast<std::size_t>(first - xs.begin());
    const auto end = static_cast<std::size_t>(last - xs.begin());
    const double columns = std::fabs(keys->coordToPixel(keys->range().upper) -
                                     keys->coordToPixel(keys->range().lower));
    if (static_cast<double>(end - begin) < 2 * columns)
        return false; // a point or two a column: drawn one by one
    if (everyPoint) {
        // Each segment on its own, as the columns' lines are drawn below: a
        // one-pixel polyline leaves out steps shorter than a pixel.
        mParentPlot->setPlottingHint(QCP::phFastPolylines, true);
        QCPGraph::draw(painter);
        return true;
    }
    // Where a column's last point is to be looked for: at the share of the
    // points its key is of the keys' span.
    const double span = xs[end - 1] - xs[begin];
    const double perKey = span > 0 ? static_cast<double>(end - begin - 1) / span : 0;

    const double width = std::max(1.0, mPen.widthF());
    const AxisMap keyPixel(keys), valuePixel(values);
    // Where QCustomPlot draws a segment: between its ends rounded to pixels.
    auto at = [&](double keyPx, double y) {
        return QPointF(QPointF(keyPx, valuePixel(y)).toPoint());
    };
    lines_.resize(0);
    bars_.resize(0);
    QPointF previous;
    bool joined = false; // whether previous holds the last column's last point
    for (std::size_t from = begin; from < end;) {
        // The column's points: those that round to the pixel of the first.
        const double fromPx = keyPixel(xs[from]);
        const double column = std::floor(fromPx + 0.5);
        const double edge = keys->pixelToCoord(column + 0.5);
        const auto guess = begin + static_cast<std::size_t>(std::clamp(
                                       (edge - xs[begin]) * perKey, 0.0, static_cast<double>(end)));
        const std::size_t to = std::max(from + 1, FirstAtOrPast(xs, from + 1, end, guess, edge));
        const double y0 = ys[static_cast<int>(from)];
        if (joined && std::isfinite(y0))
            lines_.append(QLineF(previous, at(fromPx, y0)));
        if (to - from > 1) {
            const MinMax m = ys.Extremes(static_cast<int>(from), static_cast<int>(to));
            if (m.lo <= m.hi) {
                const QPointF lo = at(fromPx, m.lo), hi = at(fromPx, m.hi);
                // A pen's stroke of a vertical line is a rectangle, its
                // square caps included; filled as one it costs far less.
                const QRectF bar(column - width / 2, std::min(lo.y(), hi.y()) - width / 2, width,
                                 std::fabs(lo.y() - hi.y()) + width);
                // A long record's columns often span the same values (a band
                // of whole cycles): next columns alike make one wide rectangle.
                if (!bars_.isEmpty() && bars_.back().top() == bar.top() &&
                    bars_.back().height() == bar.height() && bars_.back().right() >= bar.left())
                    bars_.back().setRight(bar.right());
                else
                    bars_.append(bar);
            }
        }
        const double y1 = ys[static_cast<int>(to - 1)];
        joined = std::isfinite(y1);
        previous = at(keyPixel(xs[to - 1]), y1);
        from = to;
    }
    // Separate segments, not a polyline: Qt leaves out a polyline's steps
    // shorter than a pixel, which drawing every point would have shown.
    painter->setPen(mPen);
    painter->setBrush(Qt::NoBrush);
    painter->drawLines(lines_);
    for (const QRectF& bar : bars_)
        painter->fillRect(bar, mPen.color());
    return true;
}

} // namespace kelvane
