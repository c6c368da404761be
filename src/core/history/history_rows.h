#pragma once
// The history as a row per transfer: its start, each slot's last outcome and
// its end (or that none was recorded), newest last. The tool's history
// command, the editor's Transfer History and the sheet's cover read these.

#include "history/history_record.h"

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
    std::string message;
};

inline constexpr std::string_view kUnfinished = "unfinished (no end recorded)";

// Records grouped by transfer, in the order each transfer first appears.
std::vector<TransferRow> transferRows(const std::vector<HistoryRecord>& records);

// A port matches a row named so or in canonical form; since is YYYY-MM-DD (empty: any).
struct RowFilter {
    std::vector<std::string> ports; // the name given and its canonical form; empty: any
    std::string since;
};
bool matches(const TransferRow& row, const RowFilter& filter);

// "KBD-OMNIA generation 2, bootloader 1.00, firmware 1.94"; "-" when it never answered.
std::string keyboardText(const std::optional<serial::KeyboardId>& keyboard);
// "1 written, 2 unchanged"; "-" when no slot was touched.
std::string slotsText(const TransferRow& row);
// "complete", "exit 3: <message>", or kUnfinished.
std::string resultText(const TransferRow& row);
// A backup a row names (the first slot's), empty when none.
std::string backupOf(const TransferRow& row);

// The last transfer of each keyboard (its canonical device and identity) that
// wrote or read a document with this SHA-256, oldest first.
std::vector<TransferRow> lastPerKeyboard(const std::vector<TransferRow>& rows,
                                         const std::string& documentSha256);

} // namespace tarvo::history
