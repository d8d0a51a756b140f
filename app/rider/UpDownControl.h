#pragma once

#include <QWidget>

class QToolButton;

namespace kelvane {

// An up-down control: two arrow buttons stacked in one narrow box beside an
// edit box. It only reports presses; what a step does is the engine's business.
class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownControl(const QString& name, QWidget* parent = nullptr);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  signals:
    // One press (or one repeat while held) of the upper or the lower arrow.
    void stepRequested(bool up);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace kelvane
