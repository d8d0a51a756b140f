#include "SimulatorFrame.h"

#include "foundations/FileAccess.h"
#include "foundations/MarlUtils.h"
#include "foundations/ParameterFile.h"
#include "foundations/ParameterTable.h"
#include "foundations/SliderMath.h"
#include "foundations/TIniFile.h"
#include "foundations/WindowPlacement.h"
#include "shell/ProcessInfo.h"
#include "widgets/ChartGhosts.h"
#include "widgets/ChartMenu.h"
#include "widgets/ChartReadOut.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"
#include "widgets/WindowLook.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <utility>

#include <unistd.h>

namespace kelvane {

namespace {

// The smallest sizes at which nothing overlaps or is cut: a chart still shows
// its title, axis numbers apart and legend; the picture still shows the engine.
constexpr int kMinimumChartWidth = 360;
constexpr int kMinimumChartHeight = 140;
constexpr int kMinimumPictureWidth = 110;

int Scaled(int v) {
    return static_cast<int>(std::lround(v * 130.0 / 100.0));
}

void ScaleTree(QWidget* w) {
    for (QObject* child : w->children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow())
            continue;
        QRect g = c->geometry();
        c->setGeometry(Scaled(g.x()), Scaled(g.y()), Scaled(g.width()), Scaled(g.height()));
        QFont f = c->font();
        if (f.pointSizeF() > 0) {
            f.setPointSize(static_cast<int>(std::lround(f.pointSizeF() * 130.0 / 100.0)));
            c->setFont(f);
        }
        ScaleTree(c);
    }
}

void LargestEdges(QWidget* w, int& right, int& bottom) {
    for (QObject* child : w->children()) {
        auto* c = qobject_cast<QWidget*>(child);
        if (!c || c->isWindow())
            continue;
        QRect g = c->geometry();
        right = Max(right, g.x() + g.width());
        bottom = Max(bottom, g.y() + g.height());
        LargestEdges(c, right, bottom);
    }
}

} // namespace

SimulatorFrame::SimulatorFrame(const FrameTraits& traits, QWidget* parent)
    : QDialog(parent), traits_(traits), host_(*traits.parameters),
      canvas_(traits.pictureWidth, traits.topBandHeight - 2) {
    setWindowTitle(traits_.caption);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    ApplyWindowLook(this);
    setGeometry(QRect(traits_.designedPlacement, traits_.designSize));

    Panel2 = NamedChild(this, "Panel2");
    Panel1 = NamedChild(Panel2, "Panel1");
    Image1 = NamedChild<QLabel>(Panel2, "Image1");
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    StringGrid1 = new QTableWidget(traits_.gridRows, 2, Panel2);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Plain Latin figures, repainted after every analysis: no text shaping needed.
    QFont gridFont("DejaVu Sans Mono", 7);
    gridFont.setStyleStrategy(QFont::PreferNoShaping);
    StringGrid1->setFont(gridFont);
    StringGrid1->setStyleSheet("QTableWidget::item { padding: 0px 1px; }");
    StringGrid1->verticalHeader()->setMinimumSectionSize(10);
    StringGrid1->verticalHeader()->setDefaultSectionSize(14);
    if (traits_.gridColumns85) {
        StringGrid1->setColumnWidth(0, 85);
        StringGrid1->setColumnWidth(1, 85);
    }
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    host_.SetGrid(StringGrid1);
    host_.onGridWidened = [this] {
        UpdateMinimumSize();
        LayoutBands();
    };
    StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(StringGrid1, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        QMenu menu(StringGrid1);
        connect(menu.addAction("&Copy"), &QAction::triggered, this,
                [this] { Run([this] { CopyGridClick(); }); });
        connect(menu.addAction("Save &Report..."), &QAction::triggered, this,
                [this] { Run([this] { SaveReportClick(); }); });
        Platform::Current().ShowMenu(&menu, StringGrid1->viewport()->mapToGlobal(at));
    });

    Panel3 = NamedChild(this, "Panel3");
    Panel4 = NamedChild(Panel3, "Panel4");
    Panel4->hide(); // the notice panel is never shown
    SplashTimer = new QTimer(this);
    SplashTimer->setInterval(5000);
    connect(SplashTimer, &QTimer::timeout, this, [this] {
        SplashTimer->stop();
        Panel4->hide();
    });

    dpi = Platform::Current().ScreenDpi();
    beenScaled = false;
    host_.onProcessEvents = [this] {
        if (handlerDepth_ > 0)
            SyncWithinFrame();
        else
            SyncCharts();
    };
    AddButtons();

    // Over the bottom line of the input panel, shown only while a box is marked.
    problemLine_ = new QLabel(Panel1);
    problemLine_->setObjectName("ProblemLine");
    problemLine_->setGeometry(4, traits_.topBandHeight - 19, traits_.inputPanelWidth - 8, 17);
    problemLine_->setAutoFillBackground(true);
    problemLine_->setStyleSheet("QLabel { color: #b00000; background-color: #fff0f0; }");
    problemLine_->hide();
    UpdateMinimumSize();
}

