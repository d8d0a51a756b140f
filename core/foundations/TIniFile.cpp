#include "TIniFile.h"

#include "Conversions.h"
#include "EIniFileError.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kelvane {

namespace {

// A line of the file: its text is [begin, contentEnd), its line end
// ("\n", "\r\n" or nothing for a last line without one) [contentEnd, end).
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t end;
};

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key, trimmed
    std::string_view value; // entry value, trimmed
    std::size_t equals = 0; // offset of "=" within the line's text
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 'A' && x <= 'Z')
            x = static_cast<unsigned char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<unsigned char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) {
            lines.push_back({pos, text.size(), text.size()});
            break;
        }
        std::size_t contentEnd = (nl > pos && text[nl - 1] == '\r') ? nl - 1 : nl;
        lines.push_back({pos, contentEnd, nl + 1});
        pos = nl + 1;
    }
    return lines;
}

ParsedLine Parse(const std::string& text, const Line& line) {
    ParsedLine parsed;
    std::string_view content(text.data() + line.begin, line.contentEnd - line.begin);
    std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#')
        return parsed;
    if (trimmed.front() == '[') {
        std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            parsed.kind = LineKind::Section;
            parsed.name = Trim(trimmed.substr(1, close - 1));
        }
        return parsed;
    }
    std::size_t eq = content.find('=');
    if (eq == std::string_view::npos)
        return parsed;
    parsed.kind = LineKind::Entry;
    parsed.name = Trim(content.substr(0, eq));
    parsed.value = Trim(content.substr(eq + 1));
    parsed.equals = eq;
    return parsed;
}

// Where a section and a key stand in the file; -1 for not found.
struct Location {
    long section = -1;
    long entry = -1;
    long lastEntry = -1; // the section's last entry, where a new key goes after
};

Location Locate(const std::string& text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location loc;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ParsedLine p = Parse(text, lines[i]);
        if (loc.section < 0) {
            if (p.kind == LineKind::Section && SameText(p.name, section))
                loc.section = static_cast<long>(i);
            continue;
        }
        if (p.kind == LineKind::Section)
            break;
        if (p.kind == LineKind::Entry) {
            loc.lastEntry = static_cast<long>(i);
            if (loc.entry < 0 && SameText(p.name, key))
                loc.entry = static_cast<long>(i);
        }
    }
    return loc;
}

enum class LoadResult { Loaded, Missing, Failed };

LoadResult LoadFile(const std::string& fileName, std::string& text) {
    text.clear();
    int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return (errno == ENOENT || errno == ENOTDIR) ? LoadResult::Missing : LoadResult::Failed;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return LoadResult::Failed;
    }
    if (S_ISREG(st.st_mode) && st.st_size > 0)
        text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            text.clear();
            return LoadResult::Failed;
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return LoadResult::Loaded;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Replaces the file by a new one holding text, through a temporary file in the
// same folder and a rename, so that the file is never seen half written.
void ReplaceFile(const std::string& fileName, const std::string& text) {
    const EIniFileError refused("Unable to write to " + fileName);
    std::string target = fileName;
    // Write through a symbolic link rather than replacing the link itself.
    struct stat st {};
    if (::lstat(fileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* resolved = ::realpath(fileName.c_str(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    bool exists = ::stat(target.c_str(), &st) == 0;

    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            throw refused;
    }
    if (fd < 0)
        throw refused;
    if (exists)
        (void)::fchmod(fd, st.st_mode & 07777); // keep the old file's permissions
    bool ok = WriteAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        throw refused;
    }
    // Make the rename itself durable; the file is complete either way.
    std::size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)::fsync(dirFd);
        ::close(dirFd);
    }
}

} // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    std::string text;
    if (LoadFile(fileName_, text) != LoadResult::Loaded)
        return defaultValue;
    std::vector<Line> lines = SplitLines(text);
    Location loc = Locate(text, lines, Trim(section), Trim(key));
    if (loc.entry < 0)
        return defaultValue;
    std::string_view value = Parse(text, lines[static_cast<std::size_t>(loc.entry)]).value;
    return std::string(value.substr(0, MaxValueLength));
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    std::string_view sectionName = Trim(section);
    std::string_view keyName = Trim(key);
    if (sectionName.empty() || sectionName.find_first_of("]\r\n") != std::string_view::npos)
        throw std::invalid_argument("Invalid INI section name '" + section + "'");
    if (keyName.empty() || keyName.find_first_of("=\r\n") != std::string_view::npos ||
        keyName.front() == '[' || keyName.front() == ';' || keyName.front() == '#')
        throw std::invalid_argument("Invalid INI key name '" + key + "'");
    std::string_view stored(value);
    stored = stored.substr(0, stored.find_first_of("\r\n"));

    std::string text;
    if (LoadFile(fileName_, text) == LoadResult::Failed)
        throw EIniFileError("Unable to write to " + fileName_);
    std::vector<Line> lines = SplitLines(text);
    std::size_t firstBreak = text.find('\n');
    const std::string nl =
        (firstBreak != std::string::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') ? "\r\n"
                                                                                            : "\n";
    std::string entry = std::string(keyName) + "=" + std::string(stored) + nl;

    Location loc = Locate(text, lines, sectionName, keyName);
    if (loc.entry >= 0) {
        const Line& line = lines[static_cast<std::size_t>(loc.entry)];
        std::size_t from = line.begin + Parse(text, line).equals + 1;
        while (from < line.contentEnd && (text[from] == ' ' || text[from] == '\t'))
            ++from;
        text.replace(from, line.contentEnd - from, stored);
    } else if (loc.section >= 0) {
        const Line& after =
            lines[static_cast<std::size_t>(loc.lastEntry >= 0 ? loc.lastEntry : loc.section)];
        text.insert(after.end, after.end == after.contentEnd ? nl + entry : entry);
    } else {
        if (!text.empty() && text.back() != '\n')
            text += nl;
        text += "[" + std::string(sectionName) + "]" + nl + entry;
    }
    ReplaceFile(fileName_, text);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    int value = 0;
    return TryStrToInt(ReadString(section, key, ""), value) ? value : defaultValue;
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, IntToStr(value));
}

} // namespace kelvane
