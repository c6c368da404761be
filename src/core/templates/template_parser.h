#pragma once
// CTemplateReader: reads one template file (UTF-16LE with byte order mark)
// and turns each of its table blocks into a new language table. One reader
// serves one parse or one catalogue check.

#include "model/lang_table.h"
#include "templates/template_error.h"
#include "templates/template_lexer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvo::templates {

using TableList = std::vector<std::unique_ptr<model::CS1_LangTable>>;

// Firmware version and version code given to tables made from templates: the
// template language carries neither, and a document opens only tables of
// firmware 1.40 or later.
inline constexpr int kTemplateFirmwareMajor = 1;
inline constexpr int kTemplateFirmwareMinor = 94;
inline constexpr int kTemplateVersionCode = 0;

// At most this many tokens are searched for a section keyword, and at most
// this many records are read per section.
inline constexpr int kMaxKeywordSearchTokens = 5001;
inline constexpr int kMaxSectionRecords = 5001;
// At most this many table blocks per template: each table costs about 185 KB
// in memory, and a template of the largest size accepted could otherwise ask
// for tens of gigabytes. More than any keyboard (13 slots) or document needs.
inline constexpr std::size_t kMaxTemplateTables = 256;

class CTemplateReader {
public:
    // Parses the file. On success appends one table per table block, in file
    // order, and returns true. On failure tables is left as it was, Error()
    // holds the message and false is returned.
    bool ParseTemplate(const std::string& path, TableList& tables);
    // The same for a file already in memory (path names it in the messages).
    bool ParseTemplateData(const std::string& path, std::span<const std::uint8_t> bytes, TableList& tables);

    // Catalogue check: opens the file and checks its byte order mark. The
    // template language defines no friendly name, so friendlyName is always
    // emptied and false is returned; Error() tells whether the check failed.
    bool ReadFriendlyName(const std::string& path, std::u16string& friendlyName);

    // Text added after three line breaks to every message that shows a position.
    void SetFailureNote(std::u16string note) { m_failureNote = std::move(note); }
    const std::u16string& FailureNote() const { return m_failureNote; }

    // The message of the last failure, empty after a success.
    const std::optional<TemplateError>& Error() const { return m_error; }

private:
    bool ParseBlocks(TableList& made);
    bool ParseTableSection(model::CS1_LangTable& table);
    bool ParseMetadataLabels(model::CS1_LangTable& table);
    bool ParseMenuNames(model::CS1_LangTable& table);
    bool ParseMenus(model::CS1_LangTable& table);
    // A section of one or more records, each read by record.
    bool ParseRecords(const char16_t* keyword, model::CS1_LangTable& table,
                      bool (CTemplateReader::*record)(model::CS1_LangTable&));
    bool ParseMetadataLabel(model::CS1_LangTable& table);
    bool ParseMenuName(model::CS1_LangTable& table);
    bool ParseMenuRecord(model::CS1_LangTable& table);

    bool FindSectionKeyword(const char16_t* keyword, bool optional);
    bool EndRecord(TokenKind expected);
    bool ReadNumber(bool emptyAllowed, std::int32_t& value);
    bool ReadText(bool emptyByComma, bool emptyAtEnd, std::u16string& text);
    bool ReadComma();
    // A number that must lie in [low, high]; otherwise message code.
    bool ReadNumberInRange(int low, int high, int code, std::int32_t& value);

    bool StartLexer(const std::string& path, std::span<const std::uint8_t> bytes);

    TemplateLexer m_lexer;
    std::u16string m_failureNote;
    std::optional<TemplateError> m_error;
};

} // namespace tarvo::templates
