#include "../AppTestSupport.h"
#include "../PseudoTranslator.h"
#include "catalog/EngineCatalog.h"
#include "shell/KelvaneProgram.h"
#include "shell/Languages.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"
#include "widgets/ChartView.h"
#include "widgets/HelpWindow.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>

#include <gtest/gtest.h>

using namespace kelvane;

namespace {

// What a window shows that never went through translation: shown captions,
// tooltips, the title and the grid's row labels that are not pseudo text.
// Numbers, arrows and the copyright line are no words.
QStringList Untranslated(QWidget& window) {
    QStringList left;
    const QRegularExpression word("[A-Za-z]{2,}");
    auto check = [&](const QWidget* w, const QString& text) {
        if (!text.isEmpty() && !text.startsWith('[') && text.contains(word) &&
            text != QString::fromUtf8("\u00A9 Kelvane"))
            left << window.objectName() + " " + w->objectName() + ": " + text;
    };
    check(&window, window.windowTitle());
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // The volume read-out is written by the engine: "Vol = " and a number.
        if (!w->isVisibleTo(&window) || w->objectName() == "lDebug")
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            check(w, b->text());
        else if (auto* l = qobject_cast<QLabel*>(w))
            check(w, l->text());
        check(w, w->toolTip());
        if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            for (int row = 0; row < grid->rowCount(); ++row)
                check(w, grid->item(row, 0) ? grid->item(row, 0)->text() : QString());
        }
    }
    return left;
}

// The captions of the menu a right-click on the widget pops up.
QStringList MenuOf(AppTestEnvironment& env, QWidget* widget) {
    env.platform.menuActions.clear();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                            widget->mapToGlobal(QPoint(20, 20)));
    QCoreApplication::sendEvent(widget, &event);
    QStringList left;
    if (env.platform.menuActions.isEmpty())
        left << "no menu on " + widget->objectName();
    for (const QString& caption : env.platform.menuActions) {
        if (!caption.startsWith('['))
            left << "menu: " + caption;
    }
    return left;
}

// With every source text made up, the launcher, each simulator window with
// its grid and chart menus, each net-work graph window and the help window
// show nothing that escaped translation.
TEST(PseudoTranslation, LeavesNoEnglishInAnyWindowOrMenu) {
    InstallLanguage("en");
    PseudoTranslator pseudo(LinguistSources(QString(KELVANE_TRANSLATIONS_DIR) + "/kelvane_de.ts"));
    ASSERT_FALSE(pseudo.Pseudo("&Save").contains("Save"));
    QCoreApplication::installTranslator(&pseudo);
    AppTestEnvironment env;
    QStringList left;
    {
        KelvaneProgram program;
        program.Launcher().show();
        left << Untranslated(program.Launcher());
        for (const EngineEntry* e : EngineCatalog::All()) {
            SimulatorFrame& window = program.Window(e->name);
            window.show();
            left << Untranslated(window);
            left << MenuOf(env, window.Grid()->viewport()) << MenuOf(env, window.Chart(1));
            if (e->makeSweep) {
                TPopUpGraphForm& graph = program.Graph(e->name);
                graph.show();
                left << Untranslated(graph);
                graph.hide();
            }
            window.hide();
        }
        HelpWindow* help =
            HelpWindow::Open(QString(KELVANE_DOCS_DIR) + "/Kelvane Introduction.HTM");
        ASSERT_NE(help, nullptr);
        help->setWindowTitle("[page]"); // the page's own title, in English by design
        left << Untranslated(*help);
        help->close();
    }
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_TRUE(left.isEmpty()) << left.join("\n").toStdString();
    EXPECT_TRUE(env.errors.empty());
}

} // namespace
