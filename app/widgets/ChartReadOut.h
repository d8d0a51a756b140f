#pragma once

#include "foundations/LoopTravel.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <vector>

class QCPItemLine;
class QLabel;

namespace kelvane {

class ChartView;

// The box that follows the mouse over a chart: the nearest recorded x and
// each data curve's value there. Over a loop chart it names the loop's nearest
// point instead, and two arrows show the way the engine goes round.
class ChartReadOut : public QObject {
    Q_OBJECT
  public:
    static ChartReadOut* Attach(ChartView* chart);
    // The read-out attached to the chart, if any.
    static ChartReadOut* Of(ChartView* chart);

    // Makes the chart a loop chart: loop gives its points in the order of travel.
    void SetLoop(std::function<std::vector<LoopPoint>()> loop) { loop_ = std::move(loop); }
    // Shows the read-out for the mouse at this point of the chart, as a move does.
    void ShowAt(QPoint position);
    void Hide();
    QLabel* Box() const { return box_; }
    int ArrowCount() const { return static_cast<int>(arrows_.size()); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit ChartReadOut(ChartView* chart);
    QStringList LoopLines(QPoint position);
    void ShowArrows(const std::vector<LoopPoint>& loop);
    void RemoveArrows();

    ChartView* chart_;
    QLabel* box_;
    std::function<std::vector<LoopPoint>()> loop_;
    std::vector<QCPItemLine*> arrows_;
};

} // namespace kelvane
