#pragma once

#include "foundations/EngineHost.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kelvane {

class ParameterTable;

// The engine seam over a window's controls. It serves the fields of one
// engine's table; a field the window never added is a program error
// (std::logic_error), whether read, written or ticked.
class WidgetHost : public EngineHost {
  public:
    explicit WidgetHost(const ParameterTable& table) : table_(&table) {}

    void AddField(Field field, QLineEdit* edit);
    void AddCheckBox(Field field, QCheckBox* box);
    void SetVolumeLabel(QLabel* label) { volumeLabel_ = label; }
    // The statistics grid; it keeps the rows and columns it has now.
    void SetGrid(QTableWidget* grid);
    QLineEdit* Edit(Field field) const;
    // The field an edit box was added for; a box never added is a program error.
    Field FieldOf(const QLineEdit* edit) const;
    QCheckBox* CheckBox(Field field) const;
    // Puts the cells, the volume text and field texts written since the last call on screen.
    void ShowGrid();

    // While this answers true, field writes would be inert (the window's own
    // guards are set): they are kept here and shown at the next ShowGrid, so an
    // analysis does not lay out an edit box 361 times.
    std::function<bool()> deferFieldWrites;

    std::function<void()> onRedrawPicture;
    // What a grid cell needs around its text: the style's margins and padding.
    static constexpr int kCellPadding = 10;
    // A grid column grew to show a text whole.
    std::function<void()> onGridWidened;
    // Runs before pending events are let through (the window brings its charts up to date).
    std::function<void()> onProcessEvents;

    std::string FieldText(Field field) override;
    void SetFieldText(Field field, const std::string& text) override;
    bool Checked(Field field) override;
    void SetChecked(Field field, bool checked) override;
    void SetCell(int col, int row, const std::string& text) override;
    void SetVolumeText(const Message& text) override;
    void RedrawPicture() override;
    void ProcessEvents() override;

  private:
    std::size_t Slot(Field field) const { return static_cast<std::size_t>(Index(field)); }
    [[noreturn]] void NoSuchControl(Field field) const;
    // The accessible texts of a row's values: "Max Pressure: 410".
    void SpeakRow(int row);

    const ParameterTable* table_;
    std::array<QLineEdit*, kFieldCount> edits_{};
    std::array<QCheckBox*, kFieldCount> checks_{};
    // The fields' texts as std::string: the engines read them at every evaluation.
    std::array<std::string, kFieldCount> texts_{};
    struct PendingText {
        std::string text;
        bool pending = false;
    };
    std::array<PendingText, kFieldCount> pendingFields_{};
    QLabel* volumeLabel_ = nullptr;
    struct {
        Message text;
        bool pending = false;
    } pendingVolume_;
    QTableWidget* grid_ = nullptr;
    int gridRows_ = 0, gridColumns_ = 0;
    std::vector<PendingText> pendingCells_; // row by row
    std::vector<long long> widest_;         // per column, the longest text measured
    std::vector<bool> rowsToSpeak_;         // rows whose texts changed, kept for its storage
};

} // namespace kelvane
