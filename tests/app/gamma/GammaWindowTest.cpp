#include "../WindowTest.h"
#include "foundations/TIniFile.h"
#include "gamma/TGammaStirlingMainForm.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>

using namespace kelvane;

namespace {

using GammaWindow = WindowTest<TGammaStirlingMainForm>;

TEST_F(GammaWindow, OpensWithTheDefaultsAnimatingFast) {
    Show();
    EXPECT_TRUE(env.errors.empty());
    EXPECT_EQ(Text(Field::HotTemp), "300");
    EXPECT_EQ(Text(Field::ColdTemp), "100");
    EXPECT_EQ(Text(Field::DispCylHeight), "100");
    EXPECT_EQ(Text(Field::DispCylDiameter), "100");
    EXPECT_EQ(Text(Field::DispHeight), "60");
    EXPECT_EQ(Text(Field::PistonDiameter), "30");
    EXPECT_EQ(Text(Field::PistonThrow), "60");
    EXPECT_EQ(Text(Field::PhaseOffset), "90");
    EXPECT_EQ(form->HotTempTB->value(), 700);
    EXPECT_EQ(form->PhaseOffsetTB->value(), 90);
    EXPECT_TRUE(form->Engine().enable);
    EXPECT_TRUE(form->Engine().timer.Enabled);
    EXPECT_EQ(form->Timer->interval(), 100);
    EXPECT_EQ(form->Grid()->item(0, 0)->text(), "Disp Posn");
    EXPECT_EQ(form->Grid()->item(11, 0)->text(), "Net Work");
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 361);
    // The debug label shows the last of its 362 writes: the volume at phase 0.
    EXPECT_EQ(form->findChild<QLabel*>("lDebug")->text(), "Vol = 356,570");
    EXPECT_FALSE(form->Picture()->pixmap().isNull());
    AppTestEnvironment::Snapshot(*form, "gamma-window");
}

TEST_F(GammaWindow, SlidersRewriteTheirFields) {
    Show();
    form->HotTempTB->setValue(0);
    EXPECT_EQ(Text(Field::HotTemp), "1000");
    form->HotTempTB->setValue(1000);
    EXPECT_EQ(Text(Field::HotTemp), "0");
    form->PhaseOffsetTB->setValue(-175);
    EXPECT_EQ(Text(Field::PhaseOffset), "-175");
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_EQ(Text(Field::Phase), "0");
}

TEST_F(GammaWindow, ChartClicksLandOnFiveDegreeSteps) {
    Show();
    ChartView* chart = form->Chart(2);
    chart->replot();
    QRect r = chart->ChartRect();
    auto clickAt = [&](double fraction) {
        int x = r.left() + static_cast<int>(fraction * (r.right() - r.left()) + 0.5);
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(x, r.center().y()));
        return Text(Field::Phase);
    };
    EXPECT_EQ(clickAt(0.0), "0");
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_EQ(clickAt(1.0), "360");
    EXPECT_EQ(clickAt(0.5), "180");
    EXPECT_EQ(form->Engine().PhaseSeries1.XValues()[0], 180);
}

TEST_F(GammaWindow, AnimationTicksAndEditsStopIt) {
    Show();
    form->Engine().phaseChanging = true; // as a chart click writes it
    form->Host().SetFieldText(Field::Phase, "350");
    form->Engine().phaseChanging = false;
    form->Engine().timer.Enabled = true;
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "360");
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "10");

    form->Host().Edit(Field::DispCylHeight)->setText("120");
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_EQ(Text(Field::Phase), "0");
    EXPECT_EQ(form->Engine().dispCylHt, 120);
}

