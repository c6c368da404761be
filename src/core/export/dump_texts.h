#pragma once
// The texts of the two dump dialogs, as their users know them.

#include <string_view>

namespace tarvo::dump::texts {

inline constexpr std::u16string_view kDumpDialogTitle = u"Dump S Records";
inline constexpr std::u16string_view kIconicDumpDialogTitle = u"Dump Iconic Language S Records";
inline constexpr std::u16string_view kDumpNothing = u"(dump nothing)";
// The dump reports its failures as UTF-8 text (they name files).
inline constexpr std::string_view kOutputFileNotSpecified = "Error: Output File not specified.";

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
