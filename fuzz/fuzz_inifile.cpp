#include "foundations/TIniFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

// Any bytes are a settings file: reading never fails nor returns more than the
// value limit, and writing a key changes that key alone.
namespace {

// Not a text a file holds by chance.
const std::string kDefault = std::string("\x01") + "default";

const std::string& FilePath() {
    static const std::string path = [] {
        std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return folder + "/fuzz_inifile-" + std::to_string(getpid()) + ".ini";
    }();
    return path;
}

std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Section and key names taken from the input, so the reads and the write hit
// entries that exist as well as ones that do not.
std::vector<std::string> Names(const std::string& text, char open, char close) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (names.size() < 4 && pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, std::min<std::size_t>(end - pos, 64));
        std::size_t a = open ? line.find(open) : 0;
        if (a != std::string::npos) {
            std::size_t b = line.find(close, a + (open ? 1 : 0));
            if (b != std::string::npos)
                names.push_back(line.substr(a + (open ? 1 : 0), b - a - (open ? 1 : 0)));
        }
        pos = end + 1;
    }
    return names;
}

bool Storable(const std::string& name, const char* forbidden) {
    std::size_t first = name.find_first_not_of(" \t\r");
    return first != std::string::npos && name.find_first_of(forbidden) == std::string::npos &&
           name.find_first_of("\r\n") == std::string::npos && name[first] != '[' &&
           name[first] != ';' && name[first] != '#';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    // Now and then a line of several megabytes.
    if (size > 2 && data[0] == 'L')
        text.insert(data[1] % (size - 1) + 1, std::string(3u << 20, data[2]));
    {
        std::ofstream out(FilePath(), std::ios::binary | std::ios::trunc);
        out << text;
    }

    std::vector<std::string> sections = Names(text, '[', ']');
    std::vector<std::string> keys = Names(text, 0, '=');
    sections.push_back("GammaHot");
    keys.push_back("Temp");

    kelvane::TIniFile ini(FilePath());
    std::vector<std::pair<std::pair<std::string, std::string>, std::string>> before;
    for (const auto& s : sections)
        for (const auto& k : keys) {
            std::string v = ini.ReadString(s, k, kDefault);
            if (v.size() > kelvane::TIniFile::MaxValueLength)
                __builtin_trap();
            before.push_back({{s, k}, v});
            (void)ini.ReadInteger(s, k, 0);
        }

    std::string section = "GammaHot", key = "Temp";
    for (const auto& s : sections)
        if (Storable(s, "]")) {
            section = s;
            break;
        }
    for (const auto& k : keys)
        if (Storable(k, "=")) {
            key = k;
            break;
        }
    const std::string value = size > 3 ? std::to_string(data[3]) + " v" : "v";
    ini.WriteString(section, key, value);
    const std::string after = ReadBytes(FilePath());

    if (ini.ReadString(section, key, "") != value)
        __builtin_trap();
    // Every other key reads as before (names are matched like the reader does).
    auto same = [](std::string a, std::string b) {
        auto norm = [](std::string s) {
            std::size_t f = s.find_first_not_of(" \t\r"), l = s.find_last_not_of(" \t\r");
            s = f == std::string::npos ? "" : s.substr(f, l - f + 1);
            for (char& c : s)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            return s;
        };
        return norm(a) == norm(b);
    };
    for (const auto& [name, v] : before)
        if (!(same(name.first, section) && same(name.second, key)) &&
            ini.ReadString(name.first, name.second, kDefault) != v)
            __builtin_trap();

    // The bytes changed lie in one line of the old file: a common prefix and
    // suffix hold everything else, and what was removed holds no line break.
    std::size_t prefix = 0;
    while (prefix < text.size() && prefix < after.size() && text[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < text.size() - prefix && suffix < after.size() - prefix &&
           text[text.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    std::string removed = text.substr(prefix, text.size() - prefix - suffix);
    std::string added = after.substr(prefix, after.size() - prefix - suffix);
    if (removed.find('\n') != std::string::npos)
        __builtin_trap();
    std::size_t breaks = 0;
    for (char c : added)
        breaks += c == '\n';
    if (breaks > 3)
        __builtin_trap();
    std::remove(FilePath().c_str());
    return 0;
}
