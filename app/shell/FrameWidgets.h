#pragma once

#include "foundations/ParameterTable.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>
#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace kelvane {

class EnterKeys;
class WidgetHost;

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

// One of the input panel's edit boxes, as a window lays them out.
struct FieldPlace {
    Field field;
    int x, y;
    const char* text; // until the settings are read
    int width = 41;
};

// The kinds of control a field's text is shown or changed by.
enum class FieldControl { Box, Slider, UpDown };

// Makes the controls of a simulator window's input panel and binds them to
// the window: the host keeps the edit boxes, buttons run their handlers
// through the window's guard and sliders through its engine call.
class FrameWidgets {
  public:
    // Runs a handler the way the window runs it.
    using Runner = std::function<void(const std::function<void()>&)>;

    FrameWidgets(QWidget* window, QWidget* panel, WidgetHost& host, const ParameterTable& table,
                 EnterKeys& keys, Runner run, Runner callEngine);

    // The frame's buttons in the order the places list them; click runs a
    // button's role.
    void AddFrameButtons(std::span<const FrameButtonPlace> places,
                         const std::function<void(FrameButton)>& click);
    QPushButton* Button(FrameButton role) const { return buttons_[static_cast<int>(role)]; }

    QPushButton* AddButton(const QString& caption, int x, int y, int width,
                           const std::function<void()>& handler, bool passesKeys);
    QLineEdit* AddField(Field field, int x, int y, const QString& text, bool passesKeys);
    std::vector<QLineEdit*> AddFields(std::span<const FieldPlace> places);
    QLabel* AddLabel(const QString& caption, int x, int y, QWidget* parent);
    QWidget* AddBevel(int x, int y, int width, int height);
    QLabel* AddSwatch(const char* name, QColor colour, int x, int y, int width, int height);
    QSlider* AddHotTempSlider(const std::function<void(int)>& onChange);
    QSlider* AddPhaseOffsetSlider(int x, int y, const std::function<void(int)>& onChange);
    QLabel* AddVolumeLabel(int x, int y, int minimumWidth);
    void KeepKeys(QWidget* control);
    // What a screen reader calls a control of the field: the table's label
    // and unit for its box ("Hot temperature, degrees F"), the label and the
    // kind of control for the others ("Hot temperature slider").
    static QString SpokenName(const FieldRow& row, FieldControl control);

    // Moves each slider to its box's value, or to the end of its range nearer
    // a value beyond it, without running the slider's handler; a text the
    // engine cannot use leaves the slider where it is.
    void FollowSliders(QSlider* hotTemp, QSlider* phaseOffset);

  private:
    QWidget* window_;
    QWidget* panel_;
    WidgetHost& host_;
    const ParameterTable& table_;
    EnterKeys& keys_;
    Runner run_;
    Runner callEngine_;
    std::array<QPushButton*, 7> buttons_{};
};

} // namespace kelvane
