#include "transfer/display_width.h"

#include <algorithm>
#include <array>

namespace tarvo::transfer {

namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

constexpr int kWideColumns = 2;
constexpr int kNarrowColumns = 1;

// The wide and fullwidth blocks a table name can come from, in ascending order.
constexpr std::array<CodeRange, 15> kWideRanges = {{
    {0x1100, 0x115F},   // Hangul Jamo, leading consonants
    {0x2E80, 0x303E},   // CJK radicals, Kangxi, ideographic description, CJK punctuation
    {0x3041, 0x33FF},   // Hiragana, Katakana, Bopomofo, Hangul compatibility Jamo, CJK compatibility
    {0x3400, 0x4DBF},   // CJK unified ideographs extension A
    {0x4E00, 0x9FFF},   // CJK unified ideographs
    {0xA000, 0xA4CF},   // Yi
    {0xA960, 0xA97F},   // Hangul Jamo extended A
    {0xAC00, 0xD7A3},   // Hangul syllables
    {0xF900, 0xFAFF},   // CJK compatibility ideographs
    {0xFE10, 0xFE19},   // vertical forms
    {0xFE30, 0xFE6F},   // CJK compatibility forms, small form variants
    {0xFF00, 0xFF60},   // fullwidth ASCII forms
    {0xFFE0, 0xFFE6},   // fullwidth signs
    {0x20000, 0x2FFFD}, // CJK extensions B-F, compatibility supplement
    {0x30000, 0x3FFFD}, // CJK extension G and later
}};

constexpr bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

constexpr bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

int displayWidth(char32_t codePoint)
{
    const auto range = std::upper_bound(kWideRanges.begin(), kWideRanges.end(), codePoint,
                                        [](char32_t c, const CodeRange& r) { return c < r.first; });
    if (range == kWideRanges.begin())
        return kNarrowColumns;
    const CodeRange& candidate = *(range - 1);
    return codePoint <= candidate.last ? kWideColumns : kNarrowColumns;
}

int displayWidth(const std::u16string& text)
{
    int columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) +
                        (static_cast<char32_t>(text[i + 1]) - 0xDC00);
            ++i;
        }
        columns += displayWidth(codePoint);
    }
    return columns;
}

std::u16string padToDisplayWidth(const std::u16string& text, int width)
{
    const int columns = displayWidth(text);
    if (columns >= width)
        return text;
    return text + std::u16string(static_cast<std::size_t>(width - columns), u' ');
}

} // namespace tarvo::transfer