TEST_F(GammaWindow, KeysAndButtons) {
    Show();
    form->Engine().PressureSeries.Clear();
    QTest::keyClick(form->Host().Edit(Field::PistonThrow), Qt::Key_Return);
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 361);

    QPushButton* showPV = form->ShowPVButton();
    QTest::mouseClick(showPV, Qt::LeftButton);
    EXPECT_EQ(showPV->text(), "Hide P&V");
    EXPECT_TRUE(form->Chart(5)->isVisible());
    EXPECT_EQ(form->Chart(5)->size(), form->Chart(1)->size());
    QTest::mouseClick(form->Chart(5), Qt::LeftButton);
    EXPECT_EQ(form->Chart(5)->x(), form->ChartPanel()->width() - form->Chart(5)->width());
    QTest::mouseClick(form->Chart(5), Qt::LeftButton);
    EXPECT_EQ(form->Chart(5)->x(), 0);
    QTest::mouseClick(showPV, Qt::LeftButton);
    EXPECT_EQ(showPV->text(), "Show P&V");
    EXPECT_FALSE(form->Chart(5)->isVisible());

    form->SpeedButtonClick(300);
    EXPECT_EQ(form->Timer->interval(), 300);
    EXPECT_TRUE(form->Engine().timer.Enabled);

    QTest::keyClick(form->Host().Edit(Field::PistonThrow), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(GammaWindow, TypedPhaseMovesTheCrankWithoutANewAnalysis) {
    struct Case {
        const char* keys;
        double angle;
    };
    const Case cases[] = {{"90", 90}, {"270", 270}, {"5", 5}, {"360", 360}};
    Show();
    QLineEdit* phase = form->Host().Edit(Field::Phase);
    const int analysed = form->Engine().PressureSeries.Count();
    form->Engine().WorkSeries.AddXY(400, 0); // an analysis would clear it
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        form->Engine().timer.Enabled = true;
        phase->setFocus();
        phase->selectAll();
        QTest::keyClicks(phase, c.keys);
        EXPECT_EQ(phase->text().toStdString(), c.keys);
        EXPECT_FALSE(form->Engine().timer.Enabled);
        EXPECT_EQ(form->Engine().PhaseSeries1.XValues()[0], c.angle);
        EXPECT_EQ(form->Engine().PhaseSeries3.XValues()[0], c.angle);
        // The grid shows the crank at the typed angle, as the animation would.
        const int index = form->Engine().PistonSeries.XValues().Locate(c.angle);
        EXPECT_NEAR(form->Engine().State().pistonPos * 100 / form->Engine().pistonTh,
                    form->Engine().PistonSeries.YValues()[index], 1e-9);
    }
    EXPECT_EQ(form->Engine().PressureSeries.Count(), analysed);
    EXPECT_EQ(form->Engine().WorkSeries.XValues().MaxValue(), 400);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, ChangesHeldBackByAMarkedPhaseAreAnalysedWhenItIsFixed) {
    Show();
    const std::string pressureBefore =
        form->Grid()->item(GammaEngine::MaxPressure, 1)->text().toStdString();
    form->Host().Edit(Field::Phase)->setText("x");
    form->Host().Edit(Field::HotTemp)->setText("500"); // held back: the phase is marked
    EXPECT_EQ(form->Grid()->item(GammaEngine::MaxPressure, 1)->text().toStdString(),
              pressureBefore);
    form->Host().Edit(Field::Phase)->setText("45");
    EXPECT_NE(form->Grid()->item(GammaEngine::MaxPressure, 1)->text().toStdString(),
              pressureBefore);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, PressureMarkComparesWithTheMeanShown) {
    // Each change of Hot analyses again; the means differ widely.
    const char* const hot[] = {"12", "300", "900", "150", "12"};
    Show();
    for (const char* text : hot) {
        SCOPED_TRACE(text);
        form->Host().Edit(Field::HotTemp)->setText(text);
        EXPECT_EQ(AppTestEnvironment::MarkAgainst(
                      form->Grid()->item(GammaEngine::Pressure, 1)->text(),
                      form->Grid()->item(GammaEngine::MeanPressure, 1)->text()),
                  "");
    }
}

