#include "../AppTestSupport.h"
#include "gamma/TGammaStirlingMainForm.h"
#include "rider/TRiderStirlingMainForm.h"
#include "ringbom/TRingbomStirlingMainForm.h"
#include "shell/KelvaneProgram.h"
#include "shell/TPopUpGraphForm.h"
#include "widgets/ChartGhosts.h"
#include "widgets/ChartReadOut.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace kelvane;

namespace {

class Export : public ::testing::Test {
  protected:
    Export() {
        program.Window<TGammaStirlingMainForm>("gamma").Timer->stop();
        program.Window<TRiderStirlingMainForm>("rider").Timer->stop();
    }

    // Each window with the charts its menus are on, shown and analysed.
    struct Window {
        const char* name;
        QWidget* widget;
        std::function<ChartView*(int)> chart;
    };
    std::vector<Window> Windows() {
        TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
        for (QWidget* w : std::initializer_list<QWidget*>{
                 &gamma, &program.Window<TRingbomStirlingMainForm>("ringbom"),
                 &program.Window<TRiderStirlingMainForm>("rider")})
            w->show();
        program.Window<TRingbomStirlingMainForm>("ringbom").Engine().SingleStepButtonClick();
        program.Window<TRingbomStirlingMainForm>("ringbom").SyncCharts();
        // A sweep of the piston throw fills the net-work graph window.
        gamma.onSweepRequest(Field::PistonThrow);
        auto frame = [](SimulatorFrame& f) { return [&f](int n) { return f.Chart(n); }; };
        return {{"Gamma", &gamma, frame(gamma)},
                {"Ringbom", &program.Window<TRingbomStirlingMainForm>("ringbom"),
                 frame(program.Window<TRingbomStirlingMainForm>("ringbom"))},
                {"Rider", &program.Window<TRiderStirlingMainForm>("rider"),
                 frame(program.Window<TRiderStirlingMainForm>("rider"))},
                {"NetWork", &program.Graph("gamma"),
                 [this](int n) { return program.Graph("gamma").Chart(n); }}};
    }

    // A right click on the chart, picking the menu entry of that caption.
    void Choose(QWidget* widget, const QString& caption) {
        env.platform.menuChoice = caption;
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                widget->mapToGlobal(QPoint(20, 20)));
        QCoreApplication::sendEvent(widget, &event);
    }
    // A chart of the Gamma window, shown and laid out.
    ChartView* GammaChart(int number) {
        program.Window<TGammaStirlingMainForm>("gamma").show();
        // Showing starts the crank; a tick under load would move it mid-test.
        program.Window<TGammaStirlingMainForm>("gamma").Timer->stop();
        ChartView* chart = program.Window<TGammaStirlingMainForm>("gamma").Chart(number);
        chart->replot();
        return chart;
    }
    QString File(const QString& name) { return QString::fromStdString(env.Folder()) + name; }
    static QByteArray Contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    AppTestEnvironment env;
    KelvaneProgram program;
};

