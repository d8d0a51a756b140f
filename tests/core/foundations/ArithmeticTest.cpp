#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"
#include "foundations/Extended.h"
#include "foundations/Sine.h"
#include "foundations/WholeDegrees.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>

using namespace kelvane;

namespace {

// Where long double is the 80-bit format, the processor's own arithmetic is
// the reference that SoftExtended must match bit for bit.
constexpr bool kX87 = LDBL_MANT_DIG == 64;

std::uint64_t Bits(double v) {
    return std::bit_cast<std::uint64_t>(v);
}

::testing::AssertionResult SameValue(long double expected, SoftExtended actual) {
    const SoftExtended e(expected);
    if (e.Significand() == actual.Significand() && e.Exponent() == actual.Exponent() &&
        e.Negative() == actual.Negative() &&
        Bits(static_cast<double>(expected)) == Bits(static_cast<double>(actual)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << std::hexfloat << "expected " << expected << ", got " << (actual.Negative() ? "-" : "")
           << "0x" << std::hex << actual.Significand() << std::dec << " p" << actual.Exponent();
}

// Operands that reach every path of the rounding: dense and sparse
// significands (the latter give exact ties), nearby and far exponents, small
// whole numbers, and values taken from the other operand.
class Operands {
  public:
    explicit Operands(unsigned seed) : rng_(seed) {}

    long double Next(long double other) {
        switch (Pick(7)) {
        case 0: // dense significand
            return Scale(rng_() | (std::uint64_t{1} << 63), Exponent(4));
        case 1: { // sparse significand
            std::uint64_t sig = std::uint64_t{1} << 63;
            for (int i = Pick(3); i > 0; --i)
                sig |= std::uint64_t{1} << Pick(63);
            return Scale(sig, Exponent(70));
        }
        case 2:
            return static_cast<long double>(static_cast<int>(Pick(2000)) - 1000);
        case 3:
            return -other;
        case 4: // near the other, so that a difference cancels
            return other + Scale(rng_() | (std::uint64_t{1} << 63), Exponent(140) - 100) * 0x1p-40L;
        case 5:
            return static_cast<long double>(
                std::bit_cast<double>((rng_() & ~(0x7FFULL << 52)) | (std::uint64_t{1020} << 52)));
        default:
            return Scale(rng_() | (std::uint64_t{1} << 63), Exponent(1200));
        }
    }

    unsigned Pick(unsigned n) { return static_cast<unsigned>(rng_() % n); }

  private:
    int Exponent(int spread) { return static_cast<int>(Pick(2 * spread + 1)) - spread; }
    long double Scale(std::uint64_t sig, int exponent) {
        const long double v = std::ldexp(static_cast<long double>(sig), exponent - 63);
        return Pick(2) != 0 ? -v : v;
    }

    std::mt19937_64 rng_;
};

} // namespace

TEST(SoftExtended, MatchesTheProcessorsExtendedArithmetic) {
    if (!kX87)
        GTEST_SKIP() << "long double is not the 80-bit format here";
    Operands gen(20261209);
    long double a = 1.5L;
    for (int i = 0; i < 300000 && !HasFailure(); ++i) {
        const long double b = gen.Next(a);
        const SoftExtended sa(a), sb(b);
        EXPECT_TRUE(SameValue(a + b, sa + sb)) << std::hexfloat << a << " + " << b;
        EXPECT_TRUE(SameValue(a - b, sa - sb)) << std::hexfloat << a << " - " << b;
        EXPECT_TRUE(SameValue(a * b, sa * sb)) << std::hexfloat << a << " * " << b;
        if (b != 0) {
            EXPECT_TRUE(SameValue(a / b, sa / sb)) << std::hexfloat << a << " / " << b;
        }
        // Small whole divisors take a path of their own.
        const int d = static_cast<int>(gen.Pick(400)) + 1;
        EXPECT_TRUE(SameValue(a / d, sa / d)) << std::hexfloat << a << " / " << d;
        EXPECT_EQ(a < b, sa < sb);
        EXPECT_EQ(a > b, sa > sb);
        // Keep the values from drifting out of the double range.
        a = std::fabs(b) > 0x1p1000L || std::fabs(b) < 0x1p-1000L ? gen.Next(1.0L) : b;
    }
}

TEST(SoftExtended, SumsAtEveryAlignment) {
    if (!kX87)
        GTEST_SKIP() << "long double is not the 80-bit format here";
    // Significands whose bits sit at either end, at every exponent distance
    // around the edges of the two-word alignment, where a lost bit decides a tie.
    const std::uint64_t top = std::uint64_t{1} << 63;
    const std::uint64_t sigs[] = {
        top, top | 1, top | 2, top | 3, top | (top >> 1) | 1, ~std::uint64_t{0}};
    for (std::uint64_t x : sigs)
        for (std::uint64_t y : sigs)
            for (int d = 0; d <= 131; ++d)
                for (long double sign : {1.0L, -1.0L}) {
                    const long double a = std::ldexp(static_cast<long double>(x), 0);
                    const long double b = sign * std::ldexp(static_cast<long double>(y), -d);
                    EXPECT_TRUE(SameValue(a + b, SoftExtended(a) + SoftExtended(b)))
                        << std::hexfloat << a << " + " << b;
                    EXPECT_TRUE(SameValue(b - a, SoftExtended(b) - SoftExtended(a)))
                        << std::hexfloat << b << " - " << a;
                }
}

TEST(SoftExtended, RoundsToDoubleAsTheProcessorDoes) {
    if (!kX87)
        GTEST_SKIP() << "long double is not the 80-bit format here";
    std::mt19937_64 rng(7);
    // Ties at the 53rd bit, their neighbours, and results that are subnormal
    // or overflow as doubles.
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t sig = (rng() | (std::uint64_t{1} << 63));
        if (i % 3 == 0)
            sig = (sig & ~std::uint64_t{0x7FF}) | 0x400 | (rng() % 3 == 0 ? 0 : rng() % 2);
        const int exponent = i % 2 == 0 ? static_cast<int>(rng() % 2200) - 1100
                                        : static_cast<int>(rng() % 90) - 1090;
        const long double v = std::ldexp(static_cast<long double>(sig), exponent - 63);
        ASSERT_EQ(Bits(static_cast<double>(v)), Bits(static_cast<double>(SoftExtended(v))))
            << std::hexfloat << v;
        ASSERT_EQ(Bits(static_cast<double>(-v)), Bits(static_cast<double>(SoftExtended(-v))));
    }
    for (double d : {0.0, -0.0, 5e-324, -2.2250738585072014e-308, DBL_MAX, 1.0 / 3})
        EXPECT_EQ(Bits(d), Bits(static_cast<double>(SoftExtended(d)))) << d;
    // Exactly half the smallest subnormal, and just above it.
    for (long double v :
         {0x1p-1075L, 0x1.0000000000000002p-1075L, 0x1.8p-1075L, 0x1.fffffffffffffffep1023L})
        EXPECT_EQ(Bits(static_cast<double>(v)), Bits(static_cast<double>(SoftExtended(v))))
            << std::hexfloat << v;
}

TEST(SoftExtended, ConstantsAreTheExtendedLiterals) {
    const struct {
        Extended constant;
        long double literal;
        SoftExtended soft;
    } cases[] = {
        {kExtendedPi, 3.14159265358979323846264338327950288L,
         SoftExtended(3.141592653589793) + SoftExtended(1.2246467991473532e-16)},
        {kExtendedOneEight, 1.8L, SoftExtended(9) / SoftExtended(5)},
        {kExtendedTenth, 0.1L, SoftExtended(1) / SoftExtended(10)},
        {kExtended314159, 3.14159L, SoftExtended(314159) / SoftExtended(100000)},
    };
    for (const auto& c : cases) {
        if (kX87) {
            EXPECT_TRUE(SameValue(c.literal, c.soft)) << std::hexfloat << c.literal;
            EXPECT_EQ(static_cast<long double>(c.constant), c.literal);
        }
        // Whatever the build, the constant rounds to the double nearest the literal.
        EXPECT_EQ(static_cast<double>(c.soft), static_cast<double>(c.literal));
    }
}

TEST(Sine, CorrectlyRoundedWhereTheExtendedSineIsSure) {
    if (!kX87)
        GTEST_SKIP() << "no 80-bit reference sine here";
    // sinl is within a unit or two of its 64-bit significand; where that
    // leaves the double rounding in doubt, the case says nothing. The margin
    // is narrow enough that glibc's sine fails here.
    const auto check = [](double x) {
        const long double s = sinl(static_cast<long double>(x));
        const double d = static_cast<double>(s);
        const long double halfUlp = (std::nextafter(std::fabs(d), INFINITY) - std::fabs(d)) / 2.0L;
        const long double fromMidpoint = std::fabs(std::fabs(s - d) - halfUlp);
        if (fromMidpoint < std::fabs(s) * 0x1p-61L)
            return true;
        return Bits(Sine(x)) == Bits(d);
    };
    for (int degrees = -720; degrees <= 1080; ++degrees)
        EXPECT_TRUE(check(ToRadians(degrees))) << degrees << " degrees";
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> wide(-1e4, 1e4), narrow(-1e-3, 1e-3);
    int wrong = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = i % 10 == 0 ? narrow(rng) : wide(rng);
        if (!check(x) && ++wrong <= 5)
            ADD_FAILURE() << std::hexfloat << "Sine(" << x << ")";
    }
    EXPECT_EQ(Sine(0.0), 0.0);
    EXPECT_TRUE(std::signbit(Sine(-0.0)));
    EXPECT_TRUE(std::isnan(Sine(INFINITY)));
    // Far arguments are reduced first, the same way on every machine.
    EXPECT_LE(std::fabs(Sine(1e12)), 1.0);
}

