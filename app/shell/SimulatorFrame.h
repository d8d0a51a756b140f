#pragma once

#include "QImageCanvas.h"
#include "foundations/ParameterTable.h"
#include "foundations/WindowPlacement.h"
#include "shell/ChartHold.h"
#include "shell/FieldMarks.h"
#include "shell/FrameFiles.h"
#include "shell/FrameLayout.h"
#include "shell/FrameTraits.h"
#include "shell/FrameWidgets.h"
#include "shell/PressureVolumePopOver.h"
#include "shell/RedrawPacing.h"
#include "shell/WindowSettings.h"
#include "widgets/ChartView.h"
#include "widgets/EnterKeys.h"
#include "widgets/FramePacer.h"
#include "widgets/ReportWriter.h"
#include "widgets/WidgetHost.h"

#include <QDialog>
#include <QPoint>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QSlider;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace kelvane {

class ParameterTable;

// The frame of a simulator window: builds its bands and binds them to the
// engine, shows and hides it with its settings, takes its keys, and hands
// each of its other jobs to a part of its own: layout (FrameLayout), input
// controls (FrameWidgets), unusable inputs (FieldMarks), files, print and
// help (FrameFiles), redraws (RedrawPacing), Hold (ChartHold) and the
// pop-over pressure-volume chart (PressureVolumePopOver).
class SimulatorFrame : public QDialog, public WindowSettings {
    Q_OBJECT
  public:
    SimulatorFrame(const FrameTraits& traits, QWidget* parent = nullptr);

    // The input panel's sliders, where the window has them.
    QSlider* HotTempTB = nullptr;
    QSlider* PhaseOffsetTB = nullptr;

    WidgetHost& Host() { return host_; }
    const FrameTraits& Traits() const { return traits_; }
    ChartView* Chart(int number) const { return charts_[number - 1]; }
    // The statistics grid, with every cell written so far on it.
    QTableWidget* Grid() {
        host_.ShowGrid();
        return StatisticsGrid;
    }
    // The engine's picture, with a drawing that waits for the frame's end done first.
    QLabel* Picture() {
        pacing_.DrawWaitingPicture();
        return PictureLabel;
    }
    QWidget* ChartPanel() const { return ChartArea; }
    QPushButton* Button(FrameButton role) const { return widgets_->Button(role); }
    QPushButton* ShowPVButton() const { return Button(FrameButton::ShowPV); }
    bool WasShown() const { return ShownOnce(); }
    // The settings file this window reads and writes.
    std::string SettingsFile() const;

    // Handlers of the frame.
    void ShowPVButtonClick();
    void Chart5Click();
    void PrintButtonClick() { files_.Print(); }
    void ExitButtonClick();
    void HelpButtonClick();
    void TutorialButtonClick();
    void SaveButtonClick() { files_.Save(); }
    // Asks for a PDF file and writes the window's one-page report to it.
    void SaveReportClick() { files_.SaveReport(); }
    // The statistics grid's rows on the clipboard, tab-separated.
    void CopyGridClick() { files_.CopyGrid(); }
    // The window's report: title, date, parameters, grid, picture and the
    // charts on show.
    ReportPage Report() { return files_.Report(); }
    // The parameters as the report lists them: label, then text and unit.
    ReportRows ParameterRows() { return files_.ParameterRows(); }
    // Ticked: every chart keeps a faint copy of its curves as they are now.
    void HoldClick(bool held) { ChartHold::Apply(charts_, held); }
    // The Hold check box, where the window has one.
    QCheckBox* HoldCB = nullptr;
    // A window that notes some state before the parameters change overrides it.
    virtual void LoadButtonClick();
    // The charts to the chart panel's size, the pressure-volume chart included.
    void FormResize();
    // Whether a file may be loaded as this window's parameters (see FrameFiles).
    bool CheckParameterFile(const TIniFile& file, const FileContents& contents,
                            std::string& refusal, std::string& badValues) const {
        return files_.CheckParameterFile(file, contents, refusal, badValues);
    }
    // Writes placement and parameters, when the window is hidden and at
    // program end; nothing if never shown or the settings file is unreadable.
    void FormDestroy();

    // Loads the parameters (settings file at showing, parameter file at Load),
    // then the sliders follow and the boxes are checked. A window whose engine
    // does its own follow-up after the texts are read overrides it.
    virtual void ReadIniFile(const TIniFile& ini);
    void WriteIniFile(const std::string& fileName);

    // The fields whose texts the engine cannot use, as last checked, in table order.
    const std::vector<FieldProblem>& FieldProblems() const { return marks_->Problems(); }
    // The line under the input panel that says what is wrong with a marked box.
    QLabel* ProblemLine() const { return marks_->ProblemLine(); }
    // True while the box of the field is marked as unusable.
    bool Marked(Field field) const { return marks_->Marked(field); }

    // Brings the grid, the picture and every chart up to date with the
    // engine; called after each handler.
    void SyncCharts() { pacing_.SyncCharts(); }
    // Runs a handler inside the error guard, then redraws what changed. A
    // handler run inside another (a sweep writing its field) leaves that to
    // the outer one and to the display frames meanwhile.
    void Run(const std::function<void()>& handler) { pacing_.Run(handler); }

