#pragma once

#include "CliEngine.h"
#include "foundations/ParameterTable.h"
#include "rider/RiderEngine.h"

namespace kelvane {

// The two-piston engine for the command-line companion: a shown window whose
// animation is stopped, so each Calc is the analysis alone.
class RiderCliEngine : public CliEngine {
  public:
    RiderCliEngine();

    MapHost& Host() override { return host_; }
    void ApplyDefaults() override;
    void Calc(int times) override;
    void At(int angle) override;
    std::vector<TChart*> Charts() override { return engine_.Charts(); }
    std::pair<int, int> DefaultPictureSize() const override {
        return {RiderEngine::kPictureWidth, RiderEngine::kPictureHeight};
    }
    void DrawPicture(Canvas& canvas) override { engine_.ShowEngine(canvas); }
    int GridRows() const override { return RiderEngine::kGridRows; }

    RiderEngine& Engine() { return engine_; }

  private:
    MapHost host_{ParameterTable::Rider()};
    RiderEngine engine_{host_};
};

} // namespace kelvane
