#pragma once

#include "rider/RiderEngine.h"
#include "shell/EngineWindow.h"

#include <string>

class QTimer;

namespace kelvane {

class UpDownControl;

// The two-piston engine's window: binds its controls to the engine, which does the work.
class TRiderStirlingMainForm : public CrankWindow<RiderEngine> {
    Q_OBJECT
  public:
    explicit TRiderStirlingMainForm(QWidget* parent = nullptr);

    QTimer* GraphTimer = nullptr;
    QPushButton* LoadButton = nullptr;
    // "UpDown1" .. "UpDown8".
    UpDownControl* UpDown(const std::string& name) const;

    // GraphTimer's tick.
    void GraphTimerTimer();
    // A press on an up-down's arrow.
    void UpDownClick(const std::string& upDown, bool up);

    void ReadIniFile(const TIniFile& ini) override;

  protected:
    void RefreshAfterLoad() override;
    // Only from texts the engine can use: the sweep's ranges depend on them.
    void RequestSweep(Field field) override;
    // The sliders mirror the engine's track bars, which follow the boxes.
    void FollowSliders() override;

  private:
    void BuildInputPanel();
    UpDownControl* AddUpDown(const char* name, int x, int y);
    void SyncTrackBars();

    std::vector<UpDownControl*> upDowns_;
};

} // namespace kelvane
