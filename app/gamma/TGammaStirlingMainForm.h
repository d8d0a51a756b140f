#pragma once

#include "gamma/GammaEngine.h"
#include "shell/EngineWindow.h"

#include <functional>

namespace kelvane {

// The Gamma engine's window: binds its controls to the engine, which does the work.
class TGammaStirlingMainForm : public CrankWindow<GammaEngine> {
    Q_OBJECT
  public:
    explicit TGammaStirlingMainForm(QWidget* parent = nullptr);

    // A double-click on a yellow field starts a sweep of that field.
    std::function<void(Field field)> onSweepRequest;

  protected:
    void EnterAction() override { CalcButtonClick(); }
    void RefreshAfterLoad() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildInputPanel();
};

} // namespace kelvane
