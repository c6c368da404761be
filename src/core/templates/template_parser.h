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
    // order, and returns true. On failure tables is left as it was, error()
    // holds the message and false is returned.
    bool ParseTemplate(const std::string& path, TableList& tables);
    // The same for a file already in memory (path names it in the messages).
    bool ParseTemplateData(const std::string& path, std::span<const std::uint8_t> bytes, TableList& tables);

    // Catalogue check: opens the file and checks its byte order mark. The
    // template language defines no friendly name, so friendlyName is always
    // emptied and false is returned; error() tells whether the check failed.
    bool ReadFriendlyName(const std::string& path, std::u16string& friendlyName);

    // Text added after three line breaks to every message that shows a position.
    void SetFailureNote(std::u16string note) { m_failureNote = std::move(note); }
    const std::u16string& failureNote() const { return m_failureNote; }

    // The message of the last failure, empty after a success.
    const std::optional<TemplateError>& error() const { return m_error; }

private:
    bool parseBlocks(TableList& made);
    bool parseTableSection(model::CS1_LangTable& table);
    bool parseMetadataLabels(model::CS1_LangTable& table);
    bool parseMenuNames(model::CS1_LangTable& table);
    bool parseMenus(model::CS1_LangTable& table);
    // A section of one or more records, each read by record.
    bool parseRecords(const char16_t* keyword, model::CS1_LangTable& table,
                      bool (CTemplateReader::*record)(model::CS1_LangTable&));
    bool parseMetadataLabel(model::CS1_LangTable& table);
    bool parseMenuName(model::CS1_LangTable& table);
    bool parseMenuRecord(model::CS1_LangTable& table);

    bool findSectionKeyword(const char16_t* keyword, bool optional);
    bool endRecord(TokenKind expected);
    bool readNumber(bool emptyAllowed, std::int32_t& value);
    bool readText(bool emptyByComma, bool emptyAtEnd, std::u16string& text);
    bool readComma();
    // A number that must lie in [low, high]; otherwise message code.
    bool readNumberInRange(int low, int high, int code, std::int32_t& value);

    bool startLexer(const std::string& path, std::span<const std::uint8_t> bytes);

    TemplateLexer m_lexer;
    std::u16string m_failureNote;
    std::optional<TemplateError> m_error;
};

} // namespace tarvo::templates
