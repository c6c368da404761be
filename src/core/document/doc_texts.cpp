#include "document/doc_texts.h"

#include <string>

namespace tarvo::document::texts {

std::u16string withNumbers(std::u16string_view pattern, std::initializer_list<long long> numbers)
{
    std::u16string out;
    auto next = numbers.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u'd' && next != numbers.end()) {
            for (const char c : std::to_string(*next++))
                out.push_back(static_cast<char16_t>(c));
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

} // namespace tarvo::document::texts
