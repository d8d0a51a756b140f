#include "CliEngine.h"

#include "Echo.h"

#include "common/ParameterSweep.h"

namespace kelvane {

CliEngine::CliEngine(const EngineEntry& entry)
    : entry_(entry), host_(entry.fields()), engine_(entry.make(host_)),
      sweep_(entry.makeSweep ? entry.makeSweep(*engine_, host_) : nullptr) {
    host_.onFieldChange = [this](Field field) { engine_->FieldChanged(field); };
    engine_->OpenWithoutWindow();
}

CliEngine::~CliEngine() = default;

void CliEngine::ApplyDefaults() {
    entry_.fields().ApplyDefaults(host_);
    // Not a stored parameter: the crank angle field starts at 0.
    host_.Put(Field::Phase, "0");
    engine_->TextsPut();
}

void CliEngine::Sweep(const std::string& name) {
    const ParameterTable& table = sweep_->Fields();
    const FieldRow* entry = table.Find(name);
    std::string names;
    bool swept = false;
    for (Field f : sweep_->SweptFields()) {
        swept = swept || (entry && entry->id == f);
        names += std::string(names.empty() ? "" : ", ") + table.RowOf(f).control;
    }
    if (!swept)
        throw CliUsageError("--sweep needs one of " + names + ", not '" + Echo(name) + "'");
    if (sweep_->Step(entry->id) == 0) {
        throw std::runtime_error("Cannot sweep " + name +
                                 ": its step would be 0 and the sweep would never end");
    }
    sweep_->FieldDblClick(entry->id);
    swept_ = true;
}

std::vector<TChart*> CliEngine::Charts() {
    if (swept_)
        return {&sweep_->WorkGraph, &sweep_->VolumeGraph, &sweep_->PressureGraph,
                &sweep_->TemperatureGraph};
    return engine_->Charts();
}

std::vector<std::string> CliEngine::Memo() const {
    return sweep_ ? sweep_->Memo1 : std::vector<std::string>{};
}

} // namespace kelvane
