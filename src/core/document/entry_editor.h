#pragma once
// One script-menu entry edited as the menu editors commit it: new lines
// and/or a new action reached through the editors' own buttons, lines
// justified by column, the macro number stored as the number edit does, the
// edited flag set. What the editors do not allow is refused with a message
// and changes nothing.

#include "model/lang_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::document {

enum class ActionRequestKind { None, Link, Ccl, Camera, Monitor, Off };

struct ActionRequest {
    ActionRequestKind kind = ActionRequestKind::None;
    int number = 0;                // the macro number (macros only)
    std::optional<int> linkTarget; // "link:M": must be entry + 80
};

// "none", "link", "link:M", "ccl:N", "camera:N", "monitor:N", "off:N". Macro
// numbers are decimal digits as the number edit takes them: at most 6 for CCL
// macros (0-999999), 2 for the others (0-99).
bool parseActionRequest(std::string_view text, ActionRequest& out, std::u16string& message);

struct EntryEditRequest {
    int menu = 0;
    int entry = 0;
    // The lines as typed, top to bottom; lines not given are empty.
    std::optional<std::vector<std::u16string>> lines;
    std::optional<ActionRequest> action;
};

struct EntryEditResult {
    bool ok = false;
    std::u16string message; // why it was refused
};

// Applies request to table. On success the entry and its info (edited flag
// set) are written in full; on refusal the table is unchanged.
EntryEditResult applyEntryEdit(model::CS1_LangTable& table, const EntryEditRequest& request);

} // namespace tarvo::document
