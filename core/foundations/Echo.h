#pragma once

#include <cstdio>
#include <string>

namespace kelvane {

// A text the user typed, fit to be echoed on one line: control characters
// escaped, cut to about 80 characters.
inline std::string Echo(const std::string& text) {
    constexpr std::size_t kLongest = 80;
    std::string out;
    for (unsigned char c : text) {
        if (out.size() >= kLongest) {
            out += "...";
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace kelvane
