#pragma once

#include "CliEngine.h"
#include "rider/RiderEngine.h"

namespace kelvane {

// The two-piston engine for the command-line companion: a shown window whose
// animation is stopped, so each Calc is the analysis alone.
class RiderCliEngine : public CliEngineOf<RiderEngine> {
  public:
    RiderCliEngine();

    void ApplyDefaults() override;
    void Calc(int times) override;
    void At(int angle) override;
};

} // namespace kelvane
