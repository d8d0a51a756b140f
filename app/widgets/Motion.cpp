#include "Motion.h"

#include <QApplication>
#include <QGuiApplication>

namespace kelvane {

bool MotionReduced() {
    const QByteArray asked = qgetenv("KELVANE_REDUCED_MOTION");
    if (!asked.isEmpty())
        return asked != "0";
    return QGuiApplication::platformName() == QLatin1String("windows") &&
           !QApplication::isEffectEnabled(Qt::UI_General);
}

} // namespace kelvane
