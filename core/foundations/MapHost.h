#pragma once

#include "EngineHost.h"
#include "ParameterTable.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kelvane {

// An engine host over plain arrays, for tests and the command-line companion.
// Every field starts empty (check boxes unticked); ApplyDefaults fills them.
class MapHost : public EngineHost {
  public:
    explicit MapHost(const ParameterTable& table);

    const ParameterTable& Table() const { return *table_; }

    std::vector<std::vector<std::string>> grid; // grid[row][col]
    std::string volumeText;
    Message volumeWording; // volumeText in parts, for a page to translate
    int redraws = 0;
    int processEventsCalls = 0;
    // Called after a field's text changed through SetFieldText, as an edit box would.
    std::function<void(Field)> onFieldChange;
    std::function<void()> onProcessEvents;

    // Every field of the table at its default, the crank angle included,
    // without running the change handler.
    void PutDefaults();
    // Sets a text or a tick without running the change handler.
    void Put(Field field, const std::string& text);
    void PutChecked(Field field, bool checked);

    std::string FieldText(Field field) override;
    void SetFieldText(Field field, const std::string& text) override;
    bool Checked(Field field) override;
    void SetChecked(Field field, bool checked) override;
    void SetCell(int col, int row, const std::string& text) override;
    void SetVolumeText(const Message& text) override {
        volumeWording = text;
        volumeText = text.English();
    }
    void RedrawPicture() override { ++redraws; }
    void ProcessEvents() override;

    // "" for a cell never written.
    std::string Cell(int col, int row) const;

  private:
    std::size_t Slot(Field field) const;

    const ParameterTable* table_;
    std::array<std::string, kFieldCount> texts_{};
    std::array<bool, kFieldCount> checks_{};
    std::array<bool, kFieldCount> has_{};
};

} // namespace kelvane
