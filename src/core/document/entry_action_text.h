#pragma once
// A script-menu entry's action in words, as a printed sheet says it: "CCL
// macro 12", "camera macro 3", "link to menu 83", "no action". As a message,
// so that the editor shows it in its own language; the tool and the sheet
// print the English.

#include "io/message_pattern.h"
#include "model/lang_table.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvo::document {

namespace texts {
inline constexpr std::u16string_view kNoAction = u"no action";
inline constexpr std::u16string_view kLinkToMenu = u"link to menu %d";
inline constexpr std::u16string_view kCclMacro = u"CCL macro %d";
inline constexpr std::u16string_view kOffMacro = u"off macro %d";
inline constexpr std::u16string_view kCameraMacro = u"camera macro %d";
inline constexpr std::u16string_view kMonitorMacro = u"monitor macro %d";
// A command the template placed there: its kind, and its code in hexadecimal.
inline constexpr std::u16string_view kTemplateCommand = u"command (kind %d, code %s)";

inline constexpr std::array<std::u16string_view, 7> kEntryActionPatterns = {
    kNoAction, kLinkToMenu, kCclMacro, kOffMacro, kCameraMacro, kMonitorMacro, kTemplateCommand};
} // namespace texts

messages::Message entryActionMessage(const model::MenuEntry& entry);
// The English, in UTF-8.
std::string entryActionText(const model::MenuEntry& entry);

} // namespace tarvo::document
