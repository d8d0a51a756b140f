#pragma once

#include "crash/TErrorReportData.h"
#include "crash/TErrorReportOptions.h"

#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <typeinfo>
#include <utility>

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

    bool Enabled() const { return Get(enabled); }
    void SetEnabled(bool enabled);
    std::string LogFile() const { return Get(logFile); }
    void SetLogFile(const std::string& path) { Set(logFile, path, true); }
    bool LogEnabled() const { return Get(logEnabled); }
    void SetLogEnabled(bool on) { Set(logEnabled, on, true); }
    bool LogHandled() const { return logHandled.load(); }
    void SetLogHandled(bool on) { logHandled.store(on); }
    TErrorReportOptions Options() const { return Get(options); }
    void SetOptions(TErrorReportOptions o) { Set(options, o, false); }
    int MaxCallStack() const { return Get(maxCallStack); }
    void SetMaxCallStack(int n) { Set(maxCallStack, n, true); }
    bool SuppressRecursion() const { return Get(suppressRecursion); }
    void SetSuppressRecursion(bool on) { Set(suppressRecursion, on, true); }
    std::string CustomTab() const { return Get(customTab); }
    void SetCustomTab(const std::string& caption) { Set(customTab, caption, false); }

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
    // A setting read or changed under the lock; a change to one that the fault
    // handler keeps a copy of (faultSetting) is passed on to it.
    template <class T> T Get(const T& setting) const {
        std::lock_guard<std::recursive_mutex> g(lock);
        return setting;
    }
    template <class T> void Set(T& setting, T value, bool faultSetting) {
        std::lock_guard<std::recursive_mutex> g(lock);
        setting = std::move(value);
        if (faultSetting)
            ApplyFaultSettings();
    }

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
