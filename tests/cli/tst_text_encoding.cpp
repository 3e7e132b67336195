// The single-byte character sets against glibc's iconv, byte by byte.
#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

#include "cli/text_encoding.h"

namespace tarnwick::cli {
namespace {

// One byte as iconv converts it to UTF-8; empty where iconv has no character.
std::string IconvToUtf8(const char* charset, unsigned char byte) {
    const iconv_t convert = iconv_open("UTF-8", charset);
    EXPECT_NE(convert, reinterpret_cast<iconv_t>(-1)) << charset;
    char in = static_cast<char>(byte);
    char out[8];
    char* in_at = &in;
    char* out_at = out;
    std::size_t in_left = 1;
    std::size_t out_left = sizeof out;
    const bool converted = iconv(convert, &in_at, &in_left, &out_at, &out_left) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    return converted ? std::string(out, out_at) : std::string();
}

// The five bytes Windows-1252 leaves undefined keep their Latin-1 meaning,
// as web browsers read them.
TEST(TextEncoding, EveryByteAsIconvReadsIt) {
    for (const auto& [encoding, charset] :
         {std::pair{InputEncoding::Windows1252, "WINDOWS-1252"}, std::pair{InputEncoding::Latin1, "ISO-8859-1"}}) {
        for (int byte = 0; byte < 256; ++byte) {
            std::string ours;
            AppendAsUtf8(std::string(1, static_cast<char>(byte)), encoding, ours);
            std::string expected = IconvToUtf8(charset, static_cast<unsigned char>(byte));
            if (expected.empty()) expected = IconvToUtf8("ISO-8859-1", static_cast<unsigned char>(byte));
            EXPECT_EQ(ours, expected) << charset << " byte " << byte;
        }
    }
}

}  // namespace
}  // namespace tarnwick::cli
