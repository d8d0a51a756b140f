#include "crash/ProcessInfo.h"
#include "crash/TErrorLog.h"
#include "crash/TErrorReport.h"
#include "crash/TExcCallStack.h"
#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <link.h>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace kelvane;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

int CountEntries(const std::string& log) {
    static const std::regex header("-{27}\\d\\d:\\d\\d:\\d\\d \\d\\d/\\d\\d/\\d{4}-{27}");
    int n = 0;
    for (const std::string& line : Lines(log))
        n += std::regex_match(line, header) ? 1 : 0;
    return n;
}

// The line of the throw in a source file of this project, found by its text
// so that the test follows edits of that file.
int LineOf(const std::string& relativePath, const std::string& text) {
    // Not __FILE__: a compiler cache may make that relative to the build folder.
    std::ifstream in(std::string(KELVANE_SOURCE_DIR) + "/" + relativePath);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (line.find(text) != std::string::npos)
            return n;
    return -1;
}

std::uintptr_t ProgramLoadAddress() {
    std::uintptr_t base = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            *static_cast<std::uintptr_t*>(data) = info->dlpi_addr;
            return 1; // the first object is the program
        },
        &base);
    return base;
}

namespace probe {
template <class T> struct Box {};
struct Item {};
} // namespace probe

int throwLine = 0;

[[gnu::noinline]] void ThrowHere() {
    throwLine = __LINE__ + 1;
    throw std::runtime_error("raised here");
}

[[gnu::noinline]] int Recurse(int depth) {
    if (depth == 0)
        return StrToInt("abc");
    int r = Recurse(depth - 1);
    asm volatile("" : "+r"(r)); // keeps the call a call, not a jump or a loop
    return r;
}

class ErrorReportTest : public testing::Test {
  protected:
    void SetUp() override {
        logPath = testing::TempDir() + "kelvane-error-report-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name() + ".log";
        std::remove(logPath.c_str());
        report.SetLogFile(logPath);
        report.SetDisplay([this](const TErrorReportData& d) { shown.push_back(d); });
    }
    void TearDown() override { std::remove(logPath.c_str()); }

    template <class F> bool ReportFrom(F&& f) {
        try {
            f();
        } catch (...) {
            return report.Report(std::current_exception());
        }
        ADD_FAILURE() << "nothing was raised";
        return false;
    }

    TErrorReport report;
    std::string logPath;
    std::vector<TErrorReportData> shown;
};

TEST_F(ErrorReportTest, DefaultsAndSingleInstance) {
    TErrorReport* r = TErrorReport::Instance();
    ASSERT_EQ(r, &report);
    EXPECT_TRUE(r->Enabled());
    EXPECT_TRUE(r->LogEnabled());
    EXPECT_FALSE(r->LogHandled());
    EXPECT_EQ(r->MaxCallStack(), 100);
    EXPECT_TRUE(r->SuppressRecursion());
    EXPECT_EQ(r->CustomTab(), "Additional");
    EXPECT_EQ(r->Options(), (TErrorReportOptions{excDlgCallStack, excDlgRegisters, excShowDialog}));
    try {
        TErrorReport second;
        FAIL() << "a second instance was allowed";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Only one instance of TErrorReport allowed");
    }
    EXPECT_EQ(TErrorReport::Instance(), &report);
}

TEST(ErrorReportInstall, LogFileDefaultsToProgramFolder) {
    std::string folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder + FileNameOnly(ProgramFileName()), ProgramFileName());
    EXPECT_EQ(FileNameOnly(ProgramFileName()), "crash_tests");
    {
        TErrorReport report;
        EXPECT_EQ(report.LogFile(), folder + "ErrorReport.Log");
    }
    // Removal frees the place for a new report.
    EXPECT_EQ(TErrorReport::Instance(), nullptr);
    TErrorReport again;
    EXPECT_EQ(TErrorReport::Instance(), &again);
}

