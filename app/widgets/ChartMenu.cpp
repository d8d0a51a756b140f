#include "ChartMenu.h"

#include "ChartExport.h"
#include "ChartView.h"
#include "HandlerGuard.h"
#include "Platform.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>

namespace kelvane {

ChartMenu* ChartMenu::Attach(ChartView* chart, std::function<void()> saveReport) {
    return new ChartMenu(chart, std::move(saveReport));
}

ChartMenu::ChartMenu(ChartView* chart, std::function<void()> saveReport)
    : QObject(chart), chart_(chart), saveReport_(std::move(saveReport)) {
    setObjectName("ChartMenu");
    chart->installEventFilter(this);
}

bool ChartMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != chart_)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        Popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    // The right button's press belongs to the menu, not to the crank.
    if ((event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
        return true;
    return false;
}

void ChartMenu::Popup(const QPoint& globalPosition) {
    QMenu menu(chart_);
    auto add = [&](const QString& caption, std::function<void()> action) {
        connect(menu.addAction(caption), &QAction::triggered, this,
                [action] { RunGuarded(action); });
    };
    add(tr("&Copy Image"), [this] { CopyImage(); });
    add(tr("Save &Image..."), [this] { SaveImage(); });
    add(tr("Save &Data..."), [this] { SaveData(); });
    // The chart in words, for whoever cannot see it (also its accessible description).
    add(tr("Descri&be"),
        [this] { Platform::Current().ShowMessage(chart_->window(), chart_->Description()); });
    if (saveReport_) {
        menu.addSeparator();
        add(tr("Save &Report..."), saveReport_);
    }
    Platform::Current().ShowMenu(&menu, globalPosition);
}

QString ChartMenu::FileName() const {
    QString chart;
    for (const std::string& line : chart_->Chart().Title)
        chart += " " + QString::fromStdString(line);
    if (chart.trimmed().isEmpty())
        chart = chart_->objectName();
    return Platform::FileNameOf(chart_->window()->windowTitle(), chart);
}

void ChartMenu::CopyImage() {
    Platform::Current().SetClipboardImage(ChartImage(*chart_));
}

void ChartMenu::SaveImage() {
    const QString file = Platform::Current().ChooseExportFile(
        chart_->window(), tr("Save Image"),
        {tr("PNG image (*.png)"), tr("SVG drawing (*.svg)"), tr("PDF document (*.pdf)")},
        FileName() + ".png");
    if (!file.isEmpty() && !SaveChartImage(*chart_, file))
        SayNotWritten(chart_->window(), file);
}

void ChartMenu::SaveData() {
    const QString file = Platform::Current().ChooseExportFile(
        chart_->window(), tr("Save Data"), {tr("CSV file (*.csv)")}, FileName() + ".csv");
    if (!file.isEmpty() && !SaveChartData(*chart_, file))
        SayNotWritten(chart_->window(), file);
}

} // namespace kelvane
