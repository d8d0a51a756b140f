#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading and replacing the program's own files (settings, parameter files,
// exported data) so that a stray path cannot stall the program and a crash
// cannot leave a file half written.
namespace kelvane {

// The largest file ReadRegularFile reads: 4 MiB. Settings and parameter files
// are a few kilobytes; anything far larger is not one of ours, and reading it
// whole (or /dev/zero without end) would only stall the program.
inline constexpr std::size_t MaxReadFileSize = 4 * 1024 * 1024;

enum class ReadStatus {
    Read,        // bytes holds the whole file
    Missing,     // no such file
    NotRegular,  // a directory, FIFO, device or socket
    Unreadable,  // permission denied
    TooLarge,    // over the limit
    SymlinkLoop, // too many levels of symbolic links
    Failed,      // any other error of open or read
};

struct FileContents {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
    // What is wrong, in a few words fit for a message ("No such file",
    // "Is a FIFO, not a regular file", ...); empty when the file was read.
    std::string problem;

    bool Ok() const { return status == ReadStatus::Read; }
};

// Reads a whole regular file (following symbolic links) of at most limit bytes.
// Anything else is refused without reading it: a FIFO is opened without
// waiting for a writer, and a device is never read.
FileContents ReadRegularFile(const std::string& path, std::size_t limit = MaxReadFileSize);

struct WriteOutcome {
    bool ok = false;
    std::string problem; // empty when written
};

// Replaces the file by one holding bytes: written to a temporary file in the
// same folder, flushed to disk, renamed over the target, and the folder synced,
// so that after a crash at any moment the file is wholly old or wholly new.
// The temporary file has no name until it is whole where the file system
// allows (a new target is then linked in directly); else it is a short hidden
// name, and one that a killed save left is removed by the next save of the
// same target. A symbolic link is written through, and stays: the file at the
// end of its chain is replaced in its own folder, or created when the link
// dangles. An existing target keeps its permission bits, and its owner and
// group when we may set them (as root).
// Refused, leaving everything as it was and no temporary file: a target that
// exists and is not a regular file, or that the user may not write (root only
// when it has no write bit at all), or any failed write, sync, close or rename.
// Since the file is replaced, a hard link to it keeps the old content.
WriteOutcome WriteFileAtomically(const std::string& path, std::string_view bytes);

namespace detail {
// The same always through a named temporary file, as on a file system that
// offers no unnamed one.
WriteOutcome WriteThroughNamedTemporary(const std::string& path, std::string_view bytes);
} // namespace detail

} // namespace kelvane
