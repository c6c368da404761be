#include "transfer/message_catalogue.h"

#include "document/doc_texts.h"
#include "document/entry_action_text.h"
#include "document/entry_edit_texts.h"
#include "export/dump_texts.h"
#include "history/history_rows.h"
#include "io/atomic_file.h"
#include "serial/comm_settings_tables.h"
#include "serial/network_port_address.h"
#include "templates/template_messages.h"
#include "transfer/choice_texts.h"
#include "transfer/download_preview.h"
#include "transfer/job_texts.h"
#include "transfer/read_session.h"
#include "transfer/session_texts.h"
#include "transfer/slot_inspection_session.h"
#include "transfer/write_session.h"

namespace tarvo::transfer {

std::vector<std::u16string_view> editorMessagePatterns()
{
    std::vector<std::u16string_view> patterns = {
        // The sessions: their ends, progress and status lines, their question.
        texts::kPortCannotBeOpened, texts::kCommunicationError, texts::kCommandError,
        texts::kTransferTimedOut, texts::kInternalErrorText, texts::kInternalErrorCode,
        texts::kNoCommunication, texts::kPortLost, texts::kNoKeyboardId, texts::kPortLocked,
        texts::kNotInitialised, texts::kNoTimer, texts::kWrongModel, texts::kBootloaderRepliesUnfit,
        texts::kEstablishingConnection, texts::kPingingKeyboard, texts::kPingSuffix19200,
        texts::kPingSuffix57600, texts::kPongReceived, texts::kFlashingSector, texts::kSectorFlashed,
        texts::kReadingKeyboardId, texts::kKeyboardIdReceived, texts::kBlockOf, texts::kTransferComplete,
        texts::kErrorMarker, texts::kStatusPinging19200, texts::kStatusPinging57600, kReadingTableInformation,
        kReadingScriptMenus, kTableLineNewTable, kNewLanguageTable, kTableLineDocumentTable,
        kMergeReadComplete, kBadChecksum, kCancelDownloadQuestion, kTransferringTable, kSlotIncomplete,
        kImageNotWhole, kRecordNotStored, kSlotNotInKeyboard, kOldTablesInSlotOne, kEntryDoNotDownload,
        kEntryFlashBlank,
        // The choice of slots, in the dialogs' wording, and the merge.
        texts::kTooFewSlots, texts::kNothingChosen, texts::kNoSlots, texts::kNoTables,
        texts::kSharedTableDialog, texts::kNoSuchTableDialog, texts::kNothingToMatchDialog,
        texts::kNoTableOfLanguageDialog, texts::kSameSourceDialog, texts::kNoSourceDialog,
        texts::kNoTableFromSlotDialog, texts::kOldTableSlot, texts::kImportIncomplete,
        texts::kImportNothingHeld, texts::kImportNoTemplateTable, texts::kNotReadCompletely,
        texts::kReadsErased, texts::kMergeFailed, texts::kDiffers, texts::kNothingRead,
        // How a job ended where no session said it.
        texts::kCancelled, texts::kCancelledBecause, texts::kSessionFailed, texts::kPortSaid,
        texts::kNotEveryBlock, texts::kNothingErased, texts::kWrittenNotVerified, texts::kNotErasedBecause,
        texts::kReadFailed, texts::kReadFailedNothingErased, texts::kVerifyReadFailed,
        // Documents.
        document::texts::kNewerSchema, document::texts::kOldFirmware, document::texts::kDamaged,
        document::texts::kEmptyFile, document::texts::kTemplateNotDocument, document::texts::kNotADocument,
        document::texts::kImageNotWhole, document::texts::kNothingRead, document::texts::kTablesNotMade,
        document::texts::kNoTemplateTableOfLanguage, document::texts::kTableNotCopied,
        document::texts::kOutOfMemory, document::texts::kNameExists, document::texts::kDroppedEntryRecords,
        // The dump dialogs.
        dump::texts::kDumpDialogTitle, dump::texts::kIconicDumpDialogTitle, dump::texts::kDumpNothing,
        // A slot's list entries.
        kIncompleteNote, kInterruptedBlankNote,
        // The jobs' notices, why a backup was not saved, and writing again what an interrupted write left.
        texts::kSkippedNoTemplateTable, texts::kSkippedIncomplete, texts::kSlotUnchanged,
        texts::kNothingToBackUp, texts::kBackupNotWritten, texts::kBackupSavedOne, texts::kBackupSavedMany,
        texts::kNoBackupPlace, texts::kBackupNotMade, texts::kBackupUnreadable, texts::kBackupOtherLanguage,
        texts::kBackupTableErased, texts::kBackupNoTable, texts::kNoBackupBefore, texts::kCannotRecover,
        texts::kLeftBlankAssumed, texts::kLeftIncomplete, texts::kMergedIntoBackup, texts::kMergedIntoRecord,
        texts::kWrittenAsAsked, texts::kSeveralBlank, texts::kSeveralIncomplete, texts::kBlankNoRecord,
        texts::kIncompleteNoRecord, texts::kRecoveryWays, texts::kEarlierBackups};
    for (const std::u16string_view pattern : templates::msg::allPatterns())
        patterns.push_back(pattern);
    // The COM port settings: the lists' words and the range messages.
    for (const serial::ParityEntry& entry : serial::kParities)
        patterns.push_back(entry.text);
    for (const std::u16string_view text : serial::kHandshakings)
        patterns.push_back(text);
    for (const std::u16string_view text : serial::kInputModes)
        patterns.push_back(text);
    for (const serial::FieldRange& range : serial::kFieldRanges)
        patterns.push_back(range.rangeMessage);
    // What the list of a download's preview says of each slot.
    for (const std::u16string_view pattern :
         {texts::kPlanRefused, texts::kPlanUnchanged, texts::kPlanFromBackup, texts::kPlanFromRecord,
          texts::kPlanAsStored, texts::kPlanOneChange, texts::kPlanChanges, texts::kPlanHowAndChanges})
        patterns.push_back(pattern);
    // Why the menu editors refuse an edit.
    for (const std::u16string_view text : document::texts::kEntryEditPatterns)
        patterns.push_back(text);
    // An entry's action, in the list of what a download changes.
    for (const std::u16string_view text : document::texts::kEntryActionPatterns)
        patterns.push_back(text);
    // The transfer history's rows.
    for (const std::u16string_view text :
         {history::texts::kUnfinished, history::texts::kNotWritten, history::texts::kKeyboardLine,
          history::texts::kSlotOutcome, history::texts::kComplete, history::texts::kExit,
          history::texts::kExitBecause})
        patterns.push_back(text);
    for (const std::u16string_view word : history::texts::kOutcomeWords)
        patterns.push_back(word);
    // The COM port's failures and the console's event names.
    for (const std::u16string_view text : serial::portMessagePatterns())
        patterns.push_back(text);
    for (const std::u16string_view text : serial::address_texts::kAll)
        patterns.push_back(text);
    // Why a file could not be read or written, and why a dump was not.
    for (const std::u16string_view text : io::file_texts::kAll)
        patterns.push_back(text);
    for (const std::u16string_view text : dump::texts::kFailures)
        patterns.push_back(text);
    return patterns;
}

} // namespace tarvo::transfer
