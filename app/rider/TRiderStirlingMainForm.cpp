#include "TRiderStirlingMainForm.h"

#include "UpDownControl.h"
#include "catalog/EngineCatalog.h"
#include "foundations/ParameterTable.h"
#include "foundations/TIniFile.h"
#include "rider/RiderSweep.h"
#include "widgets/HandlerGuard.h"
#include "widgets/WindowLook.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

namespace kelvane {

namespace {

// Enter on a button presses it and nothing else; Escape closes from anywhere.
const char* const kPrintTip =
    QT_TRANSLATE_NOOP("SimulatorFrame", "Print the current window contents");
const char* const kDocumentTip =
    QT_TRANSLATE_NOOP("SimulatorFrame", "Documentation (such as it is)");
constexpr FrameButtonPlace kButtons[] = {
    {FrameButton::Print, QT_TRANSLATE_NOOP("SimulatorFrame", "&Print"), nullptr, 262, 8, 30,
     kPrintTip, true},
    {FrameButton::Tutor, QT_TRANSLATE_NOOP("SimulatorFrame", "T&utor"), nullptr, 298, 8, 30,
     kDocumentTip, true},
    {FrameButton::Help, QT_TRANSLATE_NOOP("SimulatorFrame", "&Help"), nullptr, 335, 8, 30,
     kDocumentTip, true},
    {FrameButton::Exit, QT_TRANSLATE_NOOP("SimulatorFrame", "E&xit"), nullptr, 371, 8, 30, nullptr,
     true},
    {FrameButton::Save, QT_TRANSLATE_NOOP("SimulatorFrame", "&Save"), nullptr, 236, 120, 40,
     nullptr, true},
    {FrameButton::Load, QT_TRANSLATE_NOOP("SimulatorFrame", "&Load"), nullptr, 279, 120, 35,
     nullptr, true},
    {FrameButton::ShowPV, QT_TRANSLATE_NOOP("SimulatorFrame", "Show P&V"), nullptr, 363, 120, 51,
     nullptr, true},
};

FrameTraits RiderTraits() {
    const EngineEntry& e = RiderEntry();
    FrameTraits t(QString::fromStdString(e.caption), QString::fromStdString(e.documents),
                  QPoint(0, 123), e.placement, e.fields(), kButtons);
    t.designSize = QSize(836, 555);
    t.topBandHeight = 169;
    t.inputPanelWidth = 416;
    t.fixedGridColumns = false;
    t.centreOnShow = true;
    return t;
}

// The grid's designed column widths: the longest label, then the longest value.
constexpr int kLabelColumnWidth = 82;
constexpr int kValueColumnWidth = 78;
constexpr int kGridRowHeight = 17;

QLabel* Heading(QWidget* parent, const char* name, const QString& caption, QColor colour, int x,
                int y) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    const double grown = FontGrowth();
    QFont f = GrownFont("DejaVu Sans", 14);
    f.setBold(true);
    // A longer word than "Hot" or "Cold" shrinks to stay over its own column.
    const int columnWidth = static_cast<int>(62 * grown);
    while (f.pointSizeF() > 8 * grown && QFontMetrics(f).horizontalAdvance(caption) > columnWidth)
        f.setPointSizeF(f.pointSizeF() - grown);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, LegibleText(colour, parent));
    l->setPalette(p);
    l->move(x, y);
    l->adjustSize();
    l->resize(l->width(), 23);
    return l;
}

} // namespace

TRiderStirlingMainForm::TRiderStirlingMainForm(QWidget* parent)
    : CrankWindow(RiderTraits(), parent) {
    setObjectName("TRiderStirlingMainForm");
    StatisticsGrid->setColumnWidth(0, kLabelColumnWidth);
    StatisticsGrid->setColumnWidth(1, kValueColumnWidth);
    StatisticsGrid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    BuildInputPanel();
    AttachEngineCharts();

    // One shot; the engine says when it was newly armed, so presses while it
    // is pending do not push the recalculation further away.
    GraphTimer = new QTimer(this);
    GraphTimer->setObjectName("GraphTimer");
    GraphTimer->setSingleShot(true);
    GraphTimer->setInterval(RiderEngine::GraphTimerInterval);
    connect(GraphTimer, &QTimer::timeout, this, &TRiderStirlingMainForm::GraphTimerTimer);
    engine_.onGraphTimerArmed = [this] { GraphTimer->start(); };
}

