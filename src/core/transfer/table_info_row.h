#pragma once
// One row of what a keyboard slot holds, made from its TableInfoBlock: the
// texts the query shows and the numbers behind them.

#include "io/message_pattern.h"
#include "serial/keyboard_records.h"

#include <string>
#include <string_view>

namespace tarvo::transfer {

// After the name of a slot whose header reads as a table but whose last
// block reads erased: a write of it was interrupted.
inline constexpr std::u16string_view kIncompleteMark = u" (incomplete)";
// The same mark as a part of a message, after a blank.
inline constexpr std::u16string_view kIncompleteNote = u"(incomplete)";

struct TableInfoRow {
    int slot = 0; // 1-based, as the user sees it
    bool present = false;
    bool incomplete = false;     // present, with the last block erased
    std::u16string friendlyName; // decoded and trimmed; "( empty )" or "( flashed clear )" when not present
    int schema = 0;
    int font = 0;
    int versionCode = 0;
    int firmwareMajor = 0;
    int firmwareMinor = 0;
    int languageId = 0;

    // The five fields of the row.
    // "%d  %s", with kIncompleteMark for an incomplete slot; the name is data
    // unless it is one of the system's words for a slot without a table.
    messages::Message description;
    std::u16string schemaText;
    std::u16string fontText;
    std::u16string versionText;
    std::u16string languageIdText;
};

// lastBlockErased: the slot's last 16-byte block read all 0xFF.
TableInfoRow makeTableInfoRow(int slotNumber, const serial::TableInfoBlock& info,
                              bool lastBlockErased = false);

// The table version as the sessions show it: from the version code when it is
// not 0 (1 -> 1.02, 2 -> 1.03, 3 -> 1.10, others -1.-1), otherwise from the
// firmware version bytes.
std::u16string tableVersionText(int versionCode, int firmwareMajor, int firmwareMinor);

// The friendly name stored in image bytes 1-20: 20 one-byte codes, or 8
// two-byte codes (high byte first) in font 5; decoded through the font's code
// table up to the first code 0, blanks trimmed at both ends. "?" for a font
// the keyboard does not have.
std::u16string decodeFriendlyName(const std::uint8_t* nameBytes, int font);

} // namespace tarvo::transfer
