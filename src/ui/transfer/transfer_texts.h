#pragma once
// The texts of the transfer dialogs, used by name.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::ui::transfer_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Transfer";

// The reminder shown before a download or an import.
inline constexpr Text kReminderCaption{kContext, QT_TRANSLATE_NOOP("Transfer", "Reminder")};
inline constexpr Text kReminder{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer",
        "Before proceeding further, please ensure that following steps have been followed:\n\n"
        "1. Select a COM port.\n"
        "2. Connect the COM port to the keyboard with the RS-232 cable.\n"
        "3. Place the keyboard in \"bootloader\" mode.\n"
        "4. Please press \"Yes\" to proceed  else press \"Cancel\".\n\n"
        "Refer to the ReadMe file for more information on placing the keyboard in \"bootloader\" mode.")};

// The slot dialogs.
inline constexpr Text kDownloadTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Download")};
inline constexpr Text kDownloadRow{kContext, QT_TRANSLATE_NOOP("Transfer", "%1 Keyboard Language Table #%2")};
inline constexpr Text kDownloadCaption{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Select modified Language Table(s) to transfer")};
inline constexpr Text kDownloadButton{kContext, QT_TRANSLATE_NOOP("Transfer", "&Download")};
inline constexpr Text kImportTitle{kContext,
                                   QT_TRANSLATE_NOOP("Transfer", "Import Language Table From Keyboard")};
inline constexpr Text kImportRow{kContext, QT_TRANSLATE_NOOP("Transfer", "Keyboard Language Table #%1 %2")};
inline constexpr Text kImportButton{kContext, QT_TRANSLATE_NOOP("Transfer", "&Import Script")};
inline constexpr Text kCancelButton{kContext, QT_TRANSLATE_NOOP("Transfer", "&Cancel")};
inline const QChar kRowMarker = QChar(0x25BA);
inline constexpr Text kNothingChosen{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Please select the language to be imported")};
inline constexpr Text kIncompleteNotImported{
    kContext, QT_TRANSLATE_NOOP(
                  "Transfer",
                  "Keyboard language table #%1 is incomplete: a write of it was interrupted, so it cannot be "
                  "imported. Write it again first.")};
// The document's own tables, offered for every slot the keyboard can take a table in.
inline constexpr Text kDocumentTableEntry{kContext,
                                          QT_TRANSLATE_NOOP("Transfer", "%1 (document table %2, as stored)")};

// The download's safeguards.
inline constexpr Text kBackupOption{kContext,
                                    QT_TRANSLATE_NOOP("Transfer", "&Back up the keyboard's tables first")};
inline constexpr Text kAsStoredOption{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Write the tables &as stored (restore a backup)")};
inline constexpr Text kVerifyOption{kContext, QT_TRANSLATE_NOOP("Transfer", "&Verify after writing")};

// The Transfer and Read dialogs.
inline constexpr Text kTransferTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Transfer Language Table")};
inline constexpr Text kReadTitle{kContext,
                                 QT_TRANSLATE_NOOP("Transfer", "Read Language Table From Keyboard")};
inline constexpr Text kCurrentBlock{kContext, QT_TRANSLATE_NOOP("Transfer", "Current Block:")};
inline constexpr Text kBlockCount{kContext, QT_TRANSLATE_NOOP("Transfer", "%1 of %2")};
inline constexpr Text kBlockCountBlank{kContext, QT_TRANSLATE_NOOP("Transfer", "#### of ####")};
inline constexpr Text kRate{kContext, QT_TRANSLATE_NOOP("Transfer", "%1 blocks/s, %2 left")};
inline constexpr Text kWaitingForKeyboard{kContext,
                                          QT_TRANSLATE_NOOP("Transfer", "waiting for the keyboard for %1 s")};
inline constexpr Text kVerifying{kContext, QT_TRANSLATE_NOOP("Transfer", "Verifying Language Tables:")};
inline constexpr Text kButtonCancel{kContext, QT_TRANSLATE_NOOP("Transfer", "Cancel")};
inline constexpr Text kButtonOk{kContext, QT_TRANSLATE_NOOP("Transfer", "OK")};
inline constexpr Text kTransferComplete{kContext, QT_TRANSLATE_NOOP("Transfer", "Transfer Complete")};

// The Query dialog.
inline constexpr Text kQueryTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Query Keyboard")};
inline constexpr Text kQueryGroup{kContext, QT_TRANSLATE_NOOP("Transfer", "Language Tables")};
//: The column headings, each parted from the next by two spaces or more.
inline constexpr Text kQueryHeading{
    kContext,
    QT_TRANSLATE_NOOP("Transfer",
                      "  Table Description          Schema     Font         Version     Language ID")};

// What the editor adds after a transfer.
inline constexpr Text kDownloadSummary{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Transfer Complete: %1 written, %2 unchanged%3.")};
inline constexpr Text kVerifiedSuffix{kContext, QT_TRANSLATE_NOOP("Transfer", ", verified")};
inline constexpr Text kAlreadyHeld{
    kContext,
    QT_TRANSLATE_NOOP("Transfer",
                      "The keyboard already holds these tables: nothing was written (%1 unchanged).")};
inline constexpr Text kAlreadyHeldShort{
    kContext, QT_TRANSLATE_NOOP("Transfer", "The keyboard already holds these tables")};

// The one box a failed transfer shows: what happened, the slots it left
// incomplete, and where the backup saved before the write lies.
inline constexpr Text kTransferCancelled{kContext,
                                         QT_TRANSLATE_NOOP("Transfer", "The transfer was cancelled.")};
inline constexpr Text kBackupSavedAt{
    kContext,
    QT_TRANSLATE_NOOP("Transfer", "The keyboard's tables were saved before the write, in the backup:\n%1")};

// The question before a slot an interrupted write left is erased, when no
// record of that write proves what the slot held.
inline constexpr Text kRecoveryCaption{kContext, QT_TRANSLATE_NOOP("Transfer", "Interrupted Write")};
inline constexpr Text kRecoveryQuestion{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer",
        "Keyboard language table #%1 was left by an interrupted write, and no remembered write proves what "
        "it "
        "held. Nothing has been erased.\n\n"
        "Yes: recover from a backup. Choose the backup; its table of this slot keeps the keyboard's own "
        "menus, "
        "and the document's edited entries are merged into it.\n"
        "No: write the document's table as stored. The keyboard's own menus in this slot are lost.\n"
        "Cancel: erase nothing.")};
inline constexpr Text kRecoveryBackupTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Recover from Backup")};
// After a download that wrote a slot again.
inline constexpr Text kMenusFromBackup{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer", "Keyboard language table #%1 was written again: the keyboard's menus were taken from the "
                    "backup of %2 (%3).")};
inline constexpr Text kMenusFromRecord{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer", "Keyboard language table #%1 was written again: the keyboard's menus were taken from the "
                    "write of %2 that was interrupted.")};
inline constexpr Text kWrittenAsStored{
    kContext,
    QT_TRANSLATE_NOOP("Transfer",
                      "Keyboard language table #%1 was written again with the document's table as stored.")};
inline constexpr Text kTableNotHeld{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer",
        "No keyboard language table holds the document's table %1 (language %2). Blank slots that could take "
        "it: %3.")};
