#include "../AppTestSupport.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TPopUpGraphForm.h"

#include <QElapsedTimer>
#include <QLabel>
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

class PopUpGraphWindow : public ::testing::Test {
  protected:
    PopUpGraphWindow() {
        gamma.Timer->stop(); // the tests turn the crank themselves
        gamma.show();
        // Count the rounds of pending events the sweep lets run, after the
        // window's own chart sync.
        std::function<void()> sync = gamma.Host().onProcessEvents;
        gamma.Host().onProcessEvents = [this, sync] {
            sync();
            ++rounds;
            if (duringSweep)
                duringSweep();
        };
    }

    void DoubleClick(const char* field) {
        QTest::mouseDClick(gamma.Host().Edit(gamma.Traits().parameters->RowOf(field).id),
                           Qt::LeftButton);
    }
    QStringList MemoLines() const { return graph.Memo1->toPlainText().split('\n'); }
    int DrawnPoints(int chart) const { return graph.Chart(chart)->graph(0)->dataCount(); }

    AppTestEnvironment env;
    KelvaneProgram program;
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    TPopUpGraphForm& graph = program.Graph("gamma");
    int rounds = 0;
    std::function<void()> duringSweep;
};

TEST_F(PopUpGraphWindow, ADoubleClickOnAYellowFieldSweepsIntoTheGraphWindow) {
    ASSERT_FALSE(graph.isVisible());
    std::vector<int> drawn;
    bool printDisabled = true;
    duringSweep = [&] {
        drawn.push_back(DrawnPoints(1));
        printDisabled = printDisabled && !graph.PrintButton->isEnabled();
    };
    DoubleClick("PistonThrow");
    EXPECT_TRUE(env.errors.empty());
    ASSERT_TRUE(graph.isVisible());
    EXPECT_EQ(graph.windowTitle(), "Net Work Graph");
    EXPECT_EQ(graph.size(), QSize(811, 624));
    EXPECT_EQ(graph.pos(), QPoint((1280 - 811) / 2, (1024 - 624) / 2));

    // The graphs grow by one point per value, drawn before the events run.
    ASSERT_EQ(drawn.size(), 102u);
    for (std::size_t k = 0; k < drawn.size(); ++k)
        ASSERT_EQ(drawn[k], static_cast<int>(k)) << k;
    EXPECT_TRUE(printDisabled);
    for (int c = 1; c <= 4; ++c) {
        for (int g = 0; g < graph.Chart(c)->graphCount(); ++g)
            EXPECT_EQ(graph.Chart(c)->graph(g)->dataCount(), 101) << c << " " << g;
    }
    EXPECT_EQ(graph.Chart(1)->xAxis->range().upper, 606);
    // Every curve of the temperature chart clear of its frame, the flat ratio
    // clear of the flat temperatures drawn on the other axis.
    ChartView& temps = *graph.Chart(4);
    temps.replot();
    const QRect plot = temps.axisRect()->rect();
    std::vector<double> rows;
    for (int g = 0; g < temps.graphCount(); ++g) {
        const QCPGraph& curve = *temps.graph(g);
        bool found = false;
        const QCPRange values = curve.getValueRange(found);
        ASSERT_TRUE(found) << g;
        for (double v : {values.lower, values.upper}) {
            const double row = curve.valueAxis()->coordToPixel(v);
            EXPECT_GE(row, plot.top() + 3) << g;
            EXPECT_LE(row, plot.bottom() - 3) << g;
        }
        rows.push_back(curve.valueAxis()->coordToPixel(values.upper));
    }
    ASSERT_EQ(rows.size(), 3u); // MaxTemp, MinTemp, TempRatio
    EXPECT_GT(std::abs(rows[2] - rows[0]), 4);
    EXPECT_GT(std::abs(rows[2] - rows[1]), 4);

    QStringList memo = MemoLines();
    ASSERT_EQ(memo.size(), 5);
    EXPECT_TRUE(memo[1].endsWith("Piston Throw= testing 6.00 through 600"));
    EXPECT_TRUE(memo[4].startsWith("Maximum Work of "));
    EXPECT_EQ(graph.Memo1->textCursor().position(), 0);
    EXPECT_FALSE(graph.Memo1->textCursor().hasSelection());
    EXPECT_TRUE(graph.PrintButton->isEnabled());
    EXPECT_EQ(gamma.Host().FieldText(Field::PistonThrow), "60");
    EXPECT_FALSE(gamma.Engine().timer.Enabled);
}

