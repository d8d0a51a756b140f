#include "../AppTestSupport.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

using namespace kelvane;

namespace {

struct Windows {
    AppTestEnvironment env;
    KelvaneProgram program;

    std::vector<std::pair<const char*, SimulatorFrame*>> Simulators() {
        std::vector<std::pair<const char*, SimulatorFrame*>> all;
        for (const EngineEntry* e : EngineCatalog::All())
            all.emplace_back(e->name.c_str(), &program.Window(e->name));
        return all;
    }
};

void Settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// What must hold at any size: the input panel, picture and grid side by side
// without overlap, every grid text whole, the charts filling the rest, and the
// pressure-volume panel exactly over the chart it covers.
void ExpectLaidOut(SimulatorFrame& w, const std::string& where) {
    SCOPED_TRACE(where);
    auto* panel = w.findChild<QWidget*>("Panel1");
    QTableWidget* grid = w.Grid();
    const QRect picture = w.Picture()->geometry();
    EXPECT_LE(panel->geometry().right(), picture.left());
    EXPECT_LE(picture.right(), grid->geometry().left());
    EXPECT_LE(grid->geometry().right(), w.width());
    EXPECT_GE(picture.width(), 110);
    int columns = 2 * grid->frameWidth();
    for (int c = 0; c < 2; ++c) {
        columns += grid->columnWidth(c);
        for (int r = 0; r < grid->rowCount(); ++r) {
            const QTableWidgetItem* item = grid->item(r, c);
            if (!item)
                continue;
            EXPECT_LT(grid->fontMetrics().horizontalAdvance(item->text()), grid->columnWidth(c))
                << item->text().toStdString();
        }
    }
    EXPECT_LE(columns, grid->width());
    const QRect charts = w.ChartPanel()->geometry();
    EXPECT_EQ(charts.bottom(), w.height() - 1);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_GE(w.Chart(n)->width(), 360) << n;
        EXPECT_GE(w.Chart(n)->height(), 140) << n;
    }
    EXPECT_EQ(w.Chart(2)->geometry().right(), charts.width() - 1 - charts.width() % 2);
}

TEST(WindowLayout, SimulatorWindowsHoldTogetherFromTheirMinimumToMaximised) {
    Windows windows;
    for (auto [name, w] : windows.Simulators()) {
        SCOPED_TRACE(name);
        w->show();
        w->resize(1, 1); // as small as the window lets it be
        Settle();
        EXPECT_EQ(w->size(), w->minimumSize());
        ExpectLaidOut(*w, "minimum");
        // A long value widens its column and the window's minimum with it.
        const int before = w->minimumWidth();
        w->Host().SetCell(1, 0, "-123,456,789,012,345.6789");
        w->Host().ShowGrid();
        EXPECT_GT(w->minimumWidth(), before);
        w->resize(1, 1);
        Settle();
        ExpectLaidOut(*w, "minimum with a long value");

        w->resize(1600, 1000);
        w->ShowPVButton()->click();
        Settle();
        ExpectLaidOut(*w, "maximised");
        EXPECT_EQ(w->Chart(5)->geometry(), w->Chart(1)->geometry());
        w->Chart5Click();
        EXPECT_EQ(w->Chart(5)->geometry(), w->Chart(2)->geometry());
        w->resize(900, 600);
        EXPECT_EQ(w->Chart(5)->geometry(), w->Chart(2)->geometry()) << "keeps its side";
        w->hide();
    }
    EXPECT_TRUE(windows.env.errors.empty());
}

// A client size whose window, frame included, fits a 1024 x 700 room with
// no more than a typical frame's worth to spare.
void ExpectFillsTheRoom(QSize client, QSize framed, const char* what) {
    EXPECT_LE(framed.width(), 1024) << what;
    EXPECT_LE(framed.height(), 700) << what;
    EXPECT_GE(client.width(), 1024 - 8) << what;
    EXPECT_GE(client.height(), 700 - 32) << what;
}

