#include "RedrawPacing.h"

#include "widgets/ChartView.h"
#include "widgets/HandlerGuard.h"
#include "widgets/WidgetHost.h"

#include <QWidget>

#include <utility>

namespace kelvane {

RedrawPacing::RedrawPacing(QWidget* window, WidgetHost& host, std::span<ChartView* const, 5> charts,
                           std::function<void()> drawPicture)
    : window_(window), host_(host), charts_(charts), drawPicture_(std::move(drawPicture)) {}

void RedrawPacing::EventsProcessed() {
    if (handlerDepth_ > 0)
        SyncWithinFrame();
    else
        SyncCharts();
}

void RedrawPacing::PictureAsked() {
    if (handlerDepth_ > 0)
        pictureWaiting_ = true;
    else
        RedrawPicture();
}

void RedrawPacing::RedrawPicture() {
    pictureWaiting_ = false;
    drawPicture_();
}

void RedrawPacing::DrawWaitingPicture() {
    if (std::exchange(pictureWaiting_, false))
        RedrawPicture();
}

void RedrawPacing::ShowTexts() {
    textPacer_.Done();
    host_.ShowGrid();
    DrawWaitingPicture();
}

void RedrawPacing::SyncCharts() {
    ShowTexts();
    for (ChartView* c : charts_) {
        if (c)
            c->Sync();
    }
}

void RedrawPacing::SyncWithinFrame() {
    burst_ = true;
    if (textPacer_.Due())
        ShowTexts();
    else
        textPacer_.Defer();
    for (ChartView* c : charts_) {
        if (c)
            c->SyncWithinFrame();
    }
}

void RedrawPacing::Run(const std::function<void()>& handler) {
    ++handlerDepth_;
    RunGuarded(handler);
    --handlerDepth_;
    if (handlerDepth_ > 0) {
        SyncWithinFrame();
        return;
    }
    SyncCharts();
    if (std::exchange(burst_, false)) {
        // The end of a burst (a sweep) is drawn now, in this window and the
        // windows it owns (the net-work graph), not at its frame's end.
        for (ChartView* chart : window_->findChildren<ChartView*>())
            chart->ReplotWithoutWaiting();
    }
}

} // namespace kelvane
