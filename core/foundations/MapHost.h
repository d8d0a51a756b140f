#pragma once

#include "EngineHost.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kelvane {

// An engine host over plain maps, for tests and the command-line companion.
class MapHost : public EngineHost {
  public:
    std::map<std::string, std::string> fields;
    std::map<std::string, bool> checks;
    std::map<std::string, std::string> labels;
    std::vector<std::vector<std::string>> grid; // grid[row][col]
    int redraws = 0;
    int processEventsCalls = 0;
    // Called after a field's text changed through SetFieldText, as an edit box would.
    std::function<void(const std::string&)> onFieldChange;
    std::function<void()> onProcessEvents;

    std::string FieldText(const std::string& name) override;
    void SetFieldText(const std::string& name, const std::string& text) override;
    bool Checked(const std::string& name) override;
    void SetChecked(const std::string& name, bool checked) override;
    void SetCell(int col, int row, const std::string& text) override;
    void SetLabel(const std::string& name, const std::string& text) override;
    void RedrawPicture() override { ++redraws; }
    void ProcessEvents() override;

    // "" for a cell never written.
    std::string Cell(int col, int row) const;
};

} // namespace kelvane
