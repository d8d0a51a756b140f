#pragma once

#include "rider/RiderEngine.h"
#include "shell/SimulatorFrame.h"

#include <string>

class QSlider;
class QTimer;

namespace kelvane {

class UpDownControl;

// The two-piston engine's window: binds its controls to the engine, which does the work.
class TRiderStirlingMainForm : public SimulatorFrame {
    Q_OBJECT
  public:
    explicit TRiderStirlingMainForm(QWidget* parent = nullptr);

    RiderEngine& Engine() { return engine_; }
    QTimer* Timer1 = nullptr;
    QTimer* GraphTimer = nullptr;
    QPushButton* CalcButton = nullptr;
    QPushButton* GoFastButton = nullptr;
    QPushButton* GoMediumButton = nullptr;
    QPushButton* GoSlowButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* LoadButton = nullptr;
    // "UpDown1" .. "UpDown8".
    UpDownControl* UpDown(const std::string& name) const;

    void CalcButtonClick() { engine_.CalcButtonClick(); }
    void SpeedButtonClick(int intervalMs);
    void StopButtonClick() { engine_.StopButtonClick(); }
    // The timers' ticks.
    void Timer1Timer();
    void GraphTimerTimer();
    // A press on an up-down's arrow.
    void UpDownClick(const std::string& upDown, bool up);

    void ReadIniFile(const std::string& fileName) override;

  protected:
    void HaltAction() override { engine_.StopButtonClick(); }
    void RefreshAfterLoad() override;
    void ShowSteps() override;
    void DrawEngine(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                              double plotRight) override {
        engine_.Chart1ClickBackground(chart, x, plotLeft, plotRight);
    }

  private:
    void BuildInputPanel();
    void AddUpDown(const char* name, int x, int y);
    void SyncTimer1();
    void SyncTrackBars();

    RiderEngine engine_;
    std::vector<UpDownControl*> upDowns_;
};

} // namespace kelvane