TEST_F(GammaWindow, MarkersFollowTheAnalysedAngleOverTheNewCurves) {
    // Each step changes the work curve's range, then analyses.
    const std::function<void()> analyses[] = {
        [&] { QTest::mouseClick(form->CalcButton, Qt::LeftButton); },
        [&] { form->Host().Edit(Field::PistonThrow)->setText("20"); },
        [&] { QTest::keyClick(form->Host().Edit(Field::HotTemp), Qt::Key_Return); },
        [&] { form->Host().Edit(Field::HotTemp)->setText("900"); },
    };
    Show();
    GammaEngine& e = form->Engine();
    for (const auto& analyse : analyses) {
        e.ClickAtAngle(180);
        analyse();
        const double shown = std::stod(Text(Field::Phase));
        for (TLineSeries* marker :
             {&e.PhaseSeries1, &e.PhaseSeries2, &e.PhaseSeries3, &e.PhaseSeries4}) {
            ASSERT_EQ(marker->Count(), 2);
            EXPECT_EQ(marker->XValues()[0], shown);
        }
        EXPECT_EQ(e.PhaseSeries4.YValues().MaxValue(), e.WorkSeries.YValues().MaxValue());
        EXPECT_EQ(e.PhaseSeries4.YValues().MinValue(), e.WorkSeries.YValues().MinValue());
        // The pressure-volume marker sits on the loop's point at that angle.
        ASSERT_EQ(e.PhaseSeries5.Count(), 1);
        EXPECT_NEAR(e.PhaseSeries5.YValues()[0],
                    e.maxPSave * e.PressureSeries.YValues()[0] +
                        e.minPSave * (1 - e.PressureSeries.YValues()[0]),
                    1e-9);
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, SlidersShowTheirBoxesValuesWithinTheirRange) {
    struct Case {
        Field field;
        const char* text;
        int hotPosition;
        int offsetPosition;
    };
    // Beyond a slider's range puts it at that end; unusable leaves it where it was.
    const Case cases[] = {
        {Field::HotTemp, "500", 500, 90},         {Field::HotTemp, "1200", 0, 90},
        {Field::HotTemp, "0", 1000, 90},          {Field::HotTemp, "x", 1000, 90},
        {Field::PhaseOffset, "-90", 1000, -90},   {Field::PhaseOffset, "4.5", 1000, -90},
        {Field::PhaseOffset, "-176", 1000, -175}, {Field::PhaseOffset, "200", 1000, 175},
        {Field::PhaseOffset, "175", 1000, 175},
    };
    Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form->Host().Edit(c.field)->setText(c.text);
        EXPECT_EQ(form->HotTempTB->value(), c.hotPosition);
        EXPECT_EQ(form->PhaseOffsetTB->value(), c.offsetPosition);
        EXPECT_EQ(Text(c.field), c.text); // following never rewrites the box
    }
    form->Host().Edit(Field::HotTemp)->setText("1200");
    env.platform.fileToOpen.clear();
    std::string par = env.Folder() + "hot.PAR";
    form->WriteIniFile(par);
    TIniFile(par).WriteString("GammaHot", "Temp", "1500");
    TIniFile(par).WriteString("GammaPhase", "Offset", "-45");
    env.platform.fileToOpen = QString::fromStdString(par);
    form->Run([&] { form->LoadButtonClick(); });
    EXPECT_EQ(Text(Field::HotTemp), "1500");
    EXPECT_EQ(form->PhaseOffsetTB->value(), -45);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, AFailingAnimationTickStopsTheCrankAndIsReportedOnce) {
    Show();
    form->Host().Edit(Field::ColdTemp)->setText("1.5");
    form->Engine().timer.Enabled = true; // the engine's own timer, however it got there
    for (int tick = 0; tick < 3; ++tick)
        form->Run([&] { form->Engine().Tick(); });
    ASSERT_EQ(env.errors.size(), 1u);
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_FALSE(form->Engine().animating);
    form->Host().Edit(Field::ColdTemp)->setText("100");
    QTest::mouseClick(form->GoFastButton, Qt::LeftButton);
    form->TimerTimeout();
    EXPECT_EQ(Text(Field::Phase), "10");
    EXPECT_EQ(env.errors.size(), 1u);
}

TEST_F(GammaWindow, HelpStopsTheCrankAndOpensThePage) {
    Show();
    form->HelpButtonClick();
    EXPECT_FALSE(form->Engine().timer.Enabled);
    ASSERT_EQ(env.platform.documents.size(), 1);
    EXPECT_TRUE(env.platform.documents[0].endsWith("/Gamma Kelvane Help.HTM"));
}

