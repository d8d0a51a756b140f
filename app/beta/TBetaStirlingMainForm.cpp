#include "TBetaStirlingMainForm.h"

#include "beta/BetaSweep.h"
#include "catalog/EngineCatalog.h"
#include "foundations/ParameterTable.h"

#include <QLineEdit>

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

FrameTraits BetaTraits() {
    const EngineEntry& e = BetaEntry();
    FrameTraits traits(QString::fromStdString(e.caption), QString::fromStdString(e.documents),
                       QPoint(222, 101), e.placement, e.fields(), kButtons);
    // Tall enough for every row of the grid without scrolling.
    traits.topBandHeight = 250;
    return traits;
}

} // namespace

TBetaStirlingMainForm::TBetaStirlingMainForm(QWidget* parent) : CrankWindow(BetaTraits(), parent) {
    setObjectName("TBetaStirlingMainForm");
    BuildInputPanel();
    AttachEngineCharts();
    Host().deferFieldWrites = [this] { return engine_.calcing || engine_.phaseChanging; };
}

void TBetaStirlingMainForm::BuildInputPanel() {
    AddBevel(7, 2, 139, 87);
    AddBevel(316, 36, 156, 81);
    AddSwatch("Image2", Qt::red, 16, 25, 41, 33);
    AddSwatch("Image3", Qt::blue, 96, 25, 41, 33);

    // Temperatures, the cylinder, the gas, the crank.
    const FieldPlace fields[] = {{Field::HotTemp, 16, 61, "0"},
                                 {Field::ColdTemp, 96, 61, "0"},
                                 {Field::Bore, 262, 32, "60"},
                                 {Field::DisplacerStroke, 262, 54, "30"},
                                 {Field::PistonStroke, 262, 76, "30"},
                                 {Field::HotDeadVolume, 16, 112, "0"},
                                 {Field::RegeneratorVolume, 66, 112, "0"},
                                 {Field::ColdDeadVolume, 116, 112, "0"},
                                 {Field::MeanPressure, 196, 8, "500", 45},
                                 {Field::Speed, 284, 8, "600", 45},
                                 {Field::PhaseAngle, 420, 64, "90", 45},
                                 {Field::Phase, 420, 40, "0", 45}};
    BindFieldEdits(AddFields(fields), [this] { return engine_.calcing || engine_.phaseChanging; });
    SweepYellowBoxes(BetaSweep::kSweptFields);

    AddLabel(tr("Temp (C)"), 46, 13);
    AddLabel(tr("pm (kPa)"), 152, 12);
    AddLabel(tr("n (rpm)"), 246, 12);
    AddLabel(tr("Bore (mm)"), 152, 36);
    AddLabel(tr("Disp stroke (mm)"), 152, 58);
    AddLabel(tr("Piston stroke (mm)"), 152, 80);
    AddLabel(tr("Dead hot, regenerator, dead cold (cm3)"), 16, 97);
    AddLabel(tr("Crank angle"), 320, 45);
    AddLabel(tr("Phase angle"), 320, 69);
    AddLabel(WithSweepKey(tr("Double-click a yellow box for a sweep")), 162, 116);
    AddVolumeLabel(360, 168, 120);
    AddHoldBox(250, 166);
    AddLabel("\u00A9 Kelvane", 54, 168);

    AddEngineSliders(320, 88);

    AddSpeedButtons({{12, 136, 45}, {65, 136, 43}, {116, 136, 45}, {169, 136, 55}, {364, 136, 32}},
                    true);
}

} // namespace kelvane
