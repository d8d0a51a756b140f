#include "crash/TFaultHandler.h"

#include "crash/ProcessInfo.h"
#include "crash/ProcessMaps.h"
#include "crash/TCpuContext.h"
#include "crash/TErrorLog.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cinttypes>
#include <climits>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <iterator>
#include <pthread.h>
#include <setjmp.h>
#include <unistd.h>
#include <unwind.h>

namespace kelvane {

namespace {

constexpr int FaultSignals[] = {SIGSEGV, SIGFPE, SIGBUS, SIGILL};
constexpr const char* FaultSignalNames[] = {"SIGSEGV", "SIGFPE", "SIGBUS", "SIGILL"};
constexpr int SignalCount = sizeof FaultSignals / sizeof FaultSignals[0];
struct sigaction previous[SignalCount];
bool installed = false;
std::atomic<bool> active{true};
std::atomic<bool> busy{false};

// Two buffers so that a new path is complete before the handler can see it.
char logPaths[2][PATH_MAX];
std::atomic<int> currentLog{-1};
std::atomic<int> maxEntries{100};
std::atomic<bool> mergeRecursion{true};
long utcOffset = 0;
char programName[PATH_MAX];

// Room to run on when the fault is a stack overflow.
alignas(16) char altStack[64 * 1024];
bool ownAltStack = false;

char entry[64 * 1024];
std::size_t entryLength = 0;

constexpr std::size_t MaxFrames = 512;
std::uintptr_t frames[MaxFrames];
std::size_t frameCount = 0;

// Set to the walking thread while the handler walks the stack: a fault in the
// walk (the unwinder following a broken frame) comes back to walkEscape and
// ends the walk with the frames found so far.
sigjmp_buf walkEscape;
std::atomic<pid_t> walker{0};

void Put(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

void Put(const char* fmt, ...) {
    if (entryLength + 1 >= sizeof entry)
        return;
    va_list args;
    va_start(args, fmt);
    int n = vsnprintf(entry + entryLength, sizeof entry - entryLength, fmt, args);
    va_end(args);
    if (n > 0)
        entryLength = std::min(entryLength + static_cast<std::size_t>(n), sizeof entry - 1);
}

const char* NameOf(const Mapping* m) {
    const char* path = m ? PathOf(*m) : programName;
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

std::uintptr_t Relative(std::uintptr_t addr, const Mapping* m) {
    return m ? addr - LoadAddressOf(*m) : addr;
}

_Unwind_Reason_Code Collect(_Unwind_Context* ctx, void*) {
    int beforeInsn = 0;
    std::uintptr_t ip = _Unwind_GetIPInfo(ctx, &beforeInsn);
    if (!InCode(ip) || frameCount >= MaxFrames)
        return _URC_END_OF_STACK;
    frames[frameCount++] = ip;
    return _URC_NO_REASON;
}

// Runs the unwinder from here through the signal frame with the fault signals
// let through: one of them while blocked would end the program at once, with
// nothing more written.
void Unwind() {
    frameCount = 0;
    sigset_t faults;
    sigemptyset(&faults);
    for (int s : FaultSignals)
        sigaddset(&faults, s);
    // The mask saved here, with the faults blocked, is back after a jump.
    if (sigsetjmp(walkEscape, 1) == 0) {
        walker.store(gettid());
        pthread_sigmask(SIG_UNBLOCK, &faults, nullptr);
        _Unwind_Backtrace(Collect, nullptr);
        pthread_sigmask(SIG_BLOCK, &faults, nullptr);
    }
    walker.store(0);
}

// The frames from the fault outward; the handler's own frames and the signal
// trampoline come before it. A call through a bad pointer faults outside any
// code with the call's return address at the stack pointer: the walk then
// starts there, as if the call had returned.
std::size_t FaultFrames(ucontext_t& uc) {
    greg_t* r = uc.uc_mcontext.gregs;
    const greg_t rip = r[REG_RIP];
    const greg_t rsp = r[REG_RSP];
    std::uintptr_t first = static_cast<std::uintptr_t>(rip);
    if (!InCode(first)) {
        std::uintptr_t ret = 0;
        if (!SafeRead(&ret, static_cast<std::uintptr_t>(rsp), sizeof ret) || !InCode(ret))
            return frameCount = 0;
        // The unwinder reads the interrupted registers from the signal frame.
        r[REG_RIP] = static_cast<greg_t>(ret);
        r[REG_RSP] = rsp + static_cast<greg_t>(sizeof ret);
        first = ret;
    }
    Unwind();
    // As they were, for a core dump.
    r[REG_RIP] = rip;
    r[REG_RSP] = rsp;
    for (std::size_t i = 0; i < frameCount; ++i) {
        if (frames[i] == first) {
            std::memmove(frames, frames + i, (frameCount - i) * sizeof frames[0]);
            return frameCount -= i;
        }
    }
    frames[0] = first;
    return frameCount = 1;
}

struct FaultKind {
    int signal;
    int code; // AnyCode: every code of the signal not named in an earlier row
    const char* className;
    const char* text;
};

constexpr int AnyCode = -1;
constexpr FaultKind Kinds[] = {
    {SIGSEGV, AnyCode, "EAccessViolation", "Access violation"},
    {SIGBUS, AnyCode, "EBusError", "Bus error"},
    {SIGILL, ILL_PRVOPC, "EPrivilege", "Privileged instruction"},
    {SIGILL, ILL_PRVREG, "EPrivilege", "Privileged instruction"},
    {SIGILL, AnyCode, "EIllegalInstruction", "Illegal instruction"},
    {SIGFPE, FPE_INTDIV, "EDivByZero", "Division by zero"},
    {SIGFPE, FPE_INTOVF, "EIntOverflow", "Integer overflow"},
    {SIGFPE, FPE_FLTDIV, "EZeroDivide", "Floating point division by zero"},
    {SIGFPE, FPE_FLTOVF, "EOverflow", "Floating point overflow"},
    {SIGFPE, FPE_FLTUND, "EUnderflow", "Floating point underflow"},
    {SIGFPE, AnyCode, "EInvalidOp", "Invalid floating point operation"},
};

const FaultKind& KindOf(int sig, int code) {
    for (const FaultKind& k : Kinds)
        if (k.signal == sig && (k.code == AnyCode || k.code == code))
            return k;
    return Kinds[std::size(Kinds) - 1];
}

const char* SignalName(int sig) {
    for (int i = 0; i < SignalCount; ++i)
        if (FaultSignals[i] == sig)
            return FaultSignalNames[i];
    return "signal";
}

// A signal sent by kill(2), sigqueue(3) or tgkill(2) (si_code SI_USER,
// SI_QUEUE, SI_TKILL, all <= 0) rather than raised by the processor: si_addr
// then holds no fault address (it overlays the sender's process id).
bool SentByProcess(const siginfo_t& info) {
    return info.si_code <= 0;
}

void ResetAndReraise(int sig) {
    struct sigaction dfl;
    std::memset(&dfl, 0, sizeof dfl);
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    // Blocked while the handler runs: delivered, with its default action, on return.
    raise(sig);
}

void WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void PutCallStack(std::size_t count) {
    int limit = maxEntries.load();
    bool merge = mergeRecursion.load();
    int entries = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Mapping* m = MappingOf(frames[i]);
        if (!m)
            break;
        std::size_t same = 1;
        while (merge && i + same < count && frames[i + same] == frames[i])
            ++same;
        if (same > 1)
            Put("Recursive call (%zu times):\r\n", same);
        Put(":%.8" PRIXPTR " [%s]\r\n", Relative(frames[i], m), NameOf(m));
        i += same - 1;
        if (++entries >= limit)
            break;
    }
}

// What follows the call stack: the registers and the end of the entry.
void PutRest(const TCpuContext& cpu) {
    Put("\r\n");
    entryLength += cpu.Format(entry + entryLength, sizeof entry - entryLength);
    Put("\r\n\r\n\r\n");
}

void OnFault(int sig, siginfo_t* info, void* context) {
    if (walker.load() == gettid())
        siglongjmp(walkEscape, 1);
    if (!active.load() || busy.exchange(true)) {
        ResetAndReraise(sig);
        return;
    }
    ucontext_t& uc = *static_cast<ucontext_t*>(context);
    TCpuContext cpu = TCpuContext::FromUcontext(uc);
    cpu.ReadMemory();
    LoadMappings();

    entryLength = 0;
    entry[0] = '\0';
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    char stamp[64];
    TErrorLog::FormatTimeStamp(TErrorLog::CivilTime(now.tv_sec, utcOffset), stamp, sizeof stamp);
    Put("%s%s%s\r\n", TErrorLog::Separator, stamp, TErrorLog::Separator);

    std::size_t messageStart = entryLength;
    const FaultKind& kind = KindOf(sig, info->si_code);
    const bool sent = SentByProcess(*info);
    const Mapping* where = MappingOf(cpu.Rip);
    std::uintptr_t relative = Relative(cpu.Rip, where);
    Put("Exception '%s' in module %s at %.8" PRIXPTR "\r\n", sent ? "ESignal" : kind.className,
        NameOf(where), relative);
    if (sent) {
        Put("Signal %s sent by process %ld of user %lu, received at address %.8" PRIXPTR
            " in module '%s'",
            SignalName(sig), static_cast<long>(info->si_pid),
            static_cast<unsigned long>(info->si_uid), relative, NameOf(where));
    } else if (sig == SIGSEGV || sig == SIGBUS) {
        bool write = (uc.uc_mcontext.gregs[REG_ERR] & 2) != 0;
        Put("%s at address %.8" PRIXPTR " in module '%s'. %s of address %.8" PRIXPTR, kind.text,
            relative, NameOf(where), write ? "Write" : "Read",
            reinterpret_cast<std::uintptr_t>(info->si_addr));
    } else {
        Put("%s at address %.8" PRIXPTR " in module '%s'", kind.text, relative, NameOf(where));
    }
    // Debug lookups allocate, which a fault handler must not do.
    Put("\r\n\r\nSource file: UNKNOWN, Line UNKNOWN");
    std::size_t messageEnd = entryLength;
    Put("\r\n\r\n");
    Put("Call stack:\r\n");
    std::size_t stackStart = entryLength;

    // The entry goes to the log before the walk, with an empty call stack: if
    // the walk brings the handler down after all, the rest is kept.
    PutRest(cpu);
    int log = currentLog.load();
    int fd = log >= 0 ? TErrorLog::OpenLocked(logPaths[log]) : -1;
    off_t at = fd >= 0 ? lseek(fd, 0, SEEK_END) : -1;
    if (at >= 0)
        TErrorLog::WriteAt(fd, at, entry, entryLength);

    std::size_t count = FaultFrames(uc);
    entryLength = stackStart;
    PutCallStack(count);
    PutRest(cpu);
    // The whole entry over the first one, which it only lengthens.
    if (at >= 0)
        TErrorLog::WriteAt(fd, at, entry, entryLength);
    if (fd >= 0)
        close(fd); // also releases the lock
    WriteAll(STDERR_FILENO, entry + messageStart, messageEnd - messageStart);
    WriteAll(STDERR_FILENO, "\n", 1);
    ResetAndReraise(sig);
}

} // namespace

void TFaultHandler::Install() {
    if (installed)
        return;
    std::string program = ProgramFileName();
    std::snprintf(programName, sizeof programName, "%s", program.c_str());
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    utcOffset = local.tm_gmtoff;

    stack_t current{};
    if (sigaltstack(nullptr, &current) == 0 && (current.ss_flags & SS_DISABLE)) {
        stack_t own{};
        own.ss_sp = altStack;
        own.ss_size = sizeof altStack;
        ownAltStack = sigaltstack(&own, nullptr) == 0;
    }
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = OnFault;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int s : FaultSignals)
        sigaddset(&sa.sa_mask, s);
    for (int i = 0; i < SignalCount; ++i)
        sigaction(FaultSignals[i], &sa, &previous[i]);
    installed = true;
}

void TFaultHandler::Uninstall() {
    if (!installed)
        return;
    for (int i = 0; i < SignalCount; ++i)
        sigaction(FaultSignals[i], &previous[i], nullptr);
    if (ownAltStack) {
        stack_t off{};
        off.ss_flags = SS_DISABLE;
        sigaltstack(&off, nullptr);
        ownAltStack = false;
    }
    installed = false;
}

void TFaultHandler::SetActive(bool on) {
    active.store(on);
}

void TFaultHandler::SetLogFile(const std::string& path) {
    if (path.empty() || path.size() >= PATH_MAX) {
        currentLog.store(-1);
        return;
    }
    int next = currentLog.load() == 0 ? 1 : 0;
    std::memcpy(logPaths[next], path.c_str(), path.size() + 1);
    currentLog.store(next);
}

void TFaultHandler::SetCallStackLimits(int maxCallStack, bool suppressRecursion) {
    maxEntries.store(maxCallStack);
    mergeRecursion.store(suppressRecursion);
}

} // namespace kelvane