TEST_F(ErrorReportTest, ConversionErrorNamesWhereItWasRaised) {
    ASSERT_TRUE(ReportFrom([] { StrToInt("abc"); }));
    ASSERT_EQ(shown.size(), 1u);
    const TErrorReportData& d = shown[0];
    EXPECT_EQ(d.Caption, "Application Error");
    EXPECT_EQ(d.ExceptionClass, "EConvertError");
    EXPECT_EQ(d.ExceptionMessage, "'abc' is not a valid integer value");

    int raiseLine = LineOf("core/foundations/Conversions.cpp", "throw EConvertError(");
    ASSERT_GT(raiseLine, 0);
    std::vector<std::string> message = Lines(d.MessageText);
    ASSERT_EQ(message.size(), 4u) << d.MessageText;
    EXPECT_TRUE(std::regex_match(message[0], std::regex("Exception 'EConvertError' in module "
                                                        "crash_tests at [0-9A-F]{8,}")))
        << message[0];
    EXPECT_EQ(message[1], "'abc' is not a valid integer value");
    EXPECT_EQ(message[2], "");
    EXPECT_EQ(message[3], "Source file: Conversions.cpp, Line " + std::to_string(raiseLine));

    // The first entry is the raise in StrToInt, at the address the message gives.
    std::vector<std::string> stack = Lines(d.CallStackText);
    ASSERT_GE(stack.size(), 3u);
    EXPECT_EQ(stack[0], "Call stack:");
    std::string address = message[0].substr(message[0].rfind(' ') + 1);
    EXPECT_EQ(stack[1].rfind(":" + address + " [crash_tests] kelvane::StrToInt(", 0), 0u)
        << stack[1];
    EXPECT_NE(stack[1].find("(Conversions.cpp, line " + std::to_string(raiseLine) + ")"),
              std::string::npos)
        << stack[1];
    // Then the procedure that called it, this test.
    EXPECT_NE(stack[2].find("ErrorReportTest_ConversionErrorNamesWhereItWasRaised_Test"),
              std::string::npos)
        << stack[2];
    EXPECT_TRUE(std::regex_search(stack[2], std::regex("\\(ErrorReportTest\\.cpp, line \\d+\\)")))
        << stack[2];

    std::string log = ReadFile(logPath);
    EXPECT_EQ(CountEntries(log), 1);
    EXPECT_NE(log.find(d.MessageText + "\r\n\r\n" + d.CallStackText + "\r\n" + d.RegisterText +
                       "\r\n\r\n\r\n"),
              std::string::npos);
}

TEST_F(ErrorReportTest, SourceLineIsTheRaiseNotTheCatch) {
    ASSERT_TRUE(ReportFrom([] { ThrowHere(); }));
    ASSERT_EQ(shown.size(), 1u);
    const TErrorReportData& d = shown[0];
    EXPECT_EQ(d.ExceptionClass, "runtime_error");
    EXPECT_EQ(Lines(d.MessageText).back(),
              "Source file: ErrorReportTest.cpp, Line " + std::to_string(throwLine));
    std::vector<std::string> stack = Lines(d.CallStackText);
    ASSERT_GE(stack.size(), 2u);
    EXPECT_NE(
        stack[1].find("ThrowHere() (ErrorReportTest.cpp, line " + std::to_string(throwLine) + ")"),
        std::string::npos)
        << stack[1];
}

TEST_F(ErrorReportTest, TwoErrorsAppendTwoEntries) {
    ASSERT_TRUE(ReportFrom([] { StrToInt("abc"); }));
    ASSERT_TRUE(ReportFrom([] { StrToInt("12x"); }));
    std::string log = ReadFile(logPath);
    EXPECT_EQ(CountEntries(log), 2);
    EXPECT_LT(log.find("'abc' is not"), log.find("'12x' is not"));
    // Every line break is CR LF.
    for (std::string::size_type i = log.find('\n'); i != std::string::npos;
         i = log.find('\n', i + 1))
        ASSERT_EQ(log[i - 1], '\r') << "bare line feed at " << i;
    EXPECT_EQ(log.rfind(TErrorLog::Separator, 0), 0u);
}

TEST_F(ErrorReportTest, RecursionMergesIntoOneEntry) {
    ASSERT_TRUE(ReportFrom([] { Recurse(49); }));
    std::vector<std::string> stack = Lines(shown.at(0).CallStackText);
    // Call stack:, StrToInt, Recurse(0)'s call of it, the merged 49, the lambda ...
    ASSERT_GE(stack.size(), 5u);
    EXPECT_NE(stack[2].find("Recurse(int)"), std::string::npos) << stack[2];
    EXPECT_EQ(stack[3], "Recursive call (49 times):");
    EXPECT_NE(stack[4].find("Recurse(int)"), std::string::npos) << stack[4];
    EXPECT_EQ(stack[5].find("Recurse(int)"), std::string::npos) << stack[5];
    // The call of StrToInt and the recursive call are different return addresses.
    EXPECT_NE(stack[2].substr(0, stack[2].find(' ')), stack[4].substr(0, stack[4].find(' ')));

    shown.clear();
    report.SetSuppressRecursion(false);
    ASSERT_TRUE(ReportFrom([] { Recurse(49); }));
    std::string repeated = Lines(shown.at(0).CallStackText).at(4);
    int count = 0;
    for (const std::string& line : Lines(shown[0].CallStackText)) {
        EXPECT_EQ(line.find("Recursive call"), std::string::npos);
        count += line == repeated ? 1 : 0;
    }
    EXPECT_EQ(count, 49);
}

