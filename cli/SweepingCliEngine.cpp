#include "SweepingCliEngine.h"

#include "foundations/ParameterTable.h"

namespace kelvane {

void RunCliSweep(ParameterSweep& sweep, const std::string& name) {
    const ParameterTable& table = sweep.Fields();
    const FieldRow* entry = table.Find(name);
    std::string names;
    bool swept = false;
    for (Field f : sweep.SweptFields()) {
        swept = swept || (entry && entry->id == f);
        names += std::string(names.empty() ? "" : ", ") + table.RowOf(f).control;
    }
    if (!swept)
        throw CliUsageError("--sweep needs one of " + names + ", not '" + name + "'");
    if (sweep.Step(entry->id) == 0) {
        throw std::runtime_error("Cannot sweep " + name +
                                 ": its step would be 0 and the sweep would never end");
    }
    sweep.FieldDblClick(entry->id);
}

} // namespace kelvane
