#include "CliEngine.h"

#include "foundations/Echo.h"

#include "common/ParameterSweep.h"

namespace kelvane {

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
        return sweep_->Graphs();
    return engine_->Charts();
}

std::vector<std::string> CliEngine::Memo() const {
    return sweep_ ? sweep_->Memo1 : std::vector<std::string>{};
}

} // namespace kelvane
