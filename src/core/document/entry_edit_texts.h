#pragma once
// Why the menu editors refuse an edit: the tool prints these, the editor
// shows them in its language. "entry %d of menu %d" takes the entry first.

#include <array>
#include <string_view>

namespace tarvo::document::texts {

inline constexpr std::u16string_view kNotReadBack =
    u"entry %d of menu %d would not read back as it was written in the table's font, so it was not changed";
inline constexpr std::u16string_view kTableReadOnly = u"the language table is read-only";
inline constexpr std::u16string_view kUnknownFont =
    u"the language table's font %d is unknown, so its entries cannot be edited";
inline constexpr std::u16string_view kFontsDiffer =
    u"the language table's texts are encoded in font %d (its document record) but the keyboard shows them in "
    u"font %d (image byte 330), so its entries cannot be edited";
inline constexpr std::u16string_view kNotScriptMenu = u"menu %d is not a script menu (80-95)";
inline constexpr std::u16string_view kNoSuchEntry = u"entry %d does not exist (1-14)";
inline constexpr std::u16string_view kUnnamedMenu = u"menu %d has no name, so the editor does not show it";
inline constexpr std::u16string_view kTooManyLines = u"the table's font %d has %d lines per entry";
inline constexpr std::u16string_view kLineTooLong = u"line %d holds at most %d characters";
inline constexpr std::u16string_view kCharacterNotInFont =
    u"line %d holds a character (%s) that font %d cannot show";
inline constexpr std::u16string_view kNoActionControls = u"entry %d of menu %d has no action controls";
inline constexpr std::u16string_view kFixedAction =
    u"entry %d of menu %d has a fixed action that the editor does not change";
inline constexpr std::u16string_view kOtherActionKind =
    u"entry %d of menu %d has an action of kind %d that the editor does not change";
inline constexpr std::u16string_view kOnlyMenu80Links = u"only entries of menu 80 link to a menu";
inline constexpr std::u16string_view kLinkTarget = u"entry %d of menu 80 links only to menu %d";
inline constexpr std::u16string_view kMacroRange = u"the macro number must be from 0 to %d";
inline constexpr std::u16string_view kNoTextWithoutAction =
    u"entry %d of menu %d has no action, so its text cannot be typed";
inline constexpr std::u16string_view kMacroNumberRange =
    u"The macro number of entry %d of menu %d must be a number from 0 to %d.";

inline constexpr std::array<std::u16string_view, 18> kEntryEditPatterns = {
    kNotReadBack,      kTableReadOnly,       kUnknownFont,     kFontsDiffer,     kNotScriptMenu,
    kNoSuchEntry,      kUnnamedMenu,         kTooManyLines,    kLineTooLong,     kCharacterNotInFont,
    kNoActionControls, kFixedAction,         kOtherActionKind, kOnlyMenu80Links, kLinkTarget,
    kMacroRange,       kNoTextWithoutAction, kMacroNumberRange};

} // namespace tarvo::document::texts