// Print always answers: the standard dialog when a printer is installed, a
// PDF file otherwise; a cancel prints nothing and is no error.
TEST_F(GammaWindow, PrintGoesToTheChosenPrinterOrToAPdfFile) {
    Show();
    QTemporaryDir dir;
    const struct {
        bool printer;
        const char* pdf; // "" for a cancel
        int dialogs;
    } cases[] = {{false, "", 0}, {false, "direct.pdf", 0}, {true, "", 1}, {true, "chosen.pdf", 1}};
    for (const auto& c : cases) {
        env.platform.printer = c.printer;
        env.platform.printDialogs = 0;
        env.platform.pdfFile = *c.pdf ? dir.filePath(c.pdf) : QString();
        form->Run([&] { form->PrintButtonClick(); });
        EXPECT_TRUE(env.errors.empty()) << c.pdf;
        EXPECT_EQ(env.platform.printDialogs, c.dialogs) << c.pdf;
        if (*c.pdf) {
            EXPECT_GT(QFileInfo(env.platform.pdfFile).size(), 1000) << c.pdf;
        }
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(GammaWindow, SettingsAreWrittenAtTheEndAndReadBack) {
    Show();
    form->Host().Edit(Field::PistonThrow)->setText("45");
    form->setGeometry(-2000, 50, form->width(), form->height());
    form->FormDestroy();
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("GammaPiston", "Throw", ""), "45");
    EXPECT_EQ(ini.ReadInteger("Gamma", "Left", 0), -2000);
    EXPECT_EQ(ini.ReadInteger("Gamma", "Width", 0), form->width());

    auto again = std::make_unique<TGammaStirlingMainForm>();
    again->Timer->stop();
    again->show();
    EXPECT_EQ(again->Host().FieldText(Field::PistonThrow), "45");
    // Stored as it was, opened back on the screen.
    EXPECT_GE(again->frameGeometry().x(), 0);
}

TEST_F(GammaWindow, ClosingTheWindowKeepsItsValuesAndPlace) {
    struct Case {
        const char* how;
        std::function<void(TGammaStirlingMainForm&)> close;
        const char* hot;
    };
    const Case cases[] = {
        {"Exit", [](TGammaStirlingMainForm& f) { f.Button(FrameButton::Exit)->click(); }, "400"},
        {"Escape",
         [](TGammaStirlingMainForm& f) {
             QTest::keyClick(f.Host().Edit(Field::PistonThrow), Qt::Key_Escape);
         },
         "410"},
        {"close box", [](TGammaStirlingMainForm& f) { f.close(); }, "420"},
    };
    Show();
    int left = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        form->Host().Edit(Field::HotTemp)->setText(c.hot);
        form->move(left += 10, 60);
        c.close(*form);
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(TIniFile(env.SettingsFile()).ReadString("GammaHot", "Temp", ""), c.hot);
        Show();
        EXPECT_EQ(Text(Field::HotTemp), c.hot);
        EXPECT_EQ(form->pos(), QPoint(left, 60));
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, AnUnreadableSettingsFileIsNotSavedOverAtHiding) {
    QDir().mkpath(QString::fromStdString(env.SettingsFile())); // a folder, not a file
    Show();
    form->Host().Edit(Field::HotTemp)->setText("400");
    form->Button(FrameButton::Exit)->click();
    EXPECT_TRUE(QFileInfo(QString::fromStdString(env.SettingsFile())).isDir());
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, LoadingTheWrongFileChangesNothing) {
    struct Case {
        const char* name;
        std::string bytes; // empty: a folder
    };
    const Case cases[] = {
        {"random.PAR", std::string("\x8f\x00\xff[\x01\x02]=\xfe\n\x7f", 12)},
        {"ringbom.PAR", "[RingbomHot]\nTemp=500\n[RingbomPiston]\nThrow=20\n"},
        {"nokeys.PAR", "[GammaHot]\nColour=red\n[Other]\nTemp=12\n"},
        {"folder.PAR", ""},
    };
    Show();
    form->Host().Edit(Field::HotTemp)->setText("410");
    std::vector<std::string> texts;
    for (const FieldRow& row : form->Traits().parameters->fields())
        texts.push_back(Text(row.id));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = QString::fromStdString(env.Folder() + c.name);
        if (c.bytes.empty()) {
            QDir().mkpath(path);
        } else {
            std::ofstream(path.toStdString(), std::ios::binary) << c.bytes;
        }
        env.platform.messages.clear();
        env.platform.fileToOpen = path;
        form->Run([&] { form->LoadButtonClick(); });
        ASSERT_EQ(env.platform.messages.size(), 1);
        EXPECT_TRUE(env.platform.messages[0].contains(path));
        EXPECT_TRUE(env.platform.messages[0].contains("Nothing was loaded"));
        std::size_t i = 0;
        for (const FieldRow& row : form->Traits().parameters->fields())
            EXPECT_EQ(Text(row.id), texts[i++]) << row.control;
    }
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, LoadedValuesThatFailTheirCheckAreReportedByFileAndKey) {
    Show();
    std::string par = env.Folder() + "odd.PAR";
    form->WriteIniFile(par);
    TIniFile(par).WriteString("GammaHot", "Temp", "12.5");
    TIniFile(par).WriteString("GammaPiston", "Throw", "1e5000");
    env.platform.fileToOpen = QString::fromStdString(par);
    form->Run([&] { form->LoadButtonClick(); });
    ASSERT_EQ(env.platform.messages.size(), 1);
    const QString message = env.platform.messages[0];
    EXPECT_TRUE(message.contains(QString::fromStdString(par)));
    EXPECT_TRUE(message.contains("[GammaHot] Temp = \"12.5\": Hot temperature must be a whole"));
    EXPECT_TRUE(
        message.contains("[GammaPiston] Throw = \"1e5000\": Piston throw must be a number"));
    EXPECT_TRUE(form->Marked(Field::HotTemp));
    EXPECT_TRUE(form->Marked(Field::PistonThrow));
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, NeverShownWritesNothing) {
    form->FormDestroy();
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(env.SettingsFile())));
}

