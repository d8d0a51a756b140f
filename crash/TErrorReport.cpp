#include "crash/TErrorReport.h"

#include "crash/ProcessInfo.h"
#include "crash/TErrorLog.h"
#include "crash/TExcCallStack.h"
#include "crash/TFaultHandler.h"
#include "crash/TThrowCapture.h"

#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cxxabi.h>
#include <stdexcept>

namespace kelvane {

namespace {

std::atomic<TErrorReport*> instance{nullptr};

// The thrown object that an exception_ptr holds (libstdc++ keeps just that pointer).
const void* ThrownObject(const std::exception_ptr& e) {
    static_assert(sizeof(std::exception_ptr) == sizeof(void*));
    const void* object = nullptr;
    std::memcpy(&object, static_cast<const void*>(&e), sizeof object);
    return object;
}

std::string MessageOf(const void* object, const std::type_info* type) {
    if (!object || !type)
        return std::string();
    void* adjusted = const_cast<void*>(object);
    if (typeid(std::exception).__do_catch(type, &adjusted, 1))
        return static_cast<const std::exception*>(adjusted)->what();
    return std::string();
}

} // namespace

TErrorReport::TErrorReport() {
    TErrorReport* none = nullptr;
    if (!instance.compare_exchange_strong(none, this))
        throw std::runtime_error("Only one instance of TErrorReport allowed");
    logFile = ProgramFolder() + "ErrorReport.Log";
    TThrowCapture::SetObserver(&TErrorReport::OnThrow);
    TThrowCapture::SetEnabled(true);
    TFaultHandler::Install();
    ApplyFaultSettings();
}

TErrorReport::~TErrorReport() {
    TThrowCapture::SetEnabled(false);
    TThrowCapture::SetObserver(nullptr);
    TFaultHandler::Uninstall();
    instance.store(nullptr);
}

TErrorReport* TErrorReport::Instance() {
    return instance.load();
}

void TErrorReport::ApplyFaultSettings() {
    TFaultHandler::SetActive(enabled);
    TFaultHandler::SetLogFile(logEnabled ? logFile : std::string());
    TFaultHandler::SetCallStackLimits(maxCallStack, suppressRecursion);
}

void TErrorReport::SetEnabled(bool on) {
    std::lock_guard<std::recursive_mutex> g(lock);
    Set(enabled, on, true);
    TThrowCapture::SetEnabled(on);
}

void TErrorReport::SetDisplay(TDisplay d) {
    std::lock_guard<std::recursive_mutex> g(lock);
    display = std::move(d);
}

std::string TErrorReport::ClassName(const std::type_info& type) {
    int status = 0;
    char* readable = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::string name = status == 0 && readable ? readable : type.name();
    std::free(readable);
    // Strip the namespace of the outermost name, not of template arguments.
    int depth = 0;
    std::string::size_type start = 0;
    for (std::string::size_type i = 0; i + 1 < name.size(); ++i) {
        char c = name[i];
        if (c == '<' || c == '(')
            ++depth;
        else if (c == '>' || c == ')')
            --depth;
        else if (depth == 0 && c == ':' && name[i + 1] == ':')
            start = i + 2;
    }
    return name.substr(start);
}

TErrorReportData TErrorReport::BuildFrom(const std::string& className, const std::string& message,
                                         const TThrowCapture& capture) const {
    std::lock_guard<std::recursive_mutex> g(lock);
    TErrorReportData data;
    data.Caption = "Application Error";
    data.ExceptionClass = className;
    data.ExceptionMessage = message;
    data.CustomTab = customTab;
    data.Options = options;

    std::uintptr_t address = capture.FrameCount > 0 ? capture.Frames[0] : capture.Context.Rip;
    TCallStackItem where;
    bool inModule = TExcCallStack::Describe(address, false, where);
    std::string module = inModule ? where.ModuleName() : FileNameOnly(ProgramFileName());
    std::uintptr_t relative = inModule ? where.RelativeAddress() : address;
    bool lineKnown = inModule && where.FileLineNumber >= 0;
    std::string file = lineKnown ? where.FileName() : "UNKNOWN";
    std::string line = lineKnown ? std::to_string(where.FileLineNumber) : "UNKNOWN";
    char text[1025];
    std::snprintf(
        text, sizeof text,
        "Exception '%s' in module %s at %.8" PRIXPTR "\r\n%s\r\n\r\nSource file: %s, Line %s",
        className.c_str(), module.c_str(), relative, message.c_str(), file.c_str(), line.c_str());
    data.MessageText = text;

    TExcCallStack stack;
    stack.Build(capture.Frames, capture.FrameCount, false, maxCallStack, suppressRecursion);
    data.CallStackText = stack.Text();
    data.RegisterText = capture.Context.Text();
    // The program supplies no custom information.
    data.CustomInfo.clear();
    return data;
}

TErrorReportData TErrorReport::Build(std::exception_ptr error) const {
    const void* object = ThrownObject(error);
    const TThrowCapture* capture = TThrowCapture::Find(object);
    // Thrown where no capture was made (inside a library): the best left is
    // the state where it was caught.
    TThrowCapture here;
    if (!capture) {
        TThrowCapture::CaptureHere(here, 1);
        capture = &here;
    }
    std::string className, message;
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        className = ClassName(typeid(e));
        message = e.what();
    } catch (...) {
        const std::type_info* type = abi::__cxa_current_exception_type();
        className = type ? ClassName(*type) : std::string("Exception");
    }
    return BuildFrom(className, message, *capture);
}

bool TErrorReport::WriteLog(const TErrorReportData& data) const {
    std::string path;
    {
        std::lock_guard<std::recursive_mutex> g(lock);
        if (!logEnabled || logFile.empty())
            return false;
        path = logFile;
    }
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string entry = TErrorLog::Entry(TErrorLog::TimeStamp(local), data.MessageText,
                                         data.CallStackText, data.RegisterText, data.CustomInfo);
    return TErrorLog::Append(path, entry);
}

bool TErrorReport::Report(std::exception_ptr error) noexcept {
    if (!error)
        return false;
    std::lock_guard<std::recursive_mutex> g(lock);
    if (!enabled)
        return false;
    try {
        TErrorReportData data = Build(error);
        if (!logHandled.load())
            WriteLog(data);
        // A report while the dialog is up (a timer failing again behind it) is
        // logged but does not stack a second dialog on the first.
        if (options.Contains(excShowDialog) && display && !showing) {
            showing = true;
            struct Reset {
                bool& flag;
                ~Reset() { flag = false; }
            } reset{showing};
            display(data);
        }
    } catch (...) {
        // The report must never become an error of its own.
    }
    return true;
}

void TErrorReport::OnThrow(const TThrowCapture& capture) {
    TErrorReport* report = instance.load();
    if (!report || !report->logHandled.load())
        return;
    try {
        std::lock_guard<std::recursive_mutex> g(report->lock);
        if (!report->enabled)
            return;
        std::string className = capture.Type ? ClassName(*capture.Type) : "Exception";
        TErrorReportData data =
            report->BuildFrom(className, MessageOf(capture.Object, capture.Type), capture);
        report->WriteLog(data);
    } catch (...) {
    }
}

} // namespace kelvane
