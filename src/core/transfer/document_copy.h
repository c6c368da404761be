#pragma once
// A document's copy for a transfer to work on while the document itself
// stays as it is: a preview merges into it, and each keyboard of a fleet
// downloads from its own. The copy holds exact copies of the tables (their
// bytes, read-only flags and source slots included), the serial settings,
// the server path and whether the document came whole from an import,
// which decides whether a download merges. It has no path: a front end that
// names the document (the history, a backup) takes the original's.

#include "document/doc.h"

#include <memory>

namespace tarvo::transfer {

// Null when no document number is free or memory runs out.
std::unique_ptr<document::CS1_Doc> copyOfDocument(const document::CS1_Doc& doc,
                                                  document::DocumentNumberPool& numbers);

} // namespace tarvo::transfer
