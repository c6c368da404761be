#pragma once
// Numeric locale identifiers, as the settings store them, with their names,
// the Linux locale of each and the 8-bit code page its documents use.

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvo::diagnostics {

struct LocaleRow {
    std::uint32_t identifier;   // 0x0409 for English (United States)
    std::string_view name;      // "English (United States)"
    std::string_view linuxName; // "en_US"
    int codePage;               // 8-bit code page of its texts
};

inline constexpr std::uint32_t kEnglishUnitedStates = 0x0409;

std::span<const LocaleRow> localeRows();
// nullptr for an identifier the table lacks.
const LocaleRow* localeRowOf(std::uint32_t identifier);

// A Linux locale name ("fr_CH.UTF-8", "C") matched to the table: the same
// language and territory, else the first row of the language, else English
// (United States). exact says whether language and territory both matched.
struct LocaleMatch {
    const LocaleRow* row = nullptr;
    bool exact = false;
};
LocaleMatch matchLinuxLocale(std::string_view linuxName);

// The code page of an identifier; 1252 when the table lacks it.
int codePageOf(std::uint32_t identifier);

} // namespace tarvo::diagnostics