TEST_F(GammaWindow, BadStoredHotTemperatureIsMarkedAndTheWindowStillShows) {
    TIniFile(env.SettingsFile()).WriteString("GammaHot", "Temp", "hot");
    Show();
    EXPECT_TRUE(env.errors.empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->Marked(Field::HotTemp));
    EXPECT_TRUE(form->Engine().enable);
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 0);
    // Fixing the text brings the analysis.
    form->Host().Edit(Field::HotTemp)->setText("300");
    EXPECT_FALSE(form->Marked(Field::HotTemp));
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 361);
}

// What the grid, the charts and the engine's last evaluation show.
struct ShownResults {
    std::vector<QString> cells;
    int points = 0;
    double firstPressure = 0;
    double dispCylHt = 0;
    bool operator==(const ShownResults&) const = default;
};

TEST_F(GammaWindow, UnusableTextsAreMarkedWhereTheyAreTyped) {
    struct Case {
        Field field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {Field::HotTemp, "12.", "Hot temperature must be a whole number of degrees F"},
        {Field::HotTemp, "-1000", "Hot temperature must be -470 degrees F or more"},
        {Field::HotTemp, "", "Hot temperature must be a whole number of degrees F"},
        {Field::PistonThrow, "abc", "Piston throw must be a number"},
        {Field::PistonThrow, "1e5000", "Piston throw must be a number"},
        {Field::PistonThrow, "0", "Piston throw must be from 0.001 to 1000000"},
        {Field::DispHeight, "100",
         "Displacer height must be less than the displacer cylinder height"},
        {Field::PhaseOffset, "9O", "Phase offset must be a whole number of degrees"},
        {Field::Phase, "x", "Crank angle must be a whole number of degrees"},
    };
    Show();
    auto shown = [&] {
        ShownResults r;
        for (int row = 0; row < GammaEngine::kGridRows; ++row)
            r.cells.push_back(form->Grid()->item(row, 1)->text());
        r.points = form->Engine().PressureSeries.Count();
        r.firstPressure = form->Engine().PressureSeries.YValues()[0];
        r.dispCylHt = form->Engine().dispCylHt;
        return r;
    };
    const ShownResults before = shown();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " in " +
                     form->Traits().parameters->RowOf(c.field).control);
        QLineEdit* edit = form->Host().Edit(c.field);
        const QString good = edit->text();
        form->Engine().timer.Enabled = true;
        edit->setText(c.text);
        EXPECT_TRUE(form->Marked(c.field));
        EXPECT_EQ(edit->toolTip().toStdString(), c.message);
        EXPECT_TRUE(form->ProblemLine()->isVisibleTo(form.get()));
        EXPECT_EQ(form->ProblemLine()->text().toStdString(), c.message);
        EXPECT_FALSE(form->Engine().timer.Enabled);
        EXPECT_TRUE(shown() == before);
        edit->setText(good);
        EXPECT_FALSE(form->Marked(c.field));
        EXPECT_TRUE(edit->toolTip().isEmpty());
        EXPECT_EQ(edit->font().pointSize(), 7); // the window's font, marked or not
        EXPECT_FALSE(form->ProblemLine()->isVisibleTo(form.get()));
    }
    EXPECT_TRUE(env.errors.empty());
    EXPECT_TRUE(env.platform.messages.isEmpty());
}

