#pragma once
// The block memory map of one table image: section headings, a heading per
// softkey menu, and one row per 16-byte block with its offset, the bytes in
// hexadecimal and the bytes as characters.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvo::dump {

struct SectionHeading {
    std::size_t offset;
    std::string_view heading;
};

// The sections of a table image, by the offset they start at.
inline constexpr SectionHeading kSectionHeadings[] = {
    {0x0000, "Table Description Structure:"},
    {0x0200, "Misc Strings 20:"},
    {0x0E00, "Misc Strings 10:"},
    {0x1000, "Error Messages:"},
    {0x2000, "User Function Storage:"},
    {0x3000, "Auxillary Function Storage:"},
    {0x4000, "Softkey Menus:"},
};
inline constexpr std::size_t kSoftkeyMenusOffset = 0x4000;
inline constexpr std::size_t kSoftkeyMenuBytes = 512;
inline constexpr std::size_t kRowBytes = 16;
// Blank lines after each table's map.
inline constexpr int kLinesAfterTable = 5;

// Appends the map of image (a multiple of 16 bytes), offsets from 000000,
// followed by the blank lines that end a table.
void appendBlockMemoryMap(std::string& out, std::span<const std::uint8_t> image);

} // namespace tarvo::dump