TEST_F(ErrorReportTest, MaxCallStackLimitsEntriesNotMergedRepeats) {
    report.SetMaxCallStack(3);
    ASSERT_TRUE(ReportFrom([] { Recurse(10); }));
    std::vector<std::string> stack = Lines(shown.at(0).CallStackText);
    ASSERT_EQ(stack.size(), 5u) << shown[0].CallStackText;
    EXPECT_EQ(stack[3], "Recursive call (10 times):");
}

TEST_F(ErrorReportTest, RegistersAreThoseOfTheRaise) {
    ASSERT_TRUE(ReportFrom([] { StrToInt("abc"); }));
    const TErrorReportData& d = shown.at(0);
    std::vector<std::string> regs = Lines(d.RegisterText);
    ASSERT_EQ(regs.size(), 14u) << d.RegisterText;
    EXPECT_EQ(regs[0], "Registers:");
    const std::string h = "[0-9A-F]{16}";
    EXPECT_TRUE(std::regex_match(regs[1], std::regex("RAX = " + h + "  CS = [0-9A-F]{4}  RIP = " +
                                                     h + "  Flags = [0-9A-F]{8}")))
        << regs[1];
    EXPECT_TRUE(std::regex_match(
        regs[2], std::regex("RBX = " + h + "  SS = [0-9A-F]{4}  RSP = " + h + "    RBP = " + h)))
        << regs[2];
    EXPECT_EQ(regs[5].rfind("R8  = ", 0), 0u);
    EXPECT_EQ(regs[6].rfind("R12 = ", 0), 0u);
    EXPECT_EQ(regs[7], "Code at CS:RIP");
    EXPECT_TRUE(std::regex_match(regs[8], std::regex("([0-9A-F]{2} ){16}"))) << regs[8];
    EXPECT_EQ(regs[9], "Stack:");
    for (int i = 10; i < 14; ++i)
        EXPECT_TRUE(std::regex_match(regs[i], std::regex("(" + h + " ){5}"))) << regs[i];

    // RIP is the raise: the message's module-relative address plus the load address.
    std::string first = Lines(d.MessageText)[0];
    std::uintptr_t relative = std::stoull(first.substr(first.rfind(' ') + 1), nullptr, 16);
    std::uintptr_t rip = std::stoull(regs[1].substr(regs[1].find("RIP = ") + 6, 16), nullptr, 16);
    EXPECT_EQ(rip, relative + ProgramLoadAddress());
    // The code line holds the bytes found there.
    char expected[64] = {};
    const unsigned char* code = reinterpret_cast<const unsigned char*>(rip);
    for (int i = 0; i < 16; ++i)
        std::snprintf(expected + 3 * i, 4, "%.2X ", code[i]);
    EXPECT_EQ(regs[8], expected);
    // RSP lies on this thread's stack, near this frame.
    std::uintptr_t rsp = std::stoull(regs[2].substr(regs[2].find("RSP = ") + 6, 16), nullptr, 16);
    int local = 0;
    std::uintptr_t here = reinterpret_cast<std::uintptr_t>(&local);
    EXPECT_LT(rsp, here);
    EXPECT_GT(rsp, here - 64 * 1024);
}

struct ClassNameCase {
    std::string raised;
    std::function<void()> raise;
    std::string className;
    std::string message;
};

