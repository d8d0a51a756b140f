#pragma once

#include "common/Engine.h"
#include "common/ParameterSweep.h"
#include "foundations/LoopTravel.h"
#include "shell/Languages.h"
#include "shell/SimulatorFrame.h"
#include "widgets/ChartReadOut.h"
#include "widgets/Motion.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <functional>
#include <span>
#include <utility>
#include <vector>

namespace kelvane {

// Where one of the engine's own buttons goes on the input panel.
struct ActionPlace {
    int x, y, width;
    const char* name = nullptr; // the button's object name; nullptr keeps Qt's empty one
};

// A simulator window as the program and the launcher know it, whatever its engine.
class AnyEngineWindow : public SimulatorFrame {
  public:
    using SimulatorFrame::SimulatorFrame;
    virtual kelvane::Engine& SimulatedEngine() = 0;
    // A double-click on a box that sweeps asks for a sweep of its field.
    std::function<void(Field field)> onSweepRequest;
    // Calls the engine's Tick while its timer is enabled.
    QTimer* Timer = nullptr;
};

// A simulator window bound to one engine of type E, which lives in the window
// on the window's host: it draws the picture, takes the chart clicks, runs the
// engine's timer and builds the engine's buttons from its table of actions.
template <class E> class EngineWindow : public AnyEngineWindow {
  public:
    E& Engine() { return engine_; }
    kelvane::Engine& SimulatedEngine() override { return engine_; }

    // The timer's timeout: a marked box halts the engine instead.
    void TimerTimeout() {
        CallEngine([this] {
            if (CheckFields())
                engine_.Tick();
            else
                engine_.Halt();
        });
    }

  protected:
    EngineWindow(FrameTraits traits, QWidget* parent)
        : AnyEngineWindow(WithEngine(std::move(traits)), parent), engine_(Host()) {
        Timer = new QTimer(this);
        Timer->setObjectName("Timer");
        QObject::connect(Timer, &QTimer::timeout, this, [this] { TimerTimeout(); });
    }

    void DrawEngine(Canvas& canvas) override { engine_.DrawPicture(canvas); }
    void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                              double plotRight) override {
        engine_.ChartClick(chart, x, plotLeft, plotRight);
    }
    void ChartAtAngle(int angle) override { engine_.ClickAtAngle(angle); }
    void HaltAction() override {
        CallEngine([this] { engine_.Halt(); });
    }
    void ShowSteps() override {
        CallEngine([this] {
            engine_.Start(CheckFields());
            HoldStillIfAsked();
        });
    }
    // Asked for less motion, a window shows its engine at rest after its
    // start actions: the student starts the crank (and Stop stops it).
    void HoldStillIfAsked() {
        if (MotionReduced())
            engine_.Halt();
    }
    void RefreshAfterLoad() override { engine_.Loaded(CheckFields()); }
    // Every call into the engine ends with the timer following the engine,
    // also when the call ends by an error.
    void CallEngine(const std::function<void()>& handler) override {
        Run([&] {
            struct Follow {
                EngineWindow& w;
                ~Follow() { w.FollowEngine(); }
            } follow{*this};
            handler();
        });
    }
    // Brings the window's controls in line with the engine after a call; a
    // window with more to follow than the timer overrides it.
    virtual void FollowEngine() {
        const EngineTimer& timer = engine_.Timer();
        if (!timer.Enabled) {
            Timer->stop();
            return;
        }
        if (Timer->interval() != timer.Interval)
            Timer->setInterval(timer.Interval);
        if (!Timer->isActive())
            Timer->start();
    }

