// Every student can read it: text and curves stand out from their ground in
// a dark desktop palette too, and a larger desktop font grows the windows
// without cutting any caption.
#include "../EveryWindow.h"
#include "foundations/Colors.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {

namespace {

bool Shown(const QWidget* w, const QWidget& window) {
    return w->window() == &window && w->isVisibleTo(&window) && w->isEnabled();
}

double ContrastOf(QColor a, QColor b) {
    return Contrast(a.rgb() & 0xFFFFFF, b.rgb() & 0xFFFFFF);
}

// Qt's Fusion style in its usual dark colours.
QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(42, 42, 42));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, Qt::white);
    return p;
}

// The text a widget shows and the ground it shows it on, or nothing.
std::optional<std::pair<QColor, QColor>> TextOn(QWidget* w) {
    w->ensurePolished();
    const QPalette& p = w->palette();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        return std::pair(area->viewport()->palette().color(QPalette::Text),
                         area->viewport()->palette().color(QPalette::Base));
    const auto* label = qobject_cast<QLabel*>(w);
    if ((label && !label->text().isEmpty()) || qobject_cast<QAbstractButton*>(w) ||
        qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
        return std::pair(p.color(w->foregroundRole()), p.color(w->backgroundRole()));
    return std::nullopt;
}

} // namespace

TEST(Look, TextAndCurvesStandOutInADarkPalette) {
    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    std::vector<std::string> faint;
    {
        AppTestEnvironment env;
        EveryWindow windows(env);
        windows.ForEach([&faint](const std::string& name, QWidget& window) {
            AppTestEnvironment::Snapshot(window, ("dark " + name).c_str());
            auto check = [&](const QWidget* w, const char* what, QColor ink, QColor ground,
                             double least) {
                if (ContrastOf(ink, ground) < least)
                    faint.push_back(name + " " + w->objectName().toStdString() + " " + what + " " +
                                    ink.name().toStdString() + " on " +
                                    ground.name().toStdString());
            };
            for (QWidget* w : window.findChildren<QWidget*>()) {
                if (!Shown(w, window))
                    continue;
                if (const auto text = TextOn(w))
                    check(w, "text", text->first, text->second, 4.5);
                auto* chart = qobject_cast<QCustomPlot*>(w);
                if (!chart)
                    continue;
                const QColor ground = chart->axisRect()->backgroundBrush().color();
                for (QCPAxis* axis : {chart->xAxis, chart->yAxis, chart->yAxis2}) {
                    check(w, "axis title", axis->labelColor(), ground, 4.5);
                    check(w, "axis numbers", axis->tickLabelColor(), ground, 4.5);
                    check(w, "axis line", axis->basePen().color(), ground, 3);
                }
                check(w, "legend", chart->legend->textColor(), ground, 4.5);
                if (auto* title = qobject_cast<QCPTextElement*>(chart->plotLayout()->element(0, 0)))
                    check(w, "title", title->textColor(), ground, 4.5);
                for (int i = 0; i < chart->plottableCount(); ++i)
                    check(w, "curve", chart->plottable(i)->pen().color(), ground, 3);
            }
        });
        EXPECT_TRUE(env.errors.empty());
    }
    QApplication::setPalette(light);
    EXPECT_EQ(faint, std::vector<std::string>{});
}

// At the designed 9 points and at 14, each window shows every caption whole,
// and at 14 a window of fixed design is larger than at 9.
TEST(Look, ALargerDesktopFontGrowsTheWindowsAndCutsNothing) {
    const QFont designed = QApplication::font();
    std::map<std::string, QSize> sizes;
    std::vector<std::string> cut, notGrown;
    for (const double points : {9.0, 14.0}) {
        QFont font = designed;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        AppTestEnvironment env;
        EveryWindow windows(env);
        windows.ForEach([&](const std::string& name, QWidget& window) {
            for (QWidget* w : window.findChildren<QWidget*>()) {
                if (!Shown(w, window))
                    continue;
                QString text;
                if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
                    text = label->text();
                else if (auto* button = qobject_cast<QAbstractButton*>(w))
                    text = button->text();
                text.remove('&');
                if (text.isEmpty() || text.contains('\n'))
                    continue;
                if (w->fontMetrics().horizontalAdvance(text) > w->width())
                    cut.push_back(name + " at " + std::to_string(int(points)) + ": " +
                                  text.toStdString());
            }
            AppTestEnvironment::Snapshot(window,
                                         (name + " at " + std::to_string(int(points))).c_str());
            // A window laid out by Qt takes the size its contents ask for.
            if (window.layout())
                return;
            if (points == 9.0)
                sizes[name] = window.size();
            else if (window.width() <= sizes[name].width() ||
                     window.height() <= sizes[name].height())
                notGrown.push_back(name);
        });
    }
    QApplication::setFont(designed);
    EXPECT_EQ(cut, std::vector<std::string>{});
    EXPECT_EQ(notGrown, std::vector<std::string>{});
}

} // namespace kelvane
