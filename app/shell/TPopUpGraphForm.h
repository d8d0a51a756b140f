#pragma once

#include "common/ParameterSweep.h"
#include "widgets/ChartView.h"
#include "widgets/ReportWriter.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class AnyEngineWindow;
struct EngineEntry;
class SimulatorFrame;

// The net-work graph window: the charts and notes of a simulator window's
// parameter sweep. It owns the sweep (the
// data it shows) and binds to it; the sweep drives that window's engine
// through the window's host.
//
// It is a child window of its simulator window, so that it takes input while
// that window is shown modally; hiding that window stops a sweep as closing
// this one does.
class TPopUpGraphForm : public QDialog {
    Q_OBJECT
  public:
    // The sweep drives the engine of owner, whose child window this is.
    TPopUpGraphForm(SimulatorFrame& owner, std::unique_ptr<ParameterSweep> sweep,
                    const QString& caption);
    // The sweep of the engine of the catalog that owner shows.
    TPopUpGraphForm(AnyEngineWindow& owner, const EngineEntry& engine);

    ParameterSweep& Sweep() { return *sweep_; }
    ChartView* Chart(int number) const { return charts_[number - 1]; }

    QWidget* TopPanel = nullptr;    // the top panel: buttons and notes
    QWidget* ButtonPanel = nullptr; // the narrow button panel at its left
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* PrintButton = nullptr;

    void CloseButtonClick() { close(); }
    // Prints the window's image; a missing printer goes to the error report.
    void PrintButtonClick();
    // Asks for a PDF file and writes the sweep's one-page report to it.
    void SaveReportClick();
    // The swept window's parameters, the notes and the four charts.
    ReportPage Report();
    // Stacks the four charts, each a quarter of what the top panel leaves, or
    // sets them two by two in a window too low for that.
    void ReSizeGraphs();
    // Brings charts, notes and the Print button in line with the sweep.
    void SyncFromSweep();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The notes in the student's language, one entry a line.
    QStringList NoteLines() const;
    void ShowCentred();

    SimulatorFrame& owner_; // the window whose engine is swept
    std::unique_ptr<ParameterSweep> sweep_;
    ChartView* charts_[4] = {};
    std::vector<std::string> shownMemo_;
};

} // namespace kelvane
