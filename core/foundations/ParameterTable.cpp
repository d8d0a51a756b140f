#include "ParameterTable.h"

#include "EngineHost.h"
#include "TIniFile.h"

#include <stdexcept>

namespace kelvane {

ParameterTable::ParameterTable(std::span<const FieldRow> fields, FollowUpSteps followUp)
    : followUp_(followUp), fields_(fields.begin(), fields.end()) {
    for (const FieldRow& f : fields_) {
        if (f.Stored())
            rows_.push_back(f);
    }
}

const FieldRow* ParameterTable::Find(Field f) const {
    for (const FieldRow& entry : fields_) {
        if (entry.id == f)
            return &entry;
    }
    return nullptr;
}

const FieldRow* ParameterTable::Find(std::string_view control) const {
    for (const FieldRow& entry : fields_) {
        if (control == entry.control)
            return &entry;
    }
    return nullptr;
}

const FieldRow& ParameterTable::RowOf(Field f) const {
    if (const FieldRow* entry = Find(f))
        return *entry;
    throw std::logic_error("field number " + std::to_string(Index(f)) +
                           " is not a field of this engine");
}

const FieldRow& ParameterTable::RowOf(std::string_view control) const {
    if (const FieldRow* entry = Find(control))
        return *entry;
    throw std::logic_error("no field named " + std::string(control));
}

void ParameterTable::ReadInto(const TIniFile& ini, EngineHost& host) const {
    for (const FieldRow& row : rows_) {
        std::string text = ini.ReadString(row.section, row.key, row.defaultText);
        if (row.IsCheckBox())
            host.SetChecked(row.id, text == "Y");
        else
            host.SetFieldText(row.id, text);
    }
}

void ParameterTable::ApplyDefaults(EngineHost& host) const {
    for (const FieldRow& row : rows_) {
        if (row.IsCheckBox())
            host.SetChecked(row.id, std::string_view(row.defaultText) == "Y");
        else
            host.SetFieldText(row.id, row.defaultText);
    }
}

void ParameterTable::WriteFrom(EngineHost& host, TIniFile& ini) const {
    for (const FieldRow& row : rows_) {
        if (row.IsCheckBox())
            ini.WriteString(row.section, row.key, host.Checked(row.id) ? "Y" : "N");
        else
            ini.WriteString(row.section, row.key, host.FieldText(row.id));
    }
}

void ParameterTable::FollowUp(EngineHost& host, const TrackBarSetter& setTrackBar) const {
    if (followUp_)
        followUp_(host, setTrackBar);
}

void ParameterTable::ReadIniFile(const TIniFile& ini, EngineHost& host,
                                 const TrackBarSetter& setTrackBar) const {
    ReadInto(ini, host);
    FollowUp(host, setTrackBar);
}

} // namespace kelvane
