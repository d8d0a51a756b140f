// What a screen reader finds in the program's windows: every control a
// student can reach has a name to be read out, a box the engine cannot use
// says why, and the grid reads label and value together.
#include "../AppTestSupport.h"
#include "../EveryWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {

namespace {

QString NameOf(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    return a ? a->text(QAccessible::Name) : QString();
}

// The controls of the window that take the focus or a click (the up-downs
// among them), its charts, grid and picture, each without a name a
// listener can tell apart ("<<" is none).
std::vector<std::string> Unnamed(QWidget& window, QWidget* picture) {
    std::vector<std::string> unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool reachable = w->focusPolicy() != Qt::NoFocus || w == picture ||
                               qobject_cast<QAbstractButton*>(w) || qobject_cast<QCustomPlot*>(w) ||
                               qobject_cast<QTableWidget*>(w) ||
                               w->inherits("kelvane::UpDownControl");
        const QString name = NameOf(w);
        if (w->window() == &window && w->isVisible() && reachable &&
            !name.contains(QRegularExpression("\\p{L}")))
            unnamed.push_back(w->metaObject()->className() + (" " + w->objectName()).toStdString() +
                              " \"" + name.toStdString() + "\"");
    }
    return unnamed;
}

// A marked box says its reason until a good text clears it, the line under
// the panel says it too, at once, and a grid value reads with its label.
void ExpectMarksAndValuesRead(AnyEngineWindow& w, std::vector<QWidget*>& announced) {
    QTableWidget* grid = w.Grid();
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    std::vector<std::string> read, shown;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QTableWidgetItem* label = grid->item(row, 0);
        QTableWidgetItem* value = grid->item(row, 1);
        if (label && value && !value->text().isEmpty()) {
            read.push_back(table->cellAt(row, 1)->text(QAccessible::Name).toStdString());
            shown.push_back((label->text() + ": " + value->text()).toStdString());
        }
    }
    EXPECT_EQ(read, shown);

    const FieldRow& row = w.Traits().parameters->fields()[0]; // a box in every table
    QLineEdit* box = w.Host().Edit(row.id);
    EXPECT_TRUE(NameOf(box).startsWith(row.label)) << NameOf(box).toStdString();
    const QString good = box->text();
    announced.clear();
    box->setText("x");
    ASSERT_TRUE(w.Marked(row.id));
    const std::string reason = w.FieldProblems().front().message;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
    EXPECT_EQ(a->text(QAccessible::Description).toStdString(), reason);
    EXPECT_NE(NameOf(w.ProblemLine()).toStdString().find(reason), std::string::npos);
    box->setText(good);
    EXPECT_EQ(a->text(QAccessible::Description).toStdString(), "");
    EXPECT_EQ(announced, std::vector<QWidget*>{w.ProblemLine()});
    EXPECT_EQ(NameOf(w.ProblemLine()).toStdString() + w.ProblemLine()->text().toStdString(), "");
}

} // namespace

TEST(AccessibleNames, EveryReachableControlIsNamedAndMarksAndValuesReadAsShown) {
    AppTestEnvironment env;
    EveryWindow windows(env);
    int values = 0;
    windows.ForEach([&](const std::string& name, QWidget& window) {
        SCOPED_TRACE(name);
        auto* engine = dynamic_cast<AnyEngineWindow*>(&window);
        EXPECT_EQ(Unnamed(window, engine ? engine->Picture() : nullptr),
                  std::vector<std::string>{});
        if (engine) {
            ExpectMarksAndValuesRead(*engine, env.platform.announced);
            values += engine->Grid()->item(0, 1) != nullptr;
        }
    });
    EXPECT_GT(values, 0);
    EXPECT_TRUE(env.errors.empty());
}

} // namespace kelvane
