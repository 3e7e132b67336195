// Cutting texts by characters: multi-byte characters count once, broken
// bytes count one each, and nothing reads past the text.
#include <gtest/gtest.h>

#include <string>

#include "decoder/utf8_text.h"

namespace tarnwick::utf8 {
namespace {

TEST(Utf8Text, CountsCharactersNotBytes) {
    EXPECT_EQ(CountChars(""), 0u);
    EXPECT_EQ(CountChars("65A"), 3u);
    EXPECT_EQ(CountChars("\xC3\xA9"), 1u);  // é
    EXPECT_EQ(CountChars("\xE2\x82\xAC"
                         "1"),
              2u);  // €1
    EXPECT_EQ(CountChars("\xF0\x9F\x9A\x97"
                         "A"),
              2u);  // a car, outside the BMP
}

TEST(Utf8Text, BrokenSequencesCountByteByByte) {
    EXPECT_EQ(CountChars("\xC3"), 1u);  // lead byte at the end
    EXPECT_EQ(CountChars("\xC3"
                         "A"),
              2u);                                      // lead byte without continuation
    EXPECT_EQ(CountChars("\x80\x80"), 2u);              // lone continuations
    EXPECT_EQ(CountChars("\xC0\xAF"), 2u);              // overlong slash
    EXPECT_EQ(CountChars("\xED\xA0\x80"), 3u);          // a surrogate
    EXPECT_EQ(CountChars("\xF4\x90\x80\x80"), 4u);      // above U+10FFFF
    EXPECT_EQ(CountChars("\xF0\x9F\x9A"), 3u);          // cut short
    EXPECT_EQ(CountChars(std::string("A\0B", 3)), 3u);  // NUL is a character
}

TEST(Utf8Text, LeftAndRightTakeWholeCharacters) {
    EXPECT_EQ(LeftChars("\xC3\xA9"
                        "5A",
                        2),
              "\xC3\xA9"
              "5");
    EXPECT_EQ(RightChars("5A\xC3\xA9", 2), "A\xC3\xA9");
    EXPECT_EQ(RightChars("\xF0\x9F\x9A\x97"
                         "123456",
                         6),
              "123456");
    EXPECT_EQ(RightChars("1\xF0\x9F\x9A\x97"
                         "23456",
                         6),
              "\xF0\x9F\x9A\x97"
              "23456");
}

TEST(Utf8Text, ShortTextsGiveTheWholeText) {
    EXPECT_EQ(LeftChars("AB", 5), "AB");
    EXPECT_EQ(RightChars("AB", 5), "AB");
    EXPECT_EQ(LeftChars("", 1), "");
    EXPECT_EQ(RightChars("", 6), "");
    EXPECT_EQ(LeftChars("ABC", 0), "");
    EXPECT_EQ(RightChars("ABC", 0), "");
}

TEST(Utf8Text, CuttingAgreesWithCounting) {
    // Every split of a mixed text into left and right parts adds up again.
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x9A\x97\xC3\x80\x80z";
    const std::size_t count = CountChars(text);
    for (std::size_t n = 0; n <= count; ++n) {
        EXPECT_EQ(std::string(LeftChars(text, n)) + std::string(RightChars(text, count - n)), text) << n;
        EXPECT_EQ(CountChars(LeftChars(text, n)), n);
    }
}

}  // namespace
}  // namespace tarnwick::utf8
