#pragma once

#include "shell/TErrorReportData.h"
#include "shell/TErrorReportOptions.h"

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <typeinfo>

namespace kelvane {

struct TThrowCapture;

// The program's report of errors that its actions do not handle: builds the
// message, call stack and register texts, appends them to the error log and
// hands them to the display (the dialog). One instance per program; while it
// exists, throws are captured where they are raised and processor faults are
// logged before the program ends.
class TErrorReport {
  public:
    // Raises "Only one instance of TErrorReport allowed" when one exists.
    TErrorReport();
    ~TErrorReport();
    TErrorReport(const TErrorReport&) = delete;
    TErrorReport& operator=(const TErrorReport&) = delete;

    // The installed report, or nullptr.
    static TErrorReport* Instance();

    bool Enabled() const;
    void SetEnabled(bool enabled);
    std::string LogFile() const;
    void SetLogFile(const std::string& path);
    bool LogEnabled() const;
    void SetLogEnabled(bool enabled);
    bool LogHandled() const;
    void SetLogHandled(bool logHandled);
    TErrorReportOptions Options() const;
    void SetOptions(TErrorReportOptions options);
    int MaxCallStack() const;
    void SetMaxCallStack(int maxCallStack);
    bool SuppressRecursion() const;
    void SetSuppressRecursion(bool suppress);
    std::string CustomTab() const;
    void SetCustomTab(const std::string& caption);

    // Shows the dialog; called with the report's lock held.
    using TDisplay = std::function<void(const TErrorReportData&)>;
    void SetDisplay(TDisplay display);

    // Reports an error that reached the top of an action: builds the texts,
    // writes the log entry and shows the dialog. Returns false, doing nothing,
    // when the report is not enabled. Never throws.
    bool Report(std::exception_ptr error) noexcept;
    // The texts of the report of error, without logging or showing anything.
    TErrorReportData Build(std::exception_ptr error) const;
    // Appends the entry of data to the log when logging is on; false when
    // nothing was written.
    bool WriteLog(const TErrorReportData& data) const;

    // The readable class name of a type: demangled, without its namespace.
    static std::string ClassName(const std::type_info& type);

  private:
    TErrorReportData BuildFrom(const std::string& className, const std::string& message,
                               const TThrowCapture& capture) const;
    static void OnThrow(const TThrowCapture& capture);
    void ApplyFaultSettings();

    mutable std::recursive_mutex lock;
    bool enabled = true;
    std::string logFile;
    bool logEnabled = true;
    std::atomic<bool> logHandled{false};
    TErrorReportOptions options{excDlgCallStack, excDlgRegisters, excShowDialog};
    int maxCallStack = 100;
    bool suppressRecursion = true;
    std::string customTab = "Additional";
    TDisplay display;
    bool showing = false;
};

} // namespace kelvane
