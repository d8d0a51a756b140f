#pragma once

#include "CliEngine.h"
#include "gamma/GammaEngine.h"
#include "gamma/GammaSweep.h"

namespace kelvane {

// The Gamma engine for the command-line companion: a shown window whose
// animation is stopped.
class GammaCliEngine : public CliEngineOf<GammaEngine> {
  public:
    GammaCliEngine();

    void ApplyDefaults() override;
    // The Calc action with the animation stopped, `times` times.
    void Calc(int times) override;
    // The double-click sweep of a yellow field. A step of 0 is refused: the
    // window runs it until the user closes the net-work graph window, and here
    // there is none to close.
    void Sweep(const std::string& field) override;
    void At(int angle) override;
    // The Gamma window's charts; after a sweep, the net-work graph window's.
    std::vector<TChart*> Charts() override;
    std::vector<std::string> Memo() const override { return sweep_.Memo1; }

    GammaSweep& Sweeper() { return sweep_; }

  private:
    GammaSweep sweep_{engine_, host_};
    bool swept_ = false;
};

} // namespace kelvane
