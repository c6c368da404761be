#pragma once
// The texts of the editor's own widgets, used by name.

#include "platform/translatable_text.h"

namespace tarvo::ui::widget_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Widgets";

// characters_display.cpp.
inline constexpr Text kCharactersDisplay{kContext, QT_TRANSLATE_NOOP("Widgets", "Characters Display")};
inline constexpr Text kSelectedCharacter{kContext, QT_TRANSLATE_NOOP("Widgets", "Selected Character")};
inline constexpr Text kCharacterCode{kContext, QT_TRANSLATE_NOOP("Widgets", "Character Code")};
inline constexpr Text kClose{kContext, QT_TRANSLATE_NOOP("Widgets", "Close")};

// keyboard_font_edit.cpp.
inline constexpr Text kUndo{kContext, QT_TRANSLATE_NOOP("Widgets", "&Undo")};
inline constexpr Text kCut{kContext, QT_TRANSLATE_NOOP("Widgets", "Cu&t")};
inline constexpr Text kCopy{kContext, QT_TRANSLATE_NOOP("Widgets", "&Copy")};
inline constexpr Text kPaste{kContext, QT_TRANSLATE_NOOP("Widgets", "&Paste")};
inline constexpr Text kDelete{kContext, QT_TRANSLATE_NOOP("Widgets", "&Delete")};
inline constexpr Text kSelectAll{kContext, QT_TRANSLATE_NOOP("Widgets", "Select &All")};
inline constexpr Text kCodepoints{kContext, QT_TRANSLATE_NOOP("Widgets", "C&odepoints...")};

} // namespace tarvo::ui::widget_texts
