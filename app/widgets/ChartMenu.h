#pragma once

#include <QObject>

#include <functional>

namespace kelvane {

class ChartView;

// The right-click menu of a chart: Copy Image, Save Image..., Save Data...
// and, where the window has one, Save Report.... A right press opens it and
// no longer counts as a click on the chart; left clicks keep their meaning.
class ChartMenu : public QObject {
    Q_OBJECT
  public:
    // saveReport may be empty: the menu then has no report entry.
    static ChartMenu* Attach(ChartView* chart, std::function<void()> saveReport);

    void CopyImage();
    void SaveImage();
    void SaveData();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ChartMenu(ChartView* chart, std::function<void()> saveReport);
    void Popup(const QPoint& globalPosition);
    // The file name a save dialog suggests: the window's engine and the chart's title.
    QString FileName() const;

    ChartView* chart_;
    std::function<void()> saveReport_;
};

} // namespace kelvane
