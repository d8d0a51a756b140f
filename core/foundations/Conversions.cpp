#include "Conversions.h"

#include "EConvertError.h"
#include "MarlUtils.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <locale.h>

namespace kelvane {

namespace {

// Writes the whole number n / 10^decimals backwards, ending at end, the
// integer part grouped by threes when asked, with a minus sign when asked;
// returns where the text starts.
char* WriteScaled(std::uint64_t n, int decimals, bool group, bool negative, char* end) {
    char* p = end;
    for (int i = 0; i < decimals; ++i) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (decimals > 0)
        *--p = '.';
    int inGroup = 0; // digits written since the last separator
    do {
        if (group && inGroup == 3) {
            *--p = ',';
            inGroup = 0;
        }
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
        ++inGroup;
    } while (n != 0);
    if (negative)
        *--p = '-';
    return p;
}

// The rounding below, done directly on the value scaled by 10^decimals. The
// 18-digit form differs from the value by at most 5e-18 of it and the scaling
// adds at most 1.2e-16, so the two round alike unless the scaled value lies
// that close to a half; those few values (and very large ones) take the exact
// route. Writes backwards from end (room for 32 characters) and returns where
// the text starts, or nullptr when it cannot say.
char* FormatFixedFast(double r, int decimals, bool group, char* end) {
    static constexpr double kScale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
    if (!std::isfinite(r) || decimals < 0 || decimals > 4)
        return nullptr;
    const double scaled = std::fabs(r) * kScale[decimals];
    if (!(scaled < 1e15))
        return nullptr;
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double frac = scaled - static_cast<double>(whole); // exact
    if (std::fabs(frac - 0.5) <= scaled * 1e-15)
        return nullptr;
    const std::uint64_t n = whole + (frac > 0.5 ? 1 : 0);
    return WriteScaled(n, decimals, group, std::signbit(r) && n != 0, end);
}

locale_t CLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return c - 'A' + 10;
}

// The standard real conversion: spaces, sign, digits with one ".", exponent, spaces.
bool ParseReal(const std::string& t, double& out) {
    std::string::size_type i = 0, n = t.size();
    while (i < n && t[i] == ' ')
        ++i;
    std::string clean;
    if (i < n && (t[i] == '+' || t[i] == '-'))
        clean += t[i++];
    bool anyDigit = false, point = false;
    std::string mantissa;
    while (i < n && (IsDigit(t[i]) || (t[i] == '.' && !point))) {
        if (t[i] == '.')
            point = true;
        else
            anyDigit = true;
        mantissa += t[i++];
    }
    if (!anyDigit && !point)
        return false;
    clean += anyDigit ? mantissa : std::string(1, '0');
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        clean += 'e';
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            clean += t[i++];
        bool expDigit = false;
        while (i < n && IsDigit(t[i])) {
            clean += t[i++];
            expDigit = true;
        }
        if (!expDigit)
            return false;
    }
    while (i < n && t[i] == ' ')
        ++i;
    if (i != n)
        return false;

    errno = 0;
    long double v = strtold_l(clean.c_str(), nullptr, CLocale());
    if (errno == ERANGE && std::fabs(v) > 1.0L)
        return false;
    // Through the extended format, as the reading always went on x86-64.
    const Extended x(v);
    if (x > Extended(DBL_MAX) || x < Extended(-DBL_MAX))
        return false;
    out = static_cast<double>(x);
    return true;
}

// The text without the commas that group thousands: "1,000", "12,345.5",
// "-1,234". Such commas stand between the integer part's groups, the first of
// one to three digits and every later one of three, after at most spaces and a
// sign. false for a text with any other comma: "45,5" is a decimal comma, and
// reading it as 455 would be worse than not reading it at all.
bool WithoutGroupingCommas(const std::string& s, std::string& out) {
    const std::string::size_type comma = s.find(',');
    if (comma == std::string::npos) {
        out = s;
        return true;
    }
    std::string::size_type start = comma;
    while (start > 0 && IsDigit(s[start - 1]))
        --start;
    if (comma - start < 1 || comma - start > 3)
        return false;
    std::string::size_type i = 0;
    while (i < start && s[i] == ' ')
        ++i;
    if (i < start && (s[i] == '+' || s[i] == '-'))
        ++i;
    if (i != start)
        return false;
    i = comma;
    while (i < s.size() && s[i] == ',') {
        for (int d = 1; d <= 3; ++d) {
            if (i + d >= s.size() || !IsDigit(s[i + d]))
                return false;
        }
        i += 4;
        if (i < s.size() && IsDigit(s[i]))
            return false;
    }
    if (s.find(',', i) != std::string::npos)
        return false;
    out.clear();
    std::remove_copy(s.begin(), s.end(), std::back_inserter(out), ',');
    return true;
}

} // namespace

