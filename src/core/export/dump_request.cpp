#include "export/dump_request.h"

#include "templates/utf_text.h"

#include <algorithm>

namespace tarvo::dump {

Positions autoSetPositions(int tableCount)
{
    Positions positions = DumpRequest::noPositions();
    for (int p = 0; p < kPositionCount && p < tableCount; ++p)
        positions[static_cast<std::size_t>(p)] = p;
    return positions;
}

bool anyTableSelected(const Positions& positions)
{
    return std::any_of(positions.begin(), positions.end(), [](int index) { return index != kNoTable; });
}

std::u16string selectorEntryText(int k, std::u16string_view friendlyName)
{
    auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; };
    std::size_t first = 0;
    std::size_t last = friendlyName.size();
    while (first < last && isBlank(friendlyName[first]))
        ++first;
    while (last > first && isBlank(friendlyName[last - 1]))
        --last;

    // "%2d": right-aligned in two columns, wider numbers as they are.
    std::u16string number;
    for (unsigned v = static_cast<unsigned>(k < 0 ? -k : k);; v /= 10) {
        number.insert(number.begin(), static_cast<char16_t>(u'0' + v % 10));
        if (v < 10)
            break;
    }
    if (k < 0)
        number.insert(number.begin(), u'-');
    while (number.size() < 2)
        number.insert(number.begin(), u' ');
    return number + u" - " + std::u16string(friendlyName.substr(first, last - first));
}

DumpResult dumpFailure(messages::Message said)
{
    DumpResult result;
    result.message = templates::utf16ToUtf8(said.text());
    result.said = std::move(said);
    return result;
}

} // namespace tarvo::dump
