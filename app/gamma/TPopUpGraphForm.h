#pragma once

#include "gamma/GammaSweep.h"
#include "widgets/ChartView.h"
#include "widgets/ReportWriter.h"

#include <QDialog>

#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace kelvane {

class TGammaStirlingMainForm;

// The net-work graph window: the charts and notes of the Gamma window's
// parameter sweep. It owns the sweep (the data it shows) and binds to it; the
// sweep drives the Gamma window's engine through that window's host.
//
// It is a child window of the Gamma window, so that it takes input while the
// Gamma window is shown modally.
class TPopUpGraphForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPopUpGraphForm(TGammaStirlingMainForm& gamma);

    GammaSweep& Sweep() { return sweep_; }
    ChartView* Chart(int number) const { return charts_[number - 1]; }

    QWidget* Panel1 = nullptr; // the top panel: buttons and notes
    QWidget* Panel2 = nullptr; // the narrow button panel at its left
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* PrintButton = nullptr;

    void CloseButtonClick() { close(); }
    // Prints the window's image; a missing printer goes to the error report.
    void PrintButtonClick();
    // Asks for a PDF file and writes the sweep's one-page report to it.
    void SaveReportClick();
    // The Gamma window's parameters, the notes and the four charts.
    ReportPage Report();
    // Stacks the four charts, each a quarter of what the top panel leaves.
    void ReSizeGraphs();
    // Brings charts, notes and the Print button in line with the sweep.
    void SyncFromSweep();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ShowCentred();

    TGammaStirlingMainForm& gamma_;
    GammaSweep sweep_;
    ChartView* charts_[4] = {};
    std::vector<std::string> shownMemo_;
};

} // namespace kelvane
