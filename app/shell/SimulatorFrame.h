#pragma once

#include "QImageCanvas.h"
#include "foundations/ParameterTable.h"
#include "foundations/WindowPlacement.h"
#include "widgets/ChartView.h"
#include "widgets/FramePacer.h"
#include "widgets/ReportWriter.h"
#include "widgets/WidgetHost.h"

#include <QDialog>
#include <QPoint>

#include <array>
#include <functional>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QSlider;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kelvane {

class ParameterTable;
struct FileContents;

// The buttons every simulator window has, whatever their captions.
enum class FrameButton { Print, Tutor, Help, Exit, Save, Load, ShowPV };

// Where a window puts one of the frame's buttons.
struct FrameButtonPlace {
    FrameButton role;
    const char* caption;
    const char* name; // nullptr: the button keeps Qt's empty object name
    int x, y, width;
    const char* toolTip = nullptr;
    // Enter pressed on it presses it and does not reach the window.
    bool keepsKeys = false;
};

// What differs between the three simulator windows that share this frame.
struct FrameTraits {
    // documents starts the names of the help and tutorial pages: "Gamma
    // Kelvane" gives "Gamma Kelvane Help.HTM" and "Gamma Kelvane Tutorial.HTM".
    FrameTraits(QString caption, const QString& documents, QPoint designedPlacement,
                const WindowPlacement::Keys& placement, const ParameterTable& parameters,
                std::span<const FrameButtonPlace> buttons)
        : caption(std::move(caption)), designedPlacement(designedPlacement), placement(&placement),
          parameters(&parameters), helpDocument(documents + " Help.HTM"),
          tutorDocument(documents + " Tutorial.HTM"), buttons(buttons) {}

    QString caption;
    QPoint designedPlacement;
    // Wide enough to show both grid columns whole.
    QSize designSize{860, 555};
    // Placement section and its key spellings.
    const WindowPlacement::Keys* placement = nullptr;
    const ParameterTable* parameters = nullptr;
    QString helpDocument;
    QString tutorDocument;
    int chart5Height = 250;
    int topBandHeight = 185;
    int inputPanelWidth = 488;
    int pictureWidth = 182;
    int gridRows = 12;
    // Creation sets both grid columns 85 pixels wide (not in the two-piston window).
    bool gridColumns85 = true;
    // Centred at showing while the settings file holds no place for it.
    bool centreOnShow = false;
    // The frame's buttons, in the order they are made.
    std::span<const FrameButtonPlace> buttons;
};

// The frame of a simulator window: creation, scaling and fitting, placement,
// chart layout, keys, print, exit, help, save, load and the pop-over PV chart.
class SimulatorFrame : public QDialog {
    Q_OBJECT
  public:
    SimulatorFrame(const FrameTraits& traits, QWidget* parent = nullptr);

    // Fields the frame keeps for every window.
    std::string appPath;
    int dpi = 96;
    bool beenScaled = false;
    // The input panel's sliders, where the window has them.
    QSlider* HotTempTB = nullptr;
    QSlider* PhaseOffsetTB = nullptr;

    WidgetHost& Host() { return host_; }
    const FrameTraits& Traits() const { return traits_; }
    ChartView* Chart(int number) const { return charts_[number - 1]; }
    // The statistics grid, with every cell written so far on it.
    QTableWidget* Grid() {
        host_.ShowGrid();
        return StringGrid1;
    }
    // The engine's picture, with a drawing that waits for the frame's end done first.
    QLabel* Picture() {
        DrawWaitingPicture();
        return Image1;
    }
    QWidget* ChartPanel() const { return Panel3; }
    QPushButton* Button(FrameButton role) const { return buttons_[static_cast<int>(role)]; }
    QPushButton* ShowPVButton() const { return Button(FrameButton::ShowPV); }
    bool WasShown() const { return shownOnce_; }
    // The settings file this window reads and writes.
    std::string SettingsFile() const;

