#pragma once

#include <QWidget>

class QPainter;

namespace kelvane {

// Where the keys go must show. Widgets that paint themselves (charts, the
// up-downs) frame themselves with Paint while they have the focus; a widget
// that cannot be told to (the picture, a plain label) gets a FocusFrame laid
// over it.
class FocusFrame : public QWidget {
  public:
    static void Attach(QWidget* control);
    // A dashed frame in the palette's highlight colour just inside the widget.
    static void Paint(const QWidget* widget, QPainter& painter);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    explicit FocusFrame(QWidget* control);
};

} // namespace kelvane