namespace {
std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}
} // namespace

void SimulatorFrame::SetProgramFolderForTests(const std::string& folder) {
    ProgramFolderOverride() = folder;
}

std::string SimulatorFrame::ProgramFolder() {
    if (!ProgramFolderOverride().empty())
        return ProgramFolderOverride();
    return kelvane::ProgramFolder();
}

std::string SimulatorFrame::DataFolderFor(const std::string& programFolder,
                                          const std::string& configFolder) {
    if (::access(programFolder.c_str(), W_OK) == 0)
        return programFolder;
    if (QDir().mkpath(QString::fromStdString(configFolder)) &&
        ::access(configFolder.c_str(), W_OK) == 0)
        return configFolder;
    return programFolder;
}

std::string SimulatorFrame::DataFolder() {
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return DataFolderFor(ProgramFolder(), QDir::toNativeSeparators(config).toStdString() + "/");
}

std::string SimulatorFrame::SettingsFile() const {
    return SettingsFilePath(DataFolder());
}

void SimulatorFrame::AttachEngine(TChart& c1, TChart& c2, TChart& c3, TChart& c4, TChart& c5) {
    TChart* data[5] = {&c1, &c2, &c3, &c4, &c5};
    for (int i = 0; i < 5; ++i) {
        charts_[i] = new ChartView(*data[i], Panel3);
        charts_[i]->setObjectName(QString("Chart%1").arg(i + 1));
        ChartMenu::Attach(charts_[i], [this] { Run([this] { SaveReportClick(); }); });
        ChartReadOut::Attach(charts_[i]);
    }
    charts_[4]->setGeometry(0, 0, 400, traits_.chart5Height);
    charts_[4]->hide();
    data[4]->Visible = false;
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
    }
    Panel4->raise();
    // Asked for by a handler, the picture is drawn at its end (or at the
    // frame's end within a burst): an analysis would draw it at every value
    // of a sweep.
    host_.onRedrawPicture = [this] {
        if (handlerDepth_ > 0)
            pictureWaiting_ = true;
        else
            RedrawPicture();
    };
}

void SimulatorFrame::DrawWaitingPicture() {
    if (std::exchange(pictureWaiting_, false))
        RedrawPicture();
}

void SimulatorFrame::RedrawPicture() {
    pictureWaiting_ = false;
    canvas_.Resize(Image1->width(), Image1->height());
    DrawEngine(canvas_);
    Image1->setPixmap(QPixmap::fromImage(canvas_.Image()));
}

void SimulatorFrame::AddButtons() {
    // By FrameButton; Load is virtual and reaches a window's override.
    static constexpr void (SimulatorFrame::*kClicks[])() = {
        &SimulatorFrame::PrintButtonClick, &SimulatorFrame::TutorialButtonClick,
        &SimulatorFrame::HelpButtonClick,  &SimulatorFrame::ExitButtonClick,
        &SimulatorFrame::SaveButtonClick,  &SimulatorFrame::LoadButtonClick,
        &SimulatorFrame::ShowPVButtonClick};
    for (const FrameButtonPlace& place : traits_.buttons) {
        const auto role = static_cast<int>(place.role);
        auto click = kClicks[role];
        QPushButton* b = AddButton(
            place.caption, place.x, place.y, place.width, [this, click] { (this->*click)(); },
            !place.keepsKeys);
        if (place.name)
            b->setObjectName(place.name);
        if (place.toolTip)
            b->setToolTip(place.toolTip);
        buttons_[role] = b;
    }
}

