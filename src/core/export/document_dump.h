#pragma once
// The dump of a document's tables: what the two dump dialogs call with the
// active document, and what `tarvo dump` calls with the document it opened.

#include "document/doc.h"
#include "export/table_dump.h"

#include <vector>

namespace tarvo::dump {

// The document's tables in document order, as positions index them.
std::vector<const model::CS1_LangTable*> documentTables(const document::CS1_Doc& doc);

// Writes the dump of doc's tables; the document is not changed.
DumpResult writeDocumentDump(const document::CS1_Doc& doc, const DumpRequest& request);

} // namespace tarvo::dump
