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
    // The up-down that steps the box of field; nullptr for a box without one.
    UpDownControl* UpDown(Field field) const;

    // GraphTimer's tick.
    void GraphTimerTimer();

    void ReadIniFile(const TIniFile& ini) override;

  protected:
    // The sliders mirror the engine's track bars, which follow the boxes.
    void FollowSliders() override;

  private:
    void BuildInputPanel();
    UpDownControl* AddUpDown(const char* name, Field field, int x, int y);
    void SyncTrackBars();

    std::vector<std::pair<Field, UpDownControl*>> upDowns_; // and the box each steps
};

} // namespace kelvane
