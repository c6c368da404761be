#pragma once
// The iconic font preamble of "Dump Iconic Language S Records": the header
// text of the iconic font template, then the font file "Iconic_font.FT" as
// upper-case S2 records from 0x0E0000, then a terminator.

#include "export/dump_request.h"
#include "export/srecord_lines.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::dump {

// The iconic font template's header, CR LF line ends.
inline constexpr std::string_view kIconicPreamble = "#schema 1\r\n"
                                                    "#hardware 0,1,2\r\n"
                                                    "// *************************\r\n"
                                                    "// Iconic Font Table\r\n"
                                                    "// *************************\r\n"
                                                    "#if-hardware 0,1\r\n"
                                                    "C104CAC50666\r\n"
                                                    "#endif\r\n"
                                                    "#if-hardware 2\r\n"
                                                    "C104CAC50E5E\r\n"
                                                    "#endif\r\n"
                                                    "#if-hardware 0,1,2\r\n";

inline constexpr std::uint32_t kIconicFontAddress = 0x0E0000;
// Each line of the font file: 64 hexadecimal digits, 32 bytes, two records.
inline constexpr std::size_t kFontLineDigits = 64;
inline constexpr std::size_t kFontLineBytes = kFontLineDigits / 2;
// Lines that fit before a record address would pass 0x0FFFFF.
inline constexpr std::size_t kMaxFontLines =
    (kHighestFiveDigitAddress + 1 - kIconicFontAddress) / kFontLineBytes;
// A font file of the most lines, CR LF ends, is 270 KB; anything far larger
// is not a font file.
inline constexpr std::size_t kMaxFontFileBytes = std::size_t(1) << 20;

struct IconicFont {
    std::vector<std::array<std::uint8_t, kFontLineBytes>> lines;
};

// Parses the font file's text. Lines end in LF or CR LF; each must hold
// exactly 64 hexadecimal digits (either case). Errors name the file and line:
// "PATH:LINE: reason".
DumpResult parseIconicFont(std::span<const std::uint8_t> text, const std::string& path, IconicFont& out);

// Reads and parses the font file at path.
DumpResult readIconicFont(const std::string& path, IconicFont& out);

// The preamble, two upper-case S2 records per font line, the terminator.
void appendIconicSection(std::string& out, const IconicFont& font);

} // namespace tarvo::dump