TEST(WindowLayout, StoredSizesAreKeptWithinTheMinimumAndTheScreen) {
    Windows windows;
    // A 1024 x 700 screen with a panel at its top; frames as yet unknown
    // count as 8 x 32.
    windows.env.platform.screen = QSize(1024, 768);
    windows.env.platform.available = QRect(0, 68, 1024, 700);
    const QRect area = windows.env.platform.available;
    struct Case {
        int left, top, width, height;
        bool fromMinimum; // expect the window's minimum rather than the screen's room
    } cases[] = {{10, 20, 3000, 3000, false},
                 {10, 20, 100, 50, true},
                 // stored at a scale factor of 2 (positions and sizes doubled)
                 {888, 404, 100, 50, true},
                 {240, 1520, 100, 50, true}};
    for (auto [name, w] : windows.Simulators()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(c.left) + "," +
                         std::to_string(c.top) + " " + std::to_string(c.width));
            const WindowPlacement::Keys& keys = *w->Traits().placement;
            TIniFile ini(windows.env.SettingsFile());
            WindowPlacement{c.left, c.top, c.width, c.height}.Write(ini, keys);
            w->show();
            const QRect framed = w->frameGeometry();
            EXPECT_TRUE(area.contains(framed)) << framed.x() << "," << framed.y() << " "
                                               << framed.width() << "x" << framed.height();
            if (c.fromMinimum) {
                EXPECT_EQ(w->size(), w->minimumSize());
            } else {
                ExpectFillsTheRoom(w->size(), w->frameGeometry().size(), "opening");
            }
            // Made larger than the screen by hand, it is stored at what fits.
            w->resize(2000, 2000);
            const QSize frame = w->frameGeometry().size() - w->size();
            w->hide();
            const WindowPlacement stored =
                WindowPlacement::Read(TIniFile(windows.env.SettingsFile()), keys, {});
            const QSize storedSize(stored.width, stored.height);
            ExpectFillsTheRoom(storedSize, storedSize + frame, "stored");
        }
    }
    // So does the launcher.
    TKelvaneDispatchForm& launcher = windows.program.Launcher();
    TIniFile ini(windows.env.SettingsFile());
    WindowPlacement{2000, 1500, 487, 152}.Write(ini, WindowPlacement::Main());
    launcher.show();
    EXPECT_TRUE(area.contains(launcher.frameGeometry()));
    // The net-work graph window opens within the screen too.
    TPopUpGraphForm& graph = windows.program.Graph("gamma");
    graph.resize(2000, 2000);
    graph.Sweep().onShow();
    ExpectFillsTheRoom(graph.size(), graph.size() + QSize(8, 32), "graph window");
    EXPECT_TRUE(windows.env.errors.empty());
}

// Alt and one letter reaches every button of a window, and no two alike, in
// each caption a button can show (Pause and Resume are one button).
TEST(WindowKeys, EveryButtonHasItsOwnAltLetter) {
    Windows windows;
    std::vector<std::pair<const char*, QWidget*>> all = {
        {"launcher", &windows.program.Launcher()}, {"graph", &windows.program.Graph("gamma")}};
    for (auto [name, w] : windows.Simulators())
        all.emplace_back(name, w);
    auto expectOwnLetters = [](const char* name, QWidget* w) {
        std::map<QChar, QString> taken;
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            const QString caption = b->text();
            if (b->window() != w || caption.isEmpty() || caption == "<<" || caption == ">>")
                continue; // the pan arrows have no letter to give
            const int amp = caption.indexOf('&');
            ASSERT_GE(amp, 0) << name << ": " << caption.toStdString();
            const QChar letter = caption.at(amp + 1).toUpper();
            EXPECT_TRUE(taken.emplace(letter, caption).second)
                << name << ": " << caption.toStdString() << " and " << taken[letter].toStdString();
        }
    };
    for (auto [name, w] : all) {
        w->show();
        expectOwnLetters(name, w);
        auto* pause = w->findChild<QPushButton*>("PauseButton");
        if (pause && pause->window() == w) {
            const QString before = pause->text();
            pause->click();
            ASSERT_NE(pause->text(), before) << name;
            expectOwnLetters(name, w);
        }
        w->hide();
    }
    EXPECT_TRUE(windows.env.errors.empty());
}

TEST(WindowKeys, EnterPressesTheFocusedButtonAndEscapeClosesFromAnyControl) {
    Windows windows;
    int opened = 0;
    windows.program.Launcher().showEngine = [&](const EngineEntry&) { ++opened; };
    windows.program.Launcher().show();
    auto* rider = windows.program.Launcher().findChild<QPushButton*>("RiderButton");
    rider->setFocus();
    QTest::keyClick(rider, Qt::Key_Return);
    QTest::qWait(200); // the press is animated
    EXPECT_EQ(opened, 1);

    for (auto [name, w] : windows.Simulators()) {
        SCOPED_TRACE(name);
        w->show();
        w->activateWindow();
        QPushButton* showPV = w->ShowPVButton();
        showPV->setFocus();
        QTest::keyClick(showPV, Qt::Key_Enter);
        QTest::qWait(200);
        EXPECT_TRUE(w->Chart(5)->isVisible()) << "Enter pressed Show PV";
        // Escape on a button that keeps Enter to itself still closes.
        QTest::keyClick(showPV, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
    }
    EXPECT_TRUE(windows.env.errors.empty());
}

} // namespace
