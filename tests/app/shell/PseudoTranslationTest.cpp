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
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
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
        if (!w->isVisibleTo(&window))
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
        if (auto* notes = qobject_cast<QPlainTextEdit*>(w)) {
            for (const QString& line : notes->toPlainText().split('\n'))
                check(w, line);
        }
    }
    return left;
}

// The captions a window shows cut off: a button whose text is wider than
// the room its frame leaves, a label or check box smaller than its text.
QStringList Cut(QWidget& window) {
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        QSize need, room = w->size();
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).size();
            need = b->fontMetrics().size(Qt::TextShowMnemonic, b->text());
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            need = c->sizeHint();
        } else if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
            need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        } else {
            continue;
        }
        if (need.width() > room.width() || need.height() > room.height())
            cut << QString("%1 %2 \"%3\": needs %4x%5, has %6x%7")
                       .arg(window.objectName(), w->objectName(),
                            qobject_cast<QAbstractButton*>(w)
                                ? qobject_cast<QAbstractButton*>(w)->text()
                                : qobject_cast<QLabel*>(w)->text())
                       .arg(need.width())
                       .arg(need.height())
                       .arg(room.width())
                       .arg(room.height());
    }
    return cut;
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

// At its minimum size, every window still shows each caption whole with
// texts 40% longer than the English.
TEST(PseudoTranslation, CutsNoCaptionAtTheWindowsMinimumSizes) {
    InstallLanguage("en");
    PseudoTranslator pseudo(LinguistSources(QString(KELVANE_TRANSLATIONS_DIR) + "/kelvane_de.ts"));
    QCoreApplication::installTranslator(&pseudo);
    AppTestEnvironment env;
    QStringList cut;
    {
        KelvaneProgram program;
        std::vector<QWidget*> windows{&program.Launcher()};
        for (const EngineEntry* e : EngineCatalog::All()) {
            windows.push_back(&program.Window(e->name));
            if (e->makeSweep)
                windows.push_back(&program.Graph(e->name));
        }
        for (QWidget* window : windows) {
            window->show();
            if (!window->minimumSize().isEmpty())
                window->resize(window->minimumSize());
            QCoreApplication::processEvents();
            cut << Cut(*window);
            window->hide();
        }
    }
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_TRUE(cut.isEmpty()) << cut.join("\n").toStdString();
    EXPECT_TRUE(env.errors.empty());
}

} // namespace
