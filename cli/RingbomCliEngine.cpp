#include "RingbomCliEngine.h"

#include "foundations/ParameterTable.h"

namespace kelvane {

RingbomCliEngine::RingbomCliEngine() : CliEngineOf(ParameterTable::Ringbom()) {
    host_.onFieldChange = [this](Field) { engine_.PistonThrowChange(); };
}

void RingbomCliEngine::ApplyDefaults() {
    ParameterTable::Ringbom().ApplyDefaults(host_);
    host_.Put(Field::Phase, "0");
}

void RingbomCliEngine::Steps(int count) {
    // The show sequence without Go: labels, a clear and steps enabled.
    engine_.stripControlsEnabled = host_.Checked(Field::StripChartCB);
    engine_.SetGridLabels();
    engine_.enable = true;
    engine_.ClearButtonClick();
    for (int k = 0; k < count; ++k)
        engine_.SingleStepButtonClick();
}

void RingbomCliEngine::At(int angle) {
    engine_.ShowAngle(angle);
}

} // namespace kelvane
