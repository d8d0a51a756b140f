#pragma once

#include "foundations/Field.h"

#include <QRect>

#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace kelvane {

class ParameterTable;
class WidgetHost;

// Marks the input boxes whose texts the engine cannot use, each with its
// reason as tooltip, and says what is wrong with the first in a line under
// the input panel, shown only while a box is marked.
class FieldMarks {
  public:
    // The problem line goes at lineGeometry of the panel.
    FieldMarks(QWidget* panel, QRect lineGeometry, WidgetHost& host, const ParameterTable& table);

    // Checks every field's text (ParameterTable::Check) and marks the boxes.
    // True when the engine can use every text; false notes that a change was
    // held back (see TakeHeldBack).
    bool Check();
    // True when every text checks out, else the first marked box gets the focus.
    bool ReadyToCalculate();
    // True once after the texts check out again following a change held back.
    bool TakeHeldBack();

    const std::vector<FieldProblem>& Problems() const { return problems_; }
    QLabel* ProblemLine() const { return problemLine_; }
    bool Marked(Field field) const;

  private:
    static void MarkBox(QLineEdit* edit, const FieldProblem* problem);
    void ShowProblemLine();

    WidgetHost& host_;
    const ParameterTable& table_;
    QLabel* problemLine_;
    std::vector<FieldProblem> problems_;
    bool heldBack_ = false;
};

} // namespace kelvane
