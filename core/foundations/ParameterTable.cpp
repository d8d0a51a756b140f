#include "ParameterTable.h"

#include "EngineHost.h"
#include "TIniFile.h"

#include <stdexcept>

namespace kelvane {

ParameterTable::ParameterTable(Engine engine, std::span<const FieldSpec> fields,
                               FollowUpSteps followUp)
    : engine_(engine), followUp_(followUp), fields_(fields.begin(), fields.end()) {
    for (const FieldSpec& f : fields_) {
        if (f.Stored())
            rows_.push_back(f);
    }
}

const ParameterTable& ParameterTable::For(Engine engine) {
    switch (engine) {
    case Engine::Gamma:
        return Gamma();
    case Engine::Ringbom:
        return Ringbom();
    case Engine::Rider:
        break;
    }
    return Rider();
}

const FieldSpec* ParameterTable::Find(Field f) const {
    for (const FieldSpec& spec : fields_) {
        if (spec.id == f)
            return &spec;
    }
    return nullptr;
}

const FieldSpec* ParameterTable::Find(std::string_view control) const {
    for (const FieldSpec& spec : fields_) {
        if (control == spec.control)
            return &spec;
    }
    return nullptr;
}

const FieldSpec& ParameterTable::Spec(Field f) const {
    if (const FieldSpec* spec = Find(f))
        return *spec;
    throw std::logic_error("field number " + std::to_string(Index(f)) +
                           " is not a field of this engine");
}

const FieldSpec& ParameterTable::Spec(std::string_view control) const {
    if (const FieldSpec* spec = Find(control))
        return *spec;
    throw std::logic_error("no field named " + std::string(control));
}

void ParameterTable::ReadInto(const TIniFile& ini, EngineHost& host) const {
    for (const FieldSpec& row : rows_) {
        std::string text = ini.ReadString(row.section, row.key, row.defaultText);
        if (row.IsCheckBox())
            host.SetChecked(row.id, text == "Y");
        else
            host.SetFieldText(row.id, text);
    }
}

void ParameterTable::ApplyDefaults(EngineHost& host) const {
    for (const FieldSpec& row : rows_) {
        if (row.IsCheckBox())
            host.SetChecked(row.id, std::string_view(row.defaultText) == "Y");
        else
            host.SetFieldText(row.id, row.defaultText);
    }
}

void ParameterTable::WriteFrom(EngineHost& host, TIniFile& ini) const {
    for (const FieldSpec& row : rows_) {
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
