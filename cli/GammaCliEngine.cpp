#include "GammaCliEngine.h"

#include "foundations/ParameterTable.h"

namespace kelvane {

GammaCliEngine::GammaCliEngine() : SweepingCliEngine(ParameterTable::Gamma()) {
    host_.onFieldChange = [this](Field) { engine_.PistonThrowChange(); };
    engine_.SetGridLabels();
    engine_.enable = true;
}

void GammaCliEngine::ApplyDefaults() {
    ParameterTable::Gamma().ApplyDefaults(host_);
    // Not a stored parameter: the crank angle field starts at 0.
    host_.Put(Field::Phase, "0");
}

void GammaCliEngine::Calc(int times) {
    engine_.animate = false;
    for (int i = 0; i < times; ++i)
        engine_.CalcButtonClick();
}

void GammaCliEngine::At(int angle) {
    engine_.ClickAtAngle(angle);
}

} // namespace kelvane