// A sweep's analyses in the Gamma window show its grid and picture at most
// once a display frame, and the last value's when the sweep is over.
TEST_F(PopUpGraphWindow, TheGridAndPictureShowASweepOnceAFrame) {
    auto* grid = gamma.findChild<QTableWidget*>("StringGrid1");
    auto* picture = gamma.findChild<QLabel*>("Image1");
    ASSERT_TRUE(grid && picture);
    auto texts = [&] {
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int col = 0; col < grid->columnCount(); ++col)
                shown << (grid->item(row, col) ? grid->item(row, col)->text() : QString());
        }
        return shown;
    };
    QStringList lastTexts = texts();
    qint64 lastPicture = picture->pixmap().cacheKey();
    int gridShown = 0, picturesShown = 0;
    duringSweep = [&] {
        const QStringList now = texts();
        gridShown += now != lastTexts;
        picturesShown += picture->pixmap().cacheKey() != lastPicture;
        lastTexts = now;
        lastPicture = picture->pixmap().cacheKey();
    };
    QElapsedTimer clock;
    clock.start();
    DoubleClick("PistonThrow");
    const qint64 frames = clock.elapsed() / FramePacer::kFrameMs + 1;
    ASSERT_EQ(rounds, 102);
    EXPECT_GT(gridShown, 0);
    EXPECT_LE(gridShown, frames);
    EXPECT_GT(picturesShown, 0);
    EXPECT_LE(picturesShown, frames);

    // Nothing waits once the sweep is over: showing what the engine holds
    // now changes neither.
    const QStringList atEnd = texts();
    const QImage pictureAtEnd = picture->pixmap().toImage();
    gamma.Run([&] { gamma.Host().RedrawPicture(); });
    gamma.Grid();
    EXPECT_EQ(texts(), atEnd);
    EXPECT_EQ(picture->pixmap().toImage(), pictureAtEnd);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(PopUpGraphWindow, ChartsStackUnderTheNotes) {
    DoubleClick("PhaseOffset");
    const int h = (graph.frameGeometry().height() - 97) / 4;
    for (int c = 1; c <= 3; ++c) {
        EXPECT_EQ(graph.Chart(c)->geometry(), QRect(0, 97 + (c - 1) * h, 811, h)) << c;
    }
    EXPECT_EQ(graph.Chart(4)->geometry(), QRect(0, 97 + 3 * h, 811, 624 - 97 - 3 * h));
    graph.resize(900, 700);
    EXPECT_EQ(graph.Chart(4)->geometry().bottom(), 699);
    EXPECT_EQ(graph.Chart(2)->width(), 900);
    EXPECT_EQ(graph.Memo1->geometry(), QRect(68, 0, 900 - 68, 97));
    graph.resize(811, 624);
    AppTestEnvironment::Snapshot(graph, "sweep-window");
}

TEST_F(PopUpGraphWindow, ClosingTheWindowStopsTheSweepAfterTheValueBeingComputed) {
    duringSweep = [&] {
        if (rounds == 8)
            QTest::mouseClick(graph.CloseButton, Qt::LeftButton);
    };
    DoubleClick("DispCylDiameter");
    EXPECT_FALSE(graph.isVisible());
    EXPECT_EQ(graph.Sweep().WorkSeries.Count(), 7);
    EXPECT_EQ(DrawnPoints(1), 7);
    QStringList memo = MemoLines();
    ASSERT_EQ(memo.size(), 5);
    EXPECT_TRUE(memo[4].startsWith("Maximum Work of "));
    EXPECT_TRUE(graph.PrintButton->isEnabled());
    EXPECT_EQ(gamma.Host().FieldText(Field::DispCylDiameter), "100");
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(PopUpGraphWindow, AZeroStepRunsUntilEscapeClosesTheWindow) {
    gamma.Host().Edit(Field::PistonThrow)->setText("0");
    duringSweep = [&] {
        if (rounds == 30)
            QTest::keyClick(graph.Memo1, Qt::Key_Escape);
    };
    DoubleClick("PistonThrow");
    EXPECT_FALSE(graph.isVisible());
    EXPECT_EQ(graph.Sweep().WorkSeries.Count(), 29);
    EXPECT_EQ(gamma.Host().FieldText(Field::PistonThrow), "0");
    EXPECT_TRUE(MemoLines().back().startsWith("Maximum Work of "));
    EXPECT_TRUE(gamma.isVisible()); // Escape closed only the graph window
}

TEST_F(PopUpGraphWindow, EscapeOnAButtonClosesAndTheNextSweepShowsItAgain) {
    DoubleClick("PhaseOffset");
    ASSERT_TRUE(graph.isVisible());
    QTest::keyClick(graph.PrintButton, Qt::Key_Escape);
    EXPECT_FALSE(graph.isVisible());
    DoubleClick("DispHeight");
    EXPECT_TRUE(graph.isVisible());
    EXPECT_EQ(graph.Sweep().WorkGraph.Title[0], "Displacer Height vs Net Work");
    EXPECT_EQ(gamma.Host().FieldText(Field::DispHeight), "60");
}

TEST_F(PopUpGraphWindow, PrintWithoutAPrinterGoesToAPdfFile) {
    DoubleClick("PhaseOffset");
    QTemporaryDir dir;
    env.platform.pdfFile = dir.filePath("graph.pdf");
    QTest::mouseClick(graph.PrintButton, Qt::LeftButton);
    EXPECT_TRUE(env.errors.empty());
    EXPECT_GT(QFileInfo(env.platform.pdfFile).size(), 1000);
}

} // namespace
