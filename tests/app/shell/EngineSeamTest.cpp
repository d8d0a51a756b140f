// An engine the program does not have, registered in the catalog by the test
// alone, runs through the command line's code path and a window of the
// program: no driver knows engines by name.
#include "../../cli/CliTestSupport.h"
#include "../AppTestSupport.h"
#include "common/CrankActions.h"
#include "common/StirlingPhysics.h"
#include "foundations/CommonFieldRows.h"
#include "foundations/Conversions.h"
#include "foundations/FlagGuard.h"
#include "foundations/TIniFile.h"
#include "shell/KelvaneProgram.h"
#include "shell/TKelvaneDispatchForm.h"
#include "shell/WindowCatalog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvane {

namespace {

constexpr FieldRow kToyRows[] = {CommonRow(Field::HotTemp), CommonRow(Field::ColdTemp),
                                 CommonRow(Field::Phase)};

// A crank that draws hot x sin(angle) over a revolution.
class ToyEngine : public Engine {
  public:
    static constexpr int kPictureWidth = 40;
    static constexpr int kPictureHeight = 30;
    static constexpr int kGridRows = 2;
    static const ParameterTable& Table() {
        static const ParameterTable table("Toy", kToyRows, nullptr);
        return table;
    }

    explicit ToyEngine(EngineHost& host) : host_(host) {}

    TChart charts[5] = {TChart("Chart1"), TChart("Chart2"), TChart("Chart3"), TChart("Chart4"),
                        TChart("Chart5")};
    TLineSeries& curve = charts[0].AddSeries("ToySeries", "Toy");
    EngineTimer timer;
    bool shown = false;

    std::vector<LoopPoint> Loop() const override { return {}; }

    void CalcButtonClick() {
        const long long hot = StrToInt(host_.FieldText(Field::HotTemp));
        curve.Clear();
        for (int a = 0; a <= 360; ++a)
            curve.AddXY(a, hot * std::sin(a * std::numbers::pi / 180));
        host_.SetCell(1, 1, IntToStr(hot));
        ShowAngle();
    }
    void SpeedButtonClick(int ms) {
        CalcButtonClick();
        timer = {true, ms};
    }
    void StopButtonClick() { timer.Enabled = false; }

    void Start(bool usable) override {
        SetGridLabels();
        shown = true;
        if (usable)
            SpeedButtonClick(100);
    }
    void OpenWithoutWindow() override {
        SetGridLabels();
        shown = true;
    }
    void FieldChanged(Field) override {
        if (writing_)
            return;
        StopButtonClick();
        CalcButtonClick();
    }
    void Halt() override { StopButtonClick(); }
    void Tick() override {
        if (timer.Enabled)
            ClickAtAngleKeepingTimer((StrToInt(host_.FieldText(Field::Phase)) + 10) % 360);
    }
    const EngineTimer& Timer() const override { return timer; }
    void ChartClick(const TChart&, double x, double left, double right) override {
        ClickAtAngle(SnappedClickAngle(x, left, right));
    }
    void ClickAtAngle(long long angle) override {
        StopButtonClick();
        ClickAtAngleKeepingTimer(angle);
    }
    void Batch(int count) override {
        StopButtonClick();
        for (int i = 0; i < count; ++i)
            CalcButtonClick();
    }
    std::span<const EngineAction> Actions() const override { return kCrankActions; }
    void Act(std::string_view action, int arg, const std::function<bool()>& usable) override {
        RunCrankAction(*this, action, arg, usable);
    }
    std::vector<TChart*> Charts() override {
        return {&charts[0], &charts[1], &charts[2], &charts[3], &charts[4]};
    }
    void SetGridLabels() override {
        host_.SetCell(0, 0, "Angle");
        host_.SetCell(0, 1, "Peak");
    }
    void DrawPicture(Canvas& canvas) const override {
        if (!shown)
            return;
        canvas.SetBrushColor(clRed);
        canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    }

  private:
    void ClickAtAngleKeepingTimer(long long angle) {
        {
            FlagGuard guard(writing_);
            host_.SetFieldText(Field::Phase, IntToStr(angle));
        }
        ShowAngle();
    }
    void ShowAngle() { host_.SetCell(1, 0, host_.FieldText(Field::Phase)); }

    EngineHost& host_;
    bool writing_ = false;
};

const EngineEntry& ToyEntry() {
    static const EngineEntry entry{
        .name = "toy",
        .title = "Toy",
        .caption = "Toy Engine Simulator",
        .launcherCaption = "&Toy",
        .launcherButton = "ToyButton",
        .documents = "Toy Kelvane",
        .fields = ToyEngine::Table,
        .placement = {"Toy", "Left", "Top", "Width", "Height"},
        .batch = BatchAction::Calc,
        .batchDefault = 1,
        .pictureWidth = ToyEngine::kPictureWidth,
        .pictureHeight = ToyEngine::kPictureHeight,
        .gridRows = ToyEngine::kGridRows,
        .make = [](EngineHost& host) -> std::unique_ptr<Engine> {
            return std::make_unique<ToyEngine>(host);
        },
    };
    return entry;
}

constexpr FrameButtonPlace kToyButtons[] = {
    {FrameButton::Print, "&Print", nullptr, 300, 8, 40},
    {FrameButton::Tutor, "T&utor", nullptr, 345, 8, 40},
    {FrameButton::Help, "&Help", nullptr, 390, 8, 40},
    {FrameButton::Exit, "E&xit", nullptr, 435, 8, 40},
    {FrameButton::Save, "&Save", nullptr, 300, 136, 40},
    {FrameButton::Load, "&Load", nullptr, 345, 136, 40},
    {FrameButton::ShowPV, "Show P&V", nullptr, 390, 136, 60},
};

// The window a test gives its engine: the frame, its boxes and the engine's buttons.
class ToyWindow : public EngineWindow<ToyEngine> {
  public:
    explicit ToyWindow(QWidget* parent)
        : EngineWindow(FrameTraits(QString::fromStdString(ToyEntry().caption),
                                   QString::fromStdString(ToyEntry().documents), QPoint(50, 50),
                                   ToyEntry().placement, ToyEntry().fields(), kToyButtons),
                       parent) {
        const FieldPlace boxes[] = {{Field::HotTemp, 16, 20, "0"},
                                    {Field::ColdTemp, 80, 20, "0"},
                                    {Field::Phase, 144, 20, "0"}};
        BindFieldEdits(AddFields(boxes));
        const ActionPlace buttons[] = {
            {12, 100, 45}, {60, 100, 45}, {108, 100, 45}, {156, 100, 45}, {204, 100, 45}};
        AddActionButtons(buttons);
        AttachEngineCharts();
    }

