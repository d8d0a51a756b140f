#include "shell/TErrorLog.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kelvane {

void TErrorLog::FormatTimeStamp(const std::tm& t, char* buf, std::size_t size) {
    std::snprintf(buf, size, "%.2d:%.2d:%.2d %.2d/%.2d/%.4d", t.tm_hour, t.tm_min, t.tm_sec,
                  t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
}

std::tm TErrorLog::CivilTime(long long seconds, long utcOffset) {
    long long local = seconds + utcOffset;
    long long days = local / 86400;
    long long rest = local % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Days to year, month, day in the proleptic Gregorian calendar.
    long long z = days + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    long long day = doy - (153 * mp + 2) / 5 + 1;
    long long month = mp < 10 ? mp + 3 : mp - 9;
    long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    std::tm t{};
    t.tm_year = static_cast<int>(year - 1900);
    t.tm_mon = static_cast<int>(month - 1);
    t.tm_mday = static_cast<int>(day);
    t.tm_hour = static_cast<int>(rest / 3600);
    t.tm_min = static_cast<int>(rest / 60 % 60);
    t.tm_sec = static_cast<int>(rest % 60);
    return t;
}

std::string TErrorLog::TimeStamp(const std::tm& t) {
    char buf[64];
    FormatTimeStamp(t, buf, sizeof buf);
    return buf;
}

std::string TErrorLog::Entry(const std::string& timeStamp, const std::string& message,
                             const std::string& callStackText, const std::string& registerText,
                             const std::string& customInfo) {
    std::string entry;
    entry += Separator;
    entry += timeStamp;
    entry += Separator;
    entry += "\r\n";
    entry += message + "\r\n\r\n";
    entry += callStackText + "\r\n";
    entry += registerText + "\r\n";
    entry += customInfo + "\r\n\r\n";
    return entry;
}

bool TErrorLog::Append(const char* path, const char* data, std::size_t size) {
    if (!path || !*path)
        return false;
    int fd = open(path, O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    // Another writer holds the file only for one entry; wait a little for it,
    // but never hang the program on a stuck lock.
    bool locked = false;
    for (int attempt = 0; attempt < 200 && !locked; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
            locked = true;
        } else if (errno == EWOULDBLOCK || errno == EINTR) {
            timespec pause{0, 10 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        } else {
            break;
        }
    }
    bool ok = locked;
    std::size_t done = 0;
    while (ok && done < size) {
        ssize_t n = write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(n);
    }
    close(fd); // also releases the lock
    return ok;
}

} // namespace kelvane
