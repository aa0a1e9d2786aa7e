#include <gtest/gtest.h>

#include "quenvatrix/error.h"
#include "quenvatrix/value.h"

namespace quenvatrix::testing {
namespace {

TEST(Value, TextIsTheValueJoinedToTheEmptyText) {
    struct Case {
        Value value;
        const char* text;
    } cases[] = {
        {Value(), ""},
        {Value::Null(), ""},
        {Value(42), "42"},
        {Value(-7L), "-7"},
        {Value(12.5), "12.5"},
        {Value(0.1), "0.1"},
        {Value(1234.0), "1234"},
        {Value(1e20), "1E+20"},
        {Value(std::string("住院")), "住院"},
        {Value(true), "True"},
        {Value(DateTime{2004, 9, 4, 0, 0, 0}), "2004-09-04"},
        {Value(DateTime{2004, 9, 4, 8, 5, 0}), "2004-09-04 08:05:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.value.ToText(), c.text);
}

TEST(Value, NumbersFromValues) {
    EXPECT_EQ(Value().ToDouble(), 0);
    EXPECT_EQ(Value(" 41 ").ToDouble(), 41);
    EXPECT_EQ(Value("2.5").ToLong(), 2);
    EXPECT_EQ(Value("3.5").ToLong(), 4);
    EXPECT_THROW(Value::Null().ToDouble(), Error);
    EXPECT_THROW(Value("").ToLong(), Error);
    EXPECT_THROW(Value("12abc").ToDouble(), Error);
    EXPECT_THROW(Value(3e10).ToLong(), Error);
}

TEST(Value, DatesFromValues) {
    EXPECT_EQ(Value("2005-1-1").ToDate(), (DateTime{2005, 1, 1, 0, 0, 0}));
    EXPECT_EQ(Value("2004-09-04 08:05").ToDate(), (DateTime{2004, 9, 4, 8, 5, 0}));
    EXPECT_THROW(Value("tomorrow").ToDate(), Error);
    EXPECT_THROW(Value(5).ToDate(), Error);
    EXPECT_TRUE(Value("").EqualsEmptyText());
    EXPECT_TRUE(Value().EqualsEmptyText());
    EXPECT_FALSE(Value::Null().EqualsEmptyText());
}

}  // namespace
}  // namespace quenvatrix::testing
