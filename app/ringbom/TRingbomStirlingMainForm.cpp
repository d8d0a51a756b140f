#include "TRingbomStirlingMainForm.h"

#include "catalog/EngineCatalog.h"
#include "crash/TErrorReport.h"
#include "foundations/ParameterTable.h"
#include "widgets/CaptionFit.h"
#include "widgets/FocusFrame.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace kelvane {

namespace {

constexpr FrameButtonPlace kButtons[] = {
    {FrameButton::Print, QT_TRANSLATE_NOOP("SimulatorFrame", "Pri&nt"), "PrintButton", 364, 9, 30},
    {FrameButton::Tutor, QT_TRANSLATE_NOOP("SimulatorFrame", "&Tutor"), "TutorialButton", 364, 37,
     30},
    {FrameButton::Help, QT_TRANSLATE_NOOP("SimulatorFrame", "&Help"), "HelpButton", 364, 66, 30},
    {FrameButton::Exit, QT_TRANSLATE_NOOP("SimulatorFrame", "E&xit"), "ExitButton", 364, 94, 30},
    {FrameButton::Save, QT_TRANSLATE_NOOP("SimulatorFrame", "&Save"), "SaveButton", 258, 140, 34,
     QT_TRANSLATE_NOOP("SimulatorFrame", "Save current set of parameters")},
    {FrameButton::Load, QT_TRANSLATE_NOOP("SimulatorFrame", "&Load"), "LoadButton", 295, 140, 34,
     QT_TRANSLATE_NOOP("SimulatorFrame", "Load parameters from disk")},
    {FrameButton::ShowPV, QT_TRANSLATE_NOOP("SimulatorFrame", "Show P&V"), "ShowPVButton", 345, 140,
     57, nullptr, true},
};

FrameTraits RingbomTraits() {
    // The default design size is wide enough for the charts' legends; the input
    // panel keeps room for the volume read-out, which starts near its right edge.
    const EngineEntry& e = RingbomEntry();
    FrameTraits t(QString::fromStdString(e.caption), QString::fromStdString(e.documents),
                  QPoint(224, 120), e.placement, e.fields(), kButtons);
    t.chart5Height = 137;
    t.inputPanelWidth = 448;
    return t;
}

constexpr Field kDimensionFields[] = {Field::DispCylHeight,  Field::DispCylDiameter,
                                      Field::DispHeight,     Field::DPistonDiameter,
                                      Field::PistonDiameter, Field::PistonThrow};

} // namespace

TRingbomStirlingMainForm::TRingbomStirlingMainForm(QWidget* parent)
    : EngineWindow(RingbomTraits(), parent) {
    // Errors from here on, until the launcher is shown, go to this log.
    if (TErrorReport* report = TErrorReport::Instance()) {
        report->SetLogFile(DataFolder() + "Error-Log.Txt");
        report->SetLogEnabled(true);
    }
    setObjectName("TRingbomStirlingMainForm");
    BuildInputPanel();
    AttachEngineCharts();

    FollowEngine();
}

