#pragma once
// One script-menu entry edited as the menu editors commit it: new lines
// and/or a new action reached through the editors' own buttons, lines
// justified by column, the macro number stored as the number edit does, the
// edited flag set. What the editors do not allow is refused with a message
// and changes nothing.

#include "io/message_pattern.h"
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
    messages::Message message; // why it was refused
};

// Why no entry of table can be edited at all (its read-only flag, an unknown
// font, or texts encoded in another font than the keyboard shows them in,
// naming both), if so.
std::optional<messages::Message> tableEditRefusal(const model::CS1_LangTable& table);

// Applies request to table. On success the entry and its info (edited flag
// set) are written in full; on refusal the table is unchanged.
EntryEditResult applyEntryEdit(model::CS1_LangTable& table, const EntryEditRequest& request);

// --- The menu editor forms --------------------------------------------------------

enum class EntryButton { Macro, Camera, Monitor, Off, Link };

struct ButtonClickResult {
    bool ok = false;
    bool changed = false;      // the action fields changed
    messages::Message message; // why it was refused
};

// A click of one of an entry's action buttons: the button's rule is applied
// and the action fields are written action-only (the texts stay). A click
// that changes the action sets the entry's edited flag, so that a download's
// merge carries the new action.
ButtonClickResult clickEntryButton(model::CS1_LangTable& table, int menu, int entry, EntryButton button);

// What a form holds for one row when it commits.
struct FormRowCommit {
    int menu = 0;
    int entry = 0;
    // The text edits, top to bottom, when one of them was changed.
    std::optional<std::vector<std::u16string>> lines;
    // The number edit's text, when it was changed.
    std::optional<std::u16string> numberText;
    // The user changed the entry's action in this form (clickEntryButton).
    bool actionChanged = false;
};

// Stores one row of a form. Only what the user changed is written: changed
// lines (justified and padded), a changed macro number (read in decimal),
// and, for an entry whose action the user removed, its text as blanks. The
// text of a row whose lines cannot be typed stays as stored. Whatever is
// written sets the entry's edited flag. A row with nothing changed writes
// nothing. Refused (table unchanged) for an out-of-range number, a line too
// long or with a character the font lacks, or a read-only table.
EntryEditResult commitFormRow(model::CS1_LangTable& table, const FormRowCommit& row);

} // namespace tarvo::document
