#pragma once
// Every pattern of the core's messages that the editor can show: the list
// its translations must cover. The tool's own wordings (its options, its
// one-line notices) are not on it: only the tool prints them.

#include <string_view>
#include <vector>

namespace tarvo::transfer {

std::vector<std::u16string_view> editorMessagePatterns();

} // namespace tarvo::transfer
