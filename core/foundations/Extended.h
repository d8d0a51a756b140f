#pragma once

#include <cfloat>
#include <cstdint>

// The engines' intermediate arithmetic: the 80-bit extended format (a 64-bit
// significand, rounded to nearest, ties to even, after every operation). On
// x86-64 that is the processor's own long double. Elsewhere long double is
// another format (128-bit in WebAssembly and on ARM Linux, 64-bit on ARM
// macOS), which rounds differently, so SoftExtended does the same rounding in
// 64-bit integers and every build gives the same bits.
namespace kelvane {

class SoftExtended {
  public:
    constexpr SoftExtended() = default;
    constexpr SoftExtended(int v) noexcept : SoftExtended(static_cast<long long>(v)) {}
    constexpr SoftExtended(long long v) noexcept {
        if (v == 0)
            return;
        negative_ = v < 0;
        const std::uint64_t magnitude =
            negative_ ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        const int shift = __builtin_clzll(magnitude);
        sig_ = magnitude << shift;
        exp_ = 63 - shift;
    }
    // Exact: every double is an extended value.
    explicit constexpr SoftExtended(double v) noexcept {
        // The builtin, as emscripten's libc++ 13 has no std::bit_cast.
        const auto bits = __builtin_bit_cast(std::uint64_t, v);
        negative_ = (bits >> 63) != 0;
        const int field = static_cast<int>((bits >> 52) & 0x7FF);
        const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
        if (field == 0x7FF) {
            special_ = fraction == 0 ? Special::Infinite : Special::NotANumber;
            return;
        }
        if (field == 0) { // zero or subnormal
            if (fraction == 0)
                return;
            const int shift = __builtin_clzll(fraction);
            sig_ = fraction << shift;
            exp_ = -1074 + 63 - shift;
            return;
        }
        sig_ = ((std::uint64_t{1} << 52) | fraction) << 11;
        exp_ = field - 1023;
    }
    // Rounded to the 64-bit significand where long double holds more.
    explicit SoftExtended(long double v);

    // (sig + low / 2^64) * 2^(exponent - 63), normalised and rounded to a
    // 64-bit significand: sig:low is a 128-bit significand with its point
    // after the first 64 bits.
    static constexpr SoftExtended Rounded(bool negative, std::uint64_t sig, std::uint64_t low,
                                          int exponent) noexcept {
        SoftExtended r;
        r.negative_ = negative;
        if (sig == 0 && low == 0)
            return r;
        if (sig == 0) {
            sig = low;
            low = 0;
            exponent -= 64;
        }
        if (const int shift = __builtin_clzll(sig); shift != 0) {
            sig = (sig << shift) | (low >> (64 - shift));
            low <<= shift;
            exponent -= shift;
        }
        const std::uint64_t half = std::uint64_t{1} << 63;
        if (low > half || (low == half && (sig & 1) != 0)) {
            if (++sig == 0) {
                sig = half;
                ++exponent;
            }
        }
        r.sig_ = sig;
        r.exp_ = exponent;
        return r;
    }

    explicit constexpr operator double() const noexcept {
        std::uint64_t bits;
        if (special_ == Special::NotANumber)
            bits = 0x7FF8000000000000ULL;
        else if (special_ == Special::Infinite || exp_ > 1023)
            bits = 0x7FF0000000000000ULL;
        else if (sig_ == 0)
            bits = 0;
        else if (exp_ >= -1022) {
            // The implicit bit of the 53-bit significand adds one to the
            // exponent field, and a rounding carry out of it one more.
            bits = (static_cast<std::uint64_t>(exp_ + 1022) << 52) + ShiftRounded(sig_, 11);
            if (bits >= 0x7FF0000000000000ULL)
                bits = 0x7FF0000000000000ULL;
        } else {
            // Subnormal: a carry to 2^52 is the smallest normal number, as it must be.
            bits = ShiftRounded(sig_, 11 + (-1022 - exp_));
        }
        bits |= static_cast<std::uint64_t>(negative_) << 63;
        return __builtin_bit_cast(double, bits);
    }

