#include "templates/template_messages.h"

#include "io/message_pattern.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace tarvo::templates::msg {
namespace {

struct MessageRow {
    int id;
    const char16_t* text;
};

// The system's own texts, typos included.
const MessageRow kMessages[] = {
    {kTemplatePattern, u"%s\\*.LT%d"},
    {kNoValidTemplates,
     u"Error: The document could not be created -- no valid language table templates could be found."},
    {kTooManyDocuments,
     u"Error: The document could not be created -- the maximum number of documents already exists."},
    {kIllegalCharacter, u"Error: <illegal character>: '%c' (%d)"},
    {kUnexpectedEndOfLine, u"Error: <unexpected End Of Line>"},
    {kUnexpectedToken, u"Error: <unexpected token>: %s"},
    {kPositionText, u"\n\n\nTemplate: %s\n\nLine: %d\n\nColumn: %d"},
    {kInvalidSchema,
     u"Error: <invalid schema number>: The template's file-wide schema number is not supported."},
    {kUnexpectedTokenAtEndOfLine, u"Error: <unexpected token>: EOLN"},
    {kNoByteOrderMark, u"The template has no byte order mark."},
    {kFileExceptionCode, u"A file exception was raised (code == %d)."},
    {kNewDocumentFailed, u"A new document could not be created."},
    {kCannotOpen, u"The template \"%s\" could not be opened.  "},
    {kCauseUnspecified, u"An unspecified error occured."},
    {kCauseNotFound, u"It could not be found."},
    {kCauseBadPath, u"All or part of its pathname is invalid."},
    {kCauseTooManyOpenFiles, u"The permitted number of open files was exceeded."},
    {kCauseAccessDenied, u"Access to the file was denied."},
    {kCauseInvalidFile, u"Its file handle is invalid."},
    {kCauseBadSeek, u"There was an error trying to set the file pointer."},
    {kCauseHardware, u"There was a hardware error."},
    {kCauseSharingViolation, u"There was a sharing violation."},
    {kCauseLockViolation, u"There was a lock violation."},
    {kCauseEndOfFile, u"The EOF was encountered unexpectantly."},
    {kCannotRead, u"The template \"%s\" could not be read.  "},
    {kTooManyLines, u"Error: <too many lines>: No section keyword was found within %d lines."},
    {kTooManyRecords, u"Error: <too many records>: A section holds more than %d records."},
    {kInvalidMenuNumber, u"Error: <invalid menu number>: %d (menus are numbered %d to %d)"},
    {kInvalidEntryNumber, u"Error: <invalid entry number>: %d (entries are numbered %d to %d)"},
    {kInvalidFontNumber, u"Error: <invalid font number>: %d (fonts are numbered %d to %d)"},
    {kCauseTooLarge, u"It is larger than %d MB, more than any template holds."},
    {kCausePartialCharacter, u"It ends in the middle of a character."},
    {kTooManyTables, u"Error: <too many tables>: A template holds at most %d language tables."},
};

} // namespace

const std::u16string& messageText(int id)
{
    // Built once; the table is small and looked up by id.
    static const auto texts = [] {
        std::vector<std::pair<int, std::u16string>> rows;
        for (const auto& row : kMessages)
            rows.emplace_back(row.id, row.text);
        return rows;
    }();
    static const std::u16string none;
    const auto it =
        std::find_if(texts.begin(), texts.end(), [id](const auto& row) { return row.first == id; });
    return it == texts.end() ? none : it->second;
}

std::u16string formatMessage(int id, std::initializer_list<std::u16string> args)
{
    return messages::format(messageText(id), args);
}

messages::Message message(int id, std::vector<messages::Argument> args)
{
    return messages::Message(messageText(id), std::move(args));
}

std::vector<std::u16string_view> allPatterns()
{
    std::vector<std::u16string_view> patterns;
    for (const auto& row : kMessages)
        // The file name pattern is never shown.
        if (row.id != kTemplatePattern)
            patterns.emplace_back(row.text);
    return patterns;
}

} // namespace tarvo::templates::msg
