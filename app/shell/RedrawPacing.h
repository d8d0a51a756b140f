#pragma once

#include "widgets/FramePacer.h"

#include <functional>
#include <span>

class QWidget;

namespace kelvane {

class ChartView;
class WidgetHost;

// When a simulator window shows what its engine changed: after each handler,
// or within a burst of handlers (a sweep, a handler that lets events run) at
// most once a display frame, and the burst's end at once. The engine's
// picture, asked for by a handler, is drawn at its end, not at every value of
// a sweep.
class RedrawPacing {
  public:
    RedrawPacing(QWidget* window, WidgetHost& host, std::span<ChartView* const, 5> charts,
                 std::function<void()> drawPicture);

    // Runs a handler inside the error guard, then redraws what changed. A
    // handler run inside another leaves that to the outer one and to the
    // display frames meanwhile.
    void Run(const std::function<void()>& handler);
    // Brings the grid, the picture and every chart up to date.
    void SyncCharts();
    // The host let events run: within a handler, as a burst.
    void EventsProcessed();
    // The engine asks for its picture: drawn now outside a handler, else at its end.
    void PictureAsked();
    // Draws the picture now.
    void RedrawPicture();
    // Draws the picture if a handler asked for it.
    void DrawWaitingPicture();

  private:
    // The grid texts and a waiting picture on screen.
    void ShowTexts();
    // Within a burst of handlers: the screen up to date at most once a frame.
    void SyncWithinFrame();

    QWidget* window_;
    WidgetHost& host_;
    std::span<ChartView* const, 5> charts_;
    std::function<void()> drawPicture_;
    int handlerDepth_ = 0;
    bool pictureWaiting_ = false;
    bool burst_ = false; // the running handler let others or events run
    FramePacer textPacer_{[this] { ShowTexts(); }};
};

} // namespace kelvane
