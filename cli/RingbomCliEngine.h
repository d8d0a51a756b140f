#pragma once

#include "CliEngine.h"
#include "foundations/ParameterTable.h"
#include "ringbom/RingbomEngine.h"

namespace kelvane {

// The Ringbom engine for the command-line companion: the window's show
// sequence without the run, then single steps as the Single button makes them.
class RingbomCliEngine : public CliEngine {
  public:
    RingbomCliEngine();

    MapHost& Host() override { return host_; }
    void ApplyDefaults() override;
    // Clear, then count single steps.
    void Steps(int count) override;
    void At(int angle) override;
    std::vector<TChart*> Charts() override;
    std::pair<int, int> DefaultPictureSize() const override;
    void DrawPicture(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return RingbomEngine::kGridRows; }

    RingbomEngine& Engine() { return engine_; }

  private:
    MapHost host_{ParameterTable::Ringbom()};
    RingbomEngine engine_{host_};
};

} // namespace kelvane