// The keyboard on a chart along the crank angle moves the crank as a click
// does, and Shift+F10 opens any chart's menu; the loop chart moves nothing.
TEST_F(Export, ChartKeysMoveTheCrankAndOpenTheMenu) {
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    ChartView* chart = GammaChart(2);
    struct Case {
        Qt::Key key;
        const char* phase;
    };
    const Case cases[] = {{Qt::Key_Home, "0"},    {Qt::Key_Right, "5"}, {Qt::Key_Up, "10"},
                          {Qt::Key_PageUp, "55"}, {Qt::Key_Left, "50"}, {Qt::Key_PageDown, "5"},
                          {Qt::Key_End, "360"}};
    for (const Case& c : cases) {
        QTest::keyClick(chart, c.key);
        EXPECT_EQ(gamma.Host().FieldText(Field::Phase), c.phase) << c.phase;
    }
    QTest::keyClick(gamma.Chart(5), Qt::Key_Home);
    EXPECT_EQ(gamma.Host().FieldText(Field::Phase), "360");
    // Describe says the chart in words; so does its accessible description,
    // and the picture's says where the parts are at the crank angle.
    Choose(chart, "Descri&be");
    ASSERT_FALSE(env.platform.messages.isEmpty());
    EXPECT_TRUE(env.platform.messages.constLast().startsWith(
        "(Normalized) Volume and Pressure, along Angle. Hot Vol: lowest "))
        << env.platform.messages.constLast().toStdString();
    EXPECT_EQ(chart->accessibleDescription(), env.platform.messages.constLast());
    const QString picture = gamma.Picture()->accessibleDescription();
    EXPECT_TRUE(picture.startsWith("Engine picture. Angle: 360, Displacer: "))
        << picture.toStdString();
    env.platform.menuChoice = "";
    for (int n : {2, 5}) {
        env.platform.menuActions.clear();
        EXPECT_EQ(gamma.Chart(n)->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(gamma.Chart(n), Qt::Key_F10, Qt::ShiftModifier);
        EXPECT_EQ(env.platform.menuActions.size(), 5) << n;
    }
}

TEST_F(Export, ChartMenusCopyAndSaveImagesAndData) {
    for (const Window& w : Windows()) {
        SCOPED_TRACE(w.name);
        ChartView* chart = w.chart(1);
        chart->replot();
        Choose(chart, "&Copy Image");
        EXPECT_EQ(env.platform.menuActions,
                  QStringList({"&Copy Image", "Save &Image...", "Save &Data...", "Descri&be",
                               "Save &Report..."}));
        EXPECT_EQ(env.platform.clipboardImage.size(), chart->size() * 2);

        struct Kind {
            const char* suffix;
            QByteArray start;
        };
        for (const Kind& kind :
             {Kind{"png", "\x89PNG"}, Kind{"svg", "<?xml"}, Kind{"pdf", "%PDF"}}) {
            env.platform.exportFile = File(QString(w.name) + "." + kind.suffix);
            Choose(chart, "Save &Image...");
            EXPECT_TRUE(Contents(env.platform.exportFile).startsWith(kind.start)) << kind.suffix;
        }
        EXPECT_EQ(QImage(File(QString(w.name) + ".png")).size(), chart->size() * 2);
        // The next dialog opens where the last file went, on a name of its own.
        const QString suggested = env.platform.suggestions.constLast();
        EXPECT_EQ(QFileInfo(suggested).absolutePath(), QFileInfo(File("x")).absolutePath());
        EXPECT_TRUE(suggested.endsWith(".png")) << suggested.toStdString();
        EXPECT_TRUE(QFileInfo(suggested).fileName().startsWith(
            w.widget->windowTitle().section(' ', 0, 0) + " "))
            << suggested.toStdString();
        AppTestEnvironment::Snapshot(*chart, (std::string(w.name) + "-chart").c_str());

        env.platform.exportFile = File(QString(w.name) + ".csv");
        Choose(chart, "Save &Data...");
        const QList<QByteArray> rows = Contents(env.platform.exportFile).split('\n');
        // A header, then a row for each recorded point.
        ASSERT_GT(rows.size(), 2);
        EXPECT_EQ(rows.size() - 2, chart->Chart().Series(0).Count());
        EXPECT_TRUE(rows[0].contains(chart->Chart().Series(0).Title.c_str())) << rows[0].data();

        // A cancelled dialog writes nothing; a file that cannot be written is said.
        env.platform.exportFile.clear();
        Choose(chart, "Save &Data...");
        env.platform.exportFile = File("missing-folder/data.csv");
        Choose(chart, "Save &Data...");
        ASSERT_EQ(env.platform.messages.size(), 1);
        EXPECT_TRUE(env.platform.messages.takeFirst().contains("could not be written"));
    }
    EXPECT_TRUE(env.errors.empty());
}

// A typed suffix the dialog offers is followed; another name takes the
// chosen type's.
TEST(ExportNames, FollowTheTypedSuffixWhenItIsOffered) {
    const QStringList images = {"PNG image (*.png)", "SVG drawing (*.svg)", "PDF document (*.pdf)"};
    const struct {
        const char* typed;
        const char* chosen;
        const char* expected;
    } cases[] = {
        {"/d/chart.svg", "PNG image (*.png)", "/d/chart.svg"},
        {"/d/chart.PDF", "PNG image (*.png)", "/d/chart.PDF"},
        {"/d/chart", "SVG drawing (*.svg)", "/d/chart.svg"},
        {"/d/chart.v2", "PNG image (*.png)", "/d/chart.v2.png"},
        {"/d/chart.png", "PDF document (*.pdf)", "/d/chart.png"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Platform::WithOfferedSuffix(c.typed, c.chosen, images), c.expected) << c.typed;
    EXPECT_EQ(Platform::FileNameOf("Gamma Stirling Engine Simulator", "(Normalized) Positions"),
              "Gamma Normalized Positions");
}

TEST_F(Export, RightPressOpensTheMenuWithoutMovingTheCrank) {
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    ChartView* chart = GammaChart(2);
    const QPoint at(chart->ChartRect().center());
    const std::string before = gamma.Host().FieldText(Field::Phase);
    // Through the window, as the desktop delivers it: the menu comes from there.
    QWindow* window = gamma.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, chart->mapTo(&gamma, at));
    QTest::mouseRelease(window, Qt::RightButton, {}, chart->mapTo(&gamma, at));
    EXPECT_EQ(gamma.Host().FieldText(Field::Phase), before);
    EXPECT_EQ(env.platform.menuActions.size(), 5);
    QTest::mouseClick(chart, Qt::LeftButton, {}, at);
    EXPECT_NE(gamma.Host().FieldText(Field::Phase), before);
}

TEST_F(Export, GridCopiesItsRowsTabSeparated) {
    TRiderStirlingMainForm& rider = program.Window<TRiderStirlingMainForm>("rider");
    rider.show();
    env.platform.menuChoice = "&Copy";
    emit rider.Grid()->customContextMenuRequested(QPoint(5, 5));
    const QStringList lines = env.platform.clipboardText.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), rider.Grid()->rowCount());
    for (int row = 0; row < rider.Grid()->rowCount(); ++row)
        EXPECT_EQ(lines[row],
                  rider.Grid()->item(row, 0)->text() + '\t' + rider.Grid()->item(row, 1)->text());
}

