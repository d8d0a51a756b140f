#include "PressureVolumePopOver.h"

#include "widgets/ChartView.h"

#include <QCoreApplication>
#include <QPushButton>

namespace kelvane {

void PressureVolumePopOver::Attach(ChartView* chart, int height) {
    chart_ = chart;
    chart->setGeometry(0, 0, 400, height);
    chart->hide();
    chart->Chart().Visible = false;
}

void PressureVolumePopOver::Toggle(QPushButton* button) {
    // Alt+V shows and hides it alike.
    // The chart's own state, not the caption, which the language changes.
    if (chart_->isHidden()) {
        button->setText(QCoreApplication::translate("SimulatorFrame", "Hide P&V"));
        chart_->Chart().Visible = true;
        chart_->show();
        chart_->raise();
    } else {
        button->setText(QCoreApplication::translate("SimulatorFrame", "Show P&V"));
        chart_->Chart().Visible = false;
        chart_->hide();
    }
}

void PressureVolumePopOver::Place(const QWidget* chartPanel) {
    const int w = chartPanel->width() / 2, h = chartPanel->height() / 2;
    chart_->setGeometry(onRight_ ? chartPanel->width() - w : 0, 0, w, h);
}

} // namespace kelvane
