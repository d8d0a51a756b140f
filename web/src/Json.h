#pragma once

#include "foundations/Message.h"

#include <cstdio>
#include <string>

namespace kelvane {

// A text as a JSON string literal.
inline std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// A message in parts, for the page to translate as a window does:
// {"pattern": ..., "parts": [{"text": ..., "word": true|false, "inner": message|null}]}.
inline std::string JsonMessage(const Message& message) {
    std::string out = "{\"pattern\":" + JsonText(message.pattern) + ",\"parts\":[";
    for (std::size_t i = 0; i < message.parts.size(); ++i) {
        const Message::Part& p = message.parts[i];
        out += std::string(i ? "," : "") + "{\"text\":" + JsonText(p.text) +
               ",\"word\":" + (p.word ? "true" : "false") +
               ",\"inner\":" + (p.inner.empty() ? "null" : JsonMessage(p.inner.front())) + "}";
    }
    return out + "]}";
}

// A number as JSON: every digit a double needs; JSON has no infinity or NaN.
inline std::string JsonNumber(double value) {
    if (!(value == value) || value > 1.7e308 || value < -1.7e308)
        return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

} // namespace kelvane
