#pragma once

#include "foundations/EngineHost.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kelvane {

// The engine seam over a window's controls.
class WidgetHost : public EngineHost {
  public:
    void AddField(const std::string& name, QLineEdit* edit);
    void AddCheckBox(const std::string& name, QCheckBox* box) { checks_[name] = box; }
    void AddLabel(const std::string& name, QLabel* label) { labels_[name] = label; }
    // The statistics grid; it keeps the rows and columns it has now.
    void SetGrid(QTableWidget* grid);
    QLineEdit* Field(const std::string& name) const;
    // Puts the cells, labels and field texts written since the last call on screen.
    void ShowGrid();

    // While this answers true, field writes would be inert (the window's own
    // guards are set): they are kept here and shown at the next ShowGrid, so an
    // analysis does not lay out an edit box 361 times.
    std::function<bool()> deferFieldWrites;

    std::function<void()> onRedrawPicture;
    // Runs before pending events are let through (the window brings its charts up to date).
    std::function<void()> onProcessEvents;

    std::string FieldText(const std::string& name) override;
    void SetFieldText(const std::string& name, const std::string& text) override;
    bool Checked(const std::string& name) override;
    void SetChecked(const std::string& name, bool checked) override;
    void SetCell(int col, int row, const std::string& text) override;
    void SetLabel(const std::string& name, const std::string& text) override;
    void RedrawPicture() override;
    void ProcessEvents() override;

  private:
    std::map<std::string, QLineEdit*> fields_;
    std::map<std::string, QCheckBox*> checks_;
    std::map<std::string, QLabel*> labels_;
    QTableWidget* grid_ = nullptr;
    int gridRows_ = 0, gridColumns_ = 0;
    std::map<std::string, std::string> pendingFields_;
    // The fields' texts as std::string: the engines read them at every evaluation.
    std::map<std::string, std::string> texts_;
    struct PendingCell {
        std::string text;
        bool pending = false;
    };
    std::vector<PendingCell> pendingCells_; // row by row
    std::map<std::string, std::string> pendingLabels_;
};

} // namespace kelvane
