#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "tests/TestSupport.h"
#include "state/Value.h"

TEST(Value, ReadingRules) {
    struct Case {
        Value v;
        long long asInt;
        double asReal;
        const char* asText;
    };
    const Case cases[] = {
        {Value(), 0, 0.0, ""},          // Empty is 0 and the empty text
        {Value(7), 7, 7.0, "7"},
        {Value(-4000000LL), -4000000, -4000000.0, "-4000000"},
        {Value(61.045), 61, 61.045, "61.045"},
        {Value(2.5), 2, 2.5, "2.5"},    // whole-number reading rounds half to even
        {Value(3.5), 4, 3.5, "3.5"},
        {Value("12345"), 12345, 12345.0, "12345"},
        {Value("书店"), 0, 0.0, "书店"},
        {Value(""), 0, 0.0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asText);
        EXPECT_EQ(c.v.asInt(), c.asInt);
        EXPECT_DOUBLE_EQ(c.v.asReal(), c.asReal);
        EXPECT_EQ(c.v.asText(), c.asText);
    }
}

TEST(Value, EmptyBehavesAsZeroInRules) {
    Value count;
    EXPECT_TRUE(count.is(0));
    EXPECT_EQ(count.asInt() + 1, 1);
    EXPECT_EQ(200 - 20 * count.asInt(), 200);
    EXPECT_FALSE(count.asInt() >= 1);
    // Kinds stay apart: a text of digits is not the number, Empty is not "".
    EXPECT_FALSE(Value("12345") == Value(12345));
    EXPECT_FALSE(Value() == Value(""));
    EXPECT_FALSE(Value() == Value(0));
}

TEST(Value, NumberFieldsParse) {
    struct Case {
        const char* field;
        bool ok;
        Value::Kind kind;
        double value;
    };
    const Case cases[] = {
        {"0", true, Value::Kind::Int, 0},
        {"-150000", true, Value::Kind::Int, -150000},
        {"1150.007", true, Value::Kind::Real, 1150.007},
        {".5", true, Value::Kind::Real, 0.5},
        {"-.5", true, Value::Kind::Real, -0.5},
        {"1E+15", true, Value::Kind::Real, 1e15},
        {"9223372036854775808", true, Value::Kind::Real, 9223372036854775808.0},
        {"abc", false, Value::Kind::Empty, 0},
        {"1,2", false, Value::Kind::Empty, 0},
        {"1e", false, Value::Kind::Empty, 0},
        {"-", false, Value::Kind::Empty, 0},
        {"", false, Value::Kind::Empty, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        Value v;
        ASSERT_EQ(ParseNumber(c.field, v), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(v.kind(), c.kind);
        EXPECT_DOUBLE_EQ(v.asReal(), c.value);
    }
}

TEST(Value, RealsRoundTripThroughTheirShortestPlainText) {
    for (double x : {1150.007, 61.045, 968.02, 0.1, -2.0 / 3.0, 1e21, 123456789.125}) {
        Value back;
        ASSERT_TRUE(ParseNumber(FormatReal(x), back)) << FormatReal(x);
        EXPECT_EQ(back.asReal(), x) << FormatReal(x);
    }
    EXPECT_EQ(FormatReal(1150.007), "1150.007");
    EXPECT_EQ(FormatReal(-0.0), "0");
    // Plain digits, never an exponent, as the saved game writes numbers.
    EXPECT_EQ(FormatReal(100000.0), "100000");
    EXPECT_EQ(FormatReal(1e21), "1000000000000000000000");
    EXPECT_EQ(FormatReal(-0.00025), "-0.00025");
}

// A real of a few decimals is written without the general routine, and must
// come out digit for digit as that routine writes it: the depths a game
// holds, every count of decimals, the edges of the short way, and reals of
// any bits.
TEST(Value, RealsOfFewDecimalsAreWrittenAsTheGeneralRoutineWritesThem) {
    auto general = [](double x) {
        char buf[kLongestRealText];
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed).ptr);
    };
    std::vector<double> xs = {0.1,    0.3,       2.675,     1.005,  99.995,  9.9999995, 0.000001, 0.0000005,
                              1e-7,   1234.5678, 0x1p51,    0x1p51 - 0.5, 0x1p51 / 1e6, 0x1p53 + 2,
                              1e15,   123456789012.345, 4503599627370495.5, 5e-324, 1.7976931348623157e308};
    for (int row = -200; row <= 102000; row += 13)  // a pixel row and a thousandth for the slot
        for (int slot : {0, 1, 7, 10, 99, 100, 250, 500})
            xs.push_back(row + slot / 1000.0);
    const double tens[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    for (double ten : tens)
        for (std::int64_t m : {1LL, 5LL, 9LL, 10LL, 99LL, 101LL, 999999LL, 1000001LL, 123456789LL, 2251799813685247LL})
            for (double x : {m / ten, -m / ten, std::nextafter(m / ten, 0.0), std::nextafter(m / ten, 1e300)})
                xs.push_back(x);
    std::mt19937_64 rng(20261211);
    for (int k = 0; k < 20000; ++k) {
        xs.push_back(std::bit_cast<double>(rng()));
        xs.push_back(static_cast<double>(static_cast<std::int64_t>(rng() % 2000000001) - 1000000000) /
                     tens[rng() % std::size(tens)]);
    }
    for (double x : xs) {
        if (!std::isfinite(x) || x == 0.0) continue;
        ASSERT_EQ(FormatReal(x), general(x)) << std::hexfloat << x;
    }
}