    // Handlers of the frame.
    void ShowPVButtonClick();
    void Chart5Click();
    void PrintButtonClick();
    void ExitButtonClick();
    void HelpButtonClick();
    void TutorialButtonClick();
    void SaveButtonClick();
    // Asks for a PDF file and writes the window's one-page report to it.
    void SaveReportClick();
    // The statistics grid's rows on the clipboard, tab-separated.
    void CopyGridClick();
    // The window's report: title, date, parameters, grid, picture and the
    // charts on show.
    ReportPage Report();
    // The parameters as the report lists them: label, then text and unit.
    ReportRows ParameterRows();
    // Ticked: every chart keeps a faint copy of its curves as they are now.
    void HoldClick(bool held);
    // The Hold check box, where the window has one.
    QCheckBox* HoldCB = nullptr;
    // A window that notes some state before the parameters change overrides it.
    virtual void LoadButtonClick();
    void FormResize();
    // Whether a file may be loaded as this window's parameters: false, with
    // the message naming it, for a file that cannot be read or holds none of
    // the window's keys. badValues names the file's keys whose values fail
    // their check ("" when none).
    bool CheckParameterFile(const TIniFile& file, const FileContents& contents,
                            std::string& refusal, std::string& badValues) const;
    // Writes placement and parameters, when the window is hidden and at
    // program end; nothing if never shown or the settings file is unreadable.
    void FormDestroy();

    // Loads the parameters (settings file at showing, parameter file at Load),
    // then the sliders follow and the boxes are checked. A window whose engine
    // does its own follow-up after the texts are read overrides it.
    virtual void ReadIniFile(const TIniFile& ini);
    void WriteIniFile(const std::string& fileName);

    // The fields whose texts the engine cannot use, as last checked, in table order.
    const std::vector<FieldProblem>& FieldProblems() const { return problems_; }
    // The line under the input panel that says what is wrong with a marked box.
    QLabel* ProblemLine() const { return problemLine_; }
    // True while the box of the field is marked as unusable.
    bool Marked(Field field) const;

    // Brings the grid, the picture and every chart up to date with the
    // engine; called after each handler.
    void SyncCharts();
    // Runs a handler inside the error guard, then redraws what changed. A
    // handler run inside another (a sweep writing its field) leaves that to
    // the outer one and to the display frames meanwhile.
    void Run(const std::function<void()>& handler);

    // Scales a window by 130/100 once when the screen is not 96 dpi and at least
    // 800 pixels wide, then fits its client area to its controls.
    static bool ScaleAndFit(QWidget* window, int dpi, bool& beenScaled);
    static WindowPlacement CurrentPlacement(const QWidget* window);
    static void ApplyPlacement(QWidget* window, const WindowPlacement& placement);
    // False when the settings file exists but cannot be read (not a regular
    // file, too large, unreadable): the window then runs on defaults and must
    // not save over it. Says so through the platform once per file and run.
    static bool SettingsReadable(QWidget* window, const std::string& settingsFile);
    // Opens a document with the desktop's default viewer.
    static void RunAppByDocument(const QString& fileName);
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

