#pragma once
// One language table's record in the document file: what a table writes and
// reads between the document's table count and the server path. Writing
// always gives the current form; reading takes the forms of document schemas
// 1 (no firmware fields), 2 and 3.

#include "document/archive.h"
#include "model/lang_table.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::document {

// Document schemas whose table records carry the firmware fields.
inline constexpr int kFirstSchemaWithFirmware = 2;

// Writes the record of table.
void writeTableRecord(ArchiveWriter& archive, const model::CS1_LangTable& table);

// Reads one record into table, which must be freshly Init-ed. On failure the
// reason is in archive.error() and the table is to be thrown away.
// An entry info record is stored under its key, and its menu and entry are
// taken from that key: the fields written beside the key never select another
// entry. A record whose key names no entry (menus 0-95, entries 1-14) is
// dropped; its key is added to droppedEntryKeys when given.
bool readTableRecord(ArchiveReader& archive, int documentSchema, model::CS1_LangTable& table,
                     std::vector<std::int32_t>* droppedEntryKeys = nullptr);

// The menu and entry a key names, when it names an entry of a table.
bool entryOfKey(std::int32_t key, int& menu, int& entry);

// --- Edited entries in the spare values list ----------------------------------
//
// The edited flags of the menu entries are kept in the spare values list: the
// values it already had, then the marker, the number of edited entries and
// their keys in ascending order. A list without the marker records no edits.

inline constexpr std::uint32_t kEditedEntriesMarker = 0x45444954;

struct SpareValues {
    std::vector<std::uint32_t> kept;      // the values before the marker
    std::vector<std::int32_t> editedKeys; // (menu << 16) | entry
};

// Splits a list read from a file. A marker whose count does not match the
// rest of the list is not the marker: the list is then kept as it is.
SpareValues splitSpareValues(std::span<const std::uint32_t> values);
// The list as written: kept values, then the marker block when any key is given.
std::vector<std::uint32_t> joinSpareValues(std::span<const std::uint32_t> kept,
                                           std::vector<std::int32_t> editedKeys);
// The keys of the entries whose edited flag is set, in ascending order.
std::vector<std::int32_t> editedEntryKeys(const model::CS1_LangTable& table);

} // namespace tarvo::document
