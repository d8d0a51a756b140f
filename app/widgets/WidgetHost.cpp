#include "WidgetHost.h"

#include "shell/Languages.h"

#include "foundations/Callback.h"
#include "foundations/ParameterTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include <stdexcept>

namespace kelvane {

void WidgetHost::NoSuchControl(Field field) const {
    const FieldRow& entry = table_->RowOf(field); // throws for a field the engine lacks
    throw std::logic_error(std::string("no control for the field ") + entry.control);
}

QLineEdit* WidgetHost::Edit(Field field) const {
    QLineEdit* edit = edits_[Slot(field)];
    if (!edit)
        NoSuchControl(field);
    return edit;
}

Field WidgetHost::FieldOf(const QLineEdit* edit) const {
    for (std::size_t slot = 0; slot < edits_.size(); ++slot) {
        if (edits_[slot] == edit)
            return static_cast<Field>(slot);
    }
    throw std::logic_error("an edit box the host does not serve");
}

QCheckBox* WidgetHost::CheckBox(Field field) const {
    QCheckBox* box = checks_[Slot(field)];
    if (!box)
        NoSuchControl(field);
    return box;
}

void WidgetHost::AddField(Field field, QLineEdit* edit) {
    table_->RowOf(field);
    edits_[Slot(field)] = edit;
    texts_[Slot(field)] = edit->text().toStdString();
    // Connected before any handler of the window, so handlers read the new text.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this, field](const QString& text) {
        texts_[Slot(field)] = text.toStdString();
    });
}

void WidgetHost::AddCheckBox(Field field, QCheckBox* box) {
    table_->RowOf(field);
    checks_[Slot(field)] = box;
}

std::string WidgetHost::FieldText(Field field) {
    Edit(field);
    const PendingText& pending = pendingFields_[Slot(field)];
    return pending.pending ? pending.text : texts_[Slot(field)];
}

void WidgetHost::SetFieldText(Field field, const std::string& text) {
    QLineEdit* edit = Edit(field);
    PendingText& pending = pendingFields_[Slot(field)];
    if (deferFieldWrites && deferFieldWrites()) {
        pending.text = text;
        pending.pending = true;
        return;
    }
    pending.pending = false;
    // setText fires textChanged only for a different text, as an edit box does.
    edit->setText(QString::fromStdString(text));
}

bool WidgetHost::Checked(Field field) {
    return CheckBox(field)->isChecked();
}

void WidgetHost::SetChecked(Field field, bool checked) {
    CheckBox(field)->setChecked(checked);
}

void WidgetHost::SetGrid(QTableWidget* grid) {
    grid_ = grid;
    gridRows_ = grid ? grid->rowCount() : 0;
    gridColumns_ = grid ? grid->columnCount() : 0;
    pendingCells_.assign(static_cast<std::size_t>(gridRows_ * gridColumns_), {});
    widest_.assign(static_cast<std::size_t>(gridColumns_), 0);
}

void WidgetHost::SetCell(int col, int row, const std::string& text) {
    if (row < 0 || col < 0 || row >= gridRows_ || col >= gridColumns_)
        return;
    // An analysis rewrites the same cells hundreds of times before anything
    // is painted: only the last text of each cell reaches the grid. One slot
    // per cell keeps its text's storage from one write to the next.
    PendingText& cell = pendingCells_[static_cast<std::size_t>(row * gridColumns_ + col)];
    cell.text = text;
    cell.pending = true;
}

void WidgetHost::ShowGrid() {
    for (std::size_t slot = 0; slot < pendingFields_.size(); ++slot) {
        PendingText& pending = pendingFields_[slot];
        if (!pending.pending)
            continue;
        pending.pending = false;
        // The writes were inert when made; showing them now must stay inert.
        QLineEdit* edit = edits_[slot];
        QSignalBlocker quiet(edit);
        edit->setText(QString::fromStdString(pending.text));
        texts_[slot] = pending.text;
    }
    if (pendingVolume_.pending && volumeLabel_) {
        pendingVolume_.pending = false;
        volumeLabel_->setText(CoreMessage(pendingVolume_.text));
    }
    if (!grid_)
        return;
    bool widened = false;
    rowsToSpeak_.assign(static_cast<std::size_t>(gridRows_), false);
    for (std::size_t at = 0; at < pendingCells_.size(); ++at) {
        PendingText& cell = pendingCells_[at];
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
        // Column 0 holds the row labels, the one core text of the grid.
        QString value = col == 0 ? CoreText(cell.text) : QString::fromStdString(cell.text);
        if (item->text() != value) {
            item->setText(value);
            rowsToSpeak_[static_cast<std::size_t>(row)] = true;
        }
        // A column only grows, and only a text longer than any before is
        // measured: the grid is rewritten at every step of the crank.
        long long& widest = widest_[static_cast<std::size_t>(col)];
        if (value.size() > widest) {
            widest = value.size();
            const int needed = grid_->fontMetrics().horizontalAdvance(value) + kCellPadding;
            if (needed > grid_->columnWidth(col)) {
                grid_->setColumnWidth(col, needed);
                widened = true;
            }
        }
    }
    for (int row = 0; row < gridRows_; ++row) {
        if (rowsToSpeak_[static_cast<std::size_t>(row)])
            SpeakRow(row);
    }
    if (widened)
        CallIfSet(onGridWidened);
}

void WidgetHost::SpeakRow(int row) {
    // A screen reader reads one cell at a time: each value says its label.
    const QTableWidgetItem* labelItem = grid_->item(row, 0);
    const QString label = labelItem ? labelItem->text().trimmed() : QString();
    for (int col = 1; col < gridColumns_; ++col) {
        QTableWidgetItem* item = grid_->item(row, col);
        if (!item)
            continue;
        const QString spoken =
            label.isEmpty()
                ? item->text()
                : QCoreApplication::translate("WidgetHost", "%1: %2").arg(label, item->text());
        if (item->data(Qt::AccessibleTextRole).toString() != spoken)
            item->setData(Qt::AccessibleTextRole, spoken);
    }
}

void WidgetHost::SetVolumeText(const Message& text) {
    // Written at every evaluation like the cells, and shown with them.
    if (!volumeLabel_)
        return;
    pendingVolume_.text = text;
    pendingVolume_.pending = true;
}

void WidgetHost::RedrawPicture() {
    CallIfSet(onRedrawPicture);
}

void WidgetHost::ProcessEvents() {
    CallIfSet(onProcessEvents);
    QApplication::processEvents();
}

} // namespace kelvane