QPushButton* SimulatorFrame::AddButton(const QString& caption, int x, int y, int width,
                                       const std::function<void()>& handler, bool passesKeys) {
    auto* b = new QPushButton(caption, Panel1);
    b->setGeometry(x, y, width, 25);
    b->setAutoDefault(false);
    b->setDefault(false);
    connect(b, &QPushButton::clicked, this, [this, handler] { Run(handler); });
    if (!passesKeys)
        KeepKeys(b);
    else
        b->installEventFilter(this); // for Enter, which presses it
    return b;
}

QLineEdit* SimulatorFrame::AddField(Field field, int x, int y, const QString& text,
                                    bool passesKeys) {
    auto* e = new QLineEdit(text, Panel1);
    e->setObjectName(traits_.parameters->RowOf(field).control);
    e->setGeometry(x, y, 41, 21);
    host_.AddField(field, e);
    if (!passesKeys)
        KeepKeys(e);
    return e;
}

std::vector<QLineEdit*> SimulatorFrame::AddFields(std::span<const FieldPlace> places) {
    std::vector<QLineEdit*> edits;
    for (const FieldPlace& place : places) {
        QLineEdit* edit = AddField(place.field, place.x, place.y, place.text);
        edit->resize(place.width, edit->height());
        if (!edits.empty())
            setTabOrder(edits.back(), edit);
        edits.push_back(edit);
    }
    return edits;
}

QLabel* SimulatorFrame::AddLabel(const QString& caption, int x, int y, QWidget* parent) {
    auto* l = new QLabel(caption, parent ? parent : Panel1);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QWidget* SimulatorFrame::AddBevel(int x, int y, int width, int height) {
    auto* f = new QFrame(Panel1);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(x, y, width, height);
    f->lower();
    return f;
}

QLabel* SimulatorFrame::AddSwatch(const char* name, QColor colour, int x, int y, int width,
                                  int height) {
    auto* l = new QLabel(Panel1);
    l->setObjectName(name);
    l->setGeometry(x, y, width, height);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colour);
    l->setPalette(p);
    return l;
}

QSlider* SimulatorFrame::AddHotTempSlider(const std::function<void(int)>& onChange) {
    auto* slider = new QSlider(Qt::Horizontal, Panel1);
    slider->setObjectName("HotTempTB");
    slider->setGeometry(8, 25, 137, 24);
    slider->setRange(0, 1000);
    slider->setTickInterval(100);
    slider->setTickPosition(QSlider::TicksAbove);
    slider->setValue(1000);
    connect(slider, &QSlider::valueChanged, this,
            [this, onChange](int position) { CallEngine([&] { onChange(position); }); });
    HotTempTB = slider;
    return slider;
}

QSlider* SimulatorFrame::AddPhaseOffsetSlider(int x, int y,
                                              const std::function<void(int)>& onChange) {
    auto* slider = new QSlider(Qt::Horizontal, Panel1);
    slider->setObjectName("PhaseOffsetTB");
    slider->setGeometry(x, y, 150, 25);
    slider->setRange(-175, 175);
    slider->setTickInterval(45);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setValue(0);
    KeepKeys(slider);
    connect(slider, &QSlider::valueChanged, this,
            [this, onChange](int position) { CallEngine([&] { onChange(position); }); });
    PhaseOffsetTB = slider;
    return slider;
}

bool SimulatorFrame::Marked(Field field) const {
    for (const FieldProblem& p : problems_) {
        if (p.field == field)
            return true;
    }
    return false;
}

void SimulatorFrame::MarkBox(QLineEdit* edit, const FieldProblem* problem) {
    const bool marked = problem != nullptr;
    if (edit->property("kelvaneMarked").toBool() == marked) {
        if (marked && edit->toolTip() != QString::fromStdString(problem->message))
            edit->setToolTip(QString::fromStdString(problem->message));
        return;
    }
    // A style sheet change polishes the box anew, which would drop the
    // window's smaller font.
    const QFont font = edit->font();
    if (marked) {
        // The box's own look (the yellow sweep boxes) comes back when it is unmarked.
        edit->setProperty("kelvaneStyle", edit->styleSheet());
        edit->setStyleSheet("QLineEdit { border: 2px solid #d00000; background-color: #ffd8d8; }");
        edit->setToolTip(QString::fromStdString(problem->message));
    } else {
        edit->setStyleSheet(edit->property("kelvaneStyle").toString());
        edit->setToolTip({});
    }
    edit->setFont(font);
    edit->setProperty("kelvaneMarked", marked);
}