TEST_F(Export, ReportIsOnePageAtThePrinterSettingsSize) {
    for (const Window& w : Windows()) {
        SCOPED_TRACE(w.name);
        struct Page {
            QPageSize size;
            const char* name;
        };
        for (const Page& page :
             {Page{QPageSize(QPageSize::A4), "A4"}, Page{QPageSize(QPageSize::Letter), "Letter"}}) {
            env.platform.pageSize = page.size;
            env.platform.exportFile = File(QString(w.name) + "-" + page.name + ".pdf");
            Choose(w.chart(2), "Save &Report...");
            const QByteArray pdf = Contents(env.platform.exportFile);
            if (const QByteArray folder = qgetenv("KELVANE_SNAPSHOTS"); !folder.isEmpty())
                QFile::copy(env.platform.exportFile,
                            QString(folder) + "/report-" + w.name + "-" + page.name + ".pdf");
            EXPECT_TRUE(pdf.startsWith("%PDF"));
            EXPECT_TRUE(pdf.contains("/Count 1")) << "one page";
            // The charts are lines and text: the engine's picture is the one image.
            EXPECT_LE(pdf.count("/Subtype /Image"), 1) << "charts as images";
            const QRegularExpressionMatch box =
                QRegularExpression(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])").match(pdf);
            ASSERT_TRUE(box.hasMatch());
            EXPECT_EQ(QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble()).toSize(),
                      page.size.sizePoints())
                << page.name;
        }
    }
    // The report lists each window's parameters by label, with their units.
    const ReportPage gamma = program.Window<TGammaStirlingMainForm>("gamma").Report();
    EXPECT_EQ(gamma.title, "Gamma Stirling Engine Simulator");
    ASSERT_EQ(gamma.parameters.size(),
              program.Window<TGammaStirlingMainForm>("gamma").Traits().parameters->fields().size());
    EXPECT_EQ(gamma.parameters.front(),
              std::make_pair(QString("Hot temperature"),
                             QString::fromStdString(
                                 program.Window<TGammaStirlingMainForm>("gamma").Host().FieldText(
                                     Field::HotTemp)) +
                                 " degrees F"));
    EXPECT_EQ(gamma.grid.size(), 12u);
    EXPECT_FALSE(gamma.picture.isNull());
    EXPECT_EQ(gamma.charts.size(), 4u);
    // On paper the Work chart's value axis says what it shows.
    ReportPage frozen = gamma;
    FreezeCharts(frozen);
    ASSERT_EQ(frozen.chartDrawings.size(), 4u);
    EXPECT_FALSE(frozen.chartDrawings[3].contains("Click the Help"));
    EXPECT_TRUE(frozen.chartDrawings[3].contains("Work (pressure"));
    const ReportPage ringbom = program.Window<TRingbomStirlingMainForm>("ringbom").Report();
    EXPECT_TRUE(
        std::ranges::count(ringbom.parameters, std::make_pair(QString("All Data"), QString("on"))));
    EXPECT_EQ(program.Graph("gamma").Report().grid.size(),
              program.Graph("gamma").Sweep().Memo1.size());
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(Export, ReadOutsShowTheNearestPointAndTheLoopsDirection) {
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    ChartView* chart = GammaChart(1);
    ChartReadOut* readOut = ChartReadOut::Of(chart);
    const QRect r = chart->ChartRect();
    // The mouse moving over the window, as the desktop delivers it.
    const QPoint at(qRound(chart->xAxis->coordToPixel(90.2)), r.center().y());
    QTest::mouseMove(gamma.windowHandle(), chart->mapTo(&gamma, at));
    ASSERT_TRUE(readOut->Box()->isVisibleTo(chart));
    const QStringList lines = readOut->Box()->text().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Angle: 90");
    EXPECT_TRUE(lines[1].startsWith("Displacer: "));
    readOut->ShowAt(r.topLeft() - QPoint(2, 2)); // outside the plotting area
    EXPECT_FALSE(readOut->Box()->isVisibleTo(chart));

    gamma.ShowPVButtonClick();
    ChartView* pv = gamma.Chart(5);
    pv->replot();
    ChartReadOut* loop = ChartReadOut::Of(pv);
    const TLineSeries& points = gamma.Engine().PVSeries;
    loop->ShowAt(QPoint(qRound(pv->xAxis->coordToPixel(points.XValues()[0])),
                        qRound(pv->yAxis->coordToPixel(points.YValues()[0]))));
    ASSERT_TRUE(loop->Box()->isVisibleTo(pv));
    EXPECT_TRUE(loop->Box()->text().startsWith("Angle: ")) << loop->Box()->text().toStdString();
    EXPECT_EQ(loop->ArrowCount(), 2);
    AppTestEnvironment::Snapshot(*pv, "pv-read-out");
    loop->Hide();
    EXPECT_EQ(loop->ArrowCount(), 0);
}

