#include "../AppTestSupport.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/TPopUpGraphForm.h"
#include "shell/WindowCatalog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace kelvane;

namespace {

// The two-piston window opened from the launcher through the platform, stopped.
class RiderSweepWindow : public ::testing::Test {
  protected:
    RiderSweepWindow() {
        program.Launcher().EngineButtonClick("rider");
        rider.Timer->stop(); // the tests turn the crank themselves
        QTest::mouseClick(rider.StopButton, Qt::LeftButton);
        if (rider.GraphTimer->isActive())
            rider.GraphTimerTimer();
    }

    void DoubleClick(Field field) { QTest::mouseDClick(rider.Host().Edit(field), Qt::LeftButton); }
    QString NetWorkCell() { return rider.Grid()->item(RiderEngine::NetWork, 1)->text(); }

    AppTestEnvironment env;
    KelvaneProgram program;
    TRiderStirlingMainForm& rider = program.Window<TRiderStirlingMainForm>("rider");
    TPopUpGraphForm& graph = program.Graph("rider");
};

TEST_F(RiderSweepWindow, ADoubleClickOnABoxSweepsIntoItsOwnGraphWindow) {
    ASSERT_TRUE(rider.isVisible());
    const QString work = NetWorkCell();
    DoubleClick(Field::HotStrokeMax);
    EXPECT_TRUE(env.errors.empty());
    ASSERT_TRUE(graph.isVisible());
    EXPECT_FALSE(program.Graph("gamma").isVisible());
    EXPECT_EQ(graph.windowTitle(), "Two Piston Net Work Graph");
    EXPECT_EQ(graph.pos(), QPoint((1280 - 811) / 2, (1024 - 624) / 2));

    EXPECT_EQ(graph.Chart(4)->graph(0)->dataCount(), 96); // 5 to 100
    QStringList memo = graph.Memo1->toPlainText().split('\n');
    ASSERT_EQ(memo.size(), 5);
    EXPECT_TRUE(memo[0].endsWith("Hot Stroke Max= testing 5 through 100"));
    EXPECT_TRUE(memo[4].startsWith("Maximum Work of "));
    EXPECT_TRUE(graph.PrintButton->isEnabled());

    // The window is back to its own engine, unmarked.
    EXPECT_EQ(rider.Host().FieldText(Field::HotStrokeMax), "50");
    EXPECT_EQ(NetWorkCell(), work);
    EXPECT_FALSE(rider.Marked(Field::HotStrokeMax));
    EXPECT_FALSE(rider.Engine().timer.Enabled);
    AppTestEnvironment::Snapshot(graph, "rider-sweep-window");
}

// In every window that sweeps: a sweep would analyse the marked text too,
// or start its range from a swept text that is no number.
TEST_F(RiderSweepWindow, NoSweepStartsWhileABoxIsMarked) {
    for (const EngineEntry* e : EngineCatalog::All()) {
        if (!e->makeSweep || !WindowCatalog::Find(*e))
            continue;
        SCOPED_TRACE(e->name);
        auto& window = dynamic_cast<AnyEngineWindow&>(program.Window(e->name));
        TPopUpGraphForm& sweepGraph = program.Graph(e->name);
        window.Timer->stop();
        const Field swept = sweepGraph.Sweep().SweptFields().front();
        const Field other = sweepGraph.Sweep().SweptFields().back();
        for (Field marked : {other, swept}) {
            const std::string good = window.Host().FieldText(marked);
            window.Host().Edit(marked)->setText("cold");
            const std::string before = window.Host().FieldText(swept);
            ASSERT_TRUE(window.Marked(marked));
            QTest::mouseDClick(window.Host().Edit(swept), Qt::LeftButton);
            EXPECT_FALSE(sweepGraph.isVisible());
            EXPECT_EQ(sweepGraph.Sweep().WorkSeries.Count(), 0);
            EXPECT_EQ(window.Host().FieldText(swept), before);
            EXPECT_EQ(window.focusWidget(), window.Host().Edit(marked));
            window.Host().Edit(marked)->setText(QString::fromStdString(good));
        }
    }
    EXPECT_TRUE(env.errors.empty());
}

// Closing a simulator window during its sweep stops the sweep at once: the
// window stores the user's own value, never one being swept.
TEST_F(RiderSweepWindow, ClosingTheSimulatorWindowStopsItsSweep) {
    struct Case {
        SimulatorFrame& window;
        TPopUpGraphForm& graph;
        Field field;
        std::function<void()> show;
    };
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    const Case cases[] = {
        {rider, graph, Field::ColdStrokeMax, [] {}},
        {gamma, program.Graph("gamma"), Field::PistonThrow,
         [&] { program.Launcher().EngineButtonClick("gamma"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window.objectName().toStdString());
        c.show();
        const std::string before = c.window.Host().FieldText(c.field);
        std::function<void()> sync = c.window.Host().onProcessEvents;
        int round = 0;
        c.window.Host().onProcessEvents = [&] {
            sync();
            if (++round == 4)
                c.window.close();
        };
        QTest::mouseDClick(c.window.Host().Edit(c.field), Qt::LeftButton);
        EXPECT_TRUE(env.errors.empty());
        EXPECT_FALSE(c.window.isVisible());
        EXPECT_EQ(c.graph.Sweep().WorkSeries.Count(), 3);
        EXPECT_FALSE(c.graph.Sweep().sweeping);
        EXPECT_EQ(c.window.Host().FieldText(c.field), before);
        const FieldRow& row = c.window.Traits().parameters->RowOf(c.field);
        EXPECT_EQ(TIniFile(env.SettingsFile()).ReadString(row.section, row.key, ""), before);
        c.window.Host().onProcessEvents = sync;
    }
}

} // namespace
