#pragma once
// DownloadPreview: what a download would do, found before anything is
// erased: per chosen slot the action, and each script-menu entry (menus
// 80-95) that would change in the keyboard, the keyboard's side first.

#include "compare/document_diff.h"
#include "document/doc.h"
#include "io/message_pattern.h"
#include "model/lang_table.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::transfer {

// What a slot's preview says after the slot and table are named: the tool
// prints them in English, the editor in its reader's language.
namespace texts {
inline constexpr std::u16string_view kPlanRefused = u"refused: %s";
inline constexpr std::u16string_view kPlanUnchanged = u"unchanged: the keyboard already holds it";
inline constexpr std::u16string_view kPlanFromBackup = u"recovered from the backup %s";
inline constexpr std::u16string_view kPlanFromRecord = u"recovered from the interrupted write's record";
inline constexpr std::u16string_view kPlanAsStored = u"written as stored";
inline constexpr std::u16string_view kPlanOneChange = u"%d entry changes";
inline constexpr std::u16string_view kPlanChanges = u"%d entries change";
// How the slot is written, then how many entries change.
inline constexpr std::u16string_view kPlanHowAndChanges = u"%s, %s";
} // namespace texts

enum class PreviewAction {
    Write,     // the document's table, with the keyboard's script menus merged in
    Unchanged, // the keyboard already holds the image
    Recover,   // after an interrupted write: the edits merged into a backup or a record
    AsStored,  // a document table written as stored
    Refused,   // the download would stop before the first erase
};

// "write", "unchanged", "recover", "as_stored", "refused".
const char* previewActionName(PreviewAction action);

struct EntryChange {
    int menu = 0;
    int entry = 0;
    compare::EntrySide before; // what the keyboard holds (a recovery: its merge source)
    compare::EntrySide after;  // what the download would write
};

struct SlotPreview {
    int slot = 0; // 1-based
    int languageId = 0;
    int fontNumber = 0;       // the table's keyboard font, which its lines are drawn in
    std::u16string tableName; // the document table's name, as the lists show it
    PreviewAction action = PreviewAction::Write;
    std::string backup;       // Recover: the backup merged into, empty for a record
    messages::Message reason; // Refused: why, one line
    std::vector<EntryChange> changes;
};

// The slot's action and how many entries change: "written as stored, 2
// entries change", "refused: " and the reason.
messages::Message planWords(const SlotPreview& slot);

struct DownloadPreview {
    std::vector<SlotPreview> slots; // in slot order
    bool anyRefused() const;
};

// The entries that differ between before (an image read from the keyboard
// or a merge source; empty or short: a slot that holds nothing, taken as a
// new table's zeros) and after. Edited flags are a document's own and
// never reach the keyboard, so they do not count.
std::vector<EntryChange> entryChanges(std::span<const std::uint8_t> before,
                                      const model::CS1_LangTable& after);

} // namespace tarvo::transfer
