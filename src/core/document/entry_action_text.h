#pragma once
// A script-menu entry's action in words, as a printed sheet says it: "CCL
// macro 12", "camera macro 3", "link to menu 83", "no action".

#include "model/lang_table.h"

#include <string>

namespace tarvo::document {

std::string entryActionText(const model::MenuEntry& entry);

} // namespace tarvo::document
