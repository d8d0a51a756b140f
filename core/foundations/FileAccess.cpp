#include "FileAccess.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

WriteOutcome WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string target = path;
    struct stat st {};
    // Write through a symbolic link rather than replacing the link itself.
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(path.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
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

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST)
            return Problem(std::strerror(errno));
    }
    if (raw < 0)
        return Problem(std::strerror(EEXIST));
    Descriptor fd(raw);
    auto fail = [&temp](int error) {
        ::unlink(temp.c_str());
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
    if (!fd.Close())
        return fail(errno);
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    // Make the rename itself durable; the file is complete either way.
    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        (void)::fsync(dir.get());
    return {true, {}};
}

} // namespace kelvane