  protected:
    // The differences between the windows.
    virtual void EnterAction() {}
    virtual void HaltAction() {}
    virtual void RefreshAfterLoad() = 0;
    // Grid labels and start actions, at the end of every showing.
    virtual void ShowSteps() = 0;
    // Draws the engine's picture on the canvas, sized to the picture control.
    virtual void DrawEngine(Canvas& canvas) = 0;
    // A click on the background of one of Chart1..Chart4.
    virtual void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                                      double plotRight) = 0;
    // Runs an engine handler for a control. A window that brings its own
    // controls in line with the engine after every handler overrides it.
    virtual void CallEngine(const std::function<void()>& handler) { Run(handler); }

    // Input checking, shared by the windows.
    // Checks every field's text (ParameterTable::Check), marks the boxes the
    // engine cannot use with their reason as tooltip and shows the first reason
    // in the problem line. True when the engine can use every text; false
    // notes that a change was held back (see TakeHeldBack).
    bool CheckFields();
    // A field's change handler calls this first: the sliders follow the boxes,
    // then CheckFields.
    bool FieldEdited();
    // For the actions that start a calculation (Calc, Enter, Go, Single, the
    // speed buttons): true when every text checks out, else the first marked
    // box gets the focus and the action must not run.
    bool ReadyToCalculate();
    // True once after the texts check out again following a change held back:
    // the results on screen then belong to older texts and must be redone.
    bool TakeHeldBack();
    // Moves each slider to its box's value where that value lies in the
    // slider's range, without running the slider's handler.
    virtual void FollowSliders();

    // Building blocks for the windows.
    // Shows the engine's charts and binds their clicks and the picture to the
    // engine; once the engine exists.
    void AttachEngine(TChart& c1, TChart& c2, TChart& c3, TChart& c4, TChart& c5);
    QPushButton* AddButton(const QString& caption, int x, int y, int width,
                           const std::function<void()>& handler, bool passesKeys = true);
    QLineEdit* AddField(Field field, int x, int y, const QString& text, bool passesKeys = true);
    // The input panel's edit boxes from a table, in tab order.
    struct FieldPlace {
        Field field;
        int x, y;
        const char* text; // until the settings are read
        int width = 41;
    };
    std::vector<QLineEdit*> AddFields(std::span<const FieldPlace> places);
    QLabel* AddLabel(const QString& caption, int x, int y, QWidget* parent = nullptr);
    // A sunken frame drawn behind the input panel's controls.
    QWidget* AddBevel(int x, int y, int width, int height);
    // A solid colour block of the input panel (the hot and cold swatches).
    QLabel* AddSwatch(const char* name, QColor colour, int x, int y, int width, int height);
    // The horizontal hot-temperature slider HotTempTB of the input panel's
    // temperature box (0..1000, read backwards); changes go to the engine's
    // onChange through CallEngine.
    QSlider* AddHotTempSlider(const std::function<void(int)>& onChange);
    // The phase-offset slider PhaseOffsetTB (-175..175 degrees, 150 by 25 at
    // x, y); changes go to the engine's onChange through CallEngine.
    QSlider* AddPhaseOffsetSlider(int x, int y, const std::function<void(int)>& onChange);
    // Tab order of the input panel's controls, first to last. Only once the
    // charts exist: Qt 6.4 leaves a control in place when asked to put it after
    // the last control of the window.
    void SetTabOrder(std::span<QWidget* const> controls);
    // The tab order of a window with speed buttons (Gamma, two-piston): after
    // the edit boxes the two sliders, Print to Exit, the speed buttons and
    // Stop, Save, Load, Calc and Show PV.
    void SetSpeedWindowTabOrder(QWidget* fast, QWidget* medium, QWidget* slow, QWidget* stop,
                                QWidget* calc);
    // The volume read-out label "lDebug", which the engine writes.
    QLabel* AddVolumeLabel(int x, int y, int minimumWidth);
    // Keeps Enter from reaching the window's key handler (a button it is
    // pressed on is pressed). Escape always closes the window.
    void KeepKeys(QWidget* control);
    // The Hold check box at x, y of the input panel (not a stored setting).
    QCheckBox* AddHoldBox(int x, int y);

    void showEvent(QShowEvent* event) override;
    // Exit, Escape and the close box hide the window: its settings are kept then.
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QWidget* Panel4 = nullptr;
    QLabel* Image1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QTimer* SplashTimer = nullptr;

  private:
    void FormShow();
    void LayoutBands();
    // A placement whose size lies between the window's minimum and the room
    // the screen's available area gives it.
    WindowPlacement Fitted(const WindowPlacement& placement) const;
    // What the grid's columns take, frame included.
    int GridWidth() const;
    // Input panel, the smallest picture and the grid side by side over two
    // rows of charts at their smallest.
    void UpdateMinimumSize();
    void AddButtons();
    void RedrawPicture();
    void DrawWaitingPicture();
    // The grid texts and a waiting picture on screen.
    void ShowTexts();
    // Within a burst of handlers: the screen up to date at most once a frame.
    void SyncWithinFrame();

    FrameTraits traits_;
    WidgetHost host_;
    ChartView* charts_[5] = {};
    std::array<QPushButton*, 7> buttons_{};
    QImageCanvas canvas_;
    void MarkBox(QLineEdit* edit, const FieldProblem* problem);

    QLabel* problemLine_ = nullptr;
    std::vector<FieldProblem> problems_;
    bool heldBack_ = false;
    bool shownOnce_ = false;
    bool settingsReadable_ = true;
    bool pvOnRight_ = false; // where the pressure-volume panel stands
    double scale_ = 1.0;
    int handlerDepth_ = 0;
    bool pictureWaiting_ = false;
    bool burst_ = false; // the running handler let others or events run
    FramePacer textPacer_{[this] { ShowTexts(); }};
};

} // namespace kelvane
