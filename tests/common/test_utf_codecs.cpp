// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/utf_codecs.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlak {
namespace {

using namespace std::string_literals;

// UTF-16LE bytes of code units.
std::string Units(std::u16string_view units) {
    std::string bytes;
    for (char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Each row: UTF-16 units and their UTF-8 form, both ways.
TEST(UtfCodecsTest, UnitsSurviveTheWayThroughUtf8) {
    struct Case {
        const char* what;
        std::u16string units;
        std::string utf8;
    };
    const Case cases[] = {
        {"ASCII", u"Item0=A", "Item0=A"},
        {"two and three bytes", u"\u00E9\u4E2D", "\xC3\xA9\xE4\xB8\xAD"},
        {"a pair is one code point", u"\U0001F600", "\xF0\x9F\x98\x80"},
        {"a lone high surrogate",
         u"a\xD800"
         "b",
         "a\xED\xA0\x80"
         "b"},
        {"a lone low surrogate", u"\xDC00", "\xED\xB0\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string rest = "old";
        EXPECT_EQ(Utf16LeToUtf8(Units(c.units), rest), c.utf8);
        EXPECT_EQ(rest, "");
        EXPECT_EQ(Utf8ToUtf16Le(c.utf8), Units(c.units));
    }
}

TEST(UtfCodecsTest, AnOddLastByteIsLeftOver) {
    std::string rest;
    EXPECT_EQ(Utf16LeToUtf8("a\0b"s, rest), "a");
    EXPECT_EQ(rest, "b");
}

// A byte that starts no valid sequence (a stray continuation, a cut or overlong form, beyond
// U+10FFFF) is one character: U+FFFD in UTF-16, one place when cutting.
TEST(UtfCodecsTest, InvalidBytesCountAsOneCharacterEach) {
    const std::string invalid[] = {"\x80", "\xC3", "\xC0\xAF", "\xE0\x80\x80", "\xF4\x90\x80\x80"};
    for (const std::string& bytes : invalid) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_FALSE(DecodeUtf8(bytes, 0).valid);
        EXPECT_EQ(DecodeUtf8(bytes, 0).length, 1u);
        EXPECT_EQ(Utf8ToUtf16Le(bytes), Units(std::u16string(bytes.size(), u'\uFFFD')));
    }
    EXPECT_EQ(CutUtf8("\xC3\xA9\x80"
                      "ab",
                      2),
              "\xC3\xA9\x80");
    EXPECT_EQ(CutUtf8("ab", 5), "ab");
}

}  // namespace
}  // namespace vorlak
