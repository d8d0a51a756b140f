#include "FileAccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvane {

namespace {

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "Is a directory, not a regular file";
    if (S_ISFIFO(mode))
        return "Is a FIFO (named pipe), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "Is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "Is a socket, not a regular file";
    return "Not a regular file";
}

std::string TooLargeText(std::size_t limit) {
    constexpr std::size_t MiB = 1024 * 1024;
    std::string size = (limit % MiB == 0 && limit > 0) ? std::to_string(limit / MiB) + " MiB"
                                                       : std::to_string(limit) + " bytes";
    return "Too large: over the " + size + " a file may hold";
}

FileContents Refused(ReadStatus status, std::string problem) {
    FileContents c;
    c.status = status;
    c.problem = std::move(problem);
    return c;
}

FileContents RefusedByErrno(int error) {
    switch (error) {
    case ENOENT:
        return Refused(ReadStatus::Missing, "No such file");
    case EACCES:
    case EPERM:
        return Refused(ReadStatus::Unreadable, "Permission denied");
    case ELOOP:
        return Refused(ReadStatus::SymlinkLoop, "Too many levels of symbolic links");
    case ENXIO: // a socket, or a device without its driver
        return Refused(ReadStatus::NotRegular, "Not a regular file");
    default:
        return Refused(ReadStatus::Failed, std::strerror(error));
    }
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    void Reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now, so that the caller sees a failed close (a late write error).
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

WriteOutcome Problem(std::string text) {
    return {false, std::move(text)};
}

} // namespace

FileContents ReadRegularFile(const std::string& path, std::size_t limit) {
    // A look before opening keeps devices and FIFOs from being opened at all;
    // the check after opening is the one that counts.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return RefusedByErrno(errno);
    if (!S_ISREG(st.st_mode))
        return Refused(ReadStatus::NotRegular, KindOf(st.st_mode));

    // O_NONBLOCK: a FIFO swapped in after the look must not wait for a writer.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return RefusedByErrno(errno);
    if (::fstat(fd.get(), &st) != 0)
        return RefusedByErrno(errno);
    if (!S_ISREG(st.st_mode))
        return Refused(ReadStatus::NotRegular, KindOf(st.st_mode));
    if (static_cast<unsigned long long>(st.st_size) > limit)
        return Refused(ReadStatus::TooLarge, TooLargeText(limit));
    int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return RefusedByErrno(errno);

    FileContents c;
    c.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    // Up to one byte past the limit, to notice a file that grew meanwhile.
    while (c.bytes.size() <= limit) {
        std::size_t want = std::min(sizeof buffer, limit + 1 - c.bytes.size());
        ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return RefusedByErrno(errno);
        if (n == 0)
            break;
        c.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    if (c.bytes.size() > limit)
        return Refused(ReadStatus::TooLarge, TooLargeText(limit));
    c.status = ReadStatus::Read;
    return c;
}

namespace {

// Our temporary files are ".kelvane-<tag>-<pid>-<n>.tmp" in the target's
// folder: short whatever the target's name (a name of NAME_MAX characters must
// stay writable), and hidden. The tag hashes the host and the target's name,
// so a later save of the same target finds what a killed save left, and never
// touches another host's save into a shared folder.
constexpr std::string_view kTempPrefix = ".kelvane-";
constexpr std::string_view kTempSuffix = ".tmp";

std::string TempTag(std::string_view name) {
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        host[0] = '\0';
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    auto mix = [&hash](std::string_view text) {
        for (unsigned char c : text) {
            hash ^= c;
            hash *= 1099511628211ULL;
        }
    };
    mix(host);
    mix(std::string_view("/", 1)); // no host name holds one
    mix(name);
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// Reads "<pid>-<n>" followed by end exactly; 0 when text is not so.
pid_t PidOf(std::string_view text, std::string_view end) {
    if (text.size() < end.size() || text.substr(text.size() - end.size()) != end)
        return 0;
    text.remove_suffix(end.size());
    const std::size_t dash = text.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9 || dash + 1 == text.size())
        return 0;
    pid_t pid = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == dash)
            continue;
        if (text[i] < '0' || text[i] > '9')
            return 0;
        if (i < dash)
            pid = pid * 10 + (text[i] - '0');
    }
    return pid;
}

