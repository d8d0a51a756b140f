#include "MapHost.h"

namespace kelvane {

std::string MapHost::FieldText(const std::string& name) {
    auto it = fields.find(name);
    return it == fields.end() ? std::string() : it->second;
}

void MapHost::SetFieldText(const std::string& name, const std::string& text) {
    std::string& slot = fields[name];
    if (slot == text)
        return;
    slot = text;
    if (onFieldChange)
        onFieldChange(name);
}

bool MapHost::Checked(const std::string& name) {
    auto it = checks.find(name);
    return it != checks.end() && it->second;
}

void MapHost::SetChecked(const std::string& name, bool checked) {
    checks[name] = checked;
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

void MapHost::SetLabel(const std::string& name, const std::string& text) {
    labels[name] = text;
}

void MapHost::ProcessEvents() {
    ++processEventsCalls;
    if (onProcessEvents)
        onProcessEvents();
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
