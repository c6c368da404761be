#pragma once
// The characters the Characters Display lists for a table's language, chosen
// by the table's Windows language identifier: the whole code table of the
// language's one-byte keyboard font, or for Korean and Chinese the printable
// ASCII characters, the curved quotation marks and the language's most used
// characters of font 5 (Korean 519, traditional Chinese 623, simplified
// Chinese 627 in all; tools/gen_font_tables.py chooses them). Entries equal to KeyboardFonts::kNoCharacter
// leave their cell empty.

#include <vector>

namespace tarvo::model {

inline constexpr int kCharactersPerDisplayRow = 10;

// Empty for a language without a list.
std::vector<char16_t> charactersUsedBy(int windowsLanguageId);

} // namespace tarvo::model
