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

inline constexpr std::u16string_view kDamaged = u"the file is damaged or not a document: ";
inline constexpr std::u16string_view kEmptyFile = u"the file is empty, not a document";
inline constexpr std::u16string_view kTemplateNotDocument =
    u"the file is a language table template, not a document";
// Its first word is no document schema: a number would say nothing to the user.
inline constexpr std::u16string_view kNotADocument = u"the file is not a document";

// Entry info records of a table whose keys name no menu entry; the keys follow.
inline constexpr std::u16string_view kDroppedEntryRecords =
    u"language table %d: %d entry records whose keys name no menu entry (menus 0-95, entries 1-14) "
    u"were dropped, keys";

} // namespace tarvo::document::texts