TEST_F(GammaWindow, TypingADecimalIntoHotLosesNoKeystroke) {
    Show();
    QLineEdit* hot = form->Host().Edit(Field::HotTemp);
    hot->setFocus();
    hot->selectAll();
    QTest::keyClicks(hot, "12.5");
    EXPECT_EQ(hot->text(), "12.5");
    EXPECT_TRUE(form->Marked(Field::HotTemp));
    form->Engine().PressureSeries.Clear();
    QTest::keyClick(hot, Qt::Key_Backspace);
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 0); // "12." is still marked
    QTest::keyClick(hot, Qt::Key_Backspace);
    EXPECT_FALSE(form->Marked(Field::HotTemp));
    EXPECT_EQ(form->Engine().PressureSeries.Count(), 361);
    // 12 F below the cold end's 100 F: the nominal ratio is negative.
    EXPECT_TRUE(form->Grid()->item(GammaEngine::NominalTempRatioRow, 1)->text().startsWith("-"));
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, ActionsDoNotRunWhileABoxIsMarked) {
    Show();
    form->Host().Edit(Field::ColdTemp)->setText("cold");
    form->Host().Edit(Field::PistonThrow)->setText("-1");
    EXPECT_EQ(form->ProblemLine()->text(),
              "Cold temperature must be a whole number of degrees F (and 1 more)");
    form->Engine().PressureSeries.Clear();
    const std::function<void()> actions[] = {
        [&] { QTest::mouseClick(form->CalcButton, Qt::LeftButton); },
        [&] { QTest::keyClick(form->Host().Edit(Field::DispHeight), Qt::Key_Return); },
        [&] { QTest::mouseClick(form->GoFastButton, Qt::LeftButton); },
        [&] { QTest::mouseClick(form->GoSlowButton, Qt::LeftButton); },
    };
    for (const auto& action : actions) {
        form->Host().Edit(Field::DispHeight)->setFocus();
        action();
        EXPECT_EQ(form->Engine().PressureSeries.Count(), 0);
        EXPECT_FALSE(form->Engine().timer.Enabled);
        EXPECT_EQ(form->focusWidget(), form->Host().Edit(Field::ColdTemp));
    }
    // The animation stops rather than compute.
    form->Engine().timer.Enabled = true;
    form->TimerTimeout();
    EXPECT_FALSE(form->Engine().timer.Enabled);
    EXPECT_TRUE(env.errors.empty());
}

TEST_F(GammaWindow, ScalesOnceOnAHighResolutionScreen) {
    env.platform.dpi = 120;
    form = std::make_unique<TGammaStirlingMainForm>();
    Show();
    EXPECT_TRUE(form->beenScaled);
    QLineEdit* hot = form->Host().Edit(Field::HotTemp);
    EXPECT_EQ(hot->geometry(), QRect(21, 79, 53, 27));
    int width = form->width();
    form->hide();
    Show();
    EXPECT_EQ(form->width(), width);
    EXPECT_EQ(hot->geometry(), QRect(21, 79, 53, 27));
}

} // namespace
