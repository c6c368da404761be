#pragma once
// The texts of the transfer dialogs, used by name.

#include <QString>

namespace tarvo::ui::transfer_texts {

// The reminder shown before a download or an import.
inline const QString kReminderCaption = QStringLiteral("Reminder");
inline const QString kReminder = QStringLiteral(
    "Before proceeding further, please ensure that following steps have been followed:\n\n"
    "1. Select a COM port.\n"
    "2. Connect the COM port to the keyboard with the RS-232 cable.\n"
    "3. Place the keyboard in \"bootloader\" mode.\n"
    "4. Please press \"Yes\" to proceed  else press \"Cancel\".\n\n"
    "Refer to the ReadMe file for more information on placing the keyboard in \"bootloader\" mode.");

// The slot dialogs.
inline const QString kDownloadTitle = QStringLiteral("Download");
inline const QString kDownloadRow = QStringLiteral("%1 Keyboard Language Table #%2");
inline const QString kDownloadCaption = QStringLiteral("Select modified Language Table(s) to transfer");
inline const QString kDownloadButton = QStringLiteral("&Download");
inline const QString kImportTitle = QStringLiteral("Import Language Table From Keyboard");
inline const QString kImportRow = QStringLiteral("Keyboard Language Table #%1 %2");
inline const QString kImportButton = QStringLiteral("&Import Script");
inline const QString kCancelButton = QStringLiteral("&Cancel");
inline const QChar kRowMarker = QChar(0x25BA);
inline const QString kNothingChosen = QStringLiteral("Please select the language to be imported");
inline const QString kIncompleteNotImported = QStringLiteral(
    "Keyboard language table #%1 is incomplete: a write of it was interrupted, so it cannot be "
    "imported. Write it again first.");
// The document's own tables, offered for every slot the keyboard can take a table in.
inline const QString kDocumentTableEntry = QStringLiteral("%1 (document table %2, as stored)");

// The download's safeguards.
inline const QString kBackupOption = QStringLiteral("&Back up the keyboard's tables first");
inline const QString kAsStoredOption = QStringLiteral("Write the tables &as stored (restore a backup)");
inline const QString kVerifyOption = QStringLiteral("&Verify after writing");

// The Transfer and Read dialogs.
inline const QString kTransferTitle = QStringLiteral("Transfer Language Table");
inline const QString kReadTitle = QStringLiteral("Read Language Table From Keyboard");
inline const QString kCurrentBlock = QStringLiteral("Current Block:");
inline const QString kBlockCount = QStringLiteral("%1 of %2");
inline const QString kBlockCountBlank = QStringLiteral("#### of ####");
inline const QString kRate = QStringLiteral("%1 blocks/s, %2 left");
inline const QString kWaitingForKeyboard = QStringLiteral("waiting for the keyboard for %1 s");
inline const QString kVerifying = QStringLiteral("Verifying Language Tables:");
inline const QString kButtonCancel = QStringLiteral("Cancel");
inline const QString kButtonOk = QStringLiteral("OK");
inline const QString kTransferComplete = QStringLiteral("Transfer Complete");

// The Query dialog.
inline const QString kQueryTitle = QStringLiteral("Query Keyboard");
inline const QString kQueryGroup = QStringLiteral("Language Tables");
inline const QString kQueryHeading =
    QStringLiteral("  Table Description          Schema     Font         Version     Language ID");

// What the editor adds after a transfer.
inline const QString kDownloadSummary = QStringLiteral("Transfer Complete: %1 written, %2 unchanged%3.");
inline const QString kVerifiedSuffix = QStringLiteral(", verified");
inline const QString kAlreadyHeld =
    QStringLiteral("The keyboard already holds these tables: nothing was written (%1 unchanged).");
inline const QString kAlreadyHeldShort = QStringLiteral("The keyboard already holds these tables");

// The one box a failed transfer shows: what happened, the slots it left
// incomplete, and where the backup saved before the write lies.
inline const QString kTransferCancelled = QStringLiteral("The transfer was cancelled.");
inline const QString kBackupSavedAt =
    QStringLiteral("The keyboard's tables were saved before the write, in the backup:\n%1");

// The question before a slot an interrupted write left is erased, when no
// record of that write proves what the slot held.
inline const QString kRecoveryCaption = QStringLiteral("Interrupted Write");
inline const QString kRecoveryQuestion = QStringLiteral(
    "Keyboard language table #%1 was left by an interrupted write, and no remembered write proves what it "
    "held. Nothing has been erased.\n\n"
    "Yes: recover from a backup. Choose the backup; its table of this slot keeps the keyboard's own menus, "
    "and the document's edited entries are merged into it.\n"
    "No: write the document's table as stored. The keyboard's own menus in this slot are lost.\n"
    "Cancel: erase nothing.");
inline const QString kRecoveryBackupTitle = QStringLiteral("Recover from Backup");
// After a download that wrote a slot again.
inline const QString kMenusFromBackup =
    QStringLiteral("Keyboard language table #%1 was written again: the keyboard's menus were taken from the "
                   "backup of %2 (%3).");
inline const QString kMenusFromRecord =
    QStringLiteral("Keyboard language table #%1 was written again: the keyboard's menus were taken from the "
                   "write of %2 that was interrupted.");
inline const QString kWrittenAsStored =
    QStringLiteral("Keyboard language table #%1 was written again with the document's table as stored.");
inline const QString kTableNotHeld = QStringLiteral(
    "No keyboard language table holds the document's table %1 (language %2). Blank slots that could take "
    "it: %3.");
inline const QString kTableNotHeldNoBlank =
    QStringLiteral("No keyboard language table holds the document's table %1 (language %2).");
// The failure box of a write left incomplete.
inline const QString kWhatToDoFromBackup = QStringLiteral(
    "Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard's menus "
    "will come from the backup:\n%1");
inline const QString kWhatToDoFromRecord = QStringLiteral(
    "Check the cable and that the keyboard is in bootloader mode, then Download again: the keyboard's menus "
    "will come from the record of this write.");

// Transfer > Restore Keyboard from Backup...
inline const QString kRestoreCommand = QStringLiteral("&Restore Keyboard from Backup...");
inline const QString kRestoreTitle = QStringLiteral("Restore Keyboard from Backup");
inline const QString kRestoreCaption =
    QStringLiteral("The backup's tables go back into the keyboard language tables they came from, as stored");
inline const QString kRestoreFilter = QStringLiteral("TVO Documents (*.tvo)");
inline const QString kNoRecordedSlots = QStringLiteral(
    "%1 records no keyboard language table its tables came from, so it is no backup to restore. "
    "Open it and use Download Script Menu instead.");
inline const QString kRestoredFrom = QStringLiteral("Written back from the backup %1:");

} // namespace tarvo::ui::transfer_texts
