#include "templates/char_classes.h"

#include "templates/char_classes_generated.h"

#include <algorithm>

namespace tarvo::templates {
namespace {

bool inRanges(const generated::CharRange* ranges, std::size_t count, char16_t c)
{
    const auto* end = ranges + count;
    // The first range whose last code unit is not below c.
    const auto* it = std::lower_bound(ranges, end, c,
                                      [](const generated::CharRange& r, char16_t v) { return r.last < v; });
    return it != end && it->first <= c;
}

} // namespace

bool isLetter(char16_t c)
{
    return inRanges(generated::kLetterRanges, generated::kLetterRangeCount, c);
}

bool isWhiteSpace(char16_t c)
{
    return inRanges(generated::kWhiteSpaceRanges, generated::kWhiteSpaceRangeCount, c);
}

} // namespace tarvo::templates
