#pragma once
// The texts the document shows, as the system's users know them, and the
// reasons given for files that cannot be opened.

#include "io/message_pattern.h"

#include <string>
#include <string_view>

namespace tarvo::document::texts {

// Message 11805, filled with the program's schema and the file's.
inline constexpr std::u16string_view kNewerSchema =
    u"Error: The document could not be opened because it was created with a newer version of this "
    u"application.\n\nWend Schema: %d\nDoc Schema: %d";
// Message 12205.
inline constexpr std::u16string_view kOldFirmware =
    u"Error - This version of Tarvo Script Application supports .tvo file that is created with keyboard "
    u"firmware 1.40 or above.";

inline constexpr std::u16string_view kDamaged = u"the file is damaged or not a document: %s";
inline constexpr std::u16string_view kEmptyFile = u"the file is empty, not a document";
inline constexpr std::u16string_view kTemplateNotDocument =
    u"the file is a language table template, not a document";
// Its first word is no document schema: a number would say nothing to the user.
inline constexpr std::u16string_view kNotADocument = u"the file is not a document";

// Making a document of the tables read from a keyboard.
inline constexpr std::u16string_view kImageNotWhole =
    u"An image read from the keyboard is not a whole table.";
inline constexpr std::u16string_view kNothingRead = u"No table was read from the keyboard.";
inline constexpr std::u16string_view kTablesNotMade =
    u"The tables read from the keyboard could not be made into a document.";
inline constexpr std::u16string_view kNoTemplateTableOfLanguage =
    u"Keyboard language table #%d: the template has no table of language %d.";
inline constexpr std::u16string_view kTableNotCopied = u"A language table could not be copied.";
// Saving.
inline constexpr std::u16string_view kOutOfMemory = u"out of memory";
inline constexpr std::u16string_view kNameExists = u"a file of this name exists";

// Entry info records of a table whose keys name no menu entry; the keys follow.
inline constexpr std::u16string_view kDroppedEntryRecords =
    u"language table %d: %d entry records whose keys name no menu entry (menus 0-95, entries 1-14) "
    u"were dropped, keys";

} // namespace tarvo::document::texts
