#include "templates/template_parser.h"

#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"
#include "templates/template_messages.h"
#include "templates/template_values.h"

#include <new>

namespace tarvo::templates {
namespace {

constexpr const char16_t* kTableKeyword = u"START_TABLE_DATA_CODE";
constexpr const char16_t* kMetadataLabelsKeyword = u"START_METADATA_LABELS_DATA_CODE";
constexpr const char16_t* kMenuNamesKeyword = u"START_SOFTKEY_MENU_NAME_DATA_CODE";
constexpr const char16_t* kMenusKeyword = u"START_SOFTKEY_MENU_DATA_CODE";
constexpr const char16_t* kEndFileKeyword = u"ENDFILE_DATA_CODE";

constexpr int kNameWidth = 20;
constexpr int kTwoByteNameWidth = 8;
constexpr int kEntryTextWidth = 10;
constexpr int kTwoByteEntryTextWidth = 4;
// Entries from this number on form the right column and are right-aligned.
constexpr int kFirstRightColumnEntry = 8;

constexpr int kFirstMenu = 0;
constexpr int kLastMenu = model::layout::kMenuCount - 1;
constexpr int kFirstEntry = model::layout::kFirstEntry;
constexpr int kLastEntry = model::layout::kEntriesPerMenu;

} // namespace

bool CTemplateReader::ParseTemplate(const std::string& path, TableList& tables)
{
    m_error.reset();
    std::vector<std::uint8_t> bytes;
    if (auto e = readTemplateBytes(path, bytes)) {
        m_error = std::move(e);
        return false;
    }
    return ParseTemplateData(path, bytes, tables);
}

bool CTemplateReader::ParseTemplateData(const std::string& path, std::span<const std::uint8_t> bytes,
                                        TableList& tables)
{
    m_error.reset();
    if (!StartLexer(path, bytes))
        return false;
    TableList made;
    if (!ParseBlocks(made)) {
        // Every table of this call goes; the caller's list is untouched.
        m_error = m_lexer.TakeError();
        if (!m_error) // only when memory ran out
            m_error =
                fileError(msg::kCannotRead, path, kCauseGeneric, m_lexer.LineNumber(), m_lexer.Column());
        return false;
    }
    for (auto& table : made)
        tables.push_back(std::move(table));
    return true;
}

bool CTemplateReader::ReadFriendlyName(const std::string& path, std::u16string& friendlyName)
{
    m_error.reset();
    friendlyName.clear();
    std::vector<std::uint8_t> bytes;
    if (auto e = readTemplateBytes(path, bytes)) {
        m_error = std::move(e);
        return false;
    }
    if (auto e = checkTemplateBytes(path, bytes, m_failureNote))
        m_error = std::move(e);
    return false;
}

bool CTemplateReader::StartLexer(const std::string& path, std::span<const std::uint8_t> bytes)
{
    if (auto e = checkTemplateBytes(path, bytes, m_failureNote)) {
        m_error = std::move(e);
        return false;
    }
    m_lexer.Reset(path, decodeTemplateText(bytes));
    m_lexer.SetFailureNote(&m_failureNote);
    return true;
}

bool CTemplateReader::ParseBlocks(TableList& made)
{
    for (;;) {
        auto table = std::unique_ptr<model::CS1_LangTable>(new (std::nothrow) model::CS1_LangTable());
        // Out of memory: reported by ParseTemplateData as an unspecified read failure.
        if (!table || !table->Init())
            return false;
        if (!ParseTableSection(*table) || !ParseMetadataLabels(*table) || !ParseMenuNames(*table) ||
            !ParseMenus(*table))
            return false;
        made.push_back(std::move(table));
        if (FindSectionKeyword(kEndFileKeyword, true))
            return true;
        // Another identifier opens the next table block.
        if (m_lexer.Kind() != TK_PUSHED_BACK || m_lexer.Error())
            return false;
        if (made.size() == kMaxTemplateTables) {
            m_lexer.ReportAtPosition(
                msg::kTooManyTables,
                msg::message(msg::kTooManyTables,
                             {msg::numberText(static_cast<long long>(kMaxTemplateTables))}));
            return false;
        }
    }
}

bool CTemplateReader::FindSectionKeyword(const char16_t* keyword, bool optional)
{
    for (int token = 0; token < kMaxKeywordSearchTokens; ++token) {
        if (!m_lexer.NextToken(true))
            return false;
        const TokenKind kind = m_lexer.Kind();
        if (kind == TK_IDENTIFIER) {
            if (optional && m_lexer.Text() != keyword) {
                m_lexer.PushBack();
                return false;
            }
            // The rest of the keyword line is ignored.
            return m_lexer.NextLine(true);
        }
        if (kind == TK_COMMENT || kind == TK_EOLN) {
            if (!m_lexer.NextLine(true))
                return false;
            continue;
        }
        m_lexer.ReportUnexpectedToken();
        return false;
    }
    m_lexer.ReportAtPosition(msg::kTooManyLines,
                             msg::message(msg::kTooManyLines, {msg::numberText(kMaxKeywordSearchTokens)}));
    return false;
}

bool CTemplateReader::EndRecord(TokenKind expected)
{
    if (!m_lexer.NextToken(true))
        return false;
    if (m_lexer.Kind() != TK_EOLN) {
        m_lexer.ReportUnexpectedToken();
        return false;
    }
    if (!m_lexer.NextLine(true) || !m_lexer.NextToken(true))
        return false;
    if (m_lexer.Kind() == TK_EOLN)
        return true; // the empty line that ends the section
    if (m_lexer.Kind() == expected) {
        m_lexer.PushBack(); // the start of another record
        return true;
    }
    m_lexer.ReportUnexpectedToken();
    return false;
}

bool CTemplateReader::ReadNumber(bool emptyAllowed, std::int32_t& value)
{
    value = 0;
    if (!m_lexer.NextToken(true))
        return false;
    const TokenKind kind = m_lexer.Kind();
    if (emptyAllowed && kind == TK_COMMA) {
        m_lexer.PushBack();
        return true;
    }
    if (kind == TK_NUMBER || kind == TK_STRING) {
        if (const auto converted = numberFieldValue(m_lexer.Text())) {
            value = *converted;
            return true;
        }
    }
    m_lexer.ReportUnexpectedToken();
    return false;
}

bool CTemplateReader::ReadNumberInRange(int low, int high, int code, std::int32_t& value)
{
    if (!ReadNumber(false, value))
        return false;
    if (value >= low && value <= high)
        return true;
    m_lexer.ReportAtPosition(
        code, msg::message(code, {msg::numberText(value), msg::numberText(low), msg::numberText(high)}));
    return false;
}

bool CTemplateReader::ReadText(bool emptyByComma, bool emptyAtEnd, std::u16string& text)
{
    text.clear();
    if (!m_lexer.NextToken(true))
        return false;
    const TokenKind kind = m_lexer.Kind();
    if (emptyByComma && kind == TK_COMMA) {
        m_lexer.PushBack();
        return true;
    }
    if (emptyAtEnd && kind == TK_EOLN)
        return true;
    const std::u16string& token = m_lexer.Text();
    if (kind == TK_STRING && token.size() >= 2 && token.front() == u'"' && token.back() == u'"') {
        text = token.substr(1, token.size() - 2);
        return true;
    }
    m_lexer.ReportUnexpectedToken();
    return false;
}

bool CTemplateReader::ReadComma()
{
    if (!m_lexer.NextToken(true))
        return false;
    if (m_lexer.Kind() == TK_COMMA)
        return true;
    m_lexer.ReportUnexpectedToken();
    return false;
}

bool CTemplateReader::ParseTableSection(model::CS1_LangTable& table)
{
    if (!FindSectionKeyword(kTableKeyword, false))
        return false;
    std::int32_t schema = 0, font = 0, windowsLanguageId = 0, languageId = 0;
    std::u16string name;
    if (!ReadNumber(false, schema) || !ReadComma() || !ReadText(true, false, name) || !ReadComma() ||
        !ReadNumberInRange(model::KeyboardFonts::kFirstFont, model::KeyboardFonts::kLastFont,
                           msg::kInvalidFontNumber, font) ||
        !ReadComma() || !ReadNumber(false, windowsLanguageId) || !ReadComma() ||
        !ReadNumber(false, languageId))
        return false;

    model::TableHeader header;
    header.schema = schema;
    header.friendlyName = justifyText(
        name, model::KeyboardFonts::isTwoByte(font) ? kTwoByteNameWidth : kNameWidth, Justification::Centre);
    header.fontSlot = 0;
    model::TableMetadata metadata;
    metadata.font = font;
    metadata.windowsLanguageId = windowsLanguageId;
    metadata.versionCode = kTemplateVersionCode;
    metadata.readOnly = 0;
    metadata.firmwareMajor = kTemplateFirmwareMajor;
    metadata.firmwareMinor = kTemplateFirmwareMinor;
    metadata.languageId = languageId;
    table.SetHeader(header, metadata);
    return EndRecord(TK_EOLN);
}

bool CTemplateReader::ParseRecords(const char16_t* keyword, model::CS1_LangTable& table,
                                   bool (CTemplateReader::*record)(model::CS1_LangTable&))
{
    if (!FindSectionKeyword(keyword, false))
        return false;
    for (int records = 0;; ++records) {
        if (records == kMaxSectionRecords) {
            m_lexer.ReportAtPosition(
                msg::kTooManyRecords,
                msg::message(msg::kTooManyRecords, {msg::numberText(kMaxSectionRecords)}));
            return false;
        }
        if (!(this->*record)(table) || !EndRecord(TK_NUMBER))
            return false;
        if (m_lexer.Kind() == TK_EOLN)
            return true;
    }
}

bool CTemplateReader::ParseMetadataLabel(model::CS1_LangTable& table)
{
    std::int32_t number = 0;
    std::u16string text;
    if (!ReadNumber(false, number) || !ReadComma() || !ReadText(false, false, text))
        return false;
    table.SetMetadataLabel(number, text);
    return true;
}

bool CTemplateReader::ParseMenuName(model::CS1_LangTable& table)
{
    std::int32_t number = 0;
    std::u16string name;
    if (!ReadNumber(false, number) || !ReadComma() || !ReadText(false, false, name))
        return false;
    table.SetMenuName(number, name);
    return true;
}

bool CTemplateReader::ParseMenuRecord(model::CS1_LangTable& table)
{
    std::int32_t menu = 0, entryNumber = 0, number = 0, byte30 = 0, actionKind = 0, valueA = 0, valueB = 0;
    std::u16string label, line1, line2, line3;
    // The menu and entry numbers address the record in the image: they are
    // checked before anything is written.
    if (!ReadNumberInRange(kFirstMenu, kLastMenu, msg::kInvalidMenuNumber, menu) || !ReadComma() ||
        !ReadNumberInRange(kFirstEntry, kLastEntry, msg::kInvalidEntryNumber, entryNumber) || !ReadComma() ||
        !ReadNumber(false, number) || !ReadComma() || !ReadText(true, false, label) || !ReadComma() ||
        !ReadNumber(false, byte30) || !ReadComma() || !ReadNumber(false, actionKind) || !ReadComma() ||
        !ReadNumber(false, valueA) || !ReadComma() || !ReadNumber(true, valueB) || !ReadComma() ||
        !ReadText(true, false, line1) || !ReadComma() || !ReadText(true, false, line2) || !ReadComma() ||
        !ReadText(false, true, line3))
        return false;

    const bool twoByte = model::KeyboardFonts::isTwoByte(table.GetFont());
    const int width = twoByte ? kTwoByteEntryTextWidth : kEntryTextWidth;
    const Justification side =
        entryNumber < kFirstRightColumnEntry ? Justification::Left : Justification::Right;
    model::MenuEntry entry;
    entry.line1 = justifyText(line1, width, side);
    entry.line2 = justifyText(line2, width, side);
    // Font 5 has no third line; it is not written.
    entry.line3 = twoByte ? line3 : justifyText(line3, width, side);
    entry.byte30 = byte30;
    entry.actionKind = actionKind;
    entry.valueA = valueA;
    entry.valueB = valueB;
    model::MenuEntryInfo info;
    info.menu = menu;
    info.entry = entryNumber;
    info.number = number;
    info.label = label;
    info.edited = 0;
    table.SetMenuEntry(entry, info, false);
    return true;
}

bool CTemplateReader::ParseMetadataLabels(model::CS1_LangTable& table)
{
    return ParseRecords(kMetadataLabelsKeyword, table, &CTemplateReader::ParseMetadataLabel);
}

bool CTemplateReader::ParseMenuNames(model::CS1_LangTable& table)
{
    return ParseRecords(kMenuNamesKeyword, table, &CTemplateReader::ParseMenuName);
}

bool CTemplateReader::ParseMenus(model::CS1_LangTable& table)
{
    return ParseRecords(kMenusKeyword, table, &CTemplateReader::ParseMenuRecord);
}

} // namespace tarvo::templates
