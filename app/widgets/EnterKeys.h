#pragma once

#include <QObject>

class QWidget;

namespace kelvane {

// What Enter does on a window's controls: on a button it presses it, as Space
// does, and nothing else; a control told to keep its keys swallows it, so
// that it does not reach the window's own key handler.
class EnterKeys : public QObject {
  public:
    using QObject::QObject;

    // Enter on the control goes no further than the control.
    void Keep(QWidget* control);
    // Enter on the control: a button is pressed, the rest left to the window.
    void Watch(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kelvane