// The whole-degree table gives the sine's own bits inside the two revolutions
// either side of one it holds and beyond them; 725 degrees is 5 again,
// sin 5 = 0.0871557427476582. The angle texts read and write as StrToInt and
// IntToStr do, the fast path for one to three digits included.
TEST(WholeDegrees, TableAndTextsAgreeWithTheGeneralForms) {
    for (long long d : {-100000LL, -721LL, -720LL, -719LL, -1LL, 0LL, 5LL, 90LL, 360LL, 725LL,
                        1079LL, 1080LL, 1081LL, 100000LL})
        EXPECT_EQ(Bits(SinOfDegrees(d)), Bits(Sine(ToRadians(static_cast<double>(d))))) << d;
    for (long long d : {5LL, 365LL, 725LL, -355LL, -715LL, 1085LL})
        EXPECT_NEAR(SinOfDegrees(d), 0.0871557427476582, 1e-14) << d;
    EXPECT_EQ(SinOfDegrees(90), 1);

    struct Text {
        const char* text;
        int angle;
    };
    const Text texts[] = {{"0", 0},     {"5", 5},       {"09", 9},  {"360", 360},
                          {"725", 725}, {"1080", 1080}, {"-5", -5}, {"+7", 7}};
    for (const Text& t : texts)
        EXPECT_EQ(AngleOf(t.text), t.angle) << t.text;
    for (const char* bad : {"", "1O", "/", ":", "1.5"})
        EXPECT_THROW(AngleOf(bad), EConvertError) << bad;
    for (int d : {0, 9, 10, 360})
        EXPECT_EQ(AngleText(d), std::to_string(d));
    EXPECT_THROW(AngleText(361), std::out_of_range);
}
