#pragma once
// Builds template files in the tests: UTF-16LE with the byte order mark,
// lines joined by a line feed.

#include "model/lang_table.h"
#include "testkit/temp_dir.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarvo::templates::test {

inline std::vector<std::uint8_t> utf16le(const std::u16string& text, bool withMark = true)
{
    std::vector<std::uint8_t> bytes;
    if (withMark) {
        bytes.push_back(0xFF);
        bytes.push_back(0xFE);
    }
    for (const char16_t c : text) {
        bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return bytes;
}

// Each line followed by eol.
inline std::u16string joinLines(const std::vector<std::u16string>& lines, const std::u16string& eol = u"\n")
{
    std::u16string text;
    for (const auto& line : lines)
        text += line + eol;
    return text;
}

// A complete one-table template; lines 1-14 as numbered in the comments.
inline std::vector<std::u16string> minimalTemplateLines()
{
    return {
        u"START_TABLE_DATA_CODE",                           // 1
        u"1, \"English\", 1, 1033, 0",                      // 2
        u"",                                                // 3
        u"START_METADATA_LABELS_DATA_CODE",                 // 4
        u"10, \"Script Menus\"",                            // 5
        u"",                                                // 6
        u"START_SOFTKEY_MENU_NAME_DATA_CODE",               // 7
        u"80, \"Main\"",                                    // 8
        u"",                                                // 9
        u"START_SOFTKEY_MENU_DATA_CODE",                    // 10
        u"80, 8, 0, , 0, 2, 48, , \"Pan\", \"Left\", \"\"", // 11
        u"",                                                // 12
        u"ENDFILE_DATA_CODE",                               // 13
        u"",                                                // 14
    };
}

using ::tarvo::test::TempDir;

// Offset of entry n of menu m in the image.
inline std::size_t entryOffset(int menu, int entry)
{
    return 16348 + 512 * static_cast<std::size_t>(menu) + 36 * static_cast<std::size_t>(entry);
}

// Writes one-byte characters of text at offset of expected.
inline void putAscii(std::vector<std::uint8_t>& expected, std::size_t offset, const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        expected[offset + i] = static_cast<std::uint8_t>(text[i]);
}

inline std::vector<std::uint8_t> imageOf(const model::CS1_LangTable& table)
{
    return {table.Image().begin(), table.Image().end()};
}

} // namespace tarvo::templates::test
