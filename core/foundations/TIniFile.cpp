#include "TIniFile.h"

#include "Conversions.h"
#include "EIniFileError.h"
#include "FileAccess.h"

#include <stdexcept>
#include <string_view>
#include <utility>
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

} // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

TIniFile::TIniFile(std::string fileName, std::string contents)
    : fileName_(std::move(fileName)), snapshot_(std::move(contents)) {}

TIniFile TIniFile::Snapshot() const {
    if (pending_ || snapshot_)
        return TIniFile(fileName_, pending_ ? *pending_ : *snapshot_);
    FileContents file = ReadRegularFile(fileName_);
    return TIniFile(fileName_, file.Ok() ? std::move(file.bytes) : std::string());
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    FileContents file;
    if (!pending_ && !snapshot_) {
        file = ReadRegularFile(fileName_);
        if (!file.Ok())
            return defaultValue;
    }
    const std::string& text = pending_ ? *pending_ : snapshot_ ? *snapshot_ : file.bytes;
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

    if (!pending_) {
        Update([&](TIniFile& ini) { ini.WriteString(section, key, value); });
        return;
    }
    std::string& text = *pending_;
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
}

void TIniFile::Update(const std::function<void(TIniFile&)>& edits) {
    if (pending_) {
        edits(*this);
        return;
    }
    FileContents file = ReadRegularFile(fileName_);
    if (!file.Ok() && file.status != ReadStatus::Missing)
        throw EIniFileError("Unable to write to " + fileName_, file.problem);
    pending_ = std::move(file.bytes);
    try {
        edits(*this);
    } catch (...) {
        pending_.reset();
        throw;
    }
    std::string text = std::move(*pending_);
    pending_.reset();
    // A file the program writes must stay one it reads.
    if (text.size() > MaxReadFileSize)
        throw EIniFileError("Unable to write to " + fileName_,
                            "Too large: it would be over the 4 MiB a file may hold");
    WriteOutcome written = WriteFileAtomically(fileName_, text);
    if (!written.ok)
        throw EIniFileError("Unable to write to " + fileName_, written.problem);
    if (snapshot_)
        snapshot_ = std::move(text);
}

std::string TIniFile::EditedText(std::string contents,
                                 const std::function<void(TIniFile&)>& edits) {
    TIniFile ini{std::string()};
    ini.pending_ = std::move(contents);
    edits(ini);
    return std::move(*ini.pending_);
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
