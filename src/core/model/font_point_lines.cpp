#include "model/font_point_lines.h"

#include "model/char_set_service.h"
#include "model/keyboard_fonts.h"

#include <algorithm>

namespace tarvo::model {
namespace {

constexpr char16_t kBlank = u' ';
constexpr SoftkeyLines kNarrowFontLines{2, 4};
constexpr SoftkeyLines kTwoLineFontLines{2, 10};
constexpr SoftkeyLines kDefaultLines{3, 10};
constexpr int kTwoLineFont = 7;

std::u16string trimTrailing(std::u16string text)
{
    const auto last = text.find_last_not_of(kBlank);
    text.erase(last == std::u16string::npos ? 0 : last + 1);
    return text;
}

std::u16string trimLeading(std::u16string text)
{
    const auto first = text.find_first_not_of(kBlank);
    text.erase(0, first == std::u16string::npos ? text.size() : first);
    return text;
}

// Where the first character of a line of length n stands in a field of width w.
int firstPosition(int width, int length, LineAlignment alignment)
{
    switch (alignment) {
    case LineAlignment::Centre:
        return (width - length) / 2;
    case LineAlignment::Right:
        return width - length;
    case LineAlignment::Left:
        break;
    }
    return 0;
}

std::u16string placeLeft(std::u16string text, int position, char16_t ch)
{
    const auto p = static_cast<std::size_t>(position);
    if (p >= text.size())
        text.resize(p + 1, kBlank);
    text[p] = ch;
    return trimTrailing(std::move(text));
}

std::u16string placeRight(std::u16string text, int width, int position, char16_t ch)
{
    const int start = width - static_cast<int>(text.size());
    if (position >= start) {
        text[static_cast<std::size_t>(position - start)] = ch;
        return ch == kBlank ? trimLeading(std::move(text)) : text;
    }
    if (ch == kBlank)
        return text;
    return ch + std::u16string(static_cast<std::size_t>(start - position - 1), kBlank) + text;
}

std::u16string placeCentre(std::u16string text, int width, int position, char16_t ch)
{
    const int length = static_cast<int>(text.size());
    const int start = (width - length) / 2;
    if (position >= start && position < start + length) {
        text[static_cast<std::size_t>(position - start)] = ch;
        return ch == kBlank ? trimForAlignment(text, LineAlignment::Centre) : text;
    }
    if (position >= start + length)
        return text + std::u16string(static_cast<std::size_t>(position - (start + length - 1) - 1), kBlank) +
               ch;
    return ch + std::u16string(static_cast<std::size_t>(start - position - 1), kBlank) + text;
}

} // namespace

SoftkeyLines softkeyLinesOf(int font)
{
    if (font == KeyboardFonts::kTwoByteFont)
        return kNarrowFontLines;
    if (font == kTwoLineFont)
        return kTwoLineFontLines;
    return kDefaultLines;
}

std::u16string trimForAlignment(std::u16string_view line, LineAlignment alignment)
{
    std::u16string text(line);
    switch (alignment) {
    case LineAlignment::Left:
        return trimTrailing(std::move(text));
    case LineAlignment::Right:
        return trimLeading(std::move(text));
    case LineAlignment::Centre:
        break;
    }
    return trimLeading(trimTrailing(std::move(text)));
}

std::vector<std::uint32_t> positionCodes(int font, std::u16string_view line, int width,
                                         LineAlignment alignment)
{
    width = std::clamp(width, 0, kLongestLine);
    const std::u16string_view shown = line.substr(0, static_cast<std::size_t>(width));
    const int length = static_cast<int>(shown.size());
    const int first = firstPosition(width, length, alignment);
    std::vector<std::uint32_t> codes(static_cast<std::size_t>(width), codeOf(font, kBlank));
    for (int i = 0; i < length; ++i)
        codes[static_cast<std::size_t>(first + i)] = codeOf(font, shown[static_cast<std::size_t>(i)]);
    return codes;
}

std::optional<std::u16string> placeCode(int font, std::u16string_view line, int width,
                                        LineAlignment alignment, int position, std::int64_t code)
{
    if (width > kLongestLine || position < 0 || position >= width || !hasCharacter(font, code))
        return std::nullopt;
    const auto ch = static_cast<char16_t>(characterOf(font, code));
    std::u16string text(line.substr(0, static_cast<std::size_t>(width)));
    switch (alignment) {
    case LineAlignment::Left:
        text = placeLeft(std::move(text), position, ch);
        break;
    case LineAlignment::Right:
        text = placeRight(std::move(text), width, position, ch);
        break;
    case LineAlignment::Centre:
        text = placeCentre(std::move(text), width, position, ch);
        break;
    }
    if (text.size() > static_cast<std::size_t>(width))
        text.resize(static_cast<std::size_t>(width));
    return text;
}

} // namespace tarvo::model