  protected:
    void RefreshAfterLoad() override {
        if (CheckFields())
            engine_.CalcButtonClick();
    }
};

std::unique_ptr<AnyEngineWindow> MakeToyWindow(QWidget* parent) {
    return std::make_unique<ToyWindow>(parent);
}

QString GridValue(SimulatorFrame& w, int row) {
    QTableWidgetItem* item = w.Grid()->item(row, 1);
    return item ? item->text() : QString();
}

} // namespace

TEST(EngineSeam, AnEngineRegisteredByATestRunsOnTheCommandLineAndInAWindow) {
    EngineCatalog::Registration registered(ToyEntry());
    WindowCatalog::Registration window(ToyEntry(), MakeToyWindow);

    // The command line: its options, checks and outputs, from the catalog row.
    Result grid = RunCli({"toy", "--set", "HotTemp=200", "--calc", "2", "--at", "90", "--grid"});
    EXPECT_EQ(grid.status, 0) << grid.err;
    EXPECT_EQ(grid.lines, (std::vector<std::string>{"Angle\t90", "Peak\t200"}));
    Result series = RunCli({"toy", "--series", "ToySeries"});
    ASSERT_EQ(series.lines.size(), 361u);
    EXPECT_EQ(series.lines[90], "90,300"); // the default hot temperature
    EXPECT_EQ(RunCli({"toy", "--set", "HotTemp=x"}).status, 1);
    Result steps = RunCli({"toy", "--steps", "3"});
    EXPECT_EQ(steps.status, 2);
    EXPECT_NE(steps.err.find("--steps is for the ringbom engine"), std::string::npos);
    EXPECT_NE(RunCli({"--help"}).out.find("gamma | ringbom | rider | beta | toy"),
              std::string::npos);
    Result sweep = RunCli({"toy", "--sweep", "HotTemp"});
    EXPECT_EQ(sweep.status, 2);
    EXPECT_NE(sweep.err.find("--sweep is for the gamma, rider and beta engines"),
              std::string::npos);

    // The desktop: a launcher button, the window, its boxes, buttons and timer.
    AppTestEnvironment env;
    {
        KelvaneProgram program;
        program.Launcher().show();
        auto* button = program.Launcher().findChild<QPushButton*>("ToyButton");
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), "&Toy");
        QTest::mouseClick(button, Qt::LeftButton);
        AnyEngineWindow& toy = program.Window("toy");
        ASSERT_TRUE(toy.isVisible());
        EXPECT_EQ(toy.windowTitle(), "Toy Engine Simulator");
        auto& engine = static_cast<ToyEngine&>(toy.SimulatedEngine());
        EXPECT_TRUE(engine.timer.Enabled); // the start actions ran: the fast animation
        EXPECT_EQ(GridValue(toy, 1), "300");

        toy.Host().Edit(Field::HotTemp)->setText("abc");
        EXPECT_TRUE(toy.Marked(Field::HotTemp));
        EXPECT_FALSE(engine.timer.Enabled); // an unusable text stops the crank
        EXPECT_EQ(GridValue(toy, 1), "300");
        toy.Host().Edit(Field::HotTemp)->setText("250");
        EXPECT_FALSE(toy.Marked(Field::HotTemp));
        EXPECT_EQ(GridValue(toy, 1), "250");

        QPushButton* fast = nullptr;
        for (QPushButton* b : toy.findChildren<QPushButton*>())
            fast = b->text() == "&Fast" ? b : fast;
        ASSERT_NE(fast, nullptr);
        QTest::mouseClick(fast, Qt::LeftButton);
        EXPECT_TRUE(toy.Timer->isActive());
        EXPECT_EQ(toy.Timer->interval(), 100);
        toy.Timer->stop();
        static_cast<EngineWindow<ToyEngine>&>(toy).TimerTimeout();
        EXPECT_EQ(GridValue(toy, 0), "10");
        toy.ExitButtonClick();
        EXPECT_FALSE(toy.isVisible());
    }
    // Its window's place and its parameters are kept under its own sections.
    TIniFile ini(env.SettingsFile());
    EXPECT_EQ(ini.ReadString("ToyHot", "Temp", ""), "250");
    EXPECT_NE(ini.ReadString("Toy", "Width", ""), "");
}

} // namespace kelvane
