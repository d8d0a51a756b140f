#pragma once

#include "gamma/GammaEngine.h"
#include "shell/EngineWindow.h"

namespace kelvane {

// The Gamma engine's window: binds its controls to the engine, which does the work.
class TGammaStirlingMainForm : public CrankWindow<GammaEngine> {
    Q_OBJECT
  public:
    explicit TGammaStirlingMainForm(QWidget* parent = nullptr);

  protected:
    void EnterAction() override { CalcButtonClick(); }

  private:
    void BuildInputPanel();
};

} // namespace kelvane