void TRiderStirlingMainForm::BuildInputPanel() {
    AddSwatch("Image2", Qt::red, 8, 39, 41, 41);
    AddSwatch("Image3", Qt::blue, 8, 107, 41, 41);

    struct FieldWithUpDown {
        Field field;
        const char* upDown;
        int x, y;
        const char* text;
    };
    const FieldWithUpDown fields[] = {{Field::HotTemp, "UpDown7", 128, 40, "0"},
                                      {Field::ColdTemp, "UpDown8", 192, 40, "0"},
                                      {Field::HotStrokeMin, "UpDown1", 128, 64, "5"},
                                      {Field::HotStrokeMax, "UpDown2", 128, 88, "0"},
                                      {Field::ColdStrokeMin, "UpDown3", 192, 64, "5"},
                                      {Field::ColdStrokeMax, "UpDown4", 192, 88, "0"},
                                      {Field::Phase, "UpDown6", 328, 40, "0"},
                                      {Field::PhaseOffset, "UpDown5", 328, 64, "0"}};
    std::vector<QLineEdit*> edits;
    for (const FieldWithUpDown& f : fields) {
        // Values change only through the up-downs and track bars.
        QLineEdit* edit = AddField(f.field, f.x, f.y, f.text);
        edit->setReadOnly(true);
        edits.push_back(edit);
        AddUpDown(f.upDown, f.field, f.x + 41, f.y)->StepWithKeysOf(edit);
    }
    // Only texts the engine can use reach it.
    BindFieldEdits(edits);
    SweepOnDoubleClick(RiderSweep::kSweptFields);

    Heading(InputPanel, "Label1", tr("Hot"), Qt::red, 128, 8);
    Heading(InputPanel, "Label2", tr("Cold"), Qt::blue, 192, 8);
    QLabel* label7 = AddLabel(tr("Hot\nTemp"), 14, 8);
    label7->setObjectName("Label7");
    label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label7->setGeometry(14, 8, 27, 26);
    AddLabel(tr("Temp (F)"), 68, 40)->setObjectName("Label10");
    AddLabel(tr("Stroke Min"), 59, 64)->setObjectName("Label3");
    AddLabel(tr("Stroke Max"), 56, 88)->setObjectName("Label4");
    AddLabel(tr("Phase"), 272, 45)->setObjectName("Label11");
    AddLabel(tr("Phase Offset"), 256, 72)->setObjectName("Label5");
    AddLabel("\u00A9 Kelvane", 54, 152)->setObjectName("Label6");
    AddHoldBox(236, 150);

    // The track bar covers the left of the colour squares, leaving a strip beside each end.
    HotTempTB = new QSlider(Qt::Vertical, InputPanel);
    HotTempTB->setObjectName("HotTempTB");
    HotTempTB->setGeometry(8, 32, 24, 126);
    HotTempTB->setRange(engine_.HotTempTB.Min, engine_.HotTempTB.Max);
    HotTempTB->setInvertedAppearance(true); // the minimum at the top
    HotTempTB->setTickInterval(100);
    HotTempTB->setTickPosition(QSlider::TicksLeft);
    HotTempTB->setValue(engine_.HotTempTB.Position);
    HotTempTB->setAutoFillBackground(true);
    HotTempTB->raise();
    KeepKeys(HotTempTB);
    connect(HotTempTB, &QSlider::valueChanged, this, [this](int position) {
        CallEngine([&] { engine_.Slide(TrackBar::HotTempTB, position); });
    });

    AddPhaseOffsetSlider(
        256, 88, [this](int position) { engine_.Slide(TrackBar::PhaseOffsetTB, position); });
    // Slider and up-down share one range.
    RangeSliders();

    // No button passes its keys on (see kButtons).
    AddSpeedButtons({{60, 120, 32}, {96, 120, 46}, {146, 120, 32}, {182, 120, 42}, {325, 120, 32}},
                    false);
    CalcButton->setToolTip(tr("Re-compute all of the graphs"));
    LoadButton = Button(FrameButton::Load);
}

UpDownControl* TRiderStirlingMainForm::AddUpDown(const char* name, Field field, int x, int y) {
    auto* upDown = new UpDownControl(name, InputPanel);
    upDown->setGeometry(x, y, 15, 21);
    upDown->setAccessibleName(
        FrameWidgets::SpokenName(Traits().parameters->RowOf(field), FieldControl::UpDown));
    KeepKeys(upDown);
    connect(upDown, &UpDownControl::stepRequested, this,
            [this, field](bool up) { CallEngine([&] { engine_.UpDownClick(field, up); }); });
    upDowns_.emplace_back(field, upDown);
    return upDown;
}

UpDownControl* TRiderStirlingMainForm::UpDown(Field field) const {
    for (auto [box, upDown] : upDowns_) {
        if (box == field)
            return upDown;
    }
    return nullptr;
}

void TRiderStirlingMainForm::GraphTimerTimer() {
    GraphTimer->stop();
    CallEngine([this] {
        if (CheckFields())
            engine_.GraphTimerTimer();
        else
            engine_.graphTimerArmed = false;
    });
}

void TRiderStirlingMainForm::ReadIniFile(const TIniFile& ini) {
    // The engine's own follow-up replaces the table's: it brings the strokes
    // into range before the track bars move, since a track-bar handler may
    // analyse at once. The sliders then show the engine's positions without
    // running their handlers a second time, even when the follow-up fails.
    Traits().parameters->ReadInto(ini, Host());
    engine_.ParametersLoaded();
    SyncTrackBars();
    CheckFields();
}

void TRiderStirlingMainForm::FollowSliders() {
    engine_.FollowBoxes();
    SyncTrackBars();
}

void TRiderStirlingMainForm::SyncTrackBars() {
    QSignalBlocker hot(HotTempTB);
    QSignalBlocker offset(PhaseOffsetTB);
    HotTempTB->setValue(engine_.HotTempTB.Position);
    PhaseOffsetTB->setValue(engine_.PhaseOffsetTB.Position);
}

} // namespace kelvane
