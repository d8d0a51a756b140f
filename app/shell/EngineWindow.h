#pragma once

#include "foundations/LoopTravel.h"
#include "shell/SimulatorFrame.h"
#include "widgets/ChartReadOut.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace kelvane {

// A simulator window bound to one engine of type E, which lives in the window
// on the window's host: it draws the picture, takes the chart clicks and says
// how wide its picture and how long its grid are.
template <class E> class EngineWindow : public SimulatorFrame {
  public:
    E& Engine() { return engine_; }

  protected:
    EngineWindow(FrameTraits traits, QWidget* parent)
        : SimulatorFrame(WithEngine(std::move(traits)), parent), engine_(Host()) {}

    void DrawEngine(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                              double plotRight) override {
        engine_.Chart1ClickBackground(chart, x, plotLeft, plotRight);
    }
    // The engine's five charts into the window's chart views.
    void AttachEngineCharts() {
        AttachEngine(engine_.Chart1, engine_.Chart2, engine_.Chart3, engine_.Chart4,
                     engine_.Chart5);
    }
    // The pressure-volume chart's read-out follows the loop as the crank goes.
    void SetPressureVolumeLoop(std::function<std::vector<LoopPoint>()> loop) {
        ChartReadOut::Of(this->Chart(5))->SetLoop(std::move(loop));
    }

    E engine_;

  private:
    static FrameTraits WithEngine(FrameTraits traits) {
        traits.pictureWidth = E::kPictureWidth;
        traits.gridRows = E::kGridRows;
        return traits;
    }
};

// Where one of the speed buttons goes on the input panel.
struct SpeedButtonPlace {
    int x, y, width;
};

// A window whose engine analyses a revolution on Calc and turns its crank on
// Timer1 (Gamma, two-piston): Fast, Medium, Slow, Stop and Calc.
template <class E> class CrankWindow : public EngineWindow<E> {
  public:
    QPushButton* CalcButton = nullptr;
    QPushButton* GoFastButton = nullptr;
    QPushButton* GoMediumButton = nullptr;
    QPushButton* GoSlowButton = nullptr;
    QPushButton* StopButton = nullptr;

    // Calc and the speed buttons run only on texts the engine can use.
    void CalcButtonClick() {
        if (this->ReadyToCalculate())
            this->engine_.CalcButtonClick();
    }
    void SpeedButtonClick(int intervalMs) {
        if (!this->ReadyToCalculate())
            return;
        this->engine_.SpeedButtonClick(intervalMs);
        SyncTimer1();
    }
    void StopButtonClick() { this->engine_.StopButtonClick(); }
    // A double-click on a box that sweeps asks for a sweep of its field.
    std::function<void(Field field)> onSweepRequest;
    // Turns the crank while the engine animates; Timer1Timer is its tick, and
    // a marked box stops the crank instead.
    QTimer* Timer1 = nullptr;
    void Timer1Timer() {
        if (!this->engine_.animate)
            return;
        if (!this->CheckFields()) {
            this->engine_.StopButtonClick();
            return;
        }
        this->Run([this] { this->engine_.Timer1Timer(); });
    }

  protected:
    using EngineWindow<E>::EngineWindow;

    void HaltAction() override { this->engine_.StopButtonClick(); }
    void ShowSteps() override {
        this->engine_.FormShow(this->CheckFields());
        SyncTimer1();
    }

    // The loop chart keeps its points sorted by volume: the order of travel
    // comes from the volume and pressure curves along the crank angle.
    void LoopFromAngles() {
        this->SetPressureVolumeLoop([this] {
            return LoopFromAngleCurves(this->engine_.TotalVolSeries, this->engine_.PressureSeries,
                                       this->engine_.PVSeries);
        });
    }
    // Fast, Medium, Slow, Stop and Calc, in that order, then the window's tab
    // order around them.
    void AddSpeedButtons(const SpeedButtonPlace (&at)[5], bool keepKeys) {
        auto add = [&](int i, const char* caption, std::function<void()> click) {
            return this->AddButton(caption, at[i].x, at[i].y, at[i].width, std::move(click),
                                   keepKeys);
        };
        GoFastButton = add(0, "&Fast", [this] { SpeedButtonClick(100); });
        GoMediumButton = add(1, "&Medium", [this] { SpeedButtonClick(200); });
        GoSlowButton = add(2, "Sl&ow", [this] { SpeedButtonClick(300); });
        StopButton = add(3, "S&top", [this] { StopButtonClick(); });
        CalcButton = add(4, "&Calc", [this] { CalcButtonClick(); });
        this->SetSpeedWindowTabOrder(GoFastButton, GoMediumButton, GoSlowButton, StopButton,
                                     CalcButton);
    }
    // The boxes whose double-click asks for a sweep.
    void SweepOnDoubleClick(std::span<const Field> fields) {
        for (Field field : fields) {
            this->Host().Edit(field)->installEventFilter(this);
            swept_.push_back(field);
        }
    }
    // Between the double-click and the sweep: a window that sweeps only from
    // usable texts checks them here.
    virtual void RequestSweep(Field field) { onSweepRequest(field); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick && onSweepRequest) {
            for (Field field : swept_) {
                if (watched == this->Host().Edit(field)) {
                    this->Run([&] { RequestSweep(field); });
                    return true;
                }
            }
        }
        return EngineWindow<E>::eventFilter(watched, event);
    }
    // Timer1, running from the start at the engine's interval.
    void StartTimer1() {
        Timer1 = new QTimer(this);
        Timer1->setObjectName("Timer1");
        Timer1->setInterval(this->engine_.timerInterval);
        QObject::connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
        Timer1->start();
    }
    void SyncTimer1() {
        if (Timer1->interval() != this->engine_.timerInterval)
            Timer1->setInterval(this->engine_.timerInterval);
    }

  private:
    std::vector<Field> swept_;
};

} // namespace kelvane
