#include "TKelvaneDispatchForm.h"

#include "catalog/EngineCatalog.h"
#include "crash/ReleaseCheck.h"
#include "crash/TErrorReport.h"
#include "foundations/Callback.h"
#include "foundations/ParameterFile.h"
#include "foundations/TIniFile.h"
#include "foundations/WindowPlacement.h"
#include "shell/Languages.h"
#include "widgets/CaptionFit.h"
#include "widgets/HandlerGuard.h"
#include "widgets/Platform.h"
#include "widgets/ReadingOrder.h"
#include "widgets/WindowLook.h"
#include "widgets/WindowScaling.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include <algorithm>
#include <vector>

namespace kelvane {

TKelvaneDispatchForm::TKelvaneDispatchForm(QWidget* parent) : QWidget(parent) {
    setObjectName("TKelvaneDispatchForm");
    setWindowTitle(tr("Kelvane Stirling Engine Simulators"));
    setGeometry(281, 107, 487, 152);

    // A button for each engine, then Rotary and Quit, 88 pixels apart; the
    // window widens for a fourth engine.
    constexpr int kFirst = 32, kStep = 88;
    int x = kFirst;
    for (const EngineEntry* e : EngineCatalog::All()) {
        AddButton(CoreText(e->launcherCaption), e->launcherButton.c_str(), x, 16,
                  [this, e] { CallIfSet(showEngine, *e); });
        x += kStep;
    }
    AddButton(tr("R&otary"), "RotaryButton", x, 16, [this] { RotaryButtonClick(); });
    AddButton(tr("&Quit"), "QuitButton", x + kStep, 16, [this] { QuitButtonClick(); });
    AddButton(tr("&Introduction"), "IntroButton", 168, 64, [this] { IntroButtonClick(); });
    resize(std::max(width(), x + 2 * kStep - 1), height());
    AddLanguageChoice();
    QWidget* const window[] = {this};
    SetReadingTabOrder(window);

    auto* label1 = new QLabel("\u00A9 Kelvane", this);
    label1->setObjectName("Label1");
    label1->move(16, 104);
    label1->adjustSize();
    lRelease = new QLabel(this);
    lRelease->setObjectName("lRelease");
    lRelease->move(232, 104);
    // Short enough to clear the release label that ends near x 330.
    auto* label2 = new QLabel(tr("Licence: GPL-3+"), this);
    label2->setObjectName("Label2");
    QPalette blue = label2->palette();
    blue.setColor(QPalette::WindowText, LegibleText(Qt::blue, this));
    label2->setPalette(blue);
    label2->adjustSize();
    label2->move(473 - label2->width(), 104);

    FitCaptions(this);
    ReadScreen();
}

void TKelvaneDispatchForm::AddLanguageChoice() {
    auto* label = new QLabel(tr("&Language"), this);
    label->setObjectName("LanguageLabel");
    languageBox = new QComboBox(this);
    languageBox->setObjectName("LanguageBox");
    for (const Language& l : Languages())
        languageBox->addItem(QString::fromUtf8(l.name), QString::fromLatin1(l.code));
    languageBox->setCurrentIndex(std::max(0, languageBox->findData(InstalledLanguage())));
    languageBox->setToolTip(tr("The language of the windows, from the next start"));
    label->setBuddy(languageBox);
    label->adjustSize();
    languageBox->setGeometry(344, 64, 110, 25);
    label->move(338 - label->width(), 68);
    connect(languageBox, &QComboBox::activated, this, [this] {
        RunGuarded([this] { LanguageChosen(languageBox->currentData().toString()); });
    });
}

void TKelvaneDispatchForm::LanguageChosen(const QString& code) {
    // Kept at once, and applied at the next start: every caption is
    // translated as its window is made, and remaking the open windows is
    // more than a choice made once deserves.
    const std::string stored = code.toStdString();
    KeepSettings(this, [&stored](TIniFile& settings) {
        settings.WriteString(kLanguageSection, kLanguageKey, stored);
    });
    if (code != InstalledLanguage())
        Platform::Current().ShowMessage(
            this, tr("Kelvane will use %1 from its next start.").arg(languageBox->currentText()));
}

QPushButton* TKelvaneDispatchForm::AddButton(const QString& caption, const char* name, int x, int y,
                                             std::function<void()> handler) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(x, y, 75, 25);
    // Enter presses the focused button, as Space does (outside a dialog a
    // button does not take Enter unless told).
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this,
            [handler = std::move(handler)] { RunGuarded(handler); });
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
    ScaleOnShow(this);
    std::string release = ProductVersion();
    lRelease->setText(tr("Release: %1").arg(QString::fromStdString(release)));
    lRelease->adjustSize();
    CheckForCorrectRelease(release);
    // Settings and log go to the data folder; the introduction stays in appPath.
    const std::string dataFolder = DataFolder();
    FindSettings(this, SettingsFilePath(dataFolder));
    TIniFile ini(SettingsFilePath(dataFolder));
    WindowPlacement current = CurrentPlacement(this);
    WindowPlacement stored = WindowPlacement::Read(ini, WindowPlacement::Main(), current);
    ApplyPlacement(this, stored);
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
    KeepSettings(this, [this](TIniFile& settings) {
        CurrentPlacement(this).Write(settings, WindowPlacement::Main());
    });
}

void TKelvaneDispatchForm::EngineButtonClick(std::string_view engine) {
    if (const EngineEntry* e = EngineCatalog::Find(engine))
        CallIfSet(showEngine, *e);
}

void TKelvaneDispatchForm::RotaryButtonClick() {
    Platform::Current().ShowMessage(this,
                                    tr("The Rotary simulation is not available at this time."));
}

void TKelvaneDispatchForm::IntroButtonClick() {
    Platform::Current().OpenDocument(QString::fromStdString(appPath) + "Kelvane Introduction.HTM",
                                     this);
}

void TKelvaneDispatchForm::QuitButtonClick() {
    close();
}

} // namespace kelvane