void TRingbomStirlingMainForm::BuildInputPanel() {
    AddBevel(7, 2, 139, 87)->setObjectName("Bevel1");
    AddSwatch("Image2", Qt::red, 16, 25, 41, 33);
    AddSwatch("Image3", Qt::blue, 96, 25, 41, 33);
    AddLabel(tr("Temp (F)"), 46, 13)->setObjectName("Label7");

    AddHotTempSlider([this](int position) { engine_.Slide(TrackBar::HotTempTB, position); });
    RangeSliders();

    const FieldPlace fields[] = {
        {Field::HotTemp, 16, 61, "0"},        {Field::ColdTemp, 83, 61, "0"},
        {Field::DispCylHeight, 200, 22, "5"}, {Field::DispCylDiameter, 256, 22, "5"},
        {Field::DispHeight, 200, 45, "5"},    {Field::DPistonDiameter, 256, 68, "5"},
        {Field::PistonThrow, 307, 91, "5"},   {Field::PistonDiameter, 256, 91, "5"},
        {Field::Phase, 48, 96, "0", 46},
    };
    // Steps read the texts as they go: a marked box only has to be shown.
    BindFieldEdits(AddFields(fields));
    for (Field dimension : kDimensionFields) {
        QLineEdit* edit = Host().Edit(dimension);
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black); // a dark desktop's light text would vanish
        edit->setPalette(p);
    }

    AddLabel(tr("Phase"), 13, 101)->setObjectName("Label11");
    AddLabel(tr("Height"), 206, 3)->setObjectName("Label2");
    AddLabel(tr("Diameter"), 258, 3)->setObjectName("Label3");
    AddLabel(tr("Throw"), 312, 3)->setObjectName("Label5");
    AddLabel(tr("Disp Cyl"), 152, 26)->setObjectName("Label1");
    AddLabel(tr("Displacer"), 152, 49)->setObjectName("Label9");
    AddLabel(tr("Displacer Piston"), 152, 72)->setObjectName("Label10");
    AddLabel(tr("Power Piston"), 152, 95)->setObjectName("Label4");
    AddLabel("\u00A9 Kelvane", 54, 168)->setObjectName("Label6");
    AddVolumeLabel(360, 168, 448 - 360);

    StripChartCB = AddCheckBox(Field::StripChartCB, tr("Strip Ch&art"), 13, 119, 74);
    AllDataCB = AddCheckBox(Field::AllDataCB, tr("All &Data"), 96, 120, 63);

    const ActionPlace runButtons[] = {
        {9, 140, 41, "GoButton"},          {52, 140, 41, "PauseButton"},
        {96, 140, 41, "SingleStepButton"}, {140, 140, 41, "ClearButton"},
        {195, 140, 23, "PanLeftButton"},   {220, 140, 23, "PanRightButton"}};
    const std::vector<QPushButton*> run = AddActionButtons(runButtons);
    GoButton = run[0];
    PauseButton = run[1];
    SetOtherCaptions(PauseButton, {CoreText("&Pause"), CoreText("&Resume")});
    SingleStepButton = run[2];
    ClearButton = run[3];
    PanLeftButton = run[4];
    PanRightButton = run[5];
    // The arrows have no letter to underline: Alt and the arrow key pan.
    PanLeftButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    PanRightButton->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    PanLeftButton->setToolTip(tr("Pan graphs to the left") + " (" +
                              PanLeftButton->shortcut().toString(QKeySequence::NativeText) + ")");
    PanRightButton->setToolTip(tr("Pan graphs to the right") + " (" +
                               PanRightButton->shortcut().toString(QKeySequence::NativeText) + ")");
    // The arrows are no words to read out.
    PanLeftButton->setAccessibleName(tr("Pan left"));
    PanRightButton->setAccessibleName(tr("Pan right"));
    for (QPushButton* pan : {PanLeftButton, PanRightButton}) {
        KeepKeys(pan);
        pan->setFlat(true);
        // Flat, but reached by Tab like the other buttons; a flat button
        // shows no focus of its own.
        pan->setFocusPolicy(Qt::StrongFocus);
        FocusFrame::Attach(pan);
        QFont bold = pan->font();
        bold.setBold(true);
        // As 12 pixels stand to the window's 7 points at 96 dpi, whatever its size.
        bold.setPointSizeF(bold.pointSizeF() * 9 / 7);
        pan->setFont(bold);
    }
}

QCheckBox* TRingbomStirlingMainForm::AddCheckBox(Field field, const QString& caption, int x, int y,
                                                 int width) {
    auto* box = new QCheckBox(caption, InputPanel);
    box->setObjectName(Traits().parameters->RowOf(field).control);
    box->setGeometry(x, y, width, 17);
    box->setChecked(true);
    KeepKeys(box);
    Host().AddCheckBox(field, box);
    // Only a user's click: the engine itself decides when a change from code counts.
    connect(box, &QCheckBox::clicked, this, [this, field] {
        CallEngine([this, field] { engine_.FieldChanged(field); });
        RememberCheckBoxes();
    });
    return box;
}

void TRingbomStirlingMainForm::LoadButtonClick() {
    RememberCheckBoxes();
    SimulatorFrame::LoadButtonClick();
}

void TRingbomStirlingMainForm::FollowEngine() {
    EngineWindow::FollowEngine();
    PauseButton->setText(CoreText(engine_.PauseButtonCaption));
    PanLeftButton->setEnabled(engine_.stripControlsEnabled);
    PanRightButton->setEnabled(engine_.stripControlsEnabled);
    AllDataCB->setEnabled(engine_.stripControlsEnabled);
}

void TRingbomStirlingMainForm::RememberCheckBoxes() {
    stripWas_ = StripChartCB->isChecked();
    allDataWas_ = AllDataCB->isChecked();
}

void TRingbomStirlingMainForm::ClickChangedCheckBoxes() {
    // In the order the settings are read.
    if (StripChartCB->isChecked() != stripWas_)
        engine_.FieldChanged(Field::StripChartCB);
    if (AllDataCB->isChecked() != allDataWas_)
        engine_.FieldChanged(Field::AllDataCB);
    RememberCheckBoxes();
}

void TRingbomStirlingMainForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        RememberCheckBoxes();
    SimulatorFrame::showEvent(event);
}

void TRingbomStirlingMainForm::ShowSteps() {
    CallEngine([this] {
        ClickChangedCheckBoxes();
        engine_.Start(CheckFields());
        HoldStillIfAsked();
    });
}

void TRingbomStirlingMainForm::EnterAction() {
    CallEngine([this] {
        if (ReadyToCalculate())
            engine_.SingleStepButtonClick();
    });
}

void TRingbomStirlingMainForm::RefreshAfterLoad() {
    CallEngine([this] {
        ClickChangedCheckBoxes();
        engine_.Loaded(true);
        Host().RedrawPicture();
    });
}

} // namespace kelvane
