#include "ParameterTable.h"

#include "Conversions.h"
#include "EngineHost.h"
#include "TIniFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace kelvane {

ParameterTable::ParameterTable(const char* sectionPrefix, std::span<const FieldRow> fields,
                               FollowUpSteps followUp, std::span<const FieldOrder> orders)
    : followUp_(followUp), fields_(fields.begin(), fields.end()),
      orders_(orders.begin(), orders.end()) {
    sections_.reserve(fields_.size());
    for (FieldRow& f : fields_) {
        if (f.Stored()) {
            sections_.push_back(sectionPrefix + std::string(f.section));
            f.section = sections_.back().c_str();
            rows_.push_back(f);
        }
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

namespace {

// The value of a text as the engine reads it: MyStrToReal for a real (digit
// grouping commas dropped), decimal digits for a whole number. The strict
// conversion's hexadecimal forms ("x1", "$10", "0x1E") are refused: they make
// no sense to a student, and an analysis's guard refuses them too.
std::optional<double> ValueOf(const FieldRow& row, const std::string& text) {
    if (row.kind == FieldKind::Whole) {
        int value = 0;
        return TryStrToDecimalInt(text, value) ? std::optional<double>(value) : std::nullopt;
    }
    const double value = MyStrToReal(text, std::numeric_limits<double>::quiet_NaN());
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::string LimitText(double limit) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", limit);
    return buf;
}

} // namespace

std::optional<FieldProblem> ParameterTable::CheckText(const FieldRow& row,
                                                      const std::string& text) const {
    if (row.IsCheckBox())
        return std::nullopt;
    const bool unit = row.unit[0] != '\0';
    const Message::Part label = Message::Word(row.label);
    const std::optional<double> value = ValueOf(row, text);
    if (!value && row.kind == FieldKind::Whole) {
        return unit ? FieldProblem(
                          row.id, FieldFault::NotAWholeNumber,
                          {"%1 must be a whole number of %2", {label, Message::Word(row.unit)}})
                    : FieldProblem(row.id, FieldFault::NotAWholeNumber,
                                   {"%1 must be a whole number", {label}});
    }
    if (!value && HasDecimalComma(text)) {
        return FieldProblem(
            row.id, FieldFault::NotANumber,
            {"%1: use a point for decimals (a comma only groups thousands)", {label}});
    }
    if (!value)
        return FieldProblem(row.id, FieldFault::NotANumber, {"%1 must be a number", {label}});
    const FieldRange& r = row.range;
    if (*value >= r.lowest && *value <= r.highest)
        return std::nullopt;
    const Message::Part lowest = Message::Literal(LimitText(r.lowest));
    const Message::Part highest = Message::Literal(LimitText(r.highest));
    const Message::Part unitWord = Message::Word(row.unit);
    Message limits;
    if (r.highest >= kAnyValue.highest)
        limits = unit ? Message("%1 must be %2 %3 or more", {label, lowest, unitWord})
                      : Message("%1 must be %2 or more", {label, lowest});
    else
        limits = unit ? Message("%1 must be from %2 to %3 %4", {label, lowest, highest, unitWord})
                      : Message("%1 must be from %2 to %3", {label, lowest, highest});
    return FieldProblem(row.id, FieldFault::OutOfRange, std::move(limits));
}

std::vector<FieldProblem> ParameterTable::Check(EngineHost& host) const {
    std::vector<FieldProblem> problems;
    double values[kFieldCount] = {};
    bool usable[kFieldCount] = {};
    for (const FieldRow& row : fields_) {
        if (row.IsCheckBox())
            continue;
        const std::string text = host.FieldText(row.id);
        if (std::optional<FieldProblem> p = CheckText(row, text)) {
            problems.push_back(std::move(*p));
            continue;
        }
        values[Index(row.id)] = *ValueOf(row, text);
        usable[Index(row.id)] = true;
    }
    for (const FieldOrder& o : orders_) {
        const int lo = Index(o.lower), hi = Index(o.higher);
        if (!usable[lo] || !usable[hi])
            continue;
        if (o.strict ? values[lo] >= values[hi] : values[lo] > values[hi])
            problems.push_back({o.lower, FieldFault::OutOfOrder, o.message});
    }
    return problems;
}

FieldRange ParameterTable::RangeOf(Field field, EngineHost& host) const {
    FieldRange range = RowOf(field).range;
    auto valueOf = [&](Field other) {
        const FieldRow& row = RowOf(other);
        const std::string text = host.FieldText(other);
        return CheckText(row, text) ? std::nullopt : ValueOf(row, text);
    };
    // A strict order keeps the value off its partner's by the least amount.
    constexpr double kUp = std::numeric_limits<double>::infinity();
    for (const FieldOrder& o : orders_) {
        if (o.lower == field) {
            if (std::optional<double> v = valueOf(o.higher))
                range.highest = std::min(range.highest, o.strict ? std::nextafter(*v, -kUp) : *v);
        } else if (o.higher == field) {
            if (std::optional<double> v = valueOf(o.lower))
                range.lowest = std::max(range.lowest, o.strict ? std::nextafter(*v, kUp) : *v);
        }
    }
    return range;
}

std::vector<ParameterTable::StoredText> ParameterTable::StoredTexts(const TIniFile& ini) const {
    // No key holds a control character: the default marks a missing key.
    const std::string missing = "\x01";
    const TIniFile file = ini.Snapshot(); // every row from one version of the file
    std::vector<StoredText> found;
    for (const FieldRow& row : rows_) {
        std::string text = file.ReadString(row.section, row.key, missing);
        if (text == missing)
            continue;
        std::optional<FieldProblem> problem = CheckText(row, text);
        found.push_back({&row, std::move(text), std::move(problem)});
    }
    return found;
}

void ParameterTable::ReadInto(const TIniFile& ini, EngineHost& host) const {
    const TIniFile file = ini.Snapshot(); // every row from one version of the file
    for (const FieldRow& row : rows_) {
        std::string text = file.ReadString(row.section, row.key, row.defaultText);
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
    // One replace of the file for all rows: a crash mid-save must not leave
    // some fields old and some new.
    ini.Update([&](TIniFile& file) {
        for (const FieldRow& row : rows_) {
            if (row.IsCheckBox())
                file.WriteString(row.section, row.key, host.Checked(row.id) ? "Y" : "N");
            else
                file.WriteString(row.section, row.key, host.FieldText(row.id));
        }
    });
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
