#include "Message.h"

namespace kelvane {

std::string Message::English() const {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < parts.size()) {
            out += parts[n].inner.empty() ? parts[n].text : parts[n].inner.front().English();
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace kelvane
