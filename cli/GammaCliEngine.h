#pragma once

#include "SweepingCliEngine.h"
#include "gamma/GammaEngine.h"
#include "gamma/GammaSweep.h"

namespace kelvane {

// The Gamma engine for the command-line companion: a shown window whose
// animation is stopped.
class GammaCliEngine : public SweepingCliEngine<GammaEngine, GammaSweep> {
  public:
    GammaCliEngine();

    void ApplyDefaults() override;
    // The Calc action with the animation stopped, `times` times.
    void Calc(int times) override;
    void At(int angle) override;
};

} // namespace kelvane
