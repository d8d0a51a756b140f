#pragma once

#include "CliEngine.h"
#include "gamma/GammaEngine.h"

namespace kelvane {

// The Gamma engine for the command-line companion: a shown window whose
// animation is stopped.
class GammaCliEngine : public CliEngine {
  public:
    GammaCliEngine();

    MapHost& Host() override { return host_; }
    void ApplyDefaults() override;
    // The Calc action with the animation stopped, `times` times.
    void Calc(int times) override;
    void At(int angle) override;
    std::vector<TChart*> Charts() override;
    std::pair<int, int> DefaultPictureSize() const override { return {182, 183}; }
    void DrawPicture(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return GammaEngine::kGridRows; }

    GammaEngine& Engine() { return engine_; }

  private:
    MapHost host_;
    GammaEngine engine_;
};

} // namespace kelvane
