#pragma once

// emscripten 3.1.6 ships libc++ 13, which declares the floating-point
// std::to_chars but does not implement it. The core uses the form with a
// precision; musl's printf gives the same correctly rounded digits. Included
// ahead of every source of the web build (see CMakeLists.txt).
#include <charconv>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace std {

inline to_chars_result to_chars(char* first, char* last, double value, chars_format fmt,
                                int precision) {
    const char* format = fmt == chars_format::scientific ? "%.*e"
                         : fmt == chars_format::fixed    ? "%.*f"
                                                         : "%.*g";
    const int room = static_cast<int>(last - first);
    char buf[512];
    const int n = std::snprintf(buf, sizeof buf, format, precision, value);
    if (n < 0 || n >= static_cast<int>(sizeof buf) || n > room)
        return {last, errc::value_too_large};
    for (int i = 0; i < n; ++i)
        first[i] = buf[i];
    return {first + n, errc{}};
}

// The shortest text that reads back as the same double, as the form without
// a format gives it.
inline to_chars_result to_chars(char* first, char* last, double value) {
    char buf[64];
    int n = 0;
    for (int precision = 1; precision <= 17; ++precision) {
        n = std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    if (n < 0 || n > static_cast<int>(last - first))
        return {last, errc::value_too_large};
    for (int i = 0; i < n; ++i)
        first[i] = buf[i];
    return {first + n, errc{}};
}

} // namespace std
#endif
