#pragma once

#include <cstddef>
#include <ctime>
#include <string>
#include <sys/types.h>

namespace kelvane {

// The error log file: entries appended under an exclusive lock, lines ending
// in CR LF.
class TErrorLog {
  public:
    static constexpr const char* Separator = "---------------------------";

    // "hh:mm:ss dd/mm/yyyy" into buf. Async-signal-safe apart from snprintf.
    static void FormatTimeStamp(const std::tm& t, char* buf, std::size_t size);
    // Local time from seconds since the epoch and a fixed UTC offset, without
    // the time zone machinery (which is not async-signal-safe).
    static std::tm CivilTime(long long seconds, long utcOffset);
    static std::string TimeStamp(const std::tm& t);

    // The entry: separator and time stamp line, the message, the call stack
    // text, the register text and the custom information.
    static std::string Entry(const std::string& timeStamp, const std::string& message,
                             const std::string& callStackText, const std::string& registerText,
                             const std::string& customInfo);

    // Opens the file at path for writing, creating it, and takes its exclusive
    // lock, waiting a little for another writer; -1 when either fails. Closing
    // the descriptor releases the lock. Async-signal-safe.
    static int OpenLocked(const char* path);
    // Writes all of data at offset of fd; false when the file takes less.
    // Async-signal-safe.
    static bool WriteAt(int fd, off_t offset, const char* data, std::size_t size);

    // Appends data to the file at path, creating it. A file that cannot be
    // opened, locked or written is skipped: false, no message. Uses only
    // system calls, so it is async-signal-safe.
    static bool Append(const char* path, const char* data, std::size_t size);
    static bool Append(const std::string& path, const std::string& entry) {
        return Append(path.c_str(), entry.data(), entry.size());
    }
};

} // namespace kelvane
