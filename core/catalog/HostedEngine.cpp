#include "HostedEngine.h"

#include "common/ParameterSweep.h"

namespace kelvane {

HostedEngine::HostedEngine(const EngineEntry& entry)
    : entry_(entry), host_(entry.fields()), engine_(entry.make(host_)),
      sweep_(entry.makeSweep ? entry.makeSweep(*engine_, host_) : nullptr) {
    // As the window's edit boxes do: every write runs the change handler,
    // which the engine's own guards make inert while it writes the crank angle.
    host_.onFieldChange = [this](Field field) { engine_->FieldChanged(field); };
    engine_->OpenWithoutWindow();
}

HostedEngine::~HostedEngine() = default;

void HostedEngine::ApplyDefaults() {
    entry_.fields().ApplyDefaults(host_);
    // Not a stored parameter: the crank angle field starts at 0.
    host_.Put(Field::Phase, "0");
    engine_->TextsPut();
}

} // namespace kelvane
