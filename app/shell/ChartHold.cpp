#include "ChartHold.h"

#include "widgets/ChartGhosts.h"

#include <QCheckBox>
#include <QCoreApplication>

namespace kelvane {

QCheckBox* ChartHold::AddBox(QWidget* panel, int x, int y, QWidget* context,
                             const std::function<void(bool)>& toggled) {
    auto* box = new QCheckBox(QCoreApplication::translate("ChartHold", "Hol&d"), panel);
    box->setObjectName("HoldCB");
    box->setToolTip(QCoreApplication::translate(
        "ChartHold", "Keep the curves as they are now on every chart, faint and dashed, to "
                     "compare a change with them"));
    box->move(x, y);
    box->adjustSize();
    QObject::connect(box, &QCheckBox::toggled, context, toggled);
    return box;
}

void ChartHold::Apply(std::span<ChartView* const> charts, bool held) {
    for (ChartView* chart : charts) {
        if (held)
            ChartGhosts::Hold(chart);
        else
            ChartGhosts::Release(chart);
    }
}

} // namespace kelvane
