#include <gtest/gtest.h>

#include "ado/odbc_values.h"
#include "quenvatrix/error.h"

namespace quenvatrix::odbc {
namespace {

TEST(OdbcValuesTest, DecimalTextBecomesTheNearestNumber) {
    struct Case {
        const char* text;
        int scale;
        Value expected;
    };
    const Case cases[] = {
        {"12.3500", 4, Value(12.35)},
        {"-0.0001", 4, Value(-0.0001)},
        {"0.1", 1, Value(0.1)},
        {"+7.25", 2, Value(7.25)},
        {" 15.5 ", 2, Value(15.5)},
        {"12", 2, Value(12.0)},
        // Whole numbers of a column without decimals stay integers, every digit kept.
        {"123456789012345678", 0, Value(123456789012345678LL)},
        {"-42", 0, Value(-42)},
        {"99999999999999999999", 0, Value(1e20)},
    };
    for (const Case& c : cases) {
        const Value v = DecimalFromText(c.text, c.scale);
        EXPECT_EQ(v, c.expected) << c.text;
        EXPECT_EQ(v.GetKind(), c.expected.GetKind()) << c.text;
    }
}

TEST(OdbcValuesTest, DecimalTextThatIsNotANumberRaises) {
    for (const char* text : {"", "abc", "12,5", "1.2.3"}) {
        EXPECT_THROW(DecimalFromText(text, 2), Error) << text;
    }
}

TEST(OdbcValuesTest, SinglePrecisionKeepsItsShortestDecimal) {
    EXPECT_EQ(WidenSingle(0.1f), 0.1);
    EXPECT_EQ(WidenSingle(3.14159f), 3.14159);
    EXPECT_EQ(WidenSingle(-2.5f), -2.5);
    EXPECT_EQ(Value(WidenSingle(0.7f)).ToText(), "0.7");
}

TEST(OdbcValuesTest, FractionsOfASecondRoundToTheNearestSecond) {
    struct Case {
        int y, mo, d, h, mi, s;
        unsigned long fraction;
        DateTime expected;
    };
    const Case cases[] = {
        {2024, 5, 6, 7, 8, 9, 0, {2024, 5, 6, 7, 8, 9}},
        {2024, 5, 6, 7, 8, 9, 499'999'999, {2024, 5, 6, 7, 8, 9}},
        {2024, 5, 6, 7, 8, 9, 500'000'000, {2024, 5, 6, 7, 8, 10}},
        {2024, 2, 28, 23, 59, 59, 997'000'000, {2024, 2, 29, 0, 0, 0}},
        {2023, 2, 28, 23, 59, 59, 997'000'000, {2023, 3, 1, 0, 0, 0}},
        {1999, 12, 31, 23, 59, 59, 600'000'000, {2000, 1, 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToSecond(c.y, c.mo, c.d, c.h, c.mi, c.s, c.fraction), c.expected)
            << c.y << "-" << c.mo << "-" << c.d << " " << c.h << ":" << c.mi << ":" << c.s << "." << c.fraction;
    }
}

}  // namespace
}  // namespace quenvatrix::odbc
