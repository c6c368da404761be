// The one-byte fonts checked against the system's own code page converters.
#include "model/keyboard_fonts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <ostream>
#include <set>
#include <string>

namespace {

using tarvo::model::KeyboardFonts;

constexpr char16_t kNone = KeyboardFonts::kNoCharacter;

// The character of one code page byte, or kNone when the converter has none.
char16_t decodeWithIconv(const char* codePage, unsigned code)
{
    iconv_t cd = iconv_open("UTF-16LE", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in[1] = {static_cast<char>(code)};
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1) || sizeof out - outLeft != 2)
        return kNone;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                 (static_cast<unsigned char>(out[1]) << 8));
}

struct OracleCase {
    int font;
    const char* codePage;
    std::set<unsigned> alsoWithout;
};

void PrintTo(const OracleCase& c, std::ostream* os)
{
    *os << "font " << c.font << " (" << c.codePage << ")";
}

class OneByteFontMatchesCodePage : public testing::TestWithParam<OracleCase> {};

TEST_P(OneByteFontMatchesCodePage, OverPrintableCodes)
{
    const auto& param = GetParam();
    const auto& fonts = KeyboardFonts::instance();
    ASSERT_NE(decodeWithIconv(param.codePage, 'A'), 0) << "iconv lacks " << param.codePage;
    ASSERT_GE(fonts.codeCount(param.font), 256u);
    for (unsigned code = 0; code < 0x100; ++code) {
        char16_t expected = decodeWithIconv(param.codePage, code);
        if (code < 0x20 || code == 0x7F || param.alsoWithout.count(code))
            expected = kNone;
        EXPECT_EQ(fonts.toUnicode(param.font, code), expected)
            << param.codePage << " code 0x" << std::hex << code;
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, OneByteFontMatchesCodePage,
                         testing::Values(OracleCase{1, "WINDOWS-1252", {0xBC, 0xBD, 0xBE}},
                                         OracleCase{2, "WINDOWS-1251", {}}, OracleCase{3, "WINDOWS-1250", {}},
                                         OracleCase{4, "WINDOWS-1253", {}}, OracleCase{5, "WINDOWS-1250", {}},
                                         OracleCase{6, "WINDOWS-1254", {}},
                                         OracleCase{7, "WINDOWS-1256", {}}),
                         [](const auto& info) { return "Font" + std::to_string(info.param.font); });

} // namespace