  protected:
    // The differences between the windows.
    virtual void EnterAction() {}
    virtual void HaltAction() {}
    virtual void RefreshAfterLoad() = 0;
    // Grid labels and start actions, at the end of every showing.
    virtual void ShowSteps() = 0;
    // Draws the engine's picture on the canvas, sized to the picture control.
    virtual void DrawEngine(Canvas& canvas) = 0;
    // A click on the background of one of PositionChart..WorkChart.
    virtual void ChartClickBackground(const TChart& chart, double x, double plotLeft,
                                      double plotRight) = 0;
    // A key on a chart landing on an angle, as a click there does.
    virtual void ChartAtAngle(int angle) = 0;
    // Runs an engine handler for a control. A window that brings its own
    // controls in line with the engine after every handler overrides it.
    virtual void CallEngine(const std::function<void()>& handler) { Run(handler); }

    // Input checking, shared by the windows.
    // Checks every field's text (ParameterTable::Check), marks the boxes the
    // engine cannot use with their reason as tooltip and shows the first reason
    // in the problem line. True when the engine can use every text; false
    // notes that a change was held back (see TakeHeldBack).
    bool CheckFields() { return marks_->Check(); }
    // A field's change handler calls this first: the sliders follow the boxes,
    // then CheckFields.
    bool FieldEdited();
    // For the actions that start a calculation (Calc, Enter, Go, Single, the
    // speed buttons): true when every text checks out, else the first marked
    // box gets the focus and the action must not run.
    bool ReadyToCalculate() { return marks_->ReadyToCalculate(); }
    // True once after the texts check out again following a change held back:
    // the results on screen then belong to older texts and must be redone.
    bool TakeHeldBack() { return marks_->TakeHeldBack(); }
    // Moves each slider to its box's value, or to the end of its range nearer
    // a value beyond it, without running the slider's handler; a text the
    // engine cannot use leaves the slider where it is.
    virtual void FollowSliders() { widgets_->FollowSliders(HotTempTB, PhaseOffsetTB); }

    // Building blocks for the windows.
    // Shows the engine's charts and binds their clicks and the picture to the
    // engine; once the engine exists.
    void AttachEngine(TChart& c1, TChart& c2, TChart& c3, TChart& c4, TChart& c5);
    QPushButton* AddButton(const QString& caption, int x, int y, int width,
                           const std::function<void()>& handler, bool passesKeys = true) {
        return widgets_->AddButton(caption, x, y, width, handler, passesKeys);
    }
    QLineEdit* AddField(Field field, int x, int y, const QString& text, bool passesKeys = true) {
        return widgets_->AddField(field, x, y, text, passesKeys);
    }
    // The input panel's edit boxes from a table.
    using FieldPlace = kelvane::FieldPlace;
    std::vector<QLineEdit*> AddFields(std::span<const FieldPlace> places) {
        return widgets_->AddFields(places);
    }
    QLabel* AddLabel(const QString& caption, int x, int y, QWidget* parent = nullptr) {
        return widgets_->AddLabel(caption, x, y, parent);
    }
    // A sunken frame drawn behind the input panel's controls.
    QWidget* AddBevel(int x, int y, int width, int height) {
        return widgets_->AddBevel(x, y, width, height);
    }
    // A solid colour block of the input panel (the hot and cold swatches).
    QLabel* AddSwatch(const char* name, QColor colour, int x, int y, int width, int height) {
        return widgets_->AddSwatch(name, colour, x, y, width, height);
    }
    // The horizontal hot-temperature slider HotTempTB of the input panel's
    // temperature box (0..1000, read backwards); changes go to the engine's
    // onChange through CallEngine.
    QSlider* AddHotTempSlider(const std::function<void(int)>& onChange) {
        return HotTempTB = widgets_->AddHotTempSlider(onChange);
    }
    // The phase-offset slider PhaseOffsetTB (-175..175 degrees, 150 by 25 at
    // x, y); changes go to the engine's onChange through CallEngine.
    QSlider* AddPhaseOffsetSlider(int x, int y, const std::function<void(int)>& onChange) {
        return PhaseOffsetTB = widgets_->AddPhaseOffsetSlider(x, y, onChange);
    }
    // The volume read-out label "lDebug", which the engine writes.
    QLabel* AddVolumeLabel(int x, int y, int minimumWidth) {
        return widgets_->AddVolumeLabel(x, y, minimumWidth);
    }
    // Keeps Enter from reaching the window's key handler (a button it is
    // pressed on is pressed). Escape always closes the window.
    void KeepKeys(QWidget* control) { widgets_->KeepKeys(control); }
    // The Hold check box at x, y of the input panel (not a stored setting).
    QCheckBox* AddHoldBox(int x, int y);

    void showEvent(QShowEvent* event) override;
    // Exit, Escape and the close box hide the window: its settings are kept then.
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* InputPanel = nullptr;
    QWidget* TopBand = nullptr;
    QWidget* ChartArea = nullptr;
    QLabel* PictureLabel = nullptr;
    QTableWidget* StatisticsGrid = nullptr;

  private:
    void FormShow();
    void LayoutBands();
    void MakeGrid();
    void ButtonClick(FrameButton role);
    // Draws the engine on the picture at the picture's size.
    void DrawPicture();

    FrameTraits traits_;
    WidgetHost host_;
    ChartView* charts_[5] = {};
    QImageCanvas canvas_;
    EnterKeys keys_;
    RedrawPacing pacing_;
    FrameFiles files_{*this};
    PressureVolumePopOver pv_;
    std::optional<FrameWidgets> widgets_;
    std::optional<FieldMarks> marks_;
    std::optional<FrameLayout> layout_;
};

} // namespace kelvane
