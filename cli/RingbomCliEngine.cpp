#include "CliEngine.h"
#include "foundations/ParameterTable.h"
#include "ringbom/RingbomEngine.h"

namespace kelvane {

namespace {

// The Ringbom engine for the command-line companion: the window's show
// sequence without the run, then single steps as the Single button makes them.
class RingbomCliEngine : public CliEngineOf<RingbomEngine> {
  public:
    RingbomCliEngine() : CliEngineOf(ParameterTable::Ringbom()) {
        host_.onFieldChange = [this](Field) { engine_.PistonThrowChange(); };
    }

    void ApplyDefaults() override {
        ParameterTable::Ringbom().ApplyDefaults(host_);
        host_.Put(Field::Phase, "0");
    }

    // Clear, then count single steps: the show sequence without Go (labels, a
    // clear and steps enabled) first.
    void Steps(int count) override {
        engine_.stripControlsEnabled = host_.Checked(Field::StripChartCB);
        engine_.SetGridLabels();
        engine_.enable = true;
        engine_.ClearButtonClick();
        for (int k = 0; k < count; ++k)
            engine_.SingleStepButtonClick();
    }

    void At(int angle) override { engine_.ShowAngle(angle); }
};

} // namespace

std::unique_ptr<CliEngine> MakeRingbomCliEngine() {
    return std::make_unique<RingbomCliEngine>();
}

} // namespace kelvane
