#pragma once
// Import into a new document: which template tables are kept and in which
// order, and which table each keyboard slot read becomes. The k-th chosen
// slot (in slot order) becomes table k, so no position points past the table
// array and every imported image replaces the template table of its language
// where the template has one.

#include "document/document_file.h"

#include <array>
#include <cstddef>

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

// Removes every table whose language ID is none of the chosen codes, then
// moves the table of the k-th chosen slot's code to index k.
void filterAndOrderForImport(TableList& tables, const SlotCodes& codes);

// The positions the results of an import into a new document are applied
// at: the k-th chosen slot gets k while k < tableCount, a new table after that.
PositionList newDocumentImportPositions(const SlotCodes& codes, std::size_t tableCount);

} // namespace tarvo::document
