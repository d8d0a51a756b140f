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
    // Ticks the load changes count as clicks (see RefreshAfterLoad).
    void LoadButtonClick() override;

  protected:
    void EnterAction() override;
    // Help and Tutor press Pause, which resumes a paused run.
    void HaltAction() override {
        CallEngine([this] { engine_.PauseButtonClick(); });
    }
    void RefreshAfterLoad() override;
    void ShowSteps() override;
    void showEvent(QShowEvent* event) override;
    // Brings the timer, the Pause caption and the strip-chart controls in line
    // with the engine's fields.
    void FollowEngine() override;

  private:
    void BuildInputPanel();
    QCheckBox* AddCheckBox(Field field, const QString& caption, int x, int y, int width);
    // Settings ticked or unticked a box since RememberCheckBoxes: that counts
    // as a click on it, as the engine expects of a change made from code.
    void RememberCheckBoxes();
    void ClickChangedCheckBoxes();

    bool stripWas_ = true;
    bool allDataWas_ = true;
};

} // namespace kelvane
