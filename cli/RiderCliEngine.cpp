#include "RiderCliEngine.h"

namespace kelvane {

RiderCliEngine::RiderCliEngine() {
    host_.onFieldChange = [this](const std::string& name) { engine_.FieldChanged(name); };
}

void RiderCliEngine::ApplyDefaults() {
    // The settings-file defaults, then what loading them does to the controls.
    host_.fields["HotTemp"] = "300";
    host_.fields["HotStrokeMin"] = "0";
    host_.fields["HotStrokeMax"] = "50";
    host_.fields["ColdTemp"] = "100";
    host_.fields["ColdStrokeMin"] = "0";
    host_.fields["ColdStrokeMax"] = "100";
    host_.fields["PhaseOffset"] = "90";
    host_.fields["Phase"] = "0";
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
    engine_.Chart1ClickBackground(angle, 0, 360);
}

} // namespace kelvane