namespace detail {

// Writes r with the given count of decimals from its 18-significant-digit
// decimal form, halves away from zero; a result of zero carries no sign. The
// grids format several values at every crank angle, hence the short way first.
std::string FormatFixed(double r, int decimals, bool group) {
    char buf[32];
    if (const char* start = FormatFixedFast(r, decimals, group, buf + sizeof buf))
        return std::string(start, static_cast<std::size_t>(buf + sizeof buf - start));
    return FormatFixedExact(r, decimals, group);
}

// No printf family and no heap growth: to_chars gives the same correctly
// rounded 18 digits as printf's "%.17Le" of the value.
std::string FormatFixedExact(double r, int decimals, bool group) {
    if (std::isnan(r))
        return "NAN";
    if (std::isinf(r))
        return r > 0 ? "INF" : "-INF";

    char sci[48];
    const char* end =
        std::to_chars(sci, sci + sizeof sci, r, std::chars_format::scientific, 17).ptr;
    const char* p = sci;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    const char* e = std::find(p, end, 'e');
    int exponent = 0;
    if (e != end) {
        const char* q = e + 1;
        bool expNegative = *q == '-';
        if (*q == '-' || *q == '+')
            ++q;
        for (; q != end; ++q)
            exponent = exponent * 10 + (*q - '0');
        if (expNegative)
            exponent = -exponent;
    }

    // digits[0..n) represent 0.ddd... x 10^pointPos, the decimal point after pointPos digits.
    char digits[720];
    int n = 0;
    int pointPos = exponent + 1;
    if (pointPos < 1) {
        for (int i = 0; i < 1 - pointPos; ++i)
            digits[n++] = '0';
        pointPos = 1;
    }
    for (const char* q = p; q != e; ++q) {
        if (*q >= '0' && *q <= '9')
            digits[n++] = *q;
    }
    const int needed = pointPos + decimals + 1;
    while (n < needed)
        digits[n++] = '0';

    bool roundUp = digits[pointPos + decimals] >= '5';
    n = pointPos + decimals;
    if (roundUp) {
        int i = n - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            // A carry out of the top digit: the number gains a leading '1'.
            std::memmove(digits + 1, digits, static_cast<std::size_t>(n));
            digits[0] = '1';
            ++n;
            ++pointPos;
        }
    }
    const char* d = digits;

    bool isZero = true;
    for (int i = 0; i < n; ++i) {
        if (d[i] != '0') {
            isZero = false;
            break;
        }
    }
    int intStart = 0;
    while (intStart < pointPos - 1 && d[intStart] == '0')
        ++intStart;
    const int intLen = pointPos - intStart;

    char out[1024];
    int len = 0;
    if (negative && !isZero)
        out[len++] = '-';
    for (int i = 0; i < intLen; ++i) {
        if (group && i > 0 && (intLen - i) % 3 == 0)
            out[len++] = ',';
        out[len++] = d[intStart + i];
    }
    if (decimals > 0) {
        out[len++] = '.';
        std::memcpy(out + len, d + pointPos, static_cast<std::size_t>(decimals));
        len += decimals;
    }
    return std::string(out, static_cast<std::size_t>(len));
}

} // namespace detail

double KtoF(double k) {
    return static_cast<double>((Extended(k) - 279) * kExtendedOneEight + 32);
}

double WholeFtoK(int t) {
    long long whole = 5LL * t - 160;
    return static_cast<double>(Extended(whole) / 9 + 279);
}

double ToRadians(double s) {
    return static_cast<double>(Extended(s) * 2 * kExtendedPi / 360);
}

std::string MyRealToStr(double r) {
    const Extended v(r);
    int decimals;
    if (v > 100)
        decimals = 0;
    else if (v > 10)
        decimals = 1;
    else if (v > 1)
        decimals = 2;
    else if (v > kExtendedTenth)
        decimals = 3;
    else
        decimals = 4;
    return detail::FormatFixed(r, decimals, true);
}

std::string RealToStr2(double r) {
    return detail::FormatFixed(r, 2, false);
}

double MyStrToReal(const std::string& s, double defVal) {
    if (IsEmpty(s))
        return defVal;
    if (TrimBoth(s) == ".")
        return defVal;
    std::string t;
    double v;
    if (!WithoutGroupingCommas(s, t) || !ParseReal(t, v))
        return defVal;
    return v;
}

bool HasDecimalComma(const std::string& s) {
    std::string t;
    if (WithoutGroupingCommas(s, t))
        return false;
    // A number once its commas are dropped, as every comma once was.
    std::remove_copy(s.begin(), s.end(), std::back_inserter(t), ',');
    return std::isfinite(MyStrToReal(t, std::numeric_limits<double>::quiet_NaN()));
}

namespace {

bool ParseWhole(const std::string& s, bool allowHex, int& value) {
    std::string::size_type i = 0, n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (allowHex && i < n && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (allowHex && i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        return false;
    unsigned long long acc = 0;
    const unsigned long long limit =
        hex ? 0xFFFFFFFFULL : (negative ? 2147483648ULL : 2147483647ULL);
    for (; i < n; ++i) {
        char c = s[i];
        int digit;
        if (hex) {
            if (!IsHexDigit(c))
                return false;
            digit = HexValue(c);
        } else {
            if (!IsDigit(c))
                return false;
            digit = c - '0';
        }
        acc = acc * (hex ? 16 : 10) + static_cast<unsigned long long>(digit);
        if (acc > limit)
            return false;
    }
    long long signedValue;
    if (hex)
        signedValue =
            static_cast<long long>(static_cast<std::int32_t>(static_cast<std::uint32_t>(acc)));
    else
        signedValue = static_cast<long long>(acc);
    if (negative)
        signedValue = -signedValue;
    value = static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(signedValue)));
    return true;
}

} // namespace

bool TryStrToInt(const std::string& s, int& value) {
    return ParseWhole(s, true, value);
}

bool TryStrToDecimalInt(const std::string& s, int& value) {
    return ParseWhole(s, false, value);
}

int StrToInt(const std::string& s) {
    int value = 0;
    if (!TryStrToInt(s, value))
        throw EConvertError("'" + s + "' is not a valid integer value");
    return value;
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

long long RoundHalfEven(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 9.2e18)
        return std::numeric_limits<long long>::max();
    if (v <= -9.2e18)
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(std::nearbyint(v));
}

} // namespace kelvane
