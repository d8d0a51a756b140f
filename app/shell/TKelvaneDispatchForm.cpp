#include "TKelvaneDispatchForm.h"

#include "SimulatorFrame.h"
#include "crash/ReleaseCheck.h"
#include "crash/TErrorReport.h"
#include "foundations/Callback.h"
#include "foundations/ParameterFile.h"
#include "foundations/TIniFile.h"
#include "foundations/WindowPlacement.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace kelvane {

TKelvaneDispatchForm::TKelvaneDispatchForm(QWidget* parent) : QWidget(parent) {
    setObjectName("TKelvaneDispatchForm");
    setWindowTitle("Kelvane Stirling Engine Simulators");
    setGeometry(281, 107, 487, 152);

    QPushButton* gamma = AddButton("&Gamma", 32, 16, &TKelvaneDispatchForm::GammaButtonClick);
    QPushButton* ringbom =
        AddButton("Ring&bom", 120, 16, &TKelvaneDispatchForm::RingbomButtonClick);
    QPushButton* rider = AddButton("&Rider", 208, 16, &TKelvaneDispatchForm::RiderButtonClick);
    QPushButton* rotary = AddButton("R&otary", 296, 16, &TKelvaneDispatchForm::RotaryButtonClick);
    QPushButton* quit = AddButton("&Quit", 384, 16, &TKelvaneDispatchForm::QuitButtonClick);
    QPushButton* intro =
        AddButton("&Introduction", 168, 64, &TKelvaneDispatchForm::IntroButtonClick);
    gamma->setObjectName("GammaButton");
    ringbom->setObjectName("RingbomButton");
    rider->setObjectName("RiderButton");
    rotary->setObjectName("RotaryButton");
    quit->setObjectName("QuitButton");
    intro->setObjectName("IntroButton");
    setTabOrder(gamma, ringbom);
    setTabOrder(ringbom, rider);
    setTabOrder(rider, quit);
    setTabOrder(quit, intro);
    setTabOrder(intro, rotary);

    auto* label1 = new QLabel("\u00A9 Kelvane", this);
    label1->setObjectName("Label1");
    label1->move(16, 104);
    label1->adjustSize();
    lRelease = new QLabel(this);
    lRelease->setObjectName("lRelease");
    lRelease->move(232, 104);
    // Short enough to clear the release label that ends near x 330.
    auto* label2 = new QLabel("Licence: GPL-3+", this);
    label2->setObjectName("Label2");
    label2->setStyleSheet("color: blue");
    label2->adjustSize();
    label2->move(473 - label2->width(), 104);

    dpi = Platform::Current().ScreenDpi();
    beenScaled = false;
}

QPushButton* TKelvaneDispatchForm::AddButton(const QString& caption, int x, int y,
                                             void (TKelvaneDispatchForm::*handler)()) {
    auto* b = new QPushButton(caption, this);
    b->setGeometry(x, y, 75, 25);
    // Enter presses the focused button, as Space does (outside a dialog a
    // button does not take Enter unless told).
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this,
            [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    return b;
}

std::string TKelvaneDispatchForm::ProductVersion() {
    // Four numbers, as the program's version information holds them.
    QStringList parts = QString(KELVANE_VERSION).split('.');
    while (parts.size() < 4)
        parts << "0";
    return parts.mid(0, 4).join('.').toStdString();
}

void TKelvaneDispatchForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        RunGuarded([this] { FormShow(); });
}

void TKelvaneDispatchForm::FormShow() {
    shownOnce_ = true;
    SimulatorFrame::ScaleAndFit(this, dpi, beenScaled);
    std::string release = ProductVersion();
    lRelease->setText(QString::fromStdString("Release: " + release));
    lRelease->adjustSize();
    CheckForCorrectRelease(release);
    appPath = SimulatorFrame::ProgramFolder();
    // Settings and log go to the data folder; the introduction stays in appPath.
    const std::string dataFolder = SimulatorFrame::DataFolder();
    settingsReadable_ = SimulatorFrame::SettingsReadable(this, SettingsFilePath(dataFolder));
    TIniFile ini(SettingsFilePath(dataFolder));
    WindowPlacement current = SimulatorFrame::CurrentPlacement(this);
    WindowPlacement stored = WindowPlacement::Read(ini, WindowPlacement::Main(), current);
    SimulatorFrame::ApplyPlacement(this, stored);
    if (TErrorReport* report = TErrorReport::Instance()) {
        report->SetLogFile(dataFolder + "Kelvane-Error-Log.Txt");
        report->SetLogEnabled(true);
    }
}

void TKelvaneDispatchForm::CheckForCorrectRelease(const std::string& release) {
    Platform& platform = Platform::Current();
    if (!platform.DevelopmentEnvironmentOpen())
        return;
    QDate today = QDate::currentDate();
    for (const std::string& message :
         ReleaseCheck::Messages(release, today.day(), today.month(), today.year()))
        platform.ShowMessage(this, QString::fromStdString(message));
}

void TKelvaneDispatchForm::FormDestroy() {
    if (!shownOnce_ || !settingsReadable_)
        return;
    TIniFile ini(SettingsFilePath(SimulatorFrame::DataFolder()));
    SimulatorFrame::CurrentPlacement(this).Write(ini, WindowPlacement::Main());
}

void TKelvaneDispatchForm::GammaButtonClick() {
    CallIfSet(showGamma);
}

void TKelvaneDispatchForm::RingbomButtonClick() {
    CallIfSet(showRingbom);
}

void TKelvaneDispatchForm::RiderButtonClick() {
    CallIfSet(showRider);
}

void TKelvaneDispatchForm::RotaryButtonClick() {
    Platform::Current().ShowMessage(this, "The Rotary simulation is not available at this time.");
}

void TKelvaneDispatchForm::IntroButtonClick() {
    SimulatorFrame::RunAppByDocument(QString::fromStdString(appPath) + "Kelvane Introduction.HTM");
}

void TKelvaneDispatchForm::QuitButtonClick() {
    close();
}

} // namespace kelvane
