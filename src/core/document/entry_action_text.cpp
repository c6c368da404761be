#include "document/entry_action_text.h"

#include "document/menu_entry_rules.h"

#include <array>
#include <cstdio>
#include <utility>

namespace tarvo::document {

namespace {

constexpr std::array<std::pair<int, const char*>, 4> kMacroNames = {{
    {kMacroCcl, "CCL macro"},
    {kMacroOff, "off macro"},
    {kMacroCamera, "camera macro"},
    {kMacroMonitor, "monitor macro"},
}};

} // namespace

std::string entryActionText(const model::MenuEntry& entry)
{
    switch (entry.actionKind) {
    case kActionNone:
        return "no action";
    case kActionLink:
    case kActionFixedLink:
        return "link to menu " + std::to_string(actionCode(entry));
    case kActionMacro:
        for (const auto& [code, name] : kMacroNames)
            if (actionCode(entry) == code)
                return std::string(name) + " " + std::to_string(shownMacroNumber(entry));
        break;
    default:
        break;
    }
    // A command the template placed there: its codes, as the keyboard stores them.
    char text[64];
    std::snprintf(text, sizeof text, "command (kind %d, code 0x%02X)", entry.actionKind, actionCode(entry));
    return text;
}

} // namespace tarvo::document