    friend constexpr SoftExtended operator+(SoftExtended a, SoftExtended b) noexcept {
        return Sum(a, b);
    }
    friend constexpr SoftExtended operator-(SoftExtended a, SoftExtended b) noexcept {
        b.negative_ = !b.negative_;
        return Sum(a, b);
    }
    friend constexpr SoftExtended operator*(SoftExtended a, SoftExtended b) noexcept {
        if (a.special_ != Special::None || b.special_ != Special::None)
            return Unusual(static_cast<double>(a) * static_cast<double>(b));
        if (a.sig_ == 0 || b.sig_ == 0) {
            SoftExtended zero;
            zero.negative_ = a.negative_ != b.negative_;
            return zero;
        }
        std::uint64_t high, low;
        Multiply(a.sig_, b.sig_, high, low);
        // The product of two significands in [1, 2) lies in [1, 4).
        return Rounded(a.negative_ != b.negative_, high, low, a.exp_ + b.exp_ + 1);
    }
    friend constexpr SoftExtended operator/(SoftExtended a, SoftExtended b) noexcept {
        if (a.special_ != Special::None || b.special_ != Special::None || b.sig_ == 0)
            return Unusual(static_cast<double>(a) / static_cast<double>(b));
        if (a.sig_ == 0) {
            SoftExtended zero;
            zero.negative_ = a.negative_ != b.negative_;
            return zero;
        }
        return Quotient(a, b);
    }
    constexpr SoftExtended operator-() const noexcept {
        SoftExtended r = *this;
        r.negative_ = !r.negative_;
        return r;
    }

    friend constexpr bool operator<(SoftExtended a, SoftExtended b) noexcept {
        return Compare(a, b) < 0;
    }
    friend constexpr bool operator>(SoftExtended a, SoftExtended b) noexcept {
        return Compare(a, b) > 0;
    }
    friend constexpr bool operator==(SoftExtended a, SoftExtended b) noexcept {
        return Compare(a, b) == 0;
    }

    constexpr std::uint64_t Significand() const { return sig_; }
    constexpr int Exponent() const { return exp_; }
    constexpr bool Negative() const { return negative_; }

  private:
    enum class Special : unsigned char { None, Infinite, NotANumber };

    // Infinities and NaN never arise from the engines' checked inputs; they
    // pass through double, which keeps their meaning if not their payload.
    static constexpr SoftExtended Unusual(double v) { return SoftExtended(v); }

    // sig / 2^k, rounded to nearest, ties to even.
    static constexpr std::uint64_t ShiftRounded(std::uint64_t sig, int k) noexcept {
        if (k > 64)
            return 0;
        if (k == 64)
            return sig > (std::uint64_t{1} << 63) ? 1 : 0;
        const std::uint64_t kept = sig >> k;
        const std::uint64_t rest = sig & ((std::uint64_t{1} << k) - 1);
        const std::uint64_t half = std::uint64_t{1} << (k - 1);
        return kept + ((rest > half || (rest == half && (kept & 1) != 0)) ? 1 : 0);
    }

    // The 128-bit product in 32-bit halves: WebAssembly has no wider multiply,
    // and a library call for one costs more than the four products.
    static constexpr void Multiply(std::uint64_t a, std::uint64_t b, std::uint64_t& high,
                                   std::uint64_t& low) noexcept {
        const std::uint64_t aLo = a & 0xFFFFFFFF, aHi = a >> 32;
        const std::uint64_t bLo = b & 0xFFFFFFFF, bHi = b >> 32;
        const std::uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
        const std::uint64_t middle = (ll >> 32) + (lh & 0xFFFFFFFF) + (hl & 0xFFFFFFFF);
        low = (middle << 32) | (ll & 0xFFFFFFFF);
        high = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
    }

    static constexpr int Compare(SoftExtended a, SoftExtended b) noexcept {
        if (a.special_ != Special::None || b.special_ != Special::None) {
            const double x = static_cast<double>(a), y = static_cast<double>(b);
            return x < y ? -1 : (x > y ? 1 : (x == y ? 0 : 2));
        }
        if (a.sig_ == 0 && b.sig_ == 0)
            return 0;
        if (a.sig_ == 0)
            return b.negative_ ? 1 : -1;
        if (b.sig_ == 0 || a.negative_ != b.negative_)
            return a.negative_ ? -1 : 1;
        int magnitude = a.exp_ != b.exp_ ? (a.exp_ < b.exp_ ? -1 : 1)
                                         : (a.sig_ < b.sig_ ? -1 : (a.sig_ > b.sig_ ? 1 : 0));
        return a.negative_ ? -magnitude : magnitude;
    }

