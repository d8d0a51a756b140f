#include "SweepingCliEngine.h"
#include "foundations/ParameterTable.h"
#include "rider/RiderDefaults.h"
#include "rider/RiderEngine.h"
#include "rider/RiderSweep.h"

namespace kelvane {

namespace {

// The two-piston engine for the command-line companion: a shown window whose
// animation is stopped, so each Calc is the analysis alone.
class RiderCliEngine : public SweepingCliEngine<RiderEngine, RiderSweep> {
  public:
    RiderCliEngine() : SweepingCliEngine(ParameterTable::Rider()) {
        host_.onFieldChange = [this](Field field) { engine_.FieldChanged(field); };
    }

    void ApplyDefaults() override { StartFromDefaults(engine_, host_); }

    void Calc(int times) override {
        engine_.StopButtonClick();
        for (int i = 0; i < times; ++i)
            engine_.CalcButtonClick();
    }

    void At(int angle) override {
        // A plot area 360 pixels wide puts each pixel on one degree.
        engine_.Chart1ClickBackground(engine_.Chart1, angle, 0, 360);
    }
};

} // namespace

std::unique_ptr<CliEngine> MakeRiderCliEngine() {
    return std::make_unique<RiderCliEngine>();
}

} // namespace kelvane
