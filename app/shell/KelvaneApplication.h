#pragma once

#include <QApplication>

namespace kelvane {

// The application object. Its notify is the last backstop: an error that a
// handler let escape past its guard goes to the error report, never to Qt.
class KelvaneApplication : public QApplication {
    Q_OBJECT
  public:
    KelvaneApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace kelvane
