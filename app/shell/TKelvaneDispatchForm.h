#pragma once

#include "shell/WindowSettings.h"

#include <QWidget>

#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace kelvane {

struct EngineEntry;

// The launcher: the program's main window, from which the simulator windows open.
class TKelvaneDispatchForm : public QWidget, public WindowSettings {
    Q_OBJECT
  public:
    explicit TKelvaneDispatchForm(QWidget* parent = nullptr);

    // What an engine's button opens (set by the program).
    std::function<void(const EngineEntry& engine)> showEngine;

    // The button of the engine of that name: one for each engine of the catalog.
    void EngineButtonClick(std::string_view engine);
    void RotaryButtonClick();
    void IntroButtonClick();
    void QuitButtonClick();
    void FormDestroy();
    void CheckForCorrectRelease(const std::string& release);

    QLabel* ReleaseLabel() const { return lRelease; }
    QComboBox* LanguageBox() const { return languageBox; }
    // The language picked in the box, by its code: stored in the settings.
    void LanguageChosen(const QString& code);
    static std::string ProductVersion();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    QPushButton* AddButton(const QString& caption, const char* name, int x, int y,
                           std::function<void()> handler);

    void AddLanguageChoice();

    QLabel* lRelease = nullptr;
    QComboBox* languageBox = nullptr;
};

} // namespace kelvane
