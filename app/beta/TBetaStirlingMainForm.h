#pragma once

#include "beta/BetaEngine.h"
#include "shell/EngineWindow.h"

namespace kelvane {

// The Beta engine's window: binds its controls to the engine, which does the work.
class TBetaStirlingMainForm : public CrankWindow<BetaEngine> {
    Q_OBJECT
  public:
    explicit TBetaStirlingMainForm(QWidget* parent = nullptr);

  protected:
    void EnterAction() override { CalcButtonClick(); }

  private:
    void BuildInputPanel();
};

} // namespace kelvane