bool ProcessIsGone(pid_t pid) {
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// Removes the temporary files that saves of name killed before their rename
// left in the folder: ours, and those of earlier versions ("<name>.tmp-<pid>-<n>").
// A file whose process still runs may be a save under way, and stays.
void RemoveStaleTemporaries(int dir, const std::string& name, const std::string& tag) {
    int scan = ::openat(dir, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (scan < 0)
        return;
    DIR* entries = ::fdopendir(scan);
    if (!entries) {
        ::close(scan);
        return;
    }
    const std::string ours = std::string(kTempPrefix) + tag + "-";
    const std::string older = name + ".tmp-";
    while (const dirent* e = ::readdir(entries)) {
        std::string_view entry(e->d_name);
        pid_t pid = 0;
        if (entry.substr(0, ours.size()) == ours)
            pid = PidOf(entry.substr(ours.size()), kTempSuffix);
        else if (entry.substr(0, older.size()) == older)
            pid = PidOf(entry.substr(older.size()), "");
        if (ProcessIsGone(pid))
            (void)::unlinkat(dir, e->d_name, 0);
    }
    ::closedir(entries);
}

// An unnamed file in the folder, given a name only once it is whole (Linux's
// O_TMPFILE, linked through /proc): a kill before then leaves nothing. -1 where
// the file system or the kernel offers none.
int OpenUnnamed(int dir) {
#ifdef O_TMPFILE
    if (::access("/proc/self/fd", X_OK) == 0)
        return ::openat(dir, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    (void)dir;
    return -1;
}

// The file a save of path writes: the end of its chain of symbolic links, as
// an editor writes through a link and keeps it. The end need not exist: a
// dangling link's target is created. false after too many links.
bool FollowLinks(std::string& path) {
    for (int links = 0; links < 40; ++links) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true; // what is wrong, if anything, is found when it is opened
        std::string to(static_cast<std::size_t>(st.st_size) + 1, '\0');
        ssize_t n = ::readlink(path.c_str(), to.data(), to.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= to.size())
            return true; // changed meanwhile: the checks below see it as it is
        to.resize(static_cast<std::size_t>(n));
        const std::size_t slash = path.rfind('/');
        path =
            to.front() == '/' || slash == std::string::npos ? to : path.substr(0, slash + 1) + to;
    }
    return false;
}

WriteOutcome Replace(const std::string& path, std::string_view bytes, bool allowUnnamed) {
    std::string target = path;
    if (!FollowLinks(target))
        return Problem("Too many levels of symbolic links");
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return Problem(errno == ELOOP ? "Too many levels of symbolic links" : std::strerror(errno));
    if (exists) {
        if (!S_ISREG(st.st_mode))
            return Problem(KindOf(st.st_mode));
        // The rename would succeed on a read-only file (only the folder counts),
        // so the file's own permission is checked here. Root may write any
        // file, but a file with no write bit at all was made read-only on purpose.
        bool writable = ::geteuid() == 0
                            ? (st.st_mode & 0222) != 0
                            : ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
        if (!writable)
            return Problem("Permission denied");
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    Descriptor dir(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return Problem(std::strerror(errno));
    const std::string tag = TempTag(name);
    RemoveStaleTemporaries(dir.get(), name, tag);

    static std::atomic<unsigned> counter{0};
    auto nextTemp = [&tag] {
        return std::string(kTempPrefix) + tag + "-" + std::to_string(::getpid()) + "-" +
               std::to_string(counter++) + std::string(kTempSuffix);
    };
    std::string temp; // the temporary file's name, once it has one
    Descriptor fd(allowUnnamed ? OpenUnnamed(dir.get()) : -1);
    const bool unnamed = fd.get() >= 0;
    for (int attempt = 0; !unnamed && fd.get() < 0; ++attempt) {
        if (attempt == 100)
            return Problem(std::strerror(EEXIST));
        temp = nextTemp();
        fd.Reset(::openat(dir.get(), temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (fd.get() < 0 && errno != EEXIST)
            return Problem(std::strerror(errno));
    }
    bool linkedAsTarget = false;
    auto fail = [&](int error) {
        if (!temp.empty())
            (void)::unlinkat(dir.get(), temp.c_str(), 0);
        if (linkedAsTarget)
            (void)::unlinkat(dir.get(), name.c_str(), 0);
        return Problem(std::strerror(error));
    };
    if (exists) {
        // Owner first: a change of owner clears the set-id bits fchmod restores.
        // Only root may give a file away; for others a failure changes nothing.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid()) {
            int owned = ::fchown(fd.get(), st.st_uid, st.st_gid);
            (void)owned;
        }
        (void)::fchmod(fd.get(), st.st_mode & 07777);
    }
    if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return fail(errno);
    if (unnamed) {
        // A new target gets the file's first name directly; an existing one is
        // replaced by a rename, as below.
        const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
        if (!exists &&
            ::linkat(AT_FDCWD, self.c_str(), dir.get(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            linkedAsTarget = true;
        } else {
            for (int attempt = 0;; ++attempt) {
                if (attempt == 100)
                    return fail(EEXIST);
                std::string candidate = nextTemp();
                if (::linkat(AT_FDCWD, self.c_str(), dir.get(), candidate.c_str(),
                             AT_SYMLINK_FOLLOW) == 0) {
                    temp = std::move(candidate);
                    break;
                }
                if (errno != EEXIST)
                    return fail(errno);
            }
        }
    }
    if (!fd.Close())
        return fail(errno);
    if (!linkedAsTarget && ::renameat(dir.get(), temp.c_str(), dir.get(), name.c_str()) != 0)
        return fail(errno);
    // Make the new name durable; the file is complete either way.
    Descriptor sync(::openat(dir.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (sync.get() >= 0)
        (void)::fsync(sync.get());
    return {true, {}};
}

} // namespace

WriteOutcome WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return Replace(path, bytes, true);
}

namespace detail {

WriteOutcome WriteThroughNamedTemporary(const std::string& path, std::string_view bytes) {
    return Replace(path, bytes, false);
}

} // namespace detail

} // namespace kelvane
