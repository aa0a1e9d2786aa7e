#include <gtest/gtest.h>

#include "ado/utf16.h"
#include "quenvatrix/error.h"

namespace quenvatrix {
namespace {

TEST(Utf16Test, TextRoundTrips) {
    struct Case {
        std::string utf8;
        std::u16string utf16;
    };
    const Case cases[] = {
        {"", u""},
        {"SELECT 1", u"SELECT 1"},
        {"住院划价单", u"住院划价单"},
        {"“收费”，（）", u"“收费”，（）"},
        {"é\x7f", u"é\x7f"},
        {"𠀀x", u"\xD840\xDC00x"},  // beyond the BMP: a surrogate pair
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf16Test, BytesThatAreNotUtf8Raise) {
    const char* const cases[] = {
        "\xC4\xDA",          // GBK, not UTF-8
        "abc\x80",           // a continuation byte alone
        "\xE4\xBD",          // a sequence cut short
        "\xC0\x80",          // overlong
        "\xE0\x80\x80",      // overlong
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\xFF",
    };
    for (const char* text : cases) {
        EXPECT_THROW(Utf8ToUtf16(text), Error) << text;
    }
}

TEST(Utf16Test, LoneSurrogateBecomesReplacementCharacter) {
    EXPECT_EQ(Utf16ToUtf8(u"a\xD800" u"b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quenvatrix
