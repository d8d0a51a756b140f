#include "shell/KelvaneApplication.h"

#include "shell/ErrorGuard.h"

namespace kelvane {

KelvaneApplication::KelvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool KelvaneApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}

} // namespace kelvane
