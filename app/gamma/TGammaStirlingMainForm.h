#pragma once

#include "gamma/GammaEngine.h"
#include "shell/SimulatorFrame.h"

#include <functional>

class QSlider;
class QTimer;

namespace kelvane {

// The Gamma engine's window: binds its controls to the engine, which does the work.
class TGammaStirlingMainForm : public SimulatorFrame {
    Q_OBJECT
  public:
    explicit TGammaStirlingMainForm(QWidget* parent = nullptr);

    GammaEngine& Engine() { return engine_; }
    QTimer* Timer1 = nullptr;
    QPushButton* CalcButton = nullptr;
    QPushButton* GoFastButton = nullptr;
    QPushButton* GoMediumButton = nullptr;
    QPushButton* GoSlowButton = nullptr;
    QPushButton* StopButton = nullptr;

    // A double-click on a yellow field starts a sweep of that field.
    std::function<void(Field field)> onSweepRequest;

    void CalcButtonClick() { engine_.CalcButtonClick(); }
    void SpeedButtonClick(int intervalMs);
    void StopButtonClick() { engine_.StopButtonClick(); }
    // Timer1's tick.
    void Timer1Timer() {
        Run([this] { engine_.Timer1Timer(); });
    }

  protected:
    void EnterAction() override { engine_.CalcButtonClick(); }
    void HaltAction() override { engine_.StopButtonClick(); }
    void RefreshAfterLoad() override { engine_.CalcButtonClick(); }
    void ShowSteps() override;
    void DrawEngine(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                              double plotRight) override {
        engine_.Chart1ClickBackground(chart, x, plotLeft, plotRight);
    }
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildInputPanel();

    GammaEngine engine_;
};

} // namespace kelvane
