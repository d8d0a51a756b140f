#pragma once

#include <string>

namespace kelvane {

// Processor faults (SIGSEGV, SIGFPE, SIGBUS, SIGILL). After a fault the
// program's state cannot be trusted, so the handler only writes the log entry
// (module-relative addresses, registers and code bytes, no debug lookups),
// echoes the message to standard error, and lets the signal end the program.
// Everything it does is prepared in static buffers: no allocation. The entry
// is in the log before the stack is walked, and a frame too broken to follow
// ends the walk, so even a fault on a corrupt stack leaves its entry. One of
// these signals sent by a process (kill -SEGV) is logged as sent, with the
// sender's process and user ids, and ends the program all the same.
class TFaultHandler {
  public:
    static void Install();
    static void Uninstall();
    // When false a fault ends the program without an entry.
    static void SetActive(bool active);
    // The log file; empty for none.
    static void SetLogFile(const std::string& path);
    static void SetCallStackLimits(int maxCallStack, bool suppressRecursion);
};

} // namespace kelvane
