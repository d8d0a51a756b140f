#pragma once

#include "ringbom/RingbomEngine.h"
#include "shell/EngineWindow.h"

#include <functional>

class QCheckBox;
class QTimer;

namespace kelvane {

// The Ringbom engine's window: binds its controls to the engine, which runs the
// model, the run control and the record.
class TRingbomStirlingMainForm : public EngineWindow<RingbomEngine> {
    Q_OBJECT
  public:
    explicit TRingbomStirlingMainForm(QWidget* parent = nullptr);

    QCheckBox* StripChartCB = nullptr;
    QCheckBox* AllDataCB = nullptr;
    QPushButton* GoButton = nullptr;
    QPushButton* PauseButton = nullptr;
    QPushButton* SingleStepButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* PanLeftButton = nullptr;
    QPushButton* PanRightButton = nullptr;
    // The step timer; it follows the engine's AnimateTimer after every call.
    QTimer* AnimateTimer = nullptr;

    // AnimateTimer's tick.
    // A marked box halts the run instead of stepping.
    void AnimateTimerTimer() {
        CallEngine([this] {
            if (CheckFields())
                engine_.AnimateTimerTimer();
            else
                engine_.Halt();
        });
    }
    // Ticks the load changes count as clicks (see RefreshAfterLoad).
    void LoadButtonClick() override;

  protected:
    void EnterAction() override;
    void HaltAction() override;
    void RefreshAfterLoad() override;
    void ShowSteps() override;
    void showEvent(QShowEvent* event) override;
    // Runs an engine handler inside the guard and then follows the engine.
    void CallEngine(const std::function<void()>& handler) override;

  private:
    void BuildInputPanel();
    void OrderTabs();
    QCheckBox* AddCheckBox(Field field, const QString& caption, int x, int y, int width,
                           void (RingbomEngine::*click)());
    // Brings the timer, the Pause caption and the strip-chart controls in line
    // with the engine's fields.
    void FollowEngine();
    // Settings ticked or unticked a box since RememberCheckBoxes: that counts
    // as a click on it, as the engine expects of a change made from code.
    void RememberCheckBoxes();
    void ClickChangedCheckBoxes();

    bool stripWas_ = true;
    bool allDataWas_ = true;
};

} // namespace kelvane
