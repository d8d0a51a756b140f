#include "foundations/Conversions.h"
#include "foundations/EConvertError.h"
#include "foundations/MarlUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <random>
#include <vector>

using namespace kelvane;

TEST(Temperature, OffsetIs279NotKelvin) {
    EXPECT_EQ(FtoK(32), 279.0);
    EXPECT_EQ(FtoK(212), 379.0);
    EXPECT_EQ(KtoF(279), 32.0);
    for (int t : {-40, 0, 100, 300, 1000})
        EXPECT_EQ(WholeFtoK(t), FtoK(t)) << t;
}

TEST(Geometry, RadiansAndCylinderVolume) {
    EXPECT_DOUBLE_EQ(ToRadians(180), M_PI);
    EXPECT_EQ(ToRadians(0), 0.0);
    // The cylinder volume uses 3.14159, not full pi.
    EXPECT_DOUBLE_EQ(CalcCylVol(2, 1), 3.14159);
    EXPECT_DOUBLE_EQ(CalcCylVol(100, 20), 50.0 * 3.14159 * 50.0 * 20.0);
    EXPECT_EQ(CalcCylVol(0, 20), 0.0);
}

struct FormatCase {
    double value;
    const char* text;
    friend void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.value; }
};

class MyRealToStrCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(MyRealToStrCases, FormatsByValue) {
    EXPECT_EQ(MyRealToStr(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, MyRealToStrCases,
    ::testing::Values(FormatCase{1234.5, "1,235"}, FormatCase{100, "100.0"},
                      FormatCase{100.5, "101"}, FormatCase{10, "10.00"}, FormatCase{1, "1.000"},
                      FormatCase{0.1, "0.100"}, FormatCase{0.05, "0.0500"}, FormatCase{0, "0.0000"},
                      FormatCase{-1500, "-1,500.0000"}, FormatCase{-0.00004, "0.0000"},
                      FormatCase{-0.00006, "-0.0001"}, FormatCase{1234567.49, "1,234,567"},
                      FormatCase{999.5, "1,000"}, FormatCase{0.99995, "1.000"},
                      FormatCase{1.125, "1.13"}, FormatCase{2.675, "2.67"},
                      FormatCase{12.25, "12.3"}));

TEST(RealToStr2, TwoDecimalsNoGrouping) {
    EXPECT_EQ(RealToStr2(1234.5), "1234.50");
    EXPECT_EQ(RealToStr2(2.625), "2.63");
    EXPECT_EQ(RealToStr2(-0.004), "0.00");
    // -1.785 is stored just above -1.785, so its 18-digit form rounds towards zero.
    EXPECT_EQ(RealToStr2(-1.785), "-1.78");
    EXPECT_EQ(RealToStr2(-1.125), "-1.13");
    EXPECT_EQ(RealToStr2(0), "0.00");
}

// The short way of rounding must give the long way's text for every value:
// spread magnitudes, and values a few steps either side of a half in the last
// decimal, where rounding from the 18-digit form and from the value could part.
TEST(FormatFixed, ShortWayAgreesWithTheDigitByDigitRounding) {
    std::mt19937_64 rng(2026);
    std::uniform_real_distribution<double> exponent(-7, 15), mantissa(1, 10);
    std::uniform_int_distribution<long long> whole(0, 999999999);
    std::vector<double> values = {0.0, -0.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 1e15, 9.99e14};
    for (int i = 0; i < 20000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        values.push_back(rng() % 2 ? v : -v);
    }
    for (int decimals = 0; decimals <= 4; ++decimals) {
        for (int i = 0; i < 4000; ++i) {
            double v = (static_cast<double>(whole(rng)) + 0.5) / std::pow(10.0, decimals);
            if (rng() % 2)
                v = -v;
            for (int step = 0; step < 4; ++step) {
                values.push_back(v);
                values.push_back(std::nextafter(v, 0.0));
                v = std::nextafter(v, v * 2);
            }
        }
    }
    for (double v : values) {
        for (int decimals = 0; decimals <= 4; ++decimals) {
            for (bool group : {false, true}) {
                ASSERT_EQ(detail::FormatFixed(v, decimals, group),
                          detail::FormatFixedExact(v, decimals, group))
                    << std::setprecision(17) << v << " decimals " << decimals;
            }
        }
    }
}

struct ReadCase {
    const char* text;
    double expected;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class MyStrToRealCases : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MyStrToRealCases, ReadsOrDefaults) {
    EXPECT_EQ(MyStrToReal(GetParam().text, -7.0), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MyStrToRealCases,
    ::testing::Values(ReadCase{"", -7}, ReadCase{"   ", -7}, ReadCase{"\r\n", -7},
                      ReadCase{" . ", -7}, ReadCase{"-", -7}, ReadCase{",,,", -7},
                      ReadCase{"12abc", -7}, ReadCase{"1.2.3", -7}, ReadCase{"1e5000", -7},
                      ReadCase{"\t", -7}, ReadCase{"1e", -7}, ReadCase{"inf", -7},
                      ReadCase{"nan", -7}, ReadCase{"1e3", 1000}, ReadCase{" 12.5 ", 12.5},
                      ReadCase{"+.5", 0.5}, ReadCase{"-2E-1", -0.2}, ReadCase{"60", 60},
                      // Commas only group the integer part's thousands.
                      ReadCase{"1,234.5", 1234.5}, ReadCase{"1,000", 1000},
                      ReadCase{"12,345.5", 12345.5}, ReadCase{"-1,234", -1234},
                      ReadCase{" +1,234,567 ", 1234567}, ReadCase{"1,000e3", 1e6},
                      ReadCase{"12,5", -7}, ReadCase{"45,5", -7}, ReadCase{"5,", -7},
                      ReadCase{",5", -7}, ReadCase{"1,0000", -7}, ReadCase{"1,00", -7},
                      ReadCase{"1234,567", -7}, ReadCase{"1.5,000", -7}, ReadCase{"1,000.5,0", -7},
                      ReadCase{"1,000,", -7}, ReadCase{"1 ,000", -7}));

TEST(StrToInt, AcceptsDecimalAndHex) {
    EXPECT_EQ(StrToInt("  12"), 12);
    EXPECT_EQ(StrToInt("-7"), -7);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("0x64"), 100);
    EXPECT_EQ(StrToInt("$64"), 100);
    EXPECT_EQ(StrToInt("X1f"), 31);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
}

TEST(StrToInt, RefusesWithTheUsersText) {
    for (const char* bad : {"12 ", "1.5", "", " ", "-", "0x", "12abc", "2147483648", "-2147483649",
                            "$100000000", "abc", "1e3"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid integer value");
        }
    }
}

TEST(RoundHalfEven, HalvesGoToEven) {
    EXPECT_EQ(RoundHalfEven(22.5), 22);
    EXPECT_EQ(RoundHalfEven(23.5), 24);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(MarlUtils, PaddingNeverCuts) {
    EXPECT_EQ(PadLeft("12", 5), "   12");
    EXPECT_EQ(PadLeft("123456", 5), "123456");
    EXPECT_EQ(PadRight("ab", 4), "ab  ");
    EXPECT_EQ(PadRight("abcde", 4), "abcde");
}

TEST(MarlUtils, TrimmingIsAsymmetric) {
    EXPECT_EQ(TrimBoth(" \t1.5\r\n"), "\t1.5");
    EXPECT_EQ(TrimLeft("\t x"), "\t x");
    EXPECT_EQ(TrimRight(std::string("x \t\r\n\0", 6)), "x");
    EXPECT_TRUE(IsEmpty(" \r\n"));
    EXPECT_TRUE(IsEmpty(""));
    EXPECT_FALSE(IsEmpty("\t"));
    EXPECT_EQ(Max(3, 2), 3);
    EXPECT_EQ(Max(2, 3), 3);
}
