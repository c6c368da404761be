#pragma once
// The history as a row per transfer: its start, each slot's last outcome and
// its end (or that none was recorded), newest last. The tool's history
// command, the editor's Transfer History and the sheet's cover read these.

#include "history/history_record.h"
#include "io/message_pattern.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::history {

struct SlotResult {
    int slot = 0;
    int language = 0;
    std::string table;
    std::string outcome; // the last one recorded; empty when only the slot's start was
    std::string sha256;
    std::string backup;
};

struct TransferRow {
    std::string transfer;
    std::string time; // of its first record
    std::string program, command, port, device;
    std::optional<serial::KeyboardId> keyboard;
    std::string document, documentSha256;
    std::vector<SlotResult> slots; // in the order they started
    bool finished = false;         // an end was recorded
    int status = 0;
    std::string message;    // English, as the tool prints it
    messages::Message said; // the same, to be translated; empty in older records
};

namespace texts {
inline constexpr std::u16string_view kUnfinished = u"unfinished (no end recorded)";
inline constexpr std::u16string_view kNotWritten = u"the transfer history could not be written: %s";
inline constexpr std::u16string_view kKeyboardLine = u"%s generation %d, bootloader %s, firmware %s";
inline constexpr std::u16string_view kSlotOutcome = u"%d %s";
inline constexpr std::u16string_view kComplete = u"complete";
inline constexpr std::u16string_view kExit = u"exit %d";
inline constexpr std::u16string_view kExitBecause = u"exit %d: %s";
// A slot's outcome as the rows show it: the records' names, and "started"
// for a slot with no end.
inline constexpr std::u16string_view kStarted = u"started";
inline constexpr std::array<std::u16string_view, 9> kOutcomeWords = {
    u"written",   u"unchanged", u"verified", u"incomplete", u"recovered",
    u"as_stored", u"failed",    u"read",     kStarted};
} // namespace texts

// Records grouped by transfer, in the order each transfer first appears.
std::vector<TransferRow> transferRows(const std::vector<HistoryRecord>& records);

// A port matches a row named so or in canonical form; since is YYYY-MM-DD (empty: any).
struct RowFilter {
    std::vector<std::string> ports; // the name given and its canonical form; empty: any
    std::string since;
};
bool matches(const TransferRow& row, const RowFilter& filter);

// "KBD-OMNIA generation 2, bootloader 1.00, firmware 1.94"; "-" when it never answered.
messages::Message keyboardMessage(const std::optional<serial::KeyboardId>& keyboard);
// "1 written, 2 unchanged"; "-" when no slot was touched.
messages::Message slotsMessage(const TransferRow& row);
// "complete", "exit 3: <message>", or texts::kUnfinished.
messages::Message resultMessage(const TransferRow& row);
// The same in English, UTF-8, on one line, as the tool and the hand-over sheet print them.
std::string keyboardText(const std::optional<serial::KeyboardId>& keyboard);
std::string slotsText(const TransferRow& row);
std::string resultText(const TransferRow& row);
// A backup a row names (the first slot's), empty when none.
std::string backupOf(const TransferRow& row);

// The last transfer of each keyboard (its canonical device and identity) that
// wrote or read a document with this SHA-256, oldest first.
std::vector<TransferRow> lastPerKeyboard(const std::vector<TransferRow>& rows,
                                         const std::string& documentSha256);

} // namespace tarvo::history
