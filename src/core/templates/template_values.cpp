#include "templates/template_values.h"

#include "templates/char_classes.h"

namespace tarvo::templates {
namespace {

constexpr std::uint64_t kLargestPositive = 0x7FFFFFFFu;
constexpr std::uint64_t kLargestNegative = 0x80000000u;
constexpr int kHexBase = 16;
constexpr int kOctalBase = 8;
constexpr int kDecimalBase = 10;

bool isDigitOfBase(char16_t c, int base)
{
    return digitValue(c) < base;
}

} // namespace

std::optional<std::int32_t> numberFieldValue(const std::u16string& tokenText)
{
    std::u16string text;
    bool dollar = false;
    for (const char16_t c : tokenText) {
        if (c == u'"')
            continue;
        if (c == u'$') {
            dollar = true;
            continue;
        }
        text += c;
    }
    if (dollar)
        text.insert(0, u"0x");

    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = kDecimalBase;
    if (i < text.size() && text[i] == u'0') {
        if (i + 2 < text.size() && (text[i + 1] == u'x' || text[i + 1] == u'X') &&
            isDigitOfBase(text[i + 2], kHexBase)) {
            base = kHexBase;
            i += 2;
        } else {
            base = kOctalBase;
        }
    }
    // The magnitude is capped just above the range, so it cannot wrap.
    const std::uint64_t limit = negative ? kLargestNegative : kLargestPositive;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && isDigitOfBase(text[i], base); ++i) {
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digitValue(text[i]));
        if (magnitude > limit) {
            overflow = true;
            magnitude = limit + 1;
        }
    }
    if (overflow)
        return std::nullopt;
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(value);
}

std::u16string justifyText(const std::u16string& text, int width, Justification justification)
{
    if (width <= 0)
        return {};
    const auto w = static_cast<std::size_t>(width);
    if (text.size() >= w)
        return text.substr(0, w);
    const std::size_t room = w - text.size();
    switch (justification) {
    case Justification::Left:
        return text + std::u16string(room, u' ');
    case Justification::Right:
        return std::u16string(room, u' ') + text;
    case Justification::Centre:
        break;
    }
    const std::size_t before = room / 2;
    return std::u16string(before, u' ') + text + std::u16string(room - before, u' ');
}

} // namespace tarvo::templates
