#pragma once

#include <QWidget>

class QTimer;

namespace kelvane {

// An up-down control: two arrows stacked in one narrow box beside an edit box.
// It only reports presses; what a step does is the engine's business. The
// arrows are painted, not child widgets, so that scaling the window's controls
// scales the box as one.
class UpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit UpDownControl(const QString& name, QWidget* parent = nullptr);

    // The point a click must land on to press the upper or the lower arrow.
    QPoint ArrowCentre(bool up) const;
    // The Up and Down keys in the box the arrows belong to press them, as in
    // any spin box (the box itself keeps the focus).
    void StepWithKeysOf(QWidget* box);

  signals:
    // One press (or one repeat while held) of the upper or the lower arrow.
    void stepRequested(bool up);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRect ArrowRect(bool up) const;

    QTimer* repeat_;
    int held_ = 0; // +1 upper arrow, -1 lower arrow, 0 none
};

} // namespace kelvane
