#pragma once
// The texts of the template reader and the catalogue, one table of id -> text,
// used by name. "%s", "%d" and "%c" are filled in order by formatMessage.

#include "io/message_pattern.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::templates::msg {

inline constexpr int kTemplatePattern = 11301; // "%s\\*.LT%d"
inline constexpr int kNoValidTemplates = 11801;
inline constexpr int kTooManyDocuments = 11804;

inline constexpr int kIllegalCharacter = 12000;
inline constexpr int kUnexpectedEndOfLine = 12001;
inline constexpr int kUnexpectedToken = 12002;
inline constexpr int kPositionText = 12003;
inline constexpr int kInvalidSchema = 12004;
inline constexpr int kUnexpectedTokenAtEndOfLine = 12005;
inline constexpr int kNoByteOrderMark = 12006;

inline constexpr int kFileExceptionCode = 12100;
inline constexpr int kNewDocumentFailed = 12101;
inline constexpr int kCannotOpen = 12103;
inline constexpr int kCauseUnspecified = 12104;
inline constexpr int kCauseNotFound = 12105;
inline constexpr int kCauseBadPath = 12106;
inline constexpr int kCauseTooManyOpenFiles = 12107;
inline constexpr int kCauseAccessDenied = 12108;
inline constexpr int kCauseInvalidFile = 12109;
inline constexpr int kCauseBadSeek = 12110;
inline constexpr int kCauseHardware = 12111;
inline constexpr int kCauseSharingViolation = 12112;
inline constexpr int kCauseLockViolation = 12113;
inline constexpr int kCauseEndOfFile = 12114;
inline constexpr int kCannotRead = 12115;

// Situations the reader reports beyond the original message family.
inline constexpr int kTooManyLines = 12116;
inline constexpr int kTooManyRecords = 12117;
inline constexpr int kInvalidMenuNumber = 12118;
inline constexpr int kInvalidEntryNumber = 12119;
inline constexpr int kInvalidFontNumber = 12120;
inline constexpr int kCauseTooLarge = 12121;
inline constexpr int kCausePartialCharacter = 12122;
inline constexpr int kTooManyTables = 12123;

// The text of an id; empty for an unknown id.
const std::u16string& messageText(int id);

// The text of id with its "%s", "%d" and "%c" filled by args in order.
std::u16string formatMessage(int id, std::initializer_list<std::u16string> args = {});
// The same as a message, translated where it is shown.
messages::Message message(int id, std::vector<messages::Argument> args = {});
// Every pattern of the table, for the check that each has a translation.
std::vector<std::u16string_view> allPatterns();

// Decimal text of a number, for the "%d" arguments.
inline std::u16string numberText(long long value)
{
    return messages::number(value);
}

} // namespace tarvo::templates::msg
