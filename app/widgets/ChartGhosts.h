#pragma once

#include <QObject>

#include <vector>

class QCPCurve;

namespace kelvane {

class ChartView;

// Faint dashed copies of a chart's curves as they were when held, in the same
// colours, drawn behind the live ones so that a change can be seen against
// them. Automatic axes widen to keep them in view.
class ChartGhosts : public QObject {
    Q_OBJECT
  public:
    // Holds the curves now on the chart, in place of any held before.
    static void Hold(ChartView* chart);
    static void Release(ChartView* chart);
    // The curves held on the chart (0 when none).
    static int Count(ChartView* chart);

  private:
    explicit ChartGhosts(ChartView* chart);
    ~ChartGhosts() override;
    void Widen();

    ChartView* chart_;
    std::vector<QCPCurve*> curves_;
};

} // namespace kelvane
