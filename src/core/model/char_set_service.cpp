#include "model/char_set_service.h"

#include "model/keyboard_fonts.h"

#include <algorithm>

namespace tarvo::model {
namespace {

constexpr int kOutOfRange = -1;
constexpr std::size_t kDecimalBase = 10;

const KeyboardFonts& fonts()
{
    return KeyboardFonts::instance();
}

} // namespace

int digitsSetOf(int font)
{
    return KeyboardFonts::kDigitsTableBase + font - KeyboardFonts::kFirstFont;
}

int fontOfSet(int set)
{
    if (KeyboardFonts::isKnownFont(set))
        return set;
    const int font = set - KeyboardFonts::kDigitsTableBase + KeyboardFonts::kFirstFont;
    return KeyboardFonts::isKnownFont(font) ? font : 0;
}

bool isKnownSet(int set)
{
    return fontOfSet(set) != 0;
}

std::uint32_t codeOf(int set, char16_t ch)
{
    return fonts().toDevice(set, ch);
}

int characterOf(int set, std::int64_t code)
{
    if (code < 0 || static_cast<std::uint64_t>(code) >= codeCount(set))
        return kOutOfRange;
    return fonts().toUnicode(set, static_cast<std::uint32_t>(code));
}

bool hasCharacter(int set, std::int64_t code)
{
    const int ch = characterOf(set, code);
    return ch != kOutOfRange && ch != KeyboardFonts::kNoCharacter;
}

std::size_t codeCount(int set)
{
    return fonts().codeCount(set);
}

int codeDigits(int set)
{
    std::size_t count = codeCount(fontOfSet(set));
    int digits = 1;
    while (count >= kDecimalBase) {
        count /= kDecimalBase;
        ++digits;
    }
    return digits;
}

bool acceptsCharacter(int set, char16_t ch)
{
    return codeOf(set, ch) != 0;
}

std::size_t roomInField(std::size_t limit, std::size_t length, std::size_t selected)
{
    const std::size_t kept = length - std::min(selected, length);
    return kept >= limit ? 0 : limit - kept;
}

std::u16string filterForSet(int set, std::u16string_view incoming, std::size_t room)
{
    std::u16string kept;
    for (const char16_t ch : incoming) {
        if (ch == u'\0' || kept.size() >= room)
            break;
        if (acceptsCharacter(set, ch))
            kept.push_back(ch);
    }
    return kept;
}

FieldInsert insertIntoField(int set, const FieldState& field, std::size_t limit, std::u16string_view incoming)
{
    FieldInsert result;
    result.text = field.text;
    const std::size_t start = std::min(field.selectionStart, field.text.size());
    const std::size_t selected = std::min(field.selectionLength, field.text.size() - start);
    result.caret = start + selected;
    result.inserted = filterForSet(set, incoming, roomInField(limit, field.text.size(), selected));
    if (result.inserted.empty())
        return result;
    result.text.replace(start, selected, result.inserted);
    result.caret = start + result.inserted.size();
    result.changed = true;
    return result;
}

} // namespace tarvo::model
