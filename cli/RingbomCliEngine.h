#pragma once

#include "CliEngine.h"
#include "ringbom/RingbomEngine.h"

namespace kelvane {

// The Ringbom engine for the command-line companion: the window's show
// sequence without the run, then single steps as the Single button makes them.
class RingbomCliEngine : public CliEngineOf<RingbomEngine> {
  public:
    RingbomCliEngine();

    void ApplyDefaults() override;
    // Clear, then count single steps.
    void Steps(int count) override;
    void At(int angle) override;
};

} // namespace kelvane
