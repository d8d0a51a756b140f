#pragma once

#include "foundations/EngineHost.h"

#include <functional>
#include <map>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kelvane {

// The engine seam over a window's controls.
class WidgetHost : public EngineHost {
  public:
    void AddField(const std::string& name, QLineEdit* edit) { fields_[name] = edit; }
    void AddCheckBox(const std::string& name, QCheckBox* box) { checks_[name] = box; }
    void AddLabel(const std::string& name, QLabel* label) { labels_[name] = label; }
    void SetGrid(QTableWidget* grid) { grid_ = grid; }
    QLineEdit* Field(const std::string& name) const;
    // Repaints the grid with the cells written since the last call.
    void ShowGrid();

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
};

} // namespace kelvane