TEST_F(ErrorReportTest, ClassNameAndMessageOfWhatWasRaised) {
    const std::vector<ClassNameCase> cases = {
        {"EConvertError", [] { throw EConvertError("bad"); }, "EConvertError", "bad"},
        {"std::logic_error", [] { throw std::logic_error("order"); }, "logic_error", "order"},
        {"int", [] { throw 42; }, "int", ""},
        {"template", [] { throw probe::Box<probe::Item>{}; },
         "Box<(anonymous namespace)::probe::Item>", ""},
        // Raised inside the C++ library, where no capture is made: still reported.
        {"out_of_range", [] { (void)std::vector<int>().at(3); }, "out_of_range", ""},
    };
    for (const ClassNameCase& c : cases) {
        shown.clear();
        ASSERT_TRUE(ReportFrom(c.raise)) << c.raised;
        ASSERT_EQ(shown.size(), 1u) << c.raised;
        EXPECT_EQ(shown[0].ExceptionClass, c.className) << c.raised;
        if (c.raised != "out_of_range") {
            EXPECT_EQ(shown[0].ExceptionMessage, c.message) << c.raised;
        }
        EXPECT_EQ(
            Lines(shown[0].MessageText)[0].rfind("Exception '" + c.className + "' in module ", 0),
            0u)
            << c.raised;
        EXPECT_GE(Lines(shown[0].CallStackText).size(), 2u) << c.raised;
    }
    EXPECT_EQ(CountEntries(ReadFile(logPath)), static_cast<int>(cases.size()));
}

TEST_F(ErrorReportTest, MessageTextIsCutAt1024Characters) {
    std::string longText(3000, 'x');
    ASSERT_TRUE(ReportFrom([&] { throw EConvertError(longText); }));
    EXPECT_EQ(shown.at(0).MessageText.size(), 1024u);
    EXPECT_EQ(shown[0].ExceptionMessage, longText);
}

TEST_F(ErrorReportTest, SettingsDecideLogAndDialog) {
    struct Case {
        const char* name;
        std::function<void(TErrorReport&, const std::string&)> set;
        bool logged, dialog, reported;
    };
    const std::vector<Case> cases = {
        {"defaults", [](TErrorReport&, const std::string&) {}, true, true, true},
        {"log off", [](TErrorReport& r, const std::string&) { r.SetLogEnabled(false); }, false,
         true, true},
        {"no log file", [](TErrorReport& r, const std::string&) { r.SetLogFile(""); }, false, true,
         true},
        {"log cannot be opened",
         [](TErrorReport& r, const std::string& p) { r.SetLogFile(p + ".missing/dir/x.log"); },
         false, true, true},
        {"no dialog",
         [](TErrorReport& r, const std::string&) {
             r.SetOptions({excDlgCallStack, excDlgRegisters});
         },
         true, false, true},
        {"disabled", [](TErrorReport& r, const std::string&) { r.SetEnabled(false); }, false, false,
         false},
    };
    for (const Case& c : cases) {
        std::remove(logPath.c_str());
        shown.clear();
        report.SetLogFile(logPath);
        report.SetLogEnabled(true);
        report.SetEnabled(true);
        report.SetOptions({excDlgCallStack, excDlgRegisters, excShowDialog});
        c.set(report, logPath);
        bool reported = true;
        try {
            StrToInt("abc");
        } catch (...) {
            reported = report.Report(std::current_exception());
        }
        EXPECT_EQ(reported, c.reported) << c.name;
        EXPECT_EQ(CountEntries(ReadFile(logPath)), c.logged ? 1 : 0) << c.name;
        EXPECT_EQ(shown.size(), c.dialog ? 1u : 0u) << c.name;
    }
}

