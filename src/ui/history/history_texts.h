#pragma once
// The texts of the transfer history and the hand-over sheet's commands, used by name.

#include <QString>
#include <QStringList>

namespace tarvo::ui::history_texts {

inline const QString kHistoryCommand = QStringLiteral("Transfer &History...");
inline const QString kHistoryStatus =
    QStringLiteral("Show every query, import, download and restore recorded on this computer");
inline const QString kHistoryTitle = QStringLiteral("Transfer History");
inline const QString kDeviceLabel = QStringLiteral("&Device:");
inline const QString kAllDevices = QStringLiteral("All devices");
inline const QStringList kColumns = {QStringLiteral("Time"),     QStringLiteral("Program"),
                                     QStringLiteral("Command"),  QStringLiteral("Device"),
                                     QStringLiteral("Keyboard"), QStringLiteral("Slots"),
                                     QStringLiteral("Result"),   QStringLiteral("Backup")};
inline const QString kDamagedLines = QStringLiteral("%1 damaged line(s) of the history were skipped.");
inline const QString kNoHistory = QStringLiteral("No transfers recorded yet.");
inline const QString kOpenBackupHint = QStringLiteral("Double-click a row that names a backup to open it.");
inline const QString kCannotRead = QStringLiteral("The transfer history cannot be read:\n%1");

inline const QString kPrintCommand = QStringLiteral("P&rint...");
inline const QString kPrintStatus = QStringLiteral("Print the hand-over sheet of the active document");
inline const QString kExportPdfCommand = QStringLiteral("&Export as PDF...");
inline const QString kExportPdfStatus =
    QStringLiteral("Save the hand-over sheet of the active document as a PDF file");
inline const QString kExportPdfTitle = QStringLiteral("Export as PDF");
inline const QString kPdfFilter = QStringLiteral("PDF files (*.pdf)");
inline const QString kSheetSaved = QStringLiteral("The hand-over sheet was saved to %1.");
inline const QString kSheetFailed = QStringLiteral("The hand-over sheet could not be made:\n%1");

} // namespace tarvo::ui::history_texts
