#include "MapHost.h"

#include "Callback.h"

namespace kelvane {

MapHost::MapHost(const ParameterTable& table) : table_(&table) {
    for (const FieldRow& f : table.fields())
        has_[static_cast<std::size_t>(Index(f.id))] = true;
}

std::size_t MapHost::Slot(Field field) const {
    const auto slot = static_cast<std::size_t>(Index(field));
    if (!has_[slot])
        table_->RowOf(field); // throws: the engine has no such field
    return slot;
}

void MapHost::PutDefaults() {
    for (const FieldRow& f : table_->fields()) {
        if (f.IsCheckBox())
            PutChecked(f.id, std::string(f.defaultText) == "Y");
        else
            Put(f.id, f.defaultText);
    }
}

void MapHost::Put(Field field, const std::string& text) {
    texts_[Slot(field)] = text;
}

void MapHost::PutChecked(Field field, bool checked) {
    checks_[Slot(field)] = checked;
}

std::string MapHost::FieldText(Field field) {
    return texts_[Slot(field)];
}

void MapHost::SetFieldText(Field field, const std::string& text) {
    std::string& slot = texts_[Slot(field)];
    if (slot == text)
        return;
    slot = text;
    CallIfSet(onFieldChange, field);
}

bool MapHost::Checked(Field field) {
    return checks_[Slot(field)];
}

void MapHost::SetChecked(Field field, bool checked) {
    checks_[Slot(field)] = checked;
}

void MapHost::SetCell(int col, int row, const std::string& text) {
    if (row < 0 || col < 0)
        return;
    if (grid.size() <= static_cast<std::size_t>(row))
        grid.resize(static_cast<std::size_t>(row) + 1);
    auto& r = grid[static_cast<std::size_t>(row)];
    if (r.size() <= static_cast<std::size_t>(col))
        r.resize(static_cast<std::size_t>(col) + 1);
    r[static_cast<std::size_t>(col)] = text;
}

void MapHost::ProcessEvents() {
    ++processEventsCalls;
    CallIfSet(onProcessEvents);
}

std::string MapHost::Cell(int col, int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= grid.size())
        return {};
    const auto& r = grid[static_cast<std::size_t>(row)];
    if (col < 0 || static_cast<std::size_t>(col) >= r.size())
        return {};
    return r[static_cast<std::size_t>(col)];
}

} // namespace kelvane
