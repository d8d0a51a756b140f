#include "FieldMarks.h"

#include "foundations/ParameterTable.h"
#include "shell/Languages.h"
#include "widgets/Platform.h"
#include "widgets/WidgetHost.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace kelvane {

FieldMarks::FieldMarks(QWidget* panel, QRect lineGeometry, WidgetHost& host,
                       const ParameterTable& table)
    : host_(host), table_(table), problemLine_(new QLabel(panel)) {
    problemLine_->setObjectName("ProblemLine");
    problemLine_->setGeometry(lineGeometry);
    problemLine_->setAutoFillBackground(true);
    problemLine_->setStyleSheet("QLabel { color: #b00000; background-color: #fff0f0; }");
    problemLine_->hide();
}

bool FieldMarks::Marked(Field field) const {
    for (const FieldProblem& p : problems_) {
        if (p.field == field)
            return true;
    }
    return false;
}

void FieldMarks::MarkBox(QLineEdit* edit, const FieldProblem* problem) {
    const bool marked = problem != nullptr;
    if (edit->property("kelvaneMarked").toBool() == marked) {
        if (marked && edit->toolTip() != CoreMessage(problem->wording)) {
            edit->setToolTip(CoreMessage(problem->wording));
            edit->setAccessibleDescription(edit->toolTip());
        }
        return;
    }
    // A style sheet change polishes the box anew, which would drop the
    // window's smaller font.
    const QFont font = edit->font();
    if (marked) {
        // The box's own look (the yellow sweep boxes) comes back when it is unmarked.
        edit->setProperty("kelvaneStyle", edit->styleSheet());
        // Focused, the highlight takes the red frame's place; the ground stays pink.
        edit->setStyleSheet(
            "QLineEdit { border: 2px solid #d00000; background-color: #ffd8d8; color: black; }"
            "QLineEdit:focus { border: 2px solid palette(highlight); }");
        edit->setToolTip(CoreMessage(problem->wording));
    } else {
        edit->setStyleSheet(edit->property("kelvaneStyle").toString());
        edit->setToolTip({});
    }
    // A screen reader says the reason with the box's name, as the red frame shows it.
    edit->setAccessibleDescription(edit->toolTip());
    edit->setFont(font);
    edit->setProperty("kelvaneMarked", marked);
}

bool FieldMarks::Check() {
    std::vector<FieldProblem> problems = table_.Check(host_);
    const bool same = problems.size() == problems_.size() &&
                      std::equal(problems.begin(), problems.end(), problems_.begin(),
                                 [](const FieldProblem& a, const FieldProblem& b) {
                                     return a.field == b.field && a.message == b.message;
                                 });
    if (!same) {
        problems_ = std::move(problems);
        for (const FieldRow& row : table_.fields()) {
            if (row.IsCheckBox())
                continue;
            const FieldProblem* problem = nullptr;
            for (const FieldProblem& p : problems_) {
                if (p.field == row.id && !problem)
                    problem = &p;
            }
            MarkBox(host_.Edit(row.id), problem);
        }
        ShowProblemLine();
    }
    if (!problems_.empty())
        heldBack_ = true;
    return problems_.empty();
}

void FieldMarks::ShowProblemLine() {
    if (problems_.empty()) {
        // Emptied too, so that a reader walking the hidden widgets hears no
        // problem that was mended.
        problemLine_->hide();
        problemLine_->clear();
        problemLine_->setToolTip({});
        problemLine_->setAccessibleName({});
        problemLine_->setAccessibleDescription({});
        return;
    }
    QString line = CoreMessage(problems_.front().wording);
    QStringList all;
    for (const FieldProblem& p : problems_)
        all << CoreMessage(p.wording);
    if (problems_.size() > 1)
        line +=
            " " +
            QCoreApplication::translate("FieldMarks", "(and %1 more)").arg(problems_.size() - 1);
    problemLine_->setText(line);
    problemLine_->setToolTip(all.join('\n'));
    problemLine_->setAccessibleName(
        QCoreApplication::translate("FieldMarks", "Input problem: %1").arg(line));
    problemLine_->setAccessibleDescription(problemLine_->toolTip());
    problemLine_->show();
    problemLine_->raise();
    // Said at once, wherever the focus is: the student typing in a box does
    // not see the line appear or change.
    Platform::Current().Announce(problemLine_);
}

bool FieldMarks::ReadyToCalculate() {
    if (Check())
        return true;
    host_.Edit(problems_.front().field)->setFocus();
    return false;
}

bool FieldMarks::TakeHeldBack() {
    return std::exchange(heldBack_, false);
}

} // namespace kelvane
