#include "GammaCliEngine.h"

#include "foundations/ParameterTable.h"

namespace kelvane {

GammaCliEngine::GammaCliEngine() : engine_(host_) {
    host_.onFieldChange = [this](const std::string&) { engine_.PistonThrowChange(); };
    engine_.SetGridLabels();
    engine_.enable = true;
}

void GammaCliEngine::ApplyDefaults() {
    ParameterTable::Gamma().ApplyDefaults(host_);
    // Not a stored parameter: the crank angle field starts at 0.
    host_.fields["Phase"] = "0";
}

void GammaCliEngine::Calc(int times) {
    engine_.animate = false;
    for (int i = 0; i < times; ++i)
        engine_.CalcButtonClick();
}

void GammaCliEngine::At(int angle) {
    engine_.ClickAtAngle(angle);
}

std::vector<TChart*> GammaCliEngine::Charts() {
    return {&engine_.Chart1, &engine_.Chart2, &engine_.Chart3, &engine_.Chart4, &engine_.Chart5};
}

} // namespace kelvane
