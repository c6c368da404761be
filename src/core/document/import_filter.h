#pragma once
// Import into a new document: which template tables are kept and in which
// order, and which table each keyboard slot read becomes. Table k is the
// template table of the k-th chosen slot's language, so every imported image
// keeps the side data (Windows language ID, menu and entry names) of its own
// language; a language chosen twice gets a copy of the same template table.

#include "document/doc_result.h"
#include "document/document_file.h"

#include <array>
#include <cstddef>
#include <optional>

namespace tarvo::document {

inline constexpr int kKeyboardSlots = 13;
inline constexpr int kNoSlot = -1;           // a slot not chosen / skipped
inline constexpr int kNewTablePosition = -2; // a result that becomes a new table

// Per keyboard slot: the language ID of the table to import, or kNoSlot.
using SlotCodes = std::array<int, kKeyboardSlots>;
// Per keyboard slot: kNoSlot, kNewTablePosition, or the index of a document table.
using PositionList = std::array<int, kKeyboardSlots>;

// Image byte 335, by which the keyboard and the sessions know a table's language.
int languageIdOf(const model::CS1_LangTable& table);

bool anySlotChosen(const SlotCodes& codes);
int chosenSlotCount(const SlotCodes& codes);

// Table k becomes the template table of the k-th chosen slot's language (a
// copy of it when an earlier slot took the same language); the others are
// removed. A chosen language no table has is refused with a message naming
// the slot, and the tables are left as they were: another language's table
// would give the image the wrong names.
DocResult filterAndOrderForImport(TableList& tables, const SlotCodes& codes);

// The positions the results of an import into a new document are applied
// at: the k-th chosen slot gets table k. Empty when table k does not hold
// that slot's language (or is missing), so no image lands in another
// language's table.
std::optional<PositionList> newDocumentImportPositions(const SlotCodes& codes, const TableList& tables);

} // namespace tarvo::document
