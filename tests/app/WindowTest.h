#pragma once

#include "AppTestSupport.h"
#include "widgets/ChartView.h"

#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kelvane {

// A test of one simulator window W in a test's desktop: made, not yet shown,
// with what the window tests ask of it.
template <class W> class WindowTest : public ::testing::Test {
  protected:
    AppTestEnvironment env;
    std::unique_ptr<W> form = std::make_unique<W>();

    auto& Engine() { return form->Engine(); }
    std::string Text(Field field) { return form->Host().FieldText(field); }
    std::string Text(const char* control) {
        return Text(form->Traits().parameters->RowOf(control).id);
    }
    // A value of the statistics grid; "" for a cell never written.
    std::string Cell(int row) {
        QTableWidgetItem* item = form->Grid()->item(row, 1);
        return item ? item->text().toStdString() : std::string();
    }
    // Shown with its timer stopped: the test turns the crank itself (Ticks).
    void Show() {
        form->show();
        form->Timer->stop();
    }
    // Shown as a student sees it, its timer running.
    void ShowRunning() { form->show(); }
    // Timeouts of the window's timer, one by one.
    void Ticks(int n) {
        for (int i = 0; i < n; ++i)
            form->TimerTimeout();
    }
    // A click at a fraction of a chart's plot width, halfway down.
    void ClickChart(int number, double fraction) {
        ChartView* chart = form->Chart(number);
        chart->replot();
        QRect r = chart->ChartRect();
        int x = r.left() + static_cast<int>(fraction * (r.right() - r.left()) + 0.5);
        QTest::mouseClick(chart, Qt::LeftButton, {}, QPoint(x, r.center().y()));
    }
};

} // namespace kelvane
