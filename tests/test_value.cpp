#include <gtest/gtest.h>

#include <cmath>

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
