// A student without a mouse: every button and check box has a key of its own
// in its window, Tab reaches every control in the order the screen shows
// them, the keys do what a click on a yellow box or an up-down does, and
// nothing turns by itself when the desktop asks for less motion.
#include "../EveryWindow.h"
#include "gamma/GammaSweep.h"
#include "rider/RiderSweep.h"
#include "rider/TRiderStirlingMainForm.h"
#include "rider/UpDownControl.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kelvane {

namespace {

bool Shown(const QWidget* w, const QWidget& window) {
    return w->window() == &window && w->isVisibleTo(&window);
}

// The key that presses a button or reaches a labelled control: its Alt-letter,
// else a shortcut of its own; Enter for the default button.
QString KeyOf(const QWidget* w) {
    if (const auto* tool = qobject_cast<const QToolButton*>(w); tool && tool->defaultAction())
        return tool->defaultAction()->shortcut().toString();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->buddy() ? QKeySequence::mnemonic(label->text()).toString() : QString();
    const auto* button = qobject_cast<const QAbstractButton*>(w);
    if (!button)
        return {};
    QKeySequence key = QKeySequence::mnemonic(button->text());
    if (key.isEmpty())
        key = button->shortcut();
    if (const auto* push = qobject_cast<const QPushButton*>(w);
        key.isEmpty() && push && push->isDefault())
        key = QKeySequence(Qt::Key_Return);
    return key.toString();
}

// What Tab reaches, in order, from the window's first control.
std::vector<QWidget*> TabChain(QWidget& window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (Shown(w, window) && w->isEnabled() && !w->focusProxy() &&
            (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            chain.push_back(w);
    }
    return chain;
}

std::string Named(const QWidget* w) {
    const QString text = qobject_cast<const QAbstractButton*>(w)
                             ? qobject_cast<const QAbstractButton*>(w)->text()
                             : w->accessibleName();
    return (w->metaObject()->className() + (" " + w->objectName() + " " + text)).toStdString();
}

} // namespace

TEST(Keyboard, EveryButtonHasAKeyOfItsOwnAndTabFollowsTheScreen) {
    AppTestEnvironment env;
    EveryWindow windows(env);
    windows.ForEach([](const std::string& name, QWidget& window) {
        SCOPED_TRACE(name);
        std::map<QString, std::string> keys;
        std::vector<std::string> keyless, twice;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (!Shown(w, window) || !(qobject_cast<QAbstractButton*>(w) ||
                                       (qobject_cast<QLabel*>(w) && KeyOf(w) != "")))
                continue;
            const QString key = KeyOf(w);
            if (key.isEmpty())
                keyless.push_back(Named(w));
            else if (!keys.emplace(key, Named(w)).second)
                twice.push_back(key.toStdString() + ": " + keys[key] + " and " + Named(w));
        }
        EXPECT_EQ(keyless, std::vector<std::string>{});
        EXPECT_EQ(twice, std::vector<std::string>{});

        // Every control is reached, and the next never lies above the one
        // before it (beyond a row's height) or above and to its left, within
        // a panel; a new panel may start anywhere.
        const std::vector<QWidget*> chain = TabChain(window);
        std::vector<std::string> unreached, backwards;
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QSlider*>(w) ||
                                 qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<UpDownControl*>(w) || qobject_cast<QCustomPlot*>(w);
            if (control && Shown(w, window) && w->isEnabled() && !qobject_cast<QToolButton*>(w) &&
                std::count(chain.begin(), chain.end(), w) == 0)
                unreached.push_back(Named(w));
        }
        for (std::size_t i = 1; i < chain.size(); ++i) {
            const QWidget* a = chain[i - 1];
            const QWidget* b = chain[i];
            const QPoint pa = a->mapTo(&window, QPoint()), pb = b->mapTo(&window, QPoint());
            if (a->parentWidget() == b->parentWidget() &&
                (pb.y() < pa.y() - 10 || (pb.y() < pa.y() && pb.x() < pa.x())))
                backwards.push_back(Named(a) + " -> " + Named(b));
        }
        EXPECT_EQ(unreached, std::vector<std::string>{});
        EXPECT_EQ(backwards, std::vector<std::string>{});
    });
    EXPECT_TRUE(env.errors.empty());
}

// Ctrl+Enter in a yellow box sweeps it as a double-click does (Enter alone
// does not), the grid's menu opens from the keyboard, and an up-down
// reached by Tab steps its box with Up and Down.
TEST(Keyboard, KeysSweepAndStepAsTheMouseDoes) {
    AppTestEnvironment env;
    KelvaneProgram program;
    struct Case {
        const char* engine;
        Field swept;
    };
    for (const Case c : {Case{"gamma", GammaSweep::kYellowFields[0]},
                         Case{"rider", RiderSweep::kSweptFields[0]}}) {
        SCOPED_TRACE(c.engine);
        AnyEngineWindow& window = program.Window(c.engine);
        window.show();
        window.Timer->stop();
        QLineEdit* box = window.Host().Edit(c.swept);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(program.Graph(c.engine).isVisible());
        QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_TRUE(program.Graph(c.engine).isVisible());
        program.Graph(c.engine).hide();
        window.hide();
    }
    // The grid's menu opens on Shift+F10 as on the Menu key.
    AnyEngineWindow& gamma = program.Window("gamma");
    gamma.show();
    gamma.Timer->stop();
    env.platform.menuActions.clear();
    QTest::keyClick(gamma.Grid(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_FALSE(env.platform.menuActions.isEmpty());
    gamma.hide();

    auto& rider = program.Window<TRiderStirlingMainForm>("rider");
    rider.show();
    rider.Timer->stop();
    UpDownControl* upDown = rider.UpDown(Field::ColdTemp);
    ASSERT_NE(upDown->focusPolicy() & Qt::TabFocus, 0);
    const QString before = rider.Host().Edit(Field::ColdTemp)->text();
    QTest::keyClick(upDown, Qt::Key_Up);
    EXPECT_NE(rider.Host().Edit(Field::ColdTemp)->text(), before);
    QTest::keyClick(upDown, Qt::Key_Down);
    EXPECT_EQ(rider.Host().Edit(Field::ColdTemp)->text(), before);
    EXPECT_TRUE(env.errors.empty());
}

// Asked for less motion, no window turns its crank or runs its record by
// itself at showing; otherwise every one does, as it always has. Stop or
// Pause is then a key away (see above).
TEST(Keyboard, NothingTurnsByItselfWhenLessMotionIsAsked) {
    for (const bool reduced : {false, true}) {
        SCOPED_TRACE(reduced ? "reduced motion" : "motion");
        if (reduced)
            qputenv("KELVANE_REDUCED_MOTION", "1");
        AppTestEnvironment env;
        KelvaneProgram program;
        for (const EngineEntry* e : EngineCatalog::All()) {
            if (!WindowCatalog::Find(*e))
                continue;
            SCOPED_TRACE(e->name);
            AnyEngineWindow& window = program.Window(e->name);
            window.show();
            const std::string angle = window.Host().FieldText(Field::Phase);
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 400 && window.Host().FieldText(Field::Phase) == angle)
                QTest::qWait(20);
            EXPECT_EQ(window.Host().FieldText(Field::Phase) != angle, !reduced);
            window.hide();
        }
        qunsetenv("KELVANE_REDUCED_MOTION");
        EXPECT_TRUE(env.errors.empty());
    }
}

} // namespace kelvane
