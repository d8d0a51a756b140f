#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace kelvane {

// Paces work that a burst of changes asks for (a replot, the grid texts) to
// at most once a display frame: the owner does the work when Due(), else
// Defer()s it to the frame's end, where the call-back does it; Done() starts
// the next frame.
class FramePacer {
  public:
    static constexpr qint64 kFrameMs = 16;

    template <class Callback> explicit FramePacer(Callback&& atFrameEnd) {
        timer_.setSingleShot(true);
        // A coarse timer may fire a little early, before the frame is Due().
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.callOnTimeout(std::forward<Callback>(atFrameEnd));
    }

    // Whether a frame has passed since the work was last done.
    bool Due() const { return !last_.isValid() || last_.elapsed() >= kFrameMs; }
    // Calls back once at the end of the current frame, however often asked.
    void Defer() {
        if (timer_.isActive())
            return;
        const qint64 since = last_.isValid() ? last_.elapsed() : kFrameMs;
        timer_.start(static_cast<int>(std::max<qint64>(0, kFrameMs - since)));
    }
    // The work has been done: nothing waits any more.
    void Done() {
        last_.start();
        timer_.stop();
    }
    bool Waiting() const { return timer_.isActive(); }

  private:
    QElapsedTimer last_;
    QTimer timer_;
};

} // namespace kelvane
