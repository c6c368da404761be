#pragma once
// The result of a document operation: success, or one failure with the text
// the user is shown.

#include "io/message_pattern.h"

#include <string>

namespace tarvo::document {

enum class DocStatus {
    Ok,
    TooManyDocuments, // all 16 document numbers are in use
    TemplateFailed,   // the template could not be turned into tables
    Unreadable,       // the file cannot be read (missing, a folder, no permission)
    NotADocument,     // empty, a template, an unknown schema
    Damaged,          // cut short, impossible counts or sizes
    NewerSchema,      // message 11805
    OldFirmware,      // message 12205
    WriteFailed,      // the file cannot be written; an existing file is untouched
    ReadOnly,         // the existing file is read-only and was left untouched
    Refused,          // the operation is not possible on this document
};

struct DocResult {
    DocStatus status = DocStatus::Ok;
    // The system's own text (11805, 12205, ...) or the reason; without the path.
    messages::Message message;
    // The file concerned, when there is one.
    std::string path;

    bool ok() const { return status == DocStatus::Ok; }
    static DocResult success() { return {}; }
    static DocResult failure(DocStatus status, messages::Message message, std::string path = {})
    {
        return {status, std::move(message), std::move(path)};
    }
};

} // namespace tarvo::document
