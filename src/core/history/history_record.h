#pragma once
// One line of the transfer history: what a transfer records at its start,
// before each slot's erase (or as a slot is read), at each slot's end, and at
// its end. Records of one transfer share its id; a transfer killed on the way
// leaves only the records written before.

#include "io/message_pattern.h"
#include "serial/keyboard_records.h"

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::history {

// The programs that record transfers.
inline constexpr const char* kToolProgram = "tarvo";
inline constexpr const char* kEditorProgram = "tarvo-script";

enum class RecordKind { Start, SlotStart, SlotEnd, End };

struct HistoryRecord {
    RecordKind kind = RecordKind::Start;
    std::string transfer; // the id every record of one transfer shares
    std::string time;     // UTC, ISO 8601

    // Start.
    std::string program; // "tarvo", "tarvo-script"
    std::string command; // query, import, download, restore
    std::string port;    // the device as named
    std::string device;  // the device in canonical form
    std::optional<serial::KeyboardId> keyboard;
    std::string document; // absolute path; empty when none
    std::string documentSha256;

    // SlotStart and SlotEnd.
    int slot = 0; // 1-based
    int language = 0;
    std::string table;   // the table's friendly name, UTF-8
    std::string outcome; // SlotEnd: one of kOutcomes
    std::string sha256;  // SlotEnd: the image written or read, hex; empty when unknown
    std::string backup;  // SlotEnd: where the slot's earlier table was saved; empty when none

    // End.
    int status = 0;      // the tool's exit class
    std::string message; // in English, one line, as the tool prints it
    // The same as the system said it, so a reader in another language sees it
    // in theirs; empty in records written before it was kept.
    messages::Message said;
};

// The record's "record" value, and back (nullopt for a name no record has).
std::string_view recordKindName(RecordKind kind);
std::optional<RecordKind> recordKindFromName(std::string_view name);

// A slot's outcomes as records name them.
namespace outcome {
inline constexpr std::string_view kWritten = "written";
inline constexpr std::string_view kUnchanged = "unchanged";
inline constexpr std::string_view kVerified = "verified";
inline constexpr std::string_view kIncomplete = "incomplete";
inline constexpr std::string_view kRecovered = "recovered";
inline constexpr std::string_view kAsStored = "as_stored";
inline constexpr std::string_view kFailed = "failed";
inline constexpr std::string_view kRead = "read";
} // namespace outcome

} // namespace tarvo::history
