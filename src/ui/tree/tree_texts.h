#pragma once
// The texts of the table tree, used by name.

#include "platform/translatable_text.h"

namespace tarvo::ui::tree_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Tree";

// tree_view.cpp.
inline constexpr Text kLanguageTables{kContext, QT_TRANSLATE_NOOP("Tree", "Language Tables")};

} // namespace tarvo::ui::tree_texts
