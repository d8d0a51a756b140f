#include "RecordingErrorReportPresenter.h"

#include "crash/TErrorReport.h"
#include "foundations/Conversions.h"
#include "shell/ErrorGuard.h"
#include "shell/KelvaneApplication.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

using namespace kelvane;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int CountOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto i = text.find(part); i != std::string::npos; i = text.find(part, i + 1))
        ++n;
    return n;
}

// Raises from inside Qt's event delivery, where only notify can catch it.
class ThrowingReceiver : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            StrToInt("abc");
        return QObject::event(e);
    }
};

class ErrorGuardTest : public testing::Test {
  protected:
    void SetUp() override {
        logPath = testing::TempDir() + "kelvane-guard-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
        std::remove(logPath.c_str());
        report.SetLogFile(logPath);
        ConnectErrorReport(report, &presenter);
    }
    void TearDown() override {
        ConnectErrorReport(report, nullptr);
        std::remove(logPath.c_str());
    }

    TErrorReport report;
    RecordingErrorReportPresenter presenter;
    std::string logPath;
};

TEST_F(ErrorGuardTest, EscapingErrorIsReportedAndTheActionEnds) {
    bool calcing = false;
    bool calcingWhenShown = true;
    presenter.onShow = [&] { calcingWhenShown = calcing; };
    bool after = false;
    Guarded([&] {
        // The engine's own guard of its flag, undone by unwinding before the report.
        struct FlagGuard {
            bool& flag;
            ~FlagGuard() { flag = false; }
        } guard{calcing};
        calcing = true;
        StrToInt("abc");
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_FALSE(calcing);
    EXPECT_FALSE(calcingWhenShown);
    ASSERT_EQ(presenter.reports.size(), 1u);
    EXPECT_EQ(presenter.reports[0].ExceptionClass, "EConvertError");
    EXPECT_NE(presenter.reports[0].CallStackText.find("kelvane::StrToInt("), std::string::npos);
    EXPECT_EQ(CountOf(ReadFile(logPath), "'abc' is not a valid integer value"), 1);

    // Anything at all is caught, not only standard exceptions.
    Guarded([] { throw 3; });
    ASSERT_EQ(presenter.reports.size(), 2u);
    EXPECT_EQ(presenter.reports[1].ExceptionClass, "int");
    // A handler that does not fail shows nothing.
    Guarded([] {});
    EXPECT_EQ(presenter.reports.size(), 2u);
    EXPECT_TRUE(presenter.messages.empty());
}

TEST_F(ErrorGuardTest, DisabledReportFallsBackToThePlainMessage) {
    report.SetEnabled(false);
    Guarded([] { StrToInt("xyz"); });
    EXPECT_TRUE(presenter.reports.empty());
    ASSERT_EQ(presenter.messages.size(), 1u);
    EXPECT_EQ(presenter.messages[0], "'xyz' is not a valid integer value");
    EXPECT_EQ(ReadFile(logPath), "");
}

TEST_F(ErrorGuardTest, EventLoopGoesOnAfterAFailingSlot) {
    QEventLoop loop;
    bool laterRan = false;
    QTimer::singleShot(0, GuardedSlot([] { StrToInt("abc"); }));
    QTimer::singleShot(5, [&] {
        laterRan = true;
        loop.quit();
    });
    QTimer::singleShot(5000, &loop, &QEventLoop::quit); // never hang the suite
    loop.exec();
    EXPECT_TRUE(laterRan);
    EXPECT_EQ(presenter.reports.size(), 1u);
}

TEST_F(ErrorGuardTest, GuardedSlotTakesTheArgumentsItWants) {
    QObject source;
    int plainCalls = 0;
    QObject::connect(&source, &QObject::objectNameChanged, GuardedSlot([&] { ++plainCalls; }));
    QObject::connect(&source, &QObject::objectNameChanged,
                     GuardedSlot([](const QString& name) { StrToInt(name.toStdString()); }));
    source.setObjectName("12");
    EXPECT_TRUE(presenter.reports.empty());
    source.setObjectName("abc");
    EXPECT_EQ(plainCalls, 2);
    ASSERT_EQ(presenter.reports.size(), 1u);
    EXPECT_EQ(presenter.reports[0].ExceptionMessage, "'abc' is not a valid integer value");
}

TEST_F(ErrorGuardTest, NotifyIsTheLastBackstop) {
    ASSERT_NE(qobject_cast<KelvaneApplication*>(QCoreApplication::instance()), nullptr);
    ThrowingReceiver receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    ASSERT_EQ(presenter.reports.size(), 1u);
    EXPECT_EQ(presenter.reports[0].ExceptionClass, "EConvertError");
    // Reported where it was raised, inside the receiver's handler.
    EXPECT_NE(presenter.reports[0].CallStackText.find("ThrowingReceiver::event"), std::string::npos)
        << presenter.reports[0].CallStackText;
}

} // namespace
