#include "GammaCliEngine.h"

#include "foundations/ParameterTable.h"

#include <stdexcept>

namespace kelvane {

GammaCliEngine::GammaCliEngine() : CliEngineOf(ParameterTable::Gamma()) {
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

void GammaCliEngine::Sweep(const std::string& name) {
    const FieldRow* entry = host_.Table().Find(name);
    std::string yellowNames;
    bool yellow = false;
    for (Field f : GammaSweep::kYellowFields) {
        yellow = yellow || (entry && entry->id == f);
        yellowNames +=
            std::string(yellowNames.empty() ? "" : ", ") + host_.Table().RowOf(f).control;
    }
    if (!yellow)
        throw CliUsageError("--sweep needs one of " + yellowNames + ", not '" + name + "'");
    if (sweep_.Step(entry->id) == 0) {
        throw std::runtime_error("Cannot sweep " + name +
                                 ": its step would be 0 and the sweep would never end");
    }
    sweep_.FieldDblClick(entry->id);
    swept_ = true;
}

void GammaCliEngine::At(int angle) {
    engine_.ClickAtAngle(angle);
}

std::vector<TChart*> GammaCliEngine::Charts() {
    if (swept_)
        return {&sweep_.Chart1, &sweep_.Chart2, &sweep_.Chart3, &sweep_.Chart4};
    return {&engine_.Chart1, &engine_.Chart2, &engine_.Chart3, &engine_.Chart4, &engine_.Chart5};
}

} // namespace kelvane
