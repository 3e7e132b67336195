// Upper-casing as typing in the window does it: letters of any script,
// everything else unchanged, malformed bytes passed through.
#include <gtest/gtest.h>

#include <string>

#include "cli/upper_case.h"

namespace tarnwick::cli {
namespace {

struct UpperCase {
    std::string name;
    std::string text;
    std::string expected;
};

void PrintTo(const UpperCase& c, std::ostream* os) { *os << c.name; }

const UpperCase kCases[] = {
    {"ascii_letters", "5r09a200000", "5R09A200000"},
    {"digits_punctuation_blanks", "0-9 ,.;\t?*", "0-9 ,.;\t?*"},
    {"latin_accents", "\xC3\xA9\xC3\xA0\xC3\xBF", "\xC3\x89\xC3\x80\xC5\xB8"},  // éàÿ → ÉÀŸ
    {"greek_and_cyrillic", "\xCE\xB1\xD0\xB6", "\xCE\x91\xD0\x96"},             // αж → ΑЖ
    {"dotless_i_shrinks", "\xC4\xB1", "I"},                                     // ı → I
    {"alternating_capitals_unchanged", "\xC4\x80\xC4\x81\xC4\x82\xC4\x83",
     "\xC4\x80\xC4\x80\xC4\x82\xC4\x82"},  // ĀāĂă → ĀĀĂĂ
    {"sharp_s_has_no_single_capital", "\xC3\x9F", "\xC3\x9F"},
    {"capitals_unchanged",
     "\xC3\x89"
     "AB",
     "\xC3\x89"
     "AB"},
    {"three_byte_letter_grows", "\xC9\x90", "\xE2\xB1\xAF"},         // ɐ → Ɐ
    {"beyond_basic_plane", "\xF0\x90\x90\xA8", "\xF0\x90\x90\x80"},  // Deseret small to capital
    {"malformed_bytes_pass", "a\xFF\xC3(b\x80", "A\xFF\xC3(B\x80"},
    {"overlong_form_passes", "\xC1\x81", "\xC1\x81"},
};

class UpperCasing : public ::testing::TestWithParam<UpperCase> {};

TEST_P(UpperCasing, CharacterByCharacter) {
    std::string out = "kept:";
    AppendUpperCase(GetParam().text, out);
    EXPECT_EQ(out, "kept:" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, UpperCasing, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tarnwick::cli