inline constexpr Text kTableNotHeldNoBlank{
    kContext,
    QT_TRANSLATE_NOOP("Transfer", "No keyboard language table holds the document's table %1 (language %2).")};
// The failure box of a write left incomplete.
inline constexpr Text kWhatToDoFromBackup{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Check the cable and that the keyboard is in bootloader mode, "
                                            "then Download again: the keyboard's menus "
                                            "will come from the backup:\n%1")};
inline constexpr Text kWhatToDoFromRecord{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Check the cable and that the keyboard is in bootloader mode, "
                                            "then Download again: the keyboard's menus "
                                            "will come from the record of this write.")};

// What a download would change, listed before the write (the Read dialog)
// and by Compare with Keyboard.
inline constexpr Text kPreviewEntryColumn{kContext, QT_TRANSLATE_NOOP("Transfer", "Entry")};
inline constexpr Text kPreviewSideColumn{kContext, QT_TRANSLATE_NOOP("Transfer", "Held by")};
inline constexpr Text kPreviewLineColumn{kContext, QT_TRANSLATE_NOOP("Transfer", "Line %1")};
inline constexpr Text kPreviewActionColumn{kContext, QT_TRANSLATE_NOOP("Transfer", "Action")};
inline constexpr Text kPreviewKeyboardSide{kContext, QT_TRANSLATE_NOOP("Transfer", "Keyboard")};
inline constexpr Text kPreviewNewSide{kContext, QT_TRANSLATE_NOOP("Transfer", "New")};
inline constexpr Text kPreviewEntryName{kContext, QT_TRANSLATE_NOOP("Transfer", "Menu %1, entry %2")};
//: %3: what happens to the table and how many of its entries change, e.g. "written as stored, 2 entries
//: change".
inline constexpr Text kPreviewHeading{kContext,
                                      QT_TRANSLATE_NOOP("Transfer", "Keyboard Language Table #%1 %2: %3")};