bool SimulatorFrame::CheckFields() {
    std::vector<FieldProblem> problems = traits_.parameters->Check(host_);
    const bool same = problems.size() == problems_.size() &&
                      std::equal(problems.begin(), problems.end(), problems_.begin(),
                                 [](const FieldProblem& a, const FieldProblem& b) {
                                     return a.field == b.field && a.message == b.message;
                                 });
    if (!same) {
        problems_ = std::move(problems);
        for (const FieldRow& row : traits_.parameters->fields()) {
            if (row.IsCheckBox())
                continue;
            const FieldProblem* problem = nullptr;
            for (const FieldProblem& p : problems_) {
                if (p.field == row.id && !problem)
                    problem = &p;
            }
            MarkBox(host_.Edit(row.id), problem);
        }
        if (problems_.empty()) {
            problemLine_->hide();
        } else {
            QString line = QString::fromStdString(problems_.front().message);
            QStringList all;
            for (const FieldProblem& p : problems_)
                all << QString::fromStdString(p.message);
            if (problems_.size() > 1)
                line += QString(" (and %1 more)").arg(problems_.size() - 1);
            problemLine_->setText(line);
            problemLine_->setToolTip(all.join('\n'));
            problemLine_->show();
            problemLine_->raise();
        }
    }
    if (!problems_.empty())
        heldBack_ = true;
    return problems_.empty();
}

bool SimulatorFrame::FieldEdited() {
    FollowSliders();
    return CheckFields();
}

bool SimulatorFrame::ReadyToCalculate() {
    if (CheckFields())
        return true;
    host_.Edit(problems_.front().field)->setFocus();
    return false;
}

bool SimulatorFrame::TakeHeldBack() {
    return std::exchange(heldBack_, false);
}

void SimulatorFrame::FollowSliders() {
    auto follow = [this](QSlider* slider, Field field, auto toPosition) {
        if (!slider || !traits_.parameters->Find(field))
            return;
        int value = 0;
        if (!TryStrToInt(host_.FieldText(field), value))
            return;
        const int position = toPosition(value);
        if (position < slider->minimum() || position > slider->maximum())
            return;
        QSignalBlocker quiet(slider);
        slider->setValue(position);
    };
    follow(HotTempTB, Field::HotTemp, [](int t) { return HotTempSliderPosition(t); });
    follow(PhaseOffsetTB, Field::PhaseOffset, [](int offset) { return offset; });
}