TEST_F(ErrorReportTest, LogHandledLogsEveryRaiseOnce) {
    report.SetLogHandled(true);
    // Handled where it arises: logged all the same.
    try {
        StrToInt("abc");
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(CountEntries(ReadFile(logPath)), 1);
    // Reaching the report: logged when raised, not a second time.
    ASSERT_TRUE(ReportFrom([] { StrToInt("def"); }));
    std::string log = ReadFile(logPath);
    EXPECT_EQ(CountEntries(log), 2);
    EXPECT_NE(log.find("Source file: Conversions.cpp, Line "), std::string::npos);
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(ErrorReportTest, DialogDuringADialogIsLoggedNotStacked) {
    int nested = 0;
    report.SetDisplay([&](const TErrorReportData&) {
        ++nested;
        // A timer fails while the dialog is up.
        try {
            StrToInt("inner");
        } catch (...) {
            report.Report(std::current_exception());
        }
    });
    ASSERT_TRUE(ReportFrom([] { StrToInt("outer"); }));
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(CountEntries(ReadFile(logPath)), 2);
}

TEST(ErrorLog, TimeStampAndCivilTime) {
    std::tm t{};
    t.tm_hour = 7, t.tm_min = 5, t.tm_sec = 9, t.tm_mday = 2, t.tm_mon = 2, t.tm_year = 102;
    EXPECT_EQ(TErrorLog::TimeStamp(t), "07:05:09 02/03/2002");
    // Known instants, with and without a UTC offset crossing midnight and a leap day.
    struct Case {
        long long seconds;
        long offset;
        const char* stamp;
    };
    for (const Case& c :
         {Case{0, 0, "00:00:00 01/01/1970"}, Case{1015027200, 0, "00:00:00 02/03/2002"},
          Case{1709251199, 0, "23:59:59 29/02/2024"}, Case{1709251199, 3600, "00:59:59 01/03/2024"},
          Case{1709251199 + 1, -3600, "23:00:00 29/02/2024"}, Case{-1, 0, "23:59:59 31/12/1969"}}) {
        EXPECT_EQ(TErrorLog::TimeStamp(TErrorLog::CivilTime(c.seconds, c.offset)), c.stamp)
            << c.seconds;
        std::time_t tt = static_cast<std::time_t>(c.seconds + c.offset);
        std::tm g{};
        gmtime_r(&tt, &g);
        EXPECT_EQ(TErrorLog::TimeStamp(g), c.stamp) << c.seconds;
    }
}

TEST(ErrorLog, EntryLayout) {
    EXPECT_EQ(TErrorLog::Entry("12:00:00 01/02/2003", "M1\r\nM2", "Call stack:\r\n:0 [p]\r\n",
                               "Registers:\r\n", ""),
              "---------------------------12:00:00 01/02/2003---------------------------\r\n"
              "M1\r\nM2\r\n\r\n"
              "Call stack:\r\n:0 [p]\r\n\r\n"
              "Registers:\r\n\r\n"
              "\r\n\r\n");
}

// A processor fault in a child process: the entry is written and the child
// dies by the signal instead of going on in a state that cannot be trusted.
struct FaultCase {
    const char* name;
    int signal;
    const char* className;
    const char* detail;
    void (*fault)();
    // For a fault outside any code: the procedure that the first entry, the
    // return address the bad call left, names. Otherwise the first entry is
    // the faulting instruction.
    const char* caller;
};

void WriteNearNull() {
    volatile std::uintptr_t bad = 8;
    *reinterpret_cast<volatile int*>(bad) = 1;
}

// The fault is the point: the undefined-behaviour checker must not stop it first.
__attribute__((no_sanitize_undefined)) void DivideByZero() {
    volatile int zero = 0;
    volatile int r = 10 / zero;
    (void)r;
}

void IllegalInstruction() {
    asm volatile("ud2");
}

__attribute__((noinline)) void CallThrough(std::uintptr_t target) {
    volatile std::uintptr_t address = target;
    reinterpret_cast<void (*)()>(address)();
    asm volatile(""); // not a tail call: the return address stays on the stack
}

void CallNull() {
    CallThrough(0);
}

void CallGarbage() {
    CallThrough(0xdeadbeef);
}

// Faults with its frame pointer, which its unwind information says holds its
// frame (as in code built with frame pointers), pointing nowhere.
extern "C" void kelvane_FaultInBrokenFrame();
asm(R"(
    .pushsection .text
    .type kelvane_FaultInBrokenFrame, @function
kelvane_FaultInBrokenFrame:
    .cfi_startproc
    pushq %rbp
    .cfi_def_cfa_offset 16
    .cfi_offset %rbp, -16
    movq %rsp, %rbp
    .cfi_def_cfa_register %rbp
    movq $0x10, %rbp
    movl $1, 8
    popq %rbp
    ret
    .cfi_endproc
    .size kelvane_FaultInBrokenFrame, .-kelvane_FaultInBrokenFrame
    .popsection
)");

void WaitForSignal() {
    for (;;)
        pause();
}

enum class Send { None, Kill, Queue };

// Runs fault in a child process, without a core file or a message; with send,
// this process sends the child signal once the child is ready for it. The
// signal that ended the child, 0 when none did.
int SignalEndingChildThatRuns(void (*fault)(), Send send = Send::None, int signal = 0) {
    std::fflush(nullptr);
    int ready[2];
    if (pipe(ready) != 0)
        return 0;
    pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, STDERR_FILENO);
        if (write(ready[1], "", 1) != 1)
            _exit(1);
        fault();
        _exit(0); // not reached: the fault ends the child
    }
    close(ready[1]);
    char byte;
    // Read even when nothing is sent: the child's write must find a reader.
    if (child > 0 && read(ready[0], &byte, 1) == 1 && send != Send::None) {
        if (send == Send::Kill)
            kill(child, signal);
        else
            sigqueue(child, signal, sigval{});
    }
    close(ready[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFSIGNALED(status))
        return 0;
    return WTERMSIG(status);
}

// Runs c.fault in a child and checks the entry it leaves in the log at path.
void ExpectFaultLogged(const FaultCase& c, const std::string& path) {
    SCOPED_TRACE(c.name);
    std::remove(path.c_str());
    EXPECT_EQ(SignalEndingChildThatRuns(c.fault), c.signal);

    std::string log = ReadFile(path);
    EXPECT_EQ(CountEntries(log), 1);
    std::vector<std::string> lines = Lines(log);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(std::string("Exception '") + c.className +
                                                      "' in module crash_tests at [0-9A-F]{8,}")))
        << lines[1];
    EXPECT_NE(lines[2].find(c.detail), std::string::npos) << lines[2];
    EXPECT_EQ(lines[4], "Source file: UNKNOWN, Line UNKNOWN");
    EXPECT_EQ(lines[6], "Call stack:");
    std::smatch first;
    ASSERT_TRUE(std::regex_match(lines[7], first, std::regex(":([0-9A-F]{8,}) \\[crash_tests\\]")))
        << lines[7];
    if (c.caller) {
        TCallStackItem item;
        std::uintptr_t relative = std::stoull(first[1], nullptr, 16);
        ASSERT_TRUE(TExcCallStack::Describe(ProgramLoadAddress() + relative, false, item));
        EXPECT_NE(item.ProcName().find(c.caller), std::string::npos) << item.ProcName();
    } else {
        EXPECT_EQ(first[1], lines[1].substr(lines[1].rfind(' ') + 1));
    }
    EXPECT_NE(log.find("\r\n\r\nRegisters:\r\nRAX = "), std::string::npos);
    // No code bytes where a bad call went.
    EXPECT_EQ(log.find("\r\nCode at CS:RIP\r\n") != std::string::npos, c.caller == nullptr);
    EXPECT_NE(log.find("\r\nStack:\r\n"), std::string::npos);
}

