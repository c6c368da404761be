#include "templates/template_error.h"

#include "templates/template_messages.h"
#include "templates/utf_text.h"

#include <cerrno>

namespace tarvo::templates {
namespace {

// Cause code -> text id; 0, 7, 8 and 13 have no text of their own.
int causeTextId(FileErrorCause cause)
{
    switch (cause) {
    case kCauseFileNotFound:
        return msg::kCauseNotFound;
    case kCauseBadPath:
        return msg::kCauseBadPath;
    case kCauseTooManyOpenFiles:
        return msg::kCauseTooManyOpenFiles;
    case kCauseAccessDenied:
        return msg::kCauseAccessDenied;
    case kCauseInvalidFile:
        return msg::kCauseInvalidFile;
    case kCauseBadSeek:
        return msg::kCauseBadSeek;
    case kCauseHardwareIo:
        return msg::kCauseHardware;
    case kCauseSharingViolation:
        return msg::kCauseSharingViolation;
    case kCauseLockViolation:
        return msg::kCauseLockViolation;
    case kCauseEndOfFile:
        return msg::kCauseEndOfFile;
    default:
        break;
    }
    const int code = static_cast<int>(cause);
    if (code == 0 || code == 7 || code == 8 || code == 13)
        return msg::kFileExceptionCode;
    return msg::kCauseUnspecified;
}

} // namespace

FileErrorCause fileErrorCause(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT:
        return kCauseFileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR:
    case ELOOP:
    case EINVAL:
        return kCauseBadPath;
    case EMFILE:
    case ENFILE:
        return kCauseTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return kCauseAccessDenied;
    case EBADF:
        return kCauseInvalidFile;
    case ESPIPE:
        return kCauseBadSeek;
    case EIO:
        return kCauseHardwareIo;
    case ETXTBSY:
    case EBUSY:
        return kCauseSharingViolation;
    case EDEADLK:
    case ENOLCK:
        return kCauseLockViolation;
    default:
        return kCauseGeneric;
    }
}

TemplateError fileError(int code, const std::string& path, FileErrorCause cause, int line, int column)
{
    const int causeId = causeTextId(cause);
    messages::Message causeText = causeId == msg::kFileExceptionCode
                                      ? msg::message(causeId, {msg::numberText(static_cast<int>(cause))})
                                      : msg::message(causeId);
    return fileErrorWithCause(code, path, causeId, std::move(causeText), line, column);
}

TemplateError fileErrorWithCause(int code, const std::string& path, int causeId, messages::Message causeText,
                                 int line, int column)
{
    TemplateError e;
    e.code = code;
    e.causeCode = causeId;
    e.path = path;
    e.line = line;
    e.column = column;
    e.hasPosition = false;
    // "... could not be read.  " already ends in two blanks before the cause.
    e.message = msg::message(code, {utf8ToUtf16(path)}).append({}, std::move(causeText));
    e.summary = e.message;
    e.fullText = e.summary.text();
    return e;
}

TemplateError positionError(int code, messages::Message summary, const std::string& path, int line,
                            int column, const std::u16string& failureNote)
{
    TemplateError e;
    e.code = code;
    e.path = path;
    e.line = line;
    e.column = column;
    e.hasPosition = true;
    e.summary = summary;
    e.message = std::move(summary);
    e.message.append({}, msg::message(msg::kPositionText,
                                      {utf8ToUtf16(path), msg::numberText(line), msg::numberText(column)}));
    // The note is a message of the system ("A new document could not be created.").
    e.message.append(u"\n\n\n", messages::Message(failureNote));
    e.fullText = e.message.text();
    return e;
}

TemplateError plainError(int code, messages::Message text, const std::string& path)
{
    TemplateError e;
    e.code = code;
    e.path = path;
    e.summary = text;
    e.fullText = text.text();
    e.message = std::move(text);
    return e;
}

} // namespace tarvo::templates
