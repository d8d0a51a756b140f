#include "WidgetHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <stdexcept>

namespace kelvane {

QLineEdit* WidgetHost::Field(const std::string& name) const {
    auto it = fields_.find(name);
    if (it == fields_.end())
        throw std::logic_error("no field named " + name);
    return it->second;
}

std::string WidgetHost::FieldText(const std::string& name) {
    return Field(name)->text().toStdString();
}

void WidgetHost::SetFieldText(const std::string& name, const std::string& text) {
    // setText fires textChanged only for a different text, as an edit box does.
    Field(name)->setText(QString::fromStdString(text));
}

bool WidgetHost::Checked(const std::string& name) {
    auto it = checks_.find(name);
    return it != checks_.end() && it->second->isChecked();
}

void WidgetHost::SetChecked(const std::string& name, bool checked) {
    auto it = checks_.find(name);
    if (it != checks_.end())
        it->second->setChecked(checked);
}

void WidgetHost::SetCell(int col, int row, const std::string& text) {
    if (!grid_ || row < 0 || col < 0 || row >= grid_->rowCount() || col >= grid_->columnCount())
        return;
    // An analysis rewrites the same cells hundreds of times before anything
    // is painted: the grid repaints once, when the window next syncs.
    if (grid_->updatesEnabled())
        grid_->setUpdatesEnabled(false);
    QTableWidgetItem* item = grid_->item(row, col);
    if (!item) {
        item = new QTableWidgetItem;
        grid_->setItem(row, col, item);
    }
    item->setText(QString::fromStdString(text));
}

void WidgetHost::ShowGrid() {
    if (grid_ && !grid_->updatesEnabled())
        grid_->setUpdatesEnabled(true);
}

void WidgetHost::SetLabel(const std::string& name, const std::string& text) {
    auto it = labels_.find(name);
    if (it != labels_.end())
        it->second->setText(QString::fromStdString(text));
}

void WidgetHost::RedrawPicture() {
    if (onRedrawPicture)
        onRedrawPicture();
}

void WidgetHost::ProcessEvents() {
    if (onProcessEvents)
        onProcessEvents();
    QApplication::processEvents();
}

} // namespace kelvane
