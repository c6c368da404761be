#pragma once
// The refusals of a slot choice, in the two wordings: the editor's dialogs
// count the document's tables from 1 and name the lists' choices; the tool
// counts them from 0 and names its options.

#include "document/doc_texts.h"

#include <string_view>

namespace tarvo::transfer::texts {

inline constexpr std::u16string_view kTooFewSlots =
    u"Error: The keyboard only supports %d language tables.\n\nUploads "
    u"must be restricted to keyboard language tables 1 - %d.";
inline constexpr std::u16string_view kNothingChosen = u"Please select the language to be imported";
inline constexpr std::u16string_view kNoSlots = u"The keyboard reports no language table slots it supports.";
inline constexpr std::u16string_view kNoTables = u"The document holds no language table to download.";

// The dialogs' wording.
inline constexpr std::u16string_view kSharedTableDialog =
    u"Keyboard language tables #%d and #%d would both receive the document's table %d. "
    u"Download only one of them, or choose a table \"as stored\" for each.";
inline constexpr std::u16string_view kNoSuchTableDialog =
    u"Keyboard language table #%d: the document has no table %d.";
inline constexpr std::u16string_view kNothingToMatchDialog =
    u"Keyboard language table #%d holds no table to match. Choose one of the document's tables \"as "
    u"stored\" for it.";
inline constexpr std::u16string_view kNoTableOfLanguageDialog =
    u"Keyboard language table #%d holds language %d, and the document has no table of that language. "
    u"Choose one of the document's tables \"as stored\" for it, or \"(do not download)\".";
inline constexpr std::u16string_view kSameSourceDialog =
    u"The document's tables %d and %d both came from keyboard language table #%d.";
inline constexpr std::u16string_view kNoSourceDialog =
    u"The document's table %d records no keyboard language table it came from, so it cannot be written "
    u"back as stored.";
inline constexpr std::u16string_view kNoTableFromSlotDialog =
    u"No table of the document came from keyboard language table #%d, so nothing can be written back into "
    u"it as stored. Choose one of the document's tables \"as stored\" for it.";
inline constexpr std::u16string_view kOldTableSlot = u" (keyboard language table #%d)";

// The tool's wording.
inline constexpr std::u16string_view kSharedTableTool =
    u"Slots %d and %d would both receive document table %d; name the table for each with N=I.";
inline constexpr std::u16string_view kNoSuchTableTool = u"slot %d: the document has no table %d";
inline constexpr std::u16string_view kNothingToMatchTool =
    u"slot %d holds no table to match; name the document table with N=I";
inline constexpr std::u16string_view kNoTableOfLanguageTool =
    u"slot %d: the document has no table of language %d";
inline constexpr std::u16string_view kNoSlotHoldsALanguage =
    u"no keyboard slot holds a table in a language of the document";
inline constexpr std::u16string_view kSameSourceTool =
    u"Document tables %d and %d both record keyboard slot %d.";
inline constexpr std::u16string_view kNoSourceTool =
    u"Document table %d records no keyboard slot; name its slot with --slots N=%d.";
inline constexpr std::u16string_view kNoTableFromSlotTool =
    u"No document table records keyboard slot %d; name the table with --slots %d=I.";
inline constexpr std::u16string_view kImportNamesTable =
    u"slot %d: N=I names a document table, which only a download takes";

// An import's refusals.
inline constexpr std::u16string_view kImportIncomplete =
    u"Keyboard language table #%d is incomplete: a write of it was interrupted, so it cannot be imported. "
    u"Write it again first.";
inline constexpr std::u16string_view kImportNothingHeld =
    u"Keyboard language table #%d holds no table to import.";
inline constexpr std::u16string_view kImportNoTemplateTable = document::texts::kNoTemplateTableOfLanguage;

// A merge that cannot be made.
inline constexpr std::u16string_view kNotReadCompletely =
    u"Keyboard language table #%d was not read completely; nothing was merged.";
inline constexpr std::u16string_view kReadsErased =
    u"Keyboard language table #%d reads erased in its script menus or its last block, as an interrupted "
    u"write leaves it; nothing was merged.";
inline constexpr std::u16string_view kMergeFailed =
    u"The script menus read from the keyboard could not be merged into the document.";

// A verify that read back something else.
inline constexpr std::u16string_view kDiffers =
    u"keyboard language table #%d differs at block %d, offset %s: expected %s, read %s";
inline constexpr std::u16string_view kNothingRead = u"nothing";

} // namespace tarvo::transfer::texts
