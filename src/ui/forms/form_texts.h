#pragma once
// The texts the script menu forms show.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::ui::form_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Forms";

// Shown when the user tries to change a table whose read-only flag is set.
inline constexpr Text kReadOnlyTable{
    kContext,
    QT_TRANSLATE_NOOP("Forms",
                      "This language table is read-only: its script menus can be viewed but not changed.")};
// Asked when an edit cannot be stored: why, then whether to drop it.
inline constexpr Text kDiscardEditQuestion{
    kContext, QT_TRANSLATE_NOOP("Forms", "Discard this edit and keep the entry as it is stored?")};
inline QString discardEdit(const QString& why)
{
    return why + QStringLiteral("\n\n") + kDiscardEditQuestion.text();
}
// The navigate caption and chooser title when several menus lead back: the count.
inline constexpr Text kLinksCaption{kContext, QT_TRANSLATE_NOOP("Forms", "[%1] Links")};
// One linking menu: its number, width 2, and its name.
inline QString linkingMenuLine(int menu, const QString& name)
{
    return QStringLiteral("%1 - ").arg(menu, 2) + name;
}

// char_entry_dialog.cpp.
inline constexpr Text kFontPointCharacterEntry{kContext,
                                               QT_TRANSLATE_NOOP("Forms", "Font-Point Character Entry")};
inline constexpr Text kOK{kContext, QT_TRANSLATE_NOOP("Forms", "OK")};
inline constexpr Text kCancel{kContext, QT_TRANSLATE_NOOP("Forms", "Cancel")};

} // namespace tarvo::ui::form_texts