TEST_F(Export, HoldKeepsFaintCopiesUntilUntickedAndIsNotStored) {
    struct Case {
        SimulatorFrame* frame;
        std::function<void()> calc;
        const TLineSeries* pressure;
    };
    TGammaStirlingMainForm& gamma = program.Window<TGammaStirlingMainForm>("gamma");
    TRiderStirlingMainForm& rider = program.Window<TRiderStirlingMainForm>("rider");
    for (const Case& c :
         {Case{&gamma, [&] { gamma.CalcButtonClick(); }, &gamma.Engine().PressureSeries},
          Case{&rider, [&] { rider.CalcButtonClick(); }, &rider.Engine().PressureSeries}}) {
        SimulatorFrame* frame = c.frame;
        SCOPED_TRACE(frame->windowTitle().toStdString());
        frame->show();
        c.calc();
        ASSERT_TRUE(frame->HoldCB);
        ChartView* chart = frame->Chart(2);
        const int curves = chart->plottableCount();
        const TLineSeries& pressure = *c.pressure;
        ASSERT_GT(pressure.Count(), 45);
        const double before = pressure.YValues()[45];
        frame->HoldCB->click();
        EXPECT_GT(ChartGhosts::Count(chart), 0);
        EXPECT_EQ(chart->plottableCount(), curves + ChartGhosts::Count(chart));

        // A new analysis leaves the held curves as they were; the pressure
        // is the fourth curve of both windows' volume charts.
        auto* ghost = qobject_cast<QCPCurve*>(chart->plottable(curves + 3));
        ASSERT_TRUE(ghost);
        EXPECT_EQ(ghost->layer()->name(), "ghosts");
        frame->Host().SetFieldText(Field::PhaseOffset, "45");
        c.calc();
        frame->SyncCharts();
        EXPECT_NE(pressure.YValues()[45], before);
        EXPECT_EQ((ghost->data()->begin() + 45)->value, before);
        if (frame == &gamma) {
            // The help pages' picture: held curves, a read-out and the chart menu.
            ChartView* work = frame->Chart(4);
            work->replot();
            ChartReadOut::Of(chart)->ShowAt(
                QPoint(qRound(chart->xAxis->coordToPixel(135)), chart->ChartRect().center().y()));
            Choose(work, "");
            AppTestEnvironment::Snapshot(*frame, env.platform.menuImage,
                                         work->mapTo(frame, QPoint(150, 40)), "export-tools");
        }

        frame->HoldCB->click();
        EXPECT_EQ(ChartGhosts::Count(chart), 0);
        EXPECT_EQ(chart->plottableCount(), curves);
        frame->hide();
        EXPECT_FALSE(QString(Contents(QString::fromStdString(env.SettingsFile())))
                         .contains("Hold", Qt::CaseInsensitive));
    }
    EXPECT_TRUE(env.errors.empty());
}

} // namespace
