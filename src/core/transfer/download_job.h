#pragma once
// DownloadJob: a document's tables into the keyboard. After the inspection it
// waits for the slot choice; then everything that can be checked is checked
// before the first erase, the chosen slots are read (to merge their script
// menus, to back them up), the backup is saved, slots that already hold
// their image are left alone, the rest are written, and with verify read
// back and compared. A slot an interrupted write left is never merged: the
// document's edits go into what the record that applies (or the backup the
// user names) holds, or nothing is erased (recovery.h). A preview stops
// where the first erase would come and says what the write would change.

#include "document/doc.h"
#include "transfer/download_choice.h"
#include "transfer/download_plan.h"
#include "transfer/download_preview.h"
#include "transfer/job_sources.h"
#include "transfer/read_session.h"
#include "transfer/recovery.h"
#include "transfer/transfer_job.h"
#include "transfer/write_session.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tarvo::transfer {

// Where the backup named by a choice is saved (null: a file written whole, never replacing one).
using BackupSaverMaker = std::function<std::unique_ptr<DocumentSaver>(const std::string& path)>;

// What the front end gives the job before the choice.
struct DownloadJobSetup {
    // The template a backup document is made from; outlives the job.
    TableSource* backupTables = nullptr;
    BackupSaverMaker backupSaver;
    int portIndex = 0; // the port (0-based) the backup document records
    // How refusals name slots and tables.
    Wording wording = Wording::CommandLine;
};

// The answer to JobListener::recoveryQuestion().
struct RecoveryAnswer {
    enum class Way { FromBackup, AsStored, Cancel };
    Way way = Way::Cancel;
    std::string backupPath; // FromBackup: the backup whose table of the slot is merged into
};

class DownloadJob final : public TransferJob {
public:
    // doc outlives the job; the keyboard's script menus are merged into it
    // before the write (a front end that keeps its document as it was hands
    // over a copy).
    DownloadJob(JobLine line, JobListener& listener, JobOptions options, document::CS1_Doc& doc,
                DownloadJobSetup setup);
    ~DownloadJob() override;

    // The answer to JobListener::slotChoiceNeeded(): the slots, their
    // sources and the safeguards, all at once.
    void choose(DownloadChoice choice);
    // The answer to JobListener::mergeReadDone(): merge (where a slot
    // merges) and go on to the write.
    void continueAfterMerge();
    // The answer to JobListener::recoveryQuestion().
    void answerRecovery(const RecoveryAnswer& answer);

    // Known once the write is prepared.
    int writtenCount() const { return m_prepared.writeCount(); }
    int unchangedCount() const { return m_prepared.unchangedCount(); }
    bool verified() const { return m_verified; }
    // The merge has replaced document tables (the keyboard's menus, or a backup's, with its edits).
    bool merged() const { return m_merged; }
    // The merged tables went on to the write: the document differs from its
    // file and should be saved (a merge cancelled before the write leaves
    // its tables replaced but not modified).
    bool documentModified() const { return m_documentModified; }
    // The backup this download saved (an absolute path), empty when none.
    const std::string& backupSaved() const { return m_backupSaved; }
    // How slot (1-based) is written after an interrupted write; None for an ordinary slot.
    Recovery recovery(int slot) const;
    // Where its merge source came from (the backup, the time of the write recovered).
    const RecoverySource& recoverySource(int slot) const;
    // A choice with previewOnly: what the download would do, once the job
    // has ended complete, or refused with the plan of every slot found.
    // Held before the first erase (mergeReadDone): what the write would
    // change. The document stays as it is for a preview.
    const DownloadPreview& preview() const { return m_preview; }

    // A question about this and other keyboards (Cancel all): the write, if
    // one is under way, holds still until answerCancel(); false when there
    // is no write to hold.
    bool holdWriteForQuestion();
    // The slots (1-based) a cancel now would leave incomplete: erased, their end of data not yet
    // acknowledged.
    std::vector<int> slotsACancelLeavesIncomplete() const;

protected:
    void sessionFinished(JobStage stage, TransferSession& session) override;
    JobEnd cancelledBetweenSessions() const override;
    void cancelSession(TransferSession& session) override;
    void answerCancelQuestion(TransferSession& session, bool cancel) override;
    bool holding() const override { return m_holding; }

private:
    void planStep();
    void planRecoveries();
    bool chooseRecoveries();
    void resolveAfterRead();
    bool resolveReadRecoveries();
    bool recoverFromBackup(std::size_t s, const std::string& path);
    void applyRecovery(std::size_t s, RecoverySource source, std::string supersedes = {});
    // False when the job stops there (the tool's refusal, the editor's question).
    bool refuseRecovery(std::size_t s, const messages::Message& message, bool afterRead);
    void refuseInPreview(std::size_t s, messages::Message message);
    void readAllForPreview();
    void holdOrWrite();
    // What each merged slot's table is merged with: the keyboard's image, or a recovery's source.
    SlotImages mergeSources() const;
    // What the keyboard holds, as far as a download reads it.
    SlotImages heldImages() const;
    bool makePreview(messages::Message& message);
    void finishPreview();
    bool decided(std::size_t s) const;
    void reportTablesNotHeld();
    void complete();
    void readBackEnded();
    void afterReadBack();
    bool saveBackup(messages::Message& reason);
    void startWrite();
    void writeEnded();
    void startVerify();
    void verifyEnded();

    document::CS1_Doc& m_doc;
    DownloadJobSetup m_setup;
    DownloadChoice m_choice;
    DownloadRequest m_request;
    std::unique_ptr<DocumentSaver> m_backupSaver;
    DownloadPlan m_plan;
    SlotImages m_readImages; // what the keyboard's slots held, as read before the erase
    std::array<RecoverySource, kMaxSlots> m_recovery{};
    // Incomplete slots read first: what they hold decides which record applies.
    std::array<bool, kMaxSlots> m_recoveryAfterRead{};
    std::array<std::string, kMaxSlots> m_appliedRecord{}; // the id of the record a slot's write takes over
    int m_askedSlot = 0; // the slot of the recovery question being asked (1-based), 0 for none
    bool m_askedAfterRead = false;
    // A preview, and a download that holds before its erase, also read the
    // chosen slots a download would not, to show what they hold.
    std::array<bool, kMaxSlots> m_readForPreview{};
    std::array<messages::Message, kMaxSlots> m_refusal{}; // a preview's refused slots, with the reason
    std::array<int, kMaxSlots> m_refusedTable{};          // and the document table each would have taken
    DownloadPreview m_preview;
    PreparedWrite m_prepared;
    std::unique_ptr<ReadSession> m_read;
    std::unique_ptr<WriteSession> m_write;
    std::unique_ptr<ReadSession> m_verify;
    bool m_verified = false;
    bool m_holding = false;
    bool m_merged = false;
    bool m_documentModified = false;
    std::string m_backupSaved;
};

} // namespace tarvo::transfer
