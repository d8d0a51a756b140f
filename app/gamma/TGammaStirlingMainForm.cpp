#include "TGammaStirlingMainForm.h"

#include "foundations/ParameterTable.h"
#include "gamma/GammaSweep.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace kelvane {

namespace {

const char* const kPrintTip = "Print the current window contents";
const char* const kDocumentTip = "Documentation (such as it is)";

constexpr FrameButtonPlace kButtons[] = {
    {FrameButton::Print, "&Print", nullptr, 340, 8, 30, kPrintTip},
    {FrameButton::Tutor, "Tutor", nullptr, 377, 8, 30, kDocumentTip},
    {FrameButton::Help, "Help", nullptr, 414, 8, 30, kDocumentTip},
    {FrameButton::Exit, "E&xit", nullptr, 452, 8, 30},
    {FrameButton::Save, "Save", nullptr, 253, 136, 40, "Save current set of parameters"},
    {FrameButton::Load, "Load", nullptr, 300, 136, 40, "Load parameters from disk"},
    {FrameButton::ShowPV, "Show PV", nullptr, 420, 136, 55, nullptr, true},
};

FrameTraits GammaTraits() {
    FrameTraits t;
    t.caption = "Gamma Stirling Engine Simulator";
    t.designedPlacement = QPoint(222, 101);
    t.placement = &WindowPlacement::Gamma();
    t.parameters = &ParameterTable::Gamma();
    t.helpDocument = "Gamma Kelvane Help.HTM";
    t.tutorDocument = "Gamma Kelvane Tutorial.HTM";
    t.chart5Height = 250;
    t.pictureWidth = GammaEngine::kPictureWidth;
    t.gridRows = GammaEngine::kGridRows;
    t.buttons = kButtons;
    return t;
}

} // namespace

TGammaStirlingMainForm::TGammaStirlingMainForm(QWidget* parent)
    : SimulatorFrame(GammaTraits(), parent), engine_(Host()) {
    setObjectName("TGammaStirlingMainForm");
    BuildInputPanel();
    AttachEngine(engine_.Chart1, engine_.Chart2, engine_.Chart3, engine_.Chart4, engine_.Chart5);
    SetSpeedWindowTabOrder(GoFastButton, GoMediumButton, GoSlowButton, StopButton, CalcButton);
    Host().deferFieldWrites = [this] { return engine_.calcing || engine_.phaseChanging; };

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TGammaStirlingMainForm::Timer1Timer);
    Timer1->start();
}

void TGammaStirlingMainForm::BuildInputPanel() {
    AddBevel(7, 2, 139, 87);
    AddBevel(316, 36, 156, 81);
    AddSwatch("Image2", Qt::red, 16, 25, 41, 33);
    AddSwatch("Image3", Qt::blue, 96, 25, 41, 33);

    const FieldPlace fields[] = {
        {Field::HotTemp, 16, 61, "0"},         {Field::ColdTemp, 83, 61, "0"},
        {Field::DispCylHeight, 200, 36, "5"},  {Field::DispCylDiameter, 256, 36, "5"},
        {Field::DispHeight, 200, 60, "5"},     {Field::PistonThrow, 83, 92, "5"},
        {Field::PistonDiameter, 256, 88, "5"}, {Field::PhaseOffset, 392, 64, "0"},
        {Field::Phase, 392, 40, "0"}};
    for (QLineEdit* edit : AddFields(fields)) {
        connect(edit, &QLineEdit::textChanged, this, [this] {
            // The engine's own writes (the crank angle, 361 times an analysis)
            // are inert; the guard and chart sync would only cost time there.
            if (engine_.calcing || engine_.phaseChanging)
                return;
            Run([this] { engine_.PistonThrowChange(); });
        });
    }
    for (Field yellow : GammaSweep::kYellowFields) {
        QLineEdit* edit = Host().Edit(yellow);
        edit->setStyleSheet("background-color: #ffff00");
        edit->installEventFilter(this);
    }

    AddLabel("Temp (F)", 46, 13);
    AddLabel("Height", 206, 19);
    AddLabel("Diameter", 262, 19);
    AddLabel("Disp Cyl", 152, 37);
    AddLabel("Displacer", 152, 64);
    AddLabel("Piston Throw", 16, 96);
    AddLabel("Piston", 152, 96);
    AddLabel("Phase", 336, 45);
    AddLabel("Phase Offset", 320, 72);
    AddLabel("Double-click on yellow boxes to create \"Super Graphs\"", 134, 118);
    AddVolumeLabel(360, 168, 120);
    AddLabel("\u00A9 Kelvane", 54, 168);

    AddHotTempSlider([this](int position) { engine_.HotTempTBChange(position); });
    AddPhaseOffsetSlider(320, 88, [this](int position) { engine_.PhaseOffsetTBChange(position); });

    GoFastButton = AddButton("&Fast", 12, 136, 45, [this] { SpeedButtonClick(100); });
    GoMediumButton = AddButton("&Medium", 65, 136, 43, [this] { SpeedButtonClick(200); });
    GoSlowButton = AddButton("Slow", 116, 136, 45, [this] { SpeedButtonClick(300); });
    StopButton = AddButton("Stop", 169, 136, 55, [this] { StopButtonClick(); });
    CalcButton = AddButton("&Calc", 364, 136, 32, [this] { CalcButtonClick(); });
}

void TGammaStirlingMainForm::SpeedButtonClick(int intervalMs) {
    engine_.SpeedButtonClick(intervalMs);
    Timer1->setInterval(engine_.timerInterval);
}

void TGammaStirlingMainForm::ShowSteps() {
    engine_.FormShow();
    Timer1->setInterval(engine_.timerInterval);
}

bool TGammaStirlingMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (Field yellow : GammaSweep::kYellowFields) {
            if (watched == Host().Edit(yellow) && onSweepRequest) {
                Run([&] { onSweepRequest(yellow); });
                return true;
            }
        }
    }
    return SimulatorFrame::eventFilter(watched, event);
}

} // namespace kelvane
