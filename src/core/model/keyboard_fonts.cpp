#include "model/keyboard_fonts.h"

#include "model/font_tables_generated.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tarvo::model {
namespace {

constexpr char16_t kFirstDigit = u'0';
constexpr char16_t kLastDigit = u'9';
constexpr int kFontCount = KeyboardFonts::kLastFont - KeyboardFonts::kFirstFont + 1;

// One table: its code -> character list and the character -> code index,
// sorted by character and, for a character given by several codes, holding
// only the lowest code.
struct CodeTable {
    std::vector<char16_t> characters;
    std::vector<std::pair<char16_t, std::uint32_t>> byCharacter;

    explicit CodeTable(std::vector<char16_t> codes) : characters(std::move(codes))
    {
        for (std::uint32_t code = 0; code < characters.size(); ++code)
            if (characters[code] != KeyboardFonts::kNoCharacter)
                byCharacter.emplace_back(characters[code], code);
        std::sort(byCharacter.begin(), byCharacter.end());
        auto sameCharacter = [](const auto& a, const auto& b) { return a.first == b.first; };
        byCharacter.erase(std::unique(byCharacter.begin(), byCharacter.end(), sameCharacter),
                          byCharacter.end());
    }
};

std::vector<char16_t> digitsOnly(std::span<const char16_t> font)
{
    std::vector<char16_t> digits(font.size(), KeyboardFonts::kNoCharacter);
    for (std::size_t code = 0; code < font.size(); ++code)
        if (font[code] >= kFirstDigit && font[code] <= kLastDigit && code >= kFirstDigit &&
            code <= kLastDigit)
            digits[code] = font[code];
    return digits;
}

struct AllTables {
    std::vector<CodeTable> fonts;
    std::vector<CodeTable> digits;

    AllTables()
    {
        for (int font = KeyboardFonts::kFirstFont; font <= KeyboardFonts::kLastFont; ++font) {
            auto codes = generatedFontCodes(font);
            fonts.emplace_back(std::vector<char16_t>(codes.begin(), codes.end()));
            digits.emplace_back(digitsOnly(codes));
        }
    }
};

const AllTables& allTables()
{
    static const AllTables tables;
    return tables;
}

// nullptr for a number that is neither a font nor a digits table.
const CodeTable* findTable(int table)
{
    const auto& all = allTables();
    if (KeyboardFonts::isKnownFont(table))
        return &all.fonts[static_cast<std::size_t>(table - KeyboardFonts::kFirstFont)];
    const int digitsIndex = table - KeyboardFonts::kDigitsTableBase;
    if (digitsIndex >= 0 && digitsIndex < kFontCount)
        return &all.digits[static_cast<std::size_t>(digitsIndex)];
    return nullptr;
}

} // namespace

const KeyboardFonts& KeyboardFonts::instance()
{
    static const KeyboardFonts fonts;
    allTables();
    return fonts;
}

std::size_t KeyboardFonts::codeCount(int table) const
{
    const CodeTable* found = findTable(table);
    return found ? found->characters.size() : 0;
}

char16_t KeyboardFonts::toUnicode(int table, std::uint32_t code) const
{
    const CodeTable* found = findTable(table);
    if (!found || code >= found->characters.size())
        return kNoCharacter;
    return found->characters[code];
}

std::uint32_t KeyboardFonts::toDevice(int table, char16_t ch) const
{
    const CodeTable* found = findTable(table);
    if (!found || ch == kNoCharacter)
        return 0;
    const auto& index = found->byCharacter;
    auto it = std::lower_bound(index.begin(), index.end(), ch,
                               [](const auto& entry, char16_t wanted) { return entry.first < wanted; });
    return (it != index.end() && it->first == ch) ? it->second : 0;
}

std::span<const char16_t> KeyboardFonts::characters(int table) const
{
    const CodeTable* found = findTable(table);
    if (!found)
        return {};
    return found->characters;
}

} // namespace tarvo::model