inline constexpr Text kPreviewAllHeld{
    kContext, QT_TRANSLATE_NOOP("Transfer", "The keyboard already holds the document's entries.")};
inline constexpr Text kPreviewOkOrCancel{
    kContext,
    QT_TRANSLATE_NOOP("Transfer",
                      "OK erases these keyboard language tables and writes them. Cancel erases nothing.")};

// Transfer > Compare with Keyboard...
inline constexpr Text kCompareCommand{kContext, QT_TRANSLATE_NOOP("Transfer", "Co&mpare with Keyboard...")};
inline constexpr Text kCompareTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Compare with Keyboard")};
inline constexpr Text kCompareTip{
    kContext, QT_TRANSLATE_NOOP(
                  "Transfer", "Show what a download would change in the keyboard, without writing anything")};
inline constexpr Text kCompareButton{kContext, QT_TRANSLATE_NOOP("Transfer", "Co&mpare")};
inline constexpr Text kCompareCaption{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Select the Language Table(s) to compare with the document")};
inline constexpr Text kCompareDone{kContext, QT_TRANSLATE_NOOP("Transfer", "Comparison Complete")};
inline constexpr Text kCompareNothingWritten{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Nothing was written to the keyboard.")};

// Transfer > Restore Keyboard from Backup...
inline constexpr Text kRestoreCommand{kContext,
                                      QT_TRANSLATE_NOOP("Transfer", "&Restore Keyboard from Backup...")};
inline constexpr Text kRestoreTitle{kContext, QT_TRANSLATE_NOOP("Transfer", "Restore Keyboard from Backup")};
inline constexpr Text kRestoreCaption{
    kContext, QT_TRANSLATE_NOOP(
                  "Transfer",
                  "The backup's tables go back into the keyboard language tables they came from, as stored")};
inline constexpr Text kRestoreFilter{kContext, QT_TRANSLATE_NOOP("Transfer", "TVO Documents (*.tvo)")};
inline constexpr Text kNoRecordedSlots{
    kContext,
    QT_TRANSLATE_NOOP(
        "Transfer",
        "%1 records no keyboard language table its tables came from, so it is no backup to restore. "
        "Open it and use Download Script Menu instead.")};
inline constexpr Text kRestoredFrom{kContext,
                                    QT_TRANSLATE_NOOP("Transfer", "Written back from the backup %1:")};

// transfer_commands.cpp.
inline constexpr Text kImport{kContext, QT_TRANSLATE_NOOP("Transfer", "&Import...")};
inline constexpr Text kCreateANewDocumentFrom{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Create a new document from the keyboard's language tables")};
inline constexpr Text kQueryKeyboard{kContext, QT_TRANSLATE_NOOP("Transfer", "&Query Keyboard...")};
inline constexpr Text kShowTheLanguageTablesThe{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Show the language tables the keyboard holds")};
inline constexpr Text kDownloadScriptMenu{kContext,
                                          QT_TRANSLATE_NOOP("Transfer", "&Download Script Menu...")};
inline constexpr Text kWriteTheDocumentSLanguage{
    kContext, QT_TRANSLATE_NOOP("Transfer", "Write the document's language tables into the keyboard")};
inline constexpr Text kWriteABackupSTables{
    kContext,
    QT_TRANSLATE_NOOP("Transfer", "Write a backup's tables back into the keyboard slots they came from")};

// transfer_job_host.cpp.
inline constexpr Text kReadingScriptMenus{kContext, QT_TRANSLATE_NOOP("Transfer", "Reading Script Menus:")};

// catalogue_tables.h.
//: Why no backup could be made; "; nothing was erased" follows.
inline constexpr Text kNoBackupTemplate{
    kContext, QT_TRANSLATE_NOOP("Transfer", "no template to make the backup document from")};

} // namespace tarvo::ui::transfer_texts
