#include "WidgetHost.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include <stdexcept>

namespace kelvane {

QLineEdit* WidgetHost::Field(const std::string& name) const {
    auto it = fields_.find(name);
    if (it == fields_.end())
        throw std::logic_error("no field named " + name);
    return it->second;
}

void WidgetHost::AddField(const std::string& name, QLineEdit* edit) {
    fields_[name] = edit;
    texts_[name] = edit->text().toStdString();
    // Connected before any handler of the window, so handlers read the new text.
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [this, name](const QString& text) { texts_[name] = text.toStdString(); });
}

std::string WidgetHost::FieldText(const std::string& name) {
    auto pending = pendingFields_.find(name);
    if (pending != pendingFields_.end())
        return pending->second;
    auto text = texts_.find(name);
    if (text == texts_.end())
        throw std::logic_error("no field named " + name);
    return text->second;
}

void WidgetHost::SetFieldText(const std::string& name, const std::string& text) {
    QLineEdit* edit = Field(name);
    if (deferFieldWrites && deferFieldWrites()) {
        pendingFields_[name] = text;
        return;
    }
    pendingFields_.erase(name);
    // setText fires textChanged only for a different text, as an edit box does.
    edit->setText(QString::fromStdString(text));
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

void WidgetHost::SetGrid(QTableWidget* grid) {
    grid_ = grid;
    gridRows_ = grid ? grid->rowCount() : 0;
    gridColumns_ = grid ? grid->columnCount() : 0;
    pendingCells_.assign(static_cast<std::size_t>(gridRows_ * gridColumns_), {});
}

void WidgetHost::SetCell(int col, int row, const std::string& text) {
    if (row < 0 || col < 0 || row >= gridRows_ || col >= gridColumns_)
        return;
    // An analysis rewrites the same cells hundreds of times before anything
    // is painted: only the last text of each cell reaches the grid. One slot
    // per cell keeps its text's storage from one write to the next.
    PendingCell& cell = pendingCells_[static_cast<std::size_t>(row * gridColumns_ + col)];
    cell.text = text;
    cell.pending = true;
}

void WidgetHost::ShowGrid() {
    auto fields = std::move(pendingFields_);
    pendingFields_.clear();
    for (const auto& [name, text] : fields) {
        // The writes were inert when made; showing them now must stay inert.
        QLineEdit* edit = Field(name);
        QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(text));
        texts_[name] = text;
    }
    auto labels = std::move(pendingLabels_);
    pendingLabels_.clear();
    for (const auto& [name, text] : labels)
        labels_.at(name)->setText(QString::fromStdString(text));
    if (!grid_)
        return;
    for (std::size_t at = 0; at < pendingCells_.size(); ++at) {
        PendingCell& cell = pendingCells_[at];
        if (!cell.pending)
            continue;
        cell.pending = false;
        const int row = static_cast<int>(at) / gridColumns_;
        const int col = static_cast<int>(at) % gridColumns_;
        QTableWidgetItem* item = grid_->item(row, col);
        if (!item) {
            item = new QTableWidgetItem;
            grid_->setItem(row, col, item);
        }
        QString value = QString::fromStdString(cell.text);
        if (item->text() != value)
            item->setText(value);
    }
}

void WidgetHost::SetLabel(const std::string& name, const std::string& text) {
    // Written at every evaluation like the cells, and shown with them.
    if (labels_.count(name))
        pendingLabels_[name] = text;
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
