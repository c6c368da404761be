#pragma once
// The template file as text: UTF-16 little-endian after the byte order mark
// FF FE, split into lines at 0x000A. A 0x000D stays in its line (it counts as
// white space). A last line without 0x000A counts only when it is not empty.

#include "templates/template_error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace tarvo::templates {

// Larger files are refused before they are decoded; the largest useful
// template is a few megabytes.
inline constexpr std::size_t kMaxTemplateBytes = std::size_t(32) << 20;
inline constexpr std::uint8_t kByteOrderMark[2] = {0xFF, 0xFE};

// The decoded text and the reading position in it; lines are taken one by
// one, so a file of many short lines costs no more memory than its text.
class TemplateText {
public:
    TemplateText() = default;
    explicit TemplateText(std::u16string units) : m_units(std::move(units)) {}

    // The next line without its 0x000A; false when the file has no more.
    bool readLine(std::u16string& line);

private:
    std::u16string m_units;
    std::size_t m_position = 0;
};

// Reads the file's bytes; a failure gives message 12103 (cannot be opened) or
// 12115 (cannot be read, too large) with the cause text.
std::optional<TemplateError> readTemplateBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

// Checks the byte order mark (message 12006 at line 0, column 0) and that
// the rest holds whole characters (message 12115); failureNote follows
// 12006's position text.
std::optional<TemplateError> checkTemplateBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                                                const std::u16string& failureNote);

// Decodes checked bytes (mark included).
TemplateText decodeTemplateText(std::span<const std::uint8_t> bytes);

} // namespace tarvo::templates
