#include "document/entry_action_text.h"

#include "document/menu_entry_rules.h"
#include "templates/utf_text.h"

#include <cstdio>
#include <utility>

namespace tarvo::document {

namespace {

constexpr std::array<std::pair<int, std::u16string_view>, 4> kMacroPatterns = {{
    {kMacroCcl, texts::kCclMacro},
    {kMacroOff, texts::kOffMacro},
    {kMacroCamera, texts::kCameraMacro},
    {kMacroMonitor, texts::kMonitorMacro},
}};

} // namespace

messages::Message entryActionMessage(const model::MenuEntry& entry)
{
    switch (entry.actionKind) {
    case kActionNone:
        return messages::Message(texts::kNoAction);
    case kActionLink:
    case kActionFixedLink:
        return messages::Message(texts::kLinkToMenu, {messages::number(actionCode(entry))});
    case kActionMacro:
        for (const auto& [code, pattern] : kMacroPatterns)
            if (actionCode(entry) == code)
                return messages::Message(pattern, {messages::number(shownMacroNumber(entry))});
        break;
    default:
        break;
    }
    // A command the template placed there: its codes, as the keyboard stores them.
    char code[16];
    std::snprintf(code, sizeof code, "0x%02X", actionCode(entry));
    return messages::Message(texts::kTemplateCommand,
                             {messages::number(entry.actionKind), messages::ascii(code)});
}

std::string entryActionText(const model::MenuEntry& entry)
{
    return templates::utf16ToUtf8(entryActionMessage(entry).text());
}

} // namespace tarvo::document
