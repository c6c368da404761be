#pragma once
// The keyboard's font tables (fonts 1-7): device code <-> Unicode, and the
// digits-only table of each font. Fixed tables in the code, the same on every
// machine. Font 5 uses two-byte codes (0x0000-0x0470), the others one byte.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvo::model {

class KeyboardFonts {
public:
    static constexpr char16_t kNoCharacter = 0xFFFF;
    static constexpr int kFirstFont = 1;
    static constexpr int kLastFont = 7;
    static constexpr int kTwoByteFont = 5;
    // Digits-only tables are numbered kDigitsTableBase + font - 1.
    static constexpr int kDigitsTableBase = 0x10000;

    static const KeyboardFonts& instance();

    static bool isKnownFont(int font) { return font >= kFirstFont && font <= kLastFont; }
    static bool isTwoByte(int font) { return font == kTwoByteFont; }
    // Bytes per character in the image: 2 for font 5, otherwise 1.
    static int bytesPerCharacter(int font) { return isTwoByte(font) ? 2 : 1; }

    // Number of codes of a font or digits table (256, 1137), 0 for an unknown number.
    std::size_t codeCount(int table) const;
    // kNoCharacter for an unknown table, a code beyond the table or a code without a character.
    char16_t toUnicode(int table, std::uint32_t code) const;
    // 0 for a character without a code (and for kNoCharacter), or an unknown table.
    std::uint32_t toDevice(int table, char16_t ch) const;
    // The code -> character list of a table (empty for an unknown number).
    std::span<const char16_t> characters(int table) const;
};

} // namespace tarvo::model
