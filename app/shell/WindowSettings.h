#pragma once

#include <functional>
#include <string>

class QWidget;

namespace kelvane {

class TIniFile;

// What the launcher and the simulator windows share about where the program
// runs: the program's folder, the folder of the settings file and error logs,
// whether that file may be written back, and the screen's dpi their one-time
// scaling goes by.
class WindowSettings {
  public:
    std::string appPath;
    int dpi = 96;
    bool beenScaled = false;

    // The program's folder with its trailing separator.
    static std::string ProgramFolder();
    // Tests keep their settings files in a folder of their own.
    static void SetProgramFolderForTests(const std::string& folder);
    // Where the settings file and the error logs live, with a trailing
    // separator: the program's folder while it can be written, else the user's
    // configuration folder (an installed program's folder is read-only, and a
    // file that cannot be written there would be lost silently). Documents are
    // still opened from the program's folder.
    static std::string DataFolder();
    // The choice behind DataFolder: programFolder when access(2) finds it
    // writable, else configFolder, created if missing; programFolder again when
    // configFolder cannot be created. Both carry a trailing separator.
    static std::string DataFolderFor(const std::string& programFolder,
                                     const std::string& configFolder);
    // False when the settings file exists but cannot be read (not a regular
    // file, too large, unreadable): the window then runs on defaults and must
    // not save over it. Says so through the platform once per file and run.
    static bool SettingsReadable(QWidget* window, const std::string& settingsFile);

  protected:
    // At creation: the screen's dpi, and not scaled yet.
    void ReadScreen();
    // At showing: marks the window shown and scales it once for the screen
    // (see ScaleAndFit); the factor it was scaled by now, 1 for none.
    double ScaleOnShow(QWidget* window);
    // At showing: the program's folder, and whether its settings file may be
    // read. The settings are written back to the file found here, whatever
    // the folders' state by then.
    void FindSettings(QWidget* window, const std::string& settingsFile);
    // Writes the settings in one update of the file found at showing, when
    // they may be kept. A full disk or a read-only folder is no fault of the
    // program: the first refusal of each file is said once, in plain words,
    // and the program goes on.
    void KeepSettings(QWidget* window, const std::function<void(TIniFile&)>& edits);
    // Whether the settings may be written: only once shown, and never over a
    // file that could not be read.
    bool SettingsToKeep() const { return shownOnce_ && settingsReadable_; }
    bool ShownOnce() const { return shownOnce_; }

  private:
    bool shownOnce_ = false;
    bool settingsReadable_ = true;
    std::string settingsFile_;
};

} // namespace kelvane
