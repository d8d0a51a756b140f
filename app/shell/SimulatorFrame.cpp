#include "SimulatorFrame.h"

#include "shell/Languages.h"

#include "foundations/ChartWords.h"
#include "foundations/Conversions.h"
#include "foundations/NearestPoint.h"
#include "foundations/ParameterFile.h"
#include "foundations/ParameterTable.h"
#include "foundations/TIniFile.h"
#include "foundations/WindowPlacement.h"
#include "widgets/CaptionFit.h"
#include "widgets/ChartKeys.h"
#include "widgets/ChartMenu.h"
#include "widgets/ChartReadOut.h"
#include "widgets/FocusFrame.h"
#include "widgets/Platform.h"
#include "widgets/ReadingOrder.h"
#include "widgets/WindowLook.h"
#include "widgets/WindowScaling.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include <optional>

namespace kelvane {

SimulatorFrame::SimulatorFrame(const FrameTraits& traits, QWidget* parent)
    : QDialog(parent), traits_(traits), host_(*traits.parameters),
      canvas_(traits.pictureWidth, traits.topBandHeight - 2),
      pacing_(this, host_, charts_, [this] { DrawPicture(); }) {
    setWindowTitle(CoreText(traits_.caption.toStdString()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    ApplyWindowLook(this);
    setGeometry(QRect(traits_.designedPlacement, traits_.designSize));

    TopBand = NamedChild(this, "Panel2");
    InputPanel = NamedChild(TopBand, "Panel1");
    PictureLabel = NamedChild<QLabel>(TopBand, "Image1");
    PictureLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PictureLabel->setAccessibleName(tr("Engine picture"));
    // Reached by Tab, so that a screen reader reads what it shows in words.
    PictureLabel->setFocusPolicy(Qt::TabFocus);
    FocusFrame::Attach(PictureLabel);
    MakeGrid();
    ChartArea = NamedChild(this, "Panel3");
    layout_.emplace(traits_,
                    FrameLayout::Parts{this, TopBand, InputPanel, PictureLabel, StatisticsGrid,
                                       ChartArea, charts_},
                    [this] { pacing_.RedrawPicture(); });

    ReadScreen();
    host_.onProcessEvents = [this] { pacing_.EventsProcessed(); };
    widgets_.emplace(
        this, InputPanel, host_, *traits_.parameters, keys_,
        [this](const std::function<void()>& handler) { Run(handler); },
        [this](const std::function<void()>& handler) { CallEngine(handler); });
    widgets_->AddFrameButtons(traits_.buttons, [this](FrameButton role) { ButtonClick(role); });

    // Over the bottom line of the input panel, shown only while a box is marked.
    marks_.emplace(InputPanel,
                   QRect(4, traits_.topBandHeight - 19, traits_.inputPanelWidth - 8, 17), host_,
                   *traits_.parameters);
    layout_->UpdateMinimumSize();
}

void SimulatorFrame::MakeGrid() {
    StatisticsGrid = new QTableWidget(traits_.gridRows, 2, TopBand);
    StatisticsGrid->setObjectName("StringGrid1");
    StatisticsGrid->setAccessibleName(tr("Statistics"));
    StatisticsGrid->horizontalHeader()->hide();
    StatisticsGrid->verticalHeader()->hide();
    StatisticsGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Plain Latin figures, repainted after every analysis: no text shaping needed.
    QFont gridFont = GrownFont("DejaVu Sans Mono", 7);
    gridFont.setStyleStrategy(QFont::PreferNoShaping);
    StatisticsGrid->setFont(gridFont);
    StatisticsGrid->setStyleSheet("QTableWidget::item { padding: 0px 1px; }");
    StatisticsGrid->verticalHeader()->setMinimumSectionSize(10);
    StatisticsGrid->verticalHeader()->setDefaultSectionSize(14);
    if (traits_.fixedGridColumns) {
        StatisticsGrid->setColumnWidth(0, 85);
        StatisticsGrid->setColumnWidth(1, 85);
    }
    // Reached by Tab for its menu (the Menu key); Tab then leaves it rather
    // than walking its cells.
    StatisticsGrid->setFocusPolicy(Qt::TabFocus);
    StatisticsGrid->setTabKeyNavigation(false);
    FocusFrame::Attach(StatisticsGrid);
    StatisticsGrid->installEventFilter(this); // Shift+F10 opens its menu
    host_.SetGrid(StatisticsGrid);
    host_.onGridWidened = [this] {
        layout_->UpdateMinimumSize();
        LayoutBands();
    };
    StatisticsGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StatisticsGrid, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QMenu menu(StatisticsGrid);
        connect(menu.addAction(tr("&Copy")), &QAction::triggered, this,
                [this] { Run([this] { CopyGridClick(); }); });
        connect(menu.addAction(tr("Save &Report...")), &QAction::triggered, this,
                [this] { Run([this] { SaveReportClick(); }); });
        Platform::Current().ShowMenu(&menu, StatisticsGrid->viewport()->mapToGlobal(at));
    });
}

bool SimulatorFrame::eventFilter(QObject* watched, QEvent* event) {
    // Qt opens a menu on the Menu key; Shift+F10 is the other key for it.
    if (watched == StatisticsGrid && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            const QPoint centre = StatisticsGrid->rect().center();
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, centre,
                                   StatisticsGrid->mapToGlobal(centre));
            QCoreApplication::sendEvent(StatisticsGrid, &menu);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SimulatorFrame::ButtonClick(FrameButton role) {
    // By FrameButton; Load is virtual and reaches a window's override.
    static constexpr void (SimulatorFrame::*kClicks[])() = {
        &SimulatorFrame::PrintButtonClick, &SimulatorFrame::TutorialButtonClick,
        &SimulatorFrame::HelpButtonClick,  &SimulatorFrame::ExitButtonClick,
        &SimulatorFrame::SaveButtonClick,  &SimulatorFrame::LoadButtonClick,
        &SimulatorFrame::ShowPVButtonClick};
    (this->*kClicks[static_cast<int>(role)])();
}

std::string SimulatorFrame::SettingsFile() const {
    return SettingsFilePath(DataFolder());
}

void SimulatorFrame::AttachEngine(TChart& c1, TChart& c2, TChart& c3, TChart& c4, TChart& c5) {
    TChart* data[5] = {&c1, &c2, &c3, &c4, &c5};
    for (int i = 0; i < 5; ++i) {
        charts_[i] = new ChartView(*data[i], ChartArea);
        charts_[i]->setObjectName(QString("Chart%1").arg(i + 1));
        ChartMenu::Attach(charts_[i], [this] { Run([this] { SaveReportClick(); }); });
        ChartReadOut::Attach(charts_[i]);
    }
    pv_.Attach(charts_[4], traits_.chart5Height);
    // The loop chart has no crank-angle axis: it takes the focus for its menu only.
    ChartKeys::Attach(
        charts_[4], [] { return std::optional<int>(); }, [](int) {});
    connect(charts_[4], &ChartView::clicked, this, [this] { Run([this] { Chart5Click(); }); });
    for (int i = 0; i < 4; ++i) {
        ChartView* chart = charts_[i];
        connect(chart, &ChartView::clickBackground, this,
                [this, chart](Qt::MouseButton, Qt::KeyboardModifiers, int x, int) {
                    // A click computes at its angle: not while a box is marked.
                    if (!CheckFields())
                        return;
                    QRect r = chart->ChartRect();
                    CallEngine(
                        [&] { ChartClickBackground(chart->Chart(), x, r.left(), r.right()); });
                });
        ChartKeys::Attach(
            chart,
            [this]() -> std::optional<int> {
                int angle = 0;
                if (!TryStrToDecimalInt(host_.FieldText(Field::Phase), angle))
                    return std::nullopt;
                return angle;
            },
            [this](int angle) {
                if (CheckFields())
                    CallEngine([&] { ChartAtAngle(angle); });
            });
    }
    QWidget* const panels[] = {InputPanel, PictureLabel, StatisticsGrid, ChartArea};
    SetReadingTabOrder(panels);
    // Asked for by a handler, the picture is drawn at its end (or at the
    // frame's end within a burst): an analysis would draw it at every value
    // of a sweep.
    host_.onRedrawPicture = [this] { pacing_.PictureAsked(); };
}

void SimulatorFrame::DrawPicture() {
    canvas_.Resize(PictureLabel->width(), PictureLabel->height());
    DrawEngine(canvas_);
    PictureLabel->setPixmap(QPixmap::fromImage(canvas_.Image()));
    // The picture in words: the positions at the crank angle, as the first chart has them.
    int angle = 0;
    if (charts_[0] && TryStrToDecimalInt(host_.FieldText(Field::Phase), angle)) {
        // As DescribePicture says it, in the student's language.
        QStringList positions;
        for (const ReadOutLine& line : ReadOutLinesAt(charts_[0]->Chart(), angle))
            positions << CoreText(line.caption) + ": " + QString::fromStdString(line.value);
        QString words = tr("Engine picture.");
        if (!positions.isEmpty())
            words += " " + positions.join(", ") + ".";
        PictureLabel->setAccessibleDescription(words);
    }
}

bool SimulatorFrame::FieldEdited() {
    FollowSliders();
    return CheckFields();
}

QCheckBox* SimulatorFrame::AddHoldBox(int x, int y) {
    HoldCB = ChartHold::AddBox(InputPanel, x, y, this,
                               [this](bool held) { Run([this, held] { HoldClick(held); }); });
    KeepKeys(HoldCB);
    return HoldCB;
}

void SimulatorFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Run([this] { FormShow(); });
}

void SimulatorFrame::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        Run([this] { FormDestroy(); });
}

