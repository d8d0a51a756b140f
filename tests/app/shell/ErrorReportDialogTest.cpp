#include "shell/QtErrorReportPresenter.h"
#include "shell/TErrorReportDialog.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvane;

namespace {

TErrorReportData SampleData(TErrorReportOptions options) {
    TErrorReportData d;
    d.Caption = "Application Error";
    d.MessageText =
        "Exception 'EConvertError' in module Kelvane at 0000EE62\r\n'abc' is not a valid "
        "integer value\r\n\r\nSource file: Conversions.cpp, Line 279";
    d.CallStackText = "Call stack:\r\n:0000EE62 [Kelvane] kelvane::StrToInt()\r\n";
    d.RegisterText = "Registers:\r\nRAX = 0000000000000000\r\n";
    d.CustomInfo = "";
    d.CustomTab = "Additional";
    d.Options = options;
    return d;
}

QStringList PageCaptions(const TErrorReportDialog& dialog) {
    QStringList captions;
    for (int i = 0; i < dialog.Pages()->count(); ++i)
        captions << dialog.Pages()->tabText(i);
    return captions;
}

TEST(ErrorReportDialog, OpensCompactAndSwitchesToDetails) {
    TErrorReportDialog dialog(SampleData({excDlgCallStack, excDlgRegisters, excShowDialog}));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Application Error");
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.OkButton()->text(), "OK");
    EXPECT_EQ(dialog.MessageLabel()->text(),
              "Exception 'EConvertError' in module Kelvane at 0000EE62\n'abc' is not a valid "
              "integer value\n\nSource file: Conversions.cpp, Line 279");
    EXPECT_FALSE(dialog.IsDetailed());
    EXPECT_TRUE(dialog.DetailsButton()->isVisible());
    EXPECT_EQ(dialog.DetailsButton()->text(), "&Details >>");
    EXPECT_FALSE(dialog.Pages()->isVisible());
    EXPECT_FALSE(dialog.TerminateButton()->isVisible());
    EXPECT_EQ(PageCaptions(dialog), (QStringList{"Call Stack", "Registers"}));
    EXPECT_EQ(dialog.Pages()->currentIndex(), 0);
    const int compactHeight = dialog.sizeHint().height();

    QTest::mouseClick(dialog.DetailsButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.IsDetailed());
    EXPECT_EQ(dialog.DetailsButton()->text(), "&Compact <<");
    EXPECT_TRUE(dialog.Pages()->isVisible());
    EXPECT_GT(dialog.sizeHint().height(), compactHeight + 200);
    auto* stack = qobject_cast<QPlainTextEdit*>(dialog.Pages()->widget(0));
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->toPlainText(), "Call stack:\n:0000EE62 [Kelvane] kelvane::StrToInt()\n");
    EXPECT_TRUE(stack->isReadOnly());
    EXPECT_EQ(stack->font().family(), "Courier");
    // 14 pixels beside the default 9-point text at 96 dpi; it follows the desktop's size.
    EXPECT_EQ(QFontInfo(stack->font()).pixelSize(), 14);
    auto* regs = qobject_cast<QPlainTextEdit*>(dialog.Pages()->widget(1));
    ASSERT_NE(regs, nullptr);
    EXPECT_EQ(regs->toPlainText(), "Registers:\nRAX = 0000000000000000\n");

    QTest::mouseClick(dialog.DetailsButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.IsDetailed());
    EXPECT_EQ(dialog.DetailsButton()->text(), "&Details >>");
    EXPECT_FALSE(dialog.Pages()->isVisible());

    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ErrorReportDialog, OptionsChooseButtonsAndPages) {
    struct Case {
        const char* name;
        TErrorReportOptions options;
        QStringList pages;
        bool detailed, detailsButton, terminate;
    };
    const Case cases[] = {
        {"all pages, terminate, detailed",
         {excDlgDetailed, excDlgCallStack, excDlgRegisters, excDlgCustomInfo, excDlgTerminate},
         {"Call Stack", "Registers", "Additional"},
         true,
         true,
         true},
        {"registers only", {excDlgRegisters}, {"Registers"}, false, true, false},
        {"no pages: compact for good", {excDlgDetailed, excShowDialog}, {}, false, false, false},
    };
    for (const Case& c : cases) {
        TErrorReportDialog dialog(SampleData(c.options));
        dialog.show();
        EXPECT_EQ(PageCaptions(dialog), c.pages) << c.name;
        EXPECT_EQ(dialog.IsDetailed(), c.detailed) << c.name;
        EXPECT_EQ(dialog.Pages()->isVisible(), c.detailed) << c.name;
        EXPECT_EQ(dialog.DetailsButton()->isVisible(), c.detailsButton) << c.name;
        EXPECT_EQ(dialog.DetailsButton()->text(), c.detailed ? "&Compact <<" : "&Details >>")
            << c.name;
        EXPECT_EQ(dialog.TerminateButton()->isVisible(), c.terminate) << c.name;
    }
}

TEST(ErrorReportDialog, ChoosingAPageReturnsFocusToOk) {
    TErrorReportDialog dialog(SampleData({excDlgDetailed, excDlgCallStack, excDlgRegisters}));
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.Pages()->widget(0)->setFocus();
    dialog.Pages()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.Pages()->widget(1)->isVisible());
    EXPECT_FALSE(dialog.Pages()->widget(0)->isVisible());
    EXPECT_TRUE(dialog.OkButton()->hasFocus());
}

TEST(ErrorReportDialog, PresenterShowsTheModalDialog) {
    // Closes the dialog once it is up, so that the modal loop returns.
    QString seenTitle;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<TErrorReportDialog*>(w); d && d->isVisible()) {
                seenTitle = d->windowTitle();
                d->OkButton()->click();
            }
    });
    closer.start(10);
    QtErrorReportPresenter presenter;
    presenter.ShowReport(SampleData({excDlgCallStack, excDlgRegisters, excShowDialog}));
    EXPECT_EQ(seenTitle, "Application Error");
}

} // namespace
