#include "crash/TErrorLog.h"

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

int TErrorLog::OpenLocked(const char* path) {
    if (!path || !*path)
        return -1;
    int fd = open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    // Another writer holds the file only for one entry; wait a little for it,
    // but never hang the program on a stuck lock.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0)
            return fd;
        if (errno != EWOULDBLOCK && errno != EINTR)
            break;
        timespec pause{0, 10 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
    close(fd);
    return -1;
}

bool TErrorLog::WriteAt(int fd, off_t offset, const char* data, std::size_t size) {
    for (std::size_t done = 0; done < size;) {
        ssize_t n = pwrite(fd, data + done, size - done, offset + static_cast<off_t>(done));
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (n == 0 || errno != EINTR)
            return false;
    }
    return true;
}

bool TErrorLog::Append(const char* path, const char* data, std::size_t size) {
    int fd = OpenLocked(path);
    if (fd < 0)
        return false;
    // The end is where the last writer left it: every writer holds the lock.
    off_t end = lseek(fd, 0, SEEK_END);
    bool ok = end >= 0 && WriteAt(fd, end, data, size);
    close(fd); // also releases the lock
    return ok;
}

} // namespace kelvane
