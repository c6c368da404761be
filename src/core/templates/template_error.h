#pragma once
// A template failure as a result: the message id, where it was found and the
// texts the user sees. The parser stops at the first error, so one parse gives
// at most one of these.

#include "io/message_pattern.h"

#include <string>

namespace tarvo::templates {

struct TemplateError {
    int code = 0;              // message id (12000-12006, 12103, 12115, 12116-12120, 12123)
    int causeCode = 0;         // file errors: the cause text's id (12100, 12104-12114, 12121, 12122)
    std::string path;          // the template as the caller named it
    int line = 0;              // lines read when the error was found (0 before the first line)
    int column = 0;            // position reached by the last token in the rest of its line
    bool hasPosition = false;  // false for the file errors, which show no position
    messages::Message summary; // the message alone (file errors: with their cause text)
    std::u16string fullText;   // as the message box shows it: summary, position text, failure note
    messages::Message message; // fullText, for the editor to show in its language
};

} // namespace tarvo::templates

namespace tarvo::templates {

// The platform's file error cause codes.
enum FileErrorCause : int {
    kCauseNone = 0,
    kCauseGeneric = 1,
    kCauseFileNotFound = 2,
    kCauseBadPath = 3,
    kCauseTooManyOpenFiles = 4,
    kCauseAccessDenied = 5,
    kCauseInvalidFile = 6,
    kCauseBadSeek = 9,
    kCauseHardwareIo = 10,
    kCauseSharingViolation = 11,
    kCauseLockViolation = 12,
    kCauseEndOfFile = 14,
};

// The cause of an errno value.
FileErrorCause fileErrorCause(int errnoValue);

// A file message (12103 or 12115) with the cause text of a platform cause.
TemplateError fileError(int code, const std::string& path, FileErrorCause cause, int line = 0,
                        int column = 0);
// A file message with a cause text of its own (causeId, filled with args).
TemplateError fileErrorWithCause(int code, const std::string& path, int causeId, messages::Message causeText,
                                 int line = 0, int column = 0);

// A message that shows the position text and, when not empty, the failure note.
TemplateError positionError(int code, messages::Message summary, const std::string& path, int line,
                            int column, const std::u16string& failureNote);

// A message of the catalogue or the new-document code, shown as it stands.
TemplateError plainError(int code, messages::Message text, const std::string& path = {});

} // namespace tarvo::templates
