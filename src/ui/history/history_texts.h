#pragma once
// The texts of the transfer history and the hand-over sheet's commands, used by name.

#include "platform/translatable_text.h"

#include <QString>
#include <QStringList>

namespace tarvo::ui::history_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "History";

inline constexpr Text kHistoryCommand{kContext, QT_TRANSLATE_NOOP("History", "Transfer &History...")};
inline constexpr Text kHistoryStatus{
    kContext,
    QT_TRANSLATE_NOOP("History", "Show every query, import, download and restore recorded on this computer")};
inline constexpr Text kHistoryTitle{kContext, QT_TRANSLATE_NOOP("History", "Transfer History")};
inline constexpr Text kDeviceLabel{kContext, QT_TRANSLATE_NOOP("History", "&Device:")};
inline constexpr Text kAllDevices{kContext, QT_TRANSLATE_NOOP("History", "All devices")};
inline constexpr Text kColumns[] = {
    {kContext, QT_TRANSLATE_NOOP("History", "Time")},     {kContext, QT_TRANSLATE_NOOP("History", "Program")},
    {kContext, QT_TRANSLATE_NOOP("History", "Command")},  {kContext, QT_TRANSLATE_NOOP("History", "Device")},
    {kContext, QT_TRANSLATE_NOOP("History", "Keyboard")}, {kContext, QT_TRANSLATE_NOOP("History", "Slots")},
    {kContext, QT_TRANSLATE_NOOP("History", "Result")},   {kContext, QT_TRANSLATE_NOOP("History", "Backup")},
};
inline QStringList columnTitles()
{
    QStringList titles;
    for (const Text& column : kColumns)
        titles << column.text();
    return titles;
}

inline constexpr Text kDamagedLines{
    kContext, QT_TRANSLATE_NOOP("History", "%1 damaged line(s) of the history were skipped.")};
inline constexpr Text kNoHistory{kContext, QT_TRANSLATE_NOOP("History", "No transfers recorded yet.")};
inline constexpr Text kOpenBackupHint{
    kContext, QT_TRANSLATE_NOOP("History", "Double-click a row that names a backup to open it.")};
inline constexpr Text kCannotRead{kContext,
                                  QT_TRANSLATE_NOOP("History", "The transfer history cannot be read:\n%1")};

inline constexpr Text kPrintCommand{kContext, QT_TRANSLATE_NOOP("History", "P&rint...")};
inline constexpr Text kPrintStatus{
    kContext, QT_TRANSLATE_NOOP("History", "Print the hand-over sheet of the active document")};
inline constexpr Text kExportPdfCommand{kContext, QT_TRANSLATE_NOOP("History", "&Export as PDF...")};
inline constexpr Text kExportPdfStatus{
    kContext, QT_TRANSLATE_NOOP("History", "Save the hand-over sheet of the active document as a PDF file")};
inline constexpr Text kExportPdfTitle{kContext, QT_TRANSLATE_NOOP("History", "Export as PDF")};
inline constexpr Text kPdfFilter{kContext, QT_TRANSLATE_NOOP("History", "PDF files (*.pdf)")};
inline constexpr Text kSheetSaved{kContext,
                                  QT_TRANSLATE_NOOP("History", "The hand-over sheet was saved to %1.")};
inline constexpr Text kSheetFailed{
    kContext, QT_TRANSLATE_NOOP("History", "The hand-over sheet could not be made:\n%1")};

} // namespace tarvo::ui::history_texts
