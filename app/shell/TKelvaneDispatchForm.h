#pragma once

#include "shell/WindowSettings.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace kelvane {

// The launcher: the program's main window, from which the simulator windows open.
class TKelvaneDispatchForm : public QWidget, public WindowSettings {
    Q_OBJECT
  public:
    explicit TKelvaneDispatchForm(QWidget* parent = nullptr);

    // What the simulator buttons open (set by the program).
    std::function<void()> showGamma;
    std::function<void()> showRingbom;
    std::function<void()> showRider;

    void GammaButtonClick();
    void RingbomButtonClick();
    void RiderButtonClick();
    void RotaryButtonClick();
    void IntroButtonClick();
    void QuitButtonClick();
    void FormDestroy();
    void CheckForCorrectRelease(const std::string& release);

    QLabel* ReleaseLabel() const { return lRelease; }
    static std::string ProductVersion();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();
    QPushButton* AddButton(const QString& caption, int x, int y,
                           void (TKelvaneDispatchForm::*handler)());

    QLabel* lRelease = nullptr;
};

} // namespace kelvane
