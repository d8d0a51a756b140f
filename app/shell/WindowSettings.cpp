#include "WindowSettings.h"

#include "crash/ProcessInfo.h"
#include "foundations/EIniFileError.h"
#include "foundations/FileAccess.h"
#include "foundations/TIniFile.h"
#include "widgets/Platform.h"
#include "widgets/WindowScaling.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QString>

#include <set>

#include <unistd.h>

namespace kelvane {

namespace {
std::string& ProgramFolderOverride() {
    static std::string folder;
    return folder;
}
} // namespace

void WindowSettings::SetProgramFolderForTests(const std::string& folder) {
    ProgramFolderOverride() = folder;
}

std::string WindowSettings::ProgramFolder() {
    if (!ProgramFolderOverride().empty())
        return ProgramFolderOverride();
    return kelvane::ProgramFolder();
}

std::string WindowSettings::DataFolderFor(const std::string& programFolder,
                                          const std::string& configFolder) {
    if (::access(programFolder.c_str(), W_OK) == 0)
        return programFolder;
    if (QDir().mkpath(QString::fromStdString(configFolder)) &&
        ::access(configFolder.c_str(), W_OK) == 0)
        return configFolder;
    return programFolder;
}

std::string WindowSettings::DataFolder() {
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return DataFolderFor(ProgramFolder(), QDir::toNativeSeparators(config).toStdString() + "/");
}

bool WindowSettings::SettingsReadable(QWidget* window, const std::string& settingsFile) {
    FileContents settings = ReadRegularFile(settingsFile);
    if (settings.Ok() || settings.status == ReadStatus::Missing)
        return true;
    // The launcher and each window read the same file: one message is enough.
    static std::set<std::string> reported;
    if (reported.insert(settingsFile).second)
        Platform::Current().ShowMessage(
            window, QCoreApplication::translate(
                        "WindowSettings", "The settings file \"%1\" cannot be read: %2.\nKelvane "
                                          "starts with its default settings and leaves that "
                                          "file as it is.")
                        .arg(QString::fromStdString(settingsFile),
                             QString::fromStdString(settings.problem)));
    return false;
}

void WindowSettings::ReadScreen() {
    dpi = Platform::Current().ScreenDpi();
    beenScaled = false;
}

double WindowSettings::ScaleOnShow(QWidget* window) {
    shownOnce_ = true;
    return ScaleAndFit(window, dpi, beenScaled);
}

void WindowSettings::FindSettings(QWidget* window, const std::string& settingsFile) {
    appPath = ProgramFolder();
    settingsReadable_ = SettingsReadable(window, settingsFile);
    settingsFile_ = settingsFile;
}

void WindowSettings::KeepSettings(QWidget* window, const std::function<void(TIniFile&)>& edits) {
    if (!SettingsToKeep())
        return;
    try {
        TIniFile(settingsFile_).Update(edits);
    } catch (const EIniFileError& refused) {
        // The launcher and every window write the same file, at each close and
        // at Quit: one message is enough.
        static std::set<std::string> reported;
        if (!reported.insert(settingsFile_).second)
            return;
        const std::string reason = refused.Reason().empty() ? "" : " (" + refused.Reason() + ")";
        Platform::Current().ShowMessage(
            window,
            QCoreApplication::translate("WindowSettings",
                                        "Kelvane cannot save its settings to \"%1\"%2.\nThe "
                                        "window places and values of this session will not "
                                        "be kept.")
                .arg(QString::fromStdString(settingsFile_), QString::fromStdString(reason)));
    }
}

} // namespace kelvane
