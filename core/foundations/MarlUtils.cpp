#include "MarlUtils.h"

namespace kelvane {

bool IsEmpty(const std::string& s) {
    for (char c : s) {
        if (c != ' ' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

std::string PadLeft(const std::string& inString, int width) {
    if (static_cast<int>(inString.size()) >= width)
        return inString;
    return std::string(width - inString.size(), ' ') + inString;
}

std::string PadRight(const std::string& inString, int width) {
    if (static_cast<int>(inString.size()) >= width)
        return inString;
    return inString + std::string(width - inString.size(), ' ');
}

std::string TrimLeft(const std::string& s) {
    std::string::size_type i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    return s.substr(i);
}

std::string TrimRight(const std::string& s) {
    std::string::size_type n = s.size();
    while (n > 0) {
        char c = s[n - 1];
        if (c != '\0' && c != '\t' && c != '\n' && c != '\r' && c != ' ')
            break;
        --n;
    }
    return s.substr(0, n);
}

std::string TrimBoth(const std::string& s) {
    return TrimLeft(TrimRight(s));
}

int Max(int i, int j) {
    return i > j ? i : j;
}

} // namespace kelvane