void SimulatorFrame::FormShow() {
    // Once, before any scaling: the captions are in the language for good.
    if (!ShownOnce())
        FitCaptions(InputPanel);
    if (const double factor = ScaleOnShow(this); factor != 1)
        layout_->Scaled(factor);
    FindSettings(this, SettingsFile());
    const TIniFile ini = TIniFile(SettingsFile()).Snapshot(); // place and parameters alike
    const WindowPlacement::Keys& keys = *traits_.placement;
    const char* const kNone = "\x01";
    const bool placed = ini.ReadString(keys.section, keys.left, kNone) != kNone ||
                        ini.ReadString(keys.section, keys.top, kNone) != kNone;
    ApplyPlacement(this, layout_->Fitted(WindowPlacement::Read(ini, keys, CurrentPlacement(this))));

    ReadIniFile(ini);
    ShowSteps();
    // A window that centres itself does so only until it has a place of its own.
    if (traits_.centreOnShow && !placed) {
        const QRect area = Platform::Current().AvailableArea();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void SimulatorFrame::FormDestroy() {
    // Place and parameters in one replace of the file.
    KeepSettings(this, [this](TIniFile& settings) {
        layout_->Fitted(CurrentPlacement(this)).Write(settings, *traits_.placement);
        traits_.parameters->WriteFrom(host_, settings);
    });
}

void SimulatorFrame::ReadIniFile(const TIniFile& ini) {
    // The sliders only follow the texts read; their handlers would rewrite a
    // text beyond their range with the range's end.
    traits_.parameters->ReadInto(ini, host_);
    FollowSliders();
    CheckFields();
}

void SimulatorFrame::WriteIniFile(const std::string& fileName) {
    TIniFile ini(fileName);
    traits_.parameters->WriteFrom(host_, ini);
}

void SimulatorFrame::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayoutBands();
}

void SimulatorFrame::LayoutBands() {
    layout_->LayoutBands();
    FormResize();
}

void SimulatorFrame::FormResize() {
    if (layout_->LayoutCharts())
        pv_.Place(ChartArea);
}

void SimulatorFrame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        // From any control: those that keep Enter to themselves let it through.
        Run([this] { ExitButtonClick(); });
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Run([this] { EnterAction(); });
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SimulatorFrame::ShowPVButtonClick() {
    FormResize();
    pv_.Toggle(ShowPVButton());
}

void SimulatorFrame::Chart5Click() {
    pv_.SwapSide();
    FormResize();
}

void SimulatorFrame::ExitButtonClick() {
    reject();
}

void SimulatorFrame::HelpButtonClick() {
    HaltAction();
    files_.OpenHelp();
}

void SimulatorFrame::TutorialButtonClick() {
    HaltAction();
    files_.OpenTutorial();
}

void SimulatorFrame::LoadButtonClick() {
    std::string badValues;
    const std::optional<TIniFile> file = files_.ChooseParameterFile(badValues);
    if (!file)
        return;
    ReadIniFile(*file);
    RefreshAfterLoad();
    files_.ReportBadValues(badValues);
}

} // namespace kelvane