void SimulatorFrame::SetTabOrder(std::span<QWidget* const> controls) {
    for (std::size_t i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
}

void SimulatorFrame::SetSpeedWindowTabOrder(QWidget* fast, QWidget* medium, QWidget* slow,
                                            QWidget* stop, QWidget* calc) {
    QWidget* const order[] = {HotTempTB,
                              PhaseOffsetTB,
                              Button(FrameButton::Print),
                              Button(FrameButton::Tutor),
                              Button(FrameButton::Help),
                              Button(FrameButton::Exit),
                              fast,
                              medium,
                              slow,
                              stop,
                              Button(FrameButton::Save),
                              Button(FrameButton::Load),
                              calc,
                              ShowPVButton()};
    SetTabOrder(order);
}

QLabel* SimulatorFrame::AddVolumeLabel(int x, int y, int minimumWidth) {
    QLabel* label = AddLabel("lDebug", x, y);
    label->setObjectName("lDebug");
    label->setMinimumWidth(minimumWidth);
    host_.SetVolumeLabel(label);
    return label;
}

void SimulatorFrame::KeepKeys(QWidget* control) {
    control->setProperty("kelvaneKeepsKeys", true);
    control->installEventFilter(this);
}

bool SimulatorFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter on a button presses it, as Space does, and nothing else.
            if (auto* button = qobject_cast<QPushButton*>(watched)) {
                button->animateClick();
                return true;
            }
            if (watched->property("kelvaneKeepsKeys").toBool())
                return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool SimulatorFrame::ScaleAndFit(QWidget* window, int dpi, bool& beenScaled) {
    QSize screen = Platform::Current().ScreenSize();
    if (beenScaled || dpi == 96 || screen.width() < 800)
        return false;
    QSize client = window->size();
    ScaleTree(window);
    window->resize(Scaled(client.width()), Scaled(client.height()));
    beenScaled = true;
    int right = 0, bottom = 0;
    LargestEdges(window, right, bottom);
    window->resize(window->width(), bottom);
    window->resize(right + 12, bottom);
    return true;
}

// Placements are of the client area: frame sizes differ between desktops, and
// storing the frame while restoring the client would creep at every run.
WindowPlacement SimulatorFrame::CurrentPlacement(const QWidget* window) {
    QRect g = window->geometry();
    return {g.x(), g.y(), g.width(), g.height()};
}

void SimulatorFrame::ApplyPlacement(QWidget* window, const WindowPlacement& p) {
    window->setGeometry(p.left, p.top, p.width, p.height);
}

bool SimulatorFrame::SettingsReadable(QWidget* window, const std::string& settingsFile) {
    FileContents settings = ReadRegularFile(settingsFile);
    if (settings.Ok() || settings.status == ReadStatus::Missing)
        return true;
    // The launcher and each window read the same file: one message is enough.
    static std::set<std::string> reported;
    if (reported.insert(settingsFile).second)
        Platform::Current().ShowMessage(
            window, QString::fromStdString("The settings file \"" + settingsFile +
                                           "\" cannot be read: " + settings.problem +
                                           ".\nKelvane starts with its default settings and "
                                           "leaves that file as it is."));
    return false;
}

void SimulatorFrame::RunAppByDocument(const QString& fileName) {
    Platform::Current().OpenDocument(fileName);
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
    shownOnce_ = true;
    if (ScaleAndFit(this, dpi, beenScaled)) {
        scale_ = 1.3;
        UpdateMinimumSize();
        LayoutBands();
        StringGrid1->verticalHeader()->setDefaultSectionSize((StringGrid1->height() + 12) / 13);
    }
    appPath = ProgramFolder();

    settingsReadable_ = SettingsReadable(this, SettingsFile());
    const TIniFile ini = TIniFile(SettingsFile()).Snapshot(); // place and parameters alike
    const WindowPlacement::Keys& keys = *traits_.placement;
    const char* const kNone = "\x01";
    const bool placed = ini.ReadString(keys.section, keys.left, kNone) != kNone ||
                        ini.ReadString(keys.section, keys.top, kNone) != kNone;
    ApplyPlacement(this, Fitted(WindowPlacement::Read(ini, keys, CurrentPlacement(this))));

    ReadIniFile(ini);
    ShowSteps();
    // A window that centres itself does so only until it has a place of its own.
    if (traits_.centreOnShow && !placed) {
        const QRect area = Platform::Current().AvailableArea();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

WindowPlacement SimulatorFrame::Fitted(const WindowPlacement& placement) const {
    const QSize room = RoomOnScreen(this);
    return placement.Clamped(minimumWidth(), minimumHeight(), room.width(), room.height());
}

int SimulatorFrame::GridWidth() const {
    return StringGrid1->columnWidth(0) + StringGrid1->columnWidth(1) +
           2 * StringGrid1->frameWidth();
}

void SimulatorFrame::UpdateMinimumSize() {
    const auto scaled = [this](int v) { return static_cast<int>(std::lround(v * scale_)); };
    const int band = scaled(traits_.inputPanelWidth) + scaled(kMinimumPictureWidth) + GridWidth();
    setMinimumSize(std::max(band, 2 * scaled(kMinimumChartWidth)),
                   scaled(traits_.topBandHeight) + 2 * scaled(kMinimumChartHeight));
}

void SimulatorFrame::FormDestroy() {
    if (!shownOnce_ || !settingsReadable_)
        return;
    // Place and parameters in one replace of the file.
    TIniFile ini(SettingsFile());
    ini.Update([this](TIniFile& settings) {
        Fitted(CurrentPlacement(this)).Write(settings, *traits_.placement);
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
    int w = width(), h = height();
    int band = static_cast<int>(std::lround(traits_.topBandHeight * scale_));
    int inputWidth = static_cast<int>(std::lround(traits_.inputPanelWidth * scale_));
    // The picture gives way to the grid down to its minimum width; the grid
    // takes what a wider window adds.
    const int pictureWidth =
        std::clamp(w - inputWidth - GridWidth(), static_cast<int>(kMinimumPictureWidth * scale_),
                   static_cast<int>(std::lround(traits_.pictureWidth * scale_)));
    Panel2->setGeometry(0, 0, w, band);
    Panel1->setGeometry(0, 0, inputWidth, band);
    const QSize pictureBefore = Image1->size();
    Image1->setGeometry(inputWidth, 1, pictureWidth, std::max(band - 2, 1));
    if (Image1->size() != pictureBefore && charts_[0])
        RedrawPicture();
    StringGrid1->setGeometry(inputWidth + pictureWidth, 0,
                             std::max(w - inputWidth - pictureWidth, 0), band);
    Panel3->setGeometry(0, band, w, std::max(h - band, 0));
    Panel4->setGeometry(0, 0, Panel3->width(), Panel3->height());
    FormResize();
}

void SimulatorFrame::FormResize() {
    if (!charts_[0])
        return;
    int w = Panel3->width() / 2, h = Panel3->height() / 2;
    charts_[0]->setGeometry(0, 0, w, h);
    charts_[1]->setGeometry(w, 0, w, h);
    charts_[2]->setGeometry(0, h, w, h);
    charts_[3]->setGeometry(w, h, w, h);
    // The pressure-volume panel covers the top left or top right chart exactly.
    charts_[4]->setGeometry(pvOnRight_ ? Panel3->width() - w : 0, 0, w, h);
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
    QPushButton* button = ShowPVButton();
    ChartView* c5 = charts_[4];
    FormResize();
    // Alt+V shows and hides it alike.
    if (button->text() == "Show P&V") {
        button->setText("Hide P&V");
        c5->Chart().Visible = true;
        c5->show();
        c5->raise();
    } else {
        button->setText("Show P&V");
        c5->Chart().Visible = false;
        c5->hide();
    }
}

void SimulatorFrame::Chart5Click() {
    pvOnRight_ = !pvOnRight_;
    FormResize();
}

void SimulatorFrame::PrintButtonClick() {
    Platform::Current().PrintImage(this, grab().toImage());
}

void SimulatorFrame::ExitButtonClick() {
    reject();
}

void SimulatorFrame::HelpButtonClick() {
    HaltAction();
    RunAppByDocument(QString::fromStdString(appPath) + traits_.helpDocument);
}

void SimulatorFrame::TutorialButtonClick() {
    HaltAction();
    RunAppByDocument(QString::fromStdString(appPath) + traits_.tutorDocument);
}

void SimulatorFrame::SaveButtonClick() {
    QString file = Platform::Current().SaveFileName(this, QString::fromStdString(appPath));
    if (!file.isEmpty())
        WriteIniFile(file.toStdString());
}

void SimulatorFrame::SaveReportClick() {
    SaveReport(this, [this] { return Report(); });
}

void SimulatorFrame::CopyGridClick() {
    Platform::Current().SetClipboardText(TabSeparated(GridRows(Grid())));
}

ReportRows SimulatorFrame::ParameterRows() {
    ReportRows rows;
    for (const FieldRow& row : traits_.parameters->fields()) {
        if (row.IsCheckBox()) {
            const QCheckBox* box = host_.CheckBox(row.id);
            // The caption as read, without its Alt-letter mark.
            rows.emplace_back(QString(box->text()).remove('&'), box->isChecked() ? "on" : "off");
            continue;
        }
        QString value = QString::fromStdString(host_.FieldText(row.id));
        if (row.unit[0] != '\0')
            value += QString(" ") + row.unit;
        rows.emplace_back(row.label, value);
    }
    return rows;
}

ReportPage SimulatorFrame::Report() {
    ReportPage page;
    page.title = windowTitle();
    page.date = ReportDate();
    page.parameters = ParameterRows();
    page.grid = GridRows(Grid());
    page.picture = Picture()->pixmap().toImage();
    for (ChartView* chart : charts_) {
        if (chart && chart->isVisibleTo(this))
            page.charts.push_back(chart);
    }
    return page;
}

QCheckBox* SimulatorFrame::AddHoldBox(int x, int y) {
    HoldCB = new QCheckBox("Hol&d", Panel1);
    HoldCB->setObjectName("HoldCB");
    HoldCB->setToolTip("Keep the curves as they are now on every chart, faint and dashed, "
                       "to compare a change with them");
    HoldCB->move(x, y);
    HoldCB->adjustSize();
    KeepKeys(HoldCB);
    connect(HoldCB, &QCheckBox::toggled, this,
            [this](bool held) { Run([this, held] { HoldClick(held); }); });
    return HoldCB;
}

void SimulatorFrame::HoldClick(bool held) {
    for (ChartView* chart : charts_) {
        if (held)
            ChartGhosts::Hold(chart);
        else
            ChartGhosts::Release(chart);
    }
}

void SimulatorFrame::LoadButtonClick() {
    QString file = Platform::Current().OpenFileName(this, QString::fromStdString(appPath));
    if (file.isEmpty())
        return;
    // One read of the file serves the check and the load: one version of it.
    const FileContents contents = ReadRegularFile(file.toStdString());
    const TIniFile par(file.toStdString(), contents.bytes);
    std::string refusal, badValues;
    if (!CheckParameterFile(par, contents, refusal, badValues)) {
        Platform::Current().ShowMessage(this, QString::fromStdString(refusal));
        return;
    }
    ReadIniFile(par);
    RefreshAfterLoad();
    if (!badValues.empty())
        Platform::Current().ShowMessage(this, QString::fromStdString(badValues));
}

bool SimulatorFrame::CheckParameterFile(const TIniFile& file, const FileContents& contents,
                                        std::string& refusal, std::string& badValues) const {
    const std::string named = "\"" + file.FileName() + "\"";
    if (!contents.Ok()) {
        refusal =
            "The file " + named + " cannot be read: " + contents.problem + ".\nNothing was loaded.";
        return false;
    }
    // A file with none of this window's keys (another engine's file, or no
    // parameter file at all) would only reset every box to its default.
    const std::vector<ParameterTable::StoredText> stored = traits_.parameters->StoredTexts(file);
    for (const ParameterTable::StoredText& s : stored) {
        if (s.problem)
            badValues += "\n[" + std::string(s.row->section) + "] " + s.row->key + " = \"" +
                         s.text + "\": " + s.problem->message;
    }
    if (stored.empty()) {
        refusal = "The file " + named + " is not a parameter file of the " +
                  traits_.caption.toStdString() + ": it holds none of its settings.\n" +
                  "Nothing was loaded.";
        return false;
    }
    if (!badValues.empty())
        badValues = "The file " + named + " holds values that cannot be used; their boxes " +
                    "are marked:" + badValues;
    return true;
}

void SimulatorFrame::ShowTexts() {
    textPacer_.Done();
    host_.ShowGrid();
    DrawWaitingPicture();
}

void SimulatorFrame::SyncCharts() {
    ShowTexts();
    for (ChartView* c : charts_) {
        if (c)
            c->Sync();
    }
}

void SimulatorFrame::SyncWithinFrame() {
    burst_ = true;
    if (textPacer_.Due())
        ShowTexts();
    else
        textPacer_.Defer();
    for (ChartView* c : charts_) {
        if (c)
            c->SyncWithinFrame();
    }
}

void SimulatorFrame::Run(const std::function<void()>& handler) {
    ++handlerDepth_;
    RunGuarded(handler);
    --handlerDepth_;
    if (handlerDepth_ > 0) {
        SyncWithinFrame();
        return;
    }
    SyncCharts();
    if (std::exchange(burst_, false)) {
        // The end of a burst (a sweep) is drawn now, in this window and the
        // windows it owns (the net-work graph), not at its frame's end.
        for (ChartView* chart : findChildren<ChartView*>())
            chart->ReplotWithoutWaiting();
    }
}

} // namespace kelvane
