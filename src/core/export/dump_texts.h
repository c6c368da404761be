#pragma once
// The texts of the two dump dialogs, as their users know them.

#include <array>
#include <string_view>

namespace tarvo::dump::texts {

inline constexpr std::u16string_view kDumpDialogTitle = u"Dump S Records";
inline constexpr std::u16string_view kIconicDumpDialogTitle = u"Dump Iconic Language S Records";
inline constexpr std::u16string_view kDumpNothing = u"(dump nothing)";
// Why a dump was not written; file names and lines are data.
inline constexpr std::u16string_view kOutputFileNotSpecified = u"Error: Output File not specified.";
inline constexpr std::u16string_view kNoTableAtPosition =
    u"position %d: the document has no table %d (it has %d)";
inline constexpr std::u16string_view kImageSize = u"table %d: its image holds %d bytes, not %d";
inline constexpr std::u16string_view kFileAndReason = u"%s: %s";
inline constexpr std::u16string_view kNotRegularFile = u"%s: is not a regular file";
inline constexpr std::u16string_view kIsTheFontFile = u"%s: is the iconic font file itself";
inline constexpr std::u16string_view kPreambleWithSRecords =
    u"the iconic font preamble goes with S-records only";
inline constexpr std::u16string_view kNothingSelected = u"no language table selected: nothing to dump";
inline constexpr std::u16string_view kFontLine = u"%s:%d: %s";
inline constexpr std::u16string_view kNotHexDigit = u"%s at column %d is not a hexadecimal digit";
inline constexpr std::u16string_view kLineLength = u"the line holds %d characters, not %d hexadecimal digits";
inline constexpr std::u16string_view kTooManyFontLines =
    u"more than %d lines: the font would pass address 0x0FFFFF";
inline constexpr std::u16string_view kFontFileEmpty = u"%s: the iconic font file holds no lines";
inline constexpr std::u16string_view kFontFileUnread = u"iconic font file %s";
inline constexpr std::array<std::u16string_view, 14> kFailures = {kOutputFileNotSpecified,
                                                                  kNoTableAtPosition,
                                                                  kImageSize,
                                                                  kFileAndReason,
                                                                  kNotRegularFile,
                                                                  kIsTheFontFile,
                                                                  kPreambleWithSRecords,
                                                                  kNothingSelected,
                                                                  kFontLine,
                                                                  kNotHexDigit,
                                                                  kLineLength,
                                                                  kTooManyFontLines,
                                                                  kFontFileEmpty,
                                                                  kFontFileUnread};

inline constexpr std::u16string_view kDumpFilter =
    u"S19 Files (*.s19)|*.s19|Mem Map Block Files (*.mmb)|*.mmb|Mem Map Detail Files (*.mmd)|*.mmd|"
    u"All Files (*.*)|*.*||";
inline constexpr std::u16string_view kIconicDumpFilter =
    u"S19 Files (*.s20)|*.s20|Mem Map Block Files (*.mmb)|*.mmb|Mem Map Detail Files (*.mmd)|*.mmd|"
    u"All Files (*.*)|*.*||";

inline constexpr std::u16string_view kSRecordExtension = u"s19";
inline constexpr std::u16string_view kIconicSRecordExtension = u"s20";
inline constexpr std::u16string_view kBlockMapExtension = u"mmb";

// The font file the iconic preamble reads, looked for in the current directory.
inline constexpr std::string_view kIconicFontFileName = "Iconic_font.FT";

} // namespace tarvo::dump::texts
