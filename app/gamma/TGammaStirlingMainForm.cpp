#include "TGammaStirlingMainForm.h"

#include "catalog/EngineCatalog.h"
#include "foundations/ParameterTable.h"
#include "gamma/GammaSweep.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace kelvane {

namespace {

const char* const kPrintTip =
    QT_TRANSLATE_NOOP("SimulatorFrame", "Print the current window contents");
const char* const kDocumentTip =
    QT_TRANSLATE_NOOP("SimulatorFrame", "Documentation (such as it is)");

constexpr FrameButtonPlace kButtons[] = {
    {FrameButton::Print, QT_TRANSLATE_NOOP("SimulatorFrame", "&Print"), nullptr, 340, 8, 30,
     kPrintTip},
    {FrameButton::Tutor, QT_TRANSLATE_NOOP("SimulatorFrame", "T&utor"), nullptr, 377, 8, 30,
     kDocumentTip},
    {FrameButton::Help, QT_TRANSLATE_NOOP("SimulatorFrame", "&Help"), nullptr, 414, 8, 30,
     kDocumentTip},
    {FrameButton::Exit, QT_TRANSLATE_NOOP("SimulatorFrame", "E&xit"), nullptr, 452, 8, 30},
    {FrameButton::Save, QT_TRANSLATE_NOOP("SimulatorFrame", "&Save"), nullptr, 253, 136, 40,
     QT_TRANSLATE_NOOP("SimulatorFrame", "Save current set of parameters")},
    {FrameButton::Load, QT_TRANSLATE_NOOP("SimulatorFrame", "&Load"), nullptr, 300, 136, 40,
     QT_TRANSLATE_NOOP("SimulatorFrame", "Load parameters from disk")},
    {FrameButton::ShowPV, QT_TRANSLATE_NOOP("SimulatorFrame", "Show P&V"), nullptr, 420, 136, 55,
     nullptr, true},
};

FrameTraits GammaTraits() {
    const EngineEntry& e = GammaEntry();
    return FrameTraits(QString::fromStdString(e.caption), QString::fromStdString(e.documents),
                       QPoint(222, 101), e.placement, e.fields(), kButtons);
}

} // namespace

TGammaStirlingMainForm::TGammaStirlingMainForm(QWidget* parent)
    : CrankWindow(GammaTraits(), parent) {
    setObjectName("TGammaStirlingMainForm");
    BuildInputPanel();
    AttachEngineCharts();
    Host().deferFieldWrites = [this] { return engine_.calcing || engine_.phaseChanging; };
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
    // The engine's own writes (the crank angle, 361 times an analysis) are
    // inert; the guard and chart sync would only cost time there.
    BindFieldEdits(AddFields(fields), [this] { return engine_.calcing || engine_.phaseChanging; });
    SweepYellowBoxes(GammaSweep::kYellowFields);

    AddLabel(tr("Temp (F)"), 46, 13);
    AddLabel(tr("Height"), 206, 19);
    AddLabel(tr("Diameter"), 262, 19);
    AddLabel(tr("Disp Cyl"), 152, 37);
    AddLabel(tr("Displacer"), 152, 64);
    AddLabel(tr("Piston Throw"), 16, 96);
    AddLabel(tr("Piston"), 152, 96);
    AddLabel(tr("Phase"), 336, 45);
    AddLabel(tr("Phase Offset"), 320, 72);
    AddLabel(WithSweepKey(tr("Double-click on yellow boxes to create \"Super Graphs\"")), 134, 118);
    AddVolumeLabel(360, 168, 120);
    AddHoldBox(250, 166);
    AddLabel("\u00A9 Kelvane", 54, 168);

    AddEngineSliders(320, 88);

    AddSpeedButtons({{12, 136, 45}, {65, 136, 43}, {116, 136, 45}, {169, 136, 55}, {364, 136, 32}},
                    true);
}

} // namespace kelvane