    static constexpr SoftExtended Sum(SoftExtended a, SoftExtended b) noexcept {
        if (a.special_ != Special::None || b.special_ != Special::None)
            return Unusual(static_cast<double>(a) + static_cast<double>(b));
        if (b.sig_ == 0) {
            // -0 + -0 is -0; any other sum of zeros is +0.
            if (a.sig_ == 0)
                a.negative_ = a.negative_ && b.negative_;
            return a;
        }
        if (a.sig_ == 0)
            return b;
        if (a.exp_ < b.exp_ || (a.exp_ == b.exp_ && a.sig_ < b.sig_)) {
            const SoftExtended t = a;
            a = b;
            b = t;
        }
        // b's significand aligned with a's as bHi:bLo; bits shifted out below
        // bLo only set its last bit, which is all the rounding needs of them.
        const int d = a.exp_ - b.exp_;
        std::uint64_t bHi = 0, bLo = 0;
        if (d == 0)
            bHi = b.sig_;
        else if (d < 64) {
            bHi = b.sig_ >> d;
            bLo = b.sig_ << (64 - d);
        } else if (d == 64)
            bLo = b.sig_;
        else if (d < 128)
            bLo = (b.sig_ >> (d - 64)) | ((b.sig_ << (128 - d)) != 0 ? 1 : 0);
        else
            bLo = 1;
        if (a.negative_ == b.negative_) {
            std::uint64_t hi = a.sig_ + bHi, lo = bLo;
            int exponent = a.exp_;
            if (hi < a.sig_) { // carried out: one place right (d < 64, so lo's last bit is 0)
                lo = (lo >> 1) | (hi << 63);
                hi = (hi >> 1) | (std::uint64_t{1} << 63);
                ++exponent;
            }
            return Rounded(a.negative_, hi, lo, exponent);
        }
        const std::uint64_t lo = 0 - bLo;
        const std::uint64_t hi = a.sig_ - bHi - (bLo != 0 ? 1 : 0);
        if (hi == 0 && lo == 0)
            return SoftExtended();
        return Rounded(a.negative_, hi, lo, a.exp_);
    }

    static constexpr SoftExtended Quotient(SoftExtended a, SoftExtended b) noexcept {
        const bool negative = a.negative_ != b.negative_;
        const int exponent = a.exp_ - b.exp_;
        const std::uint64_t d = b.sig_;
        if (d == std::uint64_t{1} << 63) { // a power of two: exact
            SoftExtended r = a;
            r.negative_ = negative;
            r.exp_ = exponent;
            return r;
        }
        if ((d << 32) == 0) {
            // A divisor of at most 32 significant bits (9, 360, 2): long
            // division in 32-bit digits of a * 2^64, which WebAssembly's
            // 64-bit division does at once. The quotient is a / b * 2^96.
            const std::uint64_t divisor = d >> 32;
            const std::uint64_t digits[4] = {a.sig_ >> 32, a.sig_ & 0xFFFFFFFF, 0, 0};
            std::uint64_t rest = 0, q[4] = {};
            for (int i = 0; i < 4; ++i) {
                const std::uint64_t current = (rest << 32) | digits[i];
                q[i] = current / divisor;
                rest = current % divisor;
            }
            return Rounded(negative, (q[0] << 32) | q[1], (q[2] << 32) | q[3] | (rest != 0 ? 1 : 0),
                           exponent + 31);
        }
        // Any other divisor, a bit at a time; the remainder r (with its 65th
        // bit in top) stays below 2 d.
        std::uint64_t r = a.sig_;
        bool top = false;
        int e = exponent;
        if (a.sig_ < d) {
            top = (r >> 63) != 0;
            r <<= 1;
            --e;
        }
        std::uint64_t q = 0;
        for (int i = 0; i < 64; ++i) {
            q <<= 1;
            if (top || r >= d) {
                r -= d;
                q |= 1;
            }
            top = (r >> 63) != 0;
            r <<= 1;
        }
        const bool guard = top || r >= d;
        if (guard)
            r -= d;
        // A quotient is never exactly half-way, so only with the guard bit
        // set does the rest matter, and then it is never zero; kept all the same.
        const bool sticky = top || r != 0;
        return Rounded(negative, q, (guard ? std::uint64_t{1} << 63 : 0) | (sticky ? 1 : 0), e);
    }

    std::uint64_t sig_ = 0;
    int exp_ = 0;
    bool negative_ = false;
    Special special_ = Special::None;
};

#if defined(__x86_64__) && LDBL_MANT_DIG == 64
using Extended = long double;
#else
using Extended = SoftExtended;
#endif

// Constants rounded once to the extended format, the same on every build.
// 9/5, 1/10 and 314159/100000 are rounded correctly by the one division; pi
// from its nearest double and the remainder, which together hold 106 bits.
inline constexpr Extended kExtendedPi =
    Extended(3.141592653589793) + Extended(1.2246467991473532e-16);
inline constexpr Extended kExtendedOneEight = Extended(9) / Extended(5);
inline constexpr Extended kExtendedTenth = Extended(1) / Extended(10);
inline constexpr Extended kExtended314159 = Extended(314159) / Extended(100000);

} // namespace kelvane
