#include "RiderCliEngine.h"

#include "foundations/ParameterTable.h"

namespace kelvane {

RiderCliEngine::RiderCliEngine() : CliEngineOf(ParameterTable::Rider()) {
    host_.onFieldChange = [this](Field field) { engine_.FieldChanged(field); };
}

void RiderCliEngine::ApplyDefaults() {
    // The settings-file defaults, then what loading them does to the controls.
    ParameterTable::Rider().ApplyDefaults(host_);
    host_.Put(Field::Phase, "0");
    engine_.ParametersLoaded();
    engine_.SetGridLabels();
    engine_.enable = true;
    engine_.animate = false;
}

void RiderCliEngine::Calc(int times) {
    engine_.StopButtonClick();
    for (int i = 0; i < times; ++i)
        engine_.CalcButtonClick();
}

void RiderCliEngine::At(int angle) {
    // A plot area 360 pixels wide puts each pixel on one degree.
    engine_.Chart1ClickBackground(engine_.Chart1, angle, 0, 360);
}

} // namespace kelvane
