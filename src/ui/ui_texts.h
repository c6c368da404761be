#pragma once
// The texts of the editor's general dialogs, used by name.

#include "platform/translatable_text.h"

namespace tarvo::ui::ui_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Editor";

// View > Language...
inline constexpr Text kLanguageTitle{kContext, QT_TRANSLATE_NOOP("Editor", "Language")};
inline constexpr Text kLanguagePrompt{
    kContext,
    QT_TRANSLATE_NOOP("Editor", "&Language of the editor (the keyboard's own texts are not translated):")};
inline constexpr Text kDesktopLanguage{kContext, QT_TRANSLATE_NOOP("Editor", "The desktop's language")};

} // namespace tarvo::ui::ui_texts