TEST_F(ErrorReportTest, ProcessorFaultIsLoggedAndEndsTheProgram) {
    const FaultCase cases[] = {
        {"segv", SIGSEGV, "EAccessViolation", ". Write of address 00000008", WriteNearNull,
         nullptr},
        {"fpe", SIGFPE, "EDivByZero", "Division by zero at address ", DivideByZero, nullptr},
        {"ill", SIGILL, "EIllegalInstruction", "Illegal instruction at address ",
         IllegalInstruction, nullptr},
        {"null call", SIGSEGV, "EAccessViolation", ". Read of address 00000000", CallNull,
         "CallThrough"},
        {"bad call", SIGSEGV, "EAccessViolation", ". Read of address DEADBEEF", CallGarbage,
         "CallThrough"},
        {"broken frame", SIGSEGV, "EAccessViolation", ". Write of address 00000008",
         kelvane_FaultInBrokenFrame, nullptr},
    };
    for (const FaultCase& c : cases)
        ExpectFaultLogged(c, logPath);
}

// A fault signal sent by another process (kill -SEGV) is no fault: the entry
// names the sender, and the signal still ends the program.
TEST_F(ErrorReportTest, SignalSentByAnotherProcessNamesTheSender) {
    const struct {
        int signal;
        const char* name;
        Send send;
    } cases[] = {{SIGSEGV, "SIGSEGV", Send::Kill},
                 {SIGSEGV, "SIGSEGV", Send::Queue},
                 {SIGFPE, "SIGFPE", Send::Kill}};
    const std::string sender = " sent by process " + std::to_string(getpid()) + " of user " +
                               std::to_string(getuid()) + ", received at address ";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.send == Send::Queue ? " queued" : ""));
        std::remove(logPath.c_str());
        EXPECT_EQ(SignalEndingChildThatRuns(WaitForSignal, c.send, c.signal), c.signal);
        std::vector<std::string> lines = Lines(ReadFile(logPath));
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[1].rfind("Exception 'ESignal' in module ", 0), 0u) << lines[1];
        EXPECT_EQ(lines[2].rfind(std::string("Signal ") + c.name + sender, 0), 0u) << lines[2];
    }
}

TEST_F(ErrorReportTest, FaultWithReportDisabledWritesNothing) {
    report.SetEnabled(false);
    EXPECT_EQ(SignalEndingChildThatRuns(WriteNearNull), SIGSEGV);
    EXPECT_EQ(ReadFile(logPath), "");
}

} // namespace