    // The engine's five charts into the window's chart views.
    void AttachEngineCharts() {
        std::vector<TChart*> charts = engine_.Charts();
        AttachEngine(*charts[0], *charts[1], *charts[2], *charts[3], *charts[4]);
        // The pressure-volume chart's read-out follows the loop as the crank goes.
        ChartReadOut::Of(this->Chart(5))->SetLoop([this] { return engine_.Loop(); });
    }
    // The engine's buttons, in the order of its actions, at the places given.
    // Each runs its action through the engine; an action that needs usable
    // texts asks for them (moving the focus to the first marked box).
    std::vector<QPushButton*> AddActionButtons(std::span<const ActionPlace> places,
                                               bool passesKeys = true) {
        std::vector<QPushButton*> buttons;
        std::size_t i = 0;
        for (const EngineAction& action : engine_.Actions()) {
            const ActionPlace& at = places[i++];
            QPushButton* b = AddButton(
                CoreText(action.caption), at.x, at.y, at.width,
                [this, &action] {
                    CallEngine([this, &action] {
                        engine_.Act(action.name, action.arg, [this] { return ReadyToCalculate(); });
                    });
                },
                passesKeys);
            if (at.name)
                b->setObjectName(at.name);
            buttons.push_back(b);
        }
        return buttons;
    }
    // Binds the input panel's boxes to the engine: a text the engine cannot
    // use marks its box and goes to Unusable, a usable one to FieldEdited.
    // While engineWriting() holds, the engine is writing a box itself (an
    // analysis writes the crank angle 361 times) and the change is inert.
    void BindFieldEdits(std::span<QLineEdit* const> edits,
                        std::function<bool()> engineWriting = {}) {
        for (QLineEdit* edit : edits) {
            const Field field = Host().FieldOf(edit);
            QObject::connect(edit, &QLineEdit::textChanged, this, [this, field, engineWriting] {
                if (engineWriting && engineWriting())
                    return;
                if (!FieldEdited()) {
                    CallEngine([this] { engine_.Unusable(); });
                    return;
                }
                const bool heldBack = TakeHeldBack();
                CallEngine([this, field, heldBack] { engine_.FieldEdited(field, heldBack); });
            });
        }
    }
    // The frame's sliders take the ranges the engine gives them, and the
    // names of the fields they move.
    void RangeSliders() {
        for (const EngineSlider& s : engine_.Sliders()) {
            QSlider* slider = s.id == TrackBar::HotTempTB ? HotTempTB : PhaseOffsetTB;
            if (!slider)
                continue;
            slider->setRange(s.min, s.max);
            if (const FieldRow* row = Traits().parameters->Find(s.field))
                slider->setAccessibleName(FrameWidgets::SpokenName(*row, FieldControl::Slider));
        }
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
using SpeedButtonPlace = ActionPlace;

// A window whose engine analyses a revolution on Calc and turns its crank on
// its timer: Fast, Medium, Slow, Stop and Calc.
template <class E> class CrankWindow : public EngineWindow<E> {
  public:
    QPushButton* CalcButton = nullptr;
    QPushButton* GoFastButton = nullptr;
    QPushButton* GoMediumButton = nullptr;
    QPushButton* GoSlowButton = nullptr;
    QPushButton* StopButton = nullptr;

    // Calc and the speed buttons run only on texts the engine can use.
    void CalcButtonClick() { CalcButton->click(); }
    void SpeedButtonClick(int intervalMs) {
        for (QPushButton* b : {GoFastButton, GoMediumButton, GoSlowButton}) {
            if (b->property("interval").toInt() == intervalMs)
                b->click();
        }
    }
    void StopButtonClick() { StopButton->click(); }

  protected:
    using EngineWindow<E>::EngineWindow;

    // Fast, Medium, Slow, Stop and Calc, in that order.
    void AddSpeedButtons(const SpeedButtonPlace (&at)[5], bool passesKeys) {
        std::vector<QPushButton*> b = this->AddActionButtons(at, passesKeys);
        for (std::size_t i = 0; i < b.size(); ++i)
            b[i]->setProperty("interval", this->engine_.Actions()[i].arg);
        GoFastButton = b[0];
        GoMediumButton = b[1];
        GoSlowButton = b[2];
        StopButton = b[3];
        CalcButton = b[4];
    }
    // The hot-temperature slider and the phase-offset slider at x, y, with the
    // engine's ranges.
    void AddEngineSliders(int x, int y) {
        this->AddHotTempSlider(
            [this](int position) { this->engine_.Slide(TrackBar::HotTempTB, position); });
        this->AddPhaseOffsetSlider(
            x, y, [this](int position) { this->engine_.Slide(TrackBar::PhaseOffsetTB, position); });
        this->RangeSliders();
    }
    // Yellow boxes: a double-click on one sweeps its field. A ground of
    // their own drops the style's focus frame: they draw one themselves.
    void SweepYellowBoxes(std::span<const Field> fields) {
        for (Field field : fields)
            this->Host().Edit(field)->setStyleSheet(
                "QLineEdit { background-color: #ffff00; color: black; }"
                "QLineEdit:focus { border: 2px solid palette(highlight); }");
        SweepOnDoubleClick(fields);
    }
    // A hint that a double-click sweeps, with the key that does it too.
    static QString WithSweepKey(const QString& hint) {
        return hint + " (" +
               QKeySequence(Qt::CTRL | Qt::Key_Return).toString(QKeySequence::NativeText) + ")";
    }
    // The boxes whose double-click (or Ctrl+Enter) asks for a sweep.
    void SweepOnDoubleClick(std::span<const Field> fields) {
        for (Field field : fields) {
            this->Host().Edit(field)->installEventFilter(this);
            swept_.push_back(field);
        }
    }
    // Not from texts the engine cannot use: the box to mend gets the focus.
    void RequestSweep(Field field) {
        this->CheckFields();
        if (const FieldProblem* p = SweepBlocker(this->FieldProblems(), field))
            this->Host().Edit(p->field)->setFocus();
        else
            this->onSweepRequest(field);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if ((event->type() == QEvent::MouseButtonDblClick || IsSweepKey(event)) &&
            this->onSweepRequest) {
            for (Field field : swept_) {
                if (watched == this->Host().Edit(field)) {
                    this->Run([&] { RequestSweep(field); });
                    return true;
                }
            }
        }
        return EngineWindow<E>::eventFilter(watched, event);
    }

  private:
    // Ctrl+Enter in a box asks for its sweep, as a double-click does.
    static bool IsSweepKey(QEvent* event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
               (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    }

    std::vector<Field> swept_;
};

} // namespace kelvane
