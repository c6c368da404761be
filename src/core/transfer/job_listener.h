#pragma once
// What a transfer job tells its front end (the tool's command, a dialog):
// each stage as it starts, block progress, each slot's outcome, notices,
// the two places it waits for a decision, and its end. Every call comes from
// the loop the job runs on; a front end may call back into the job (answer
// a question, choose the slots) from inside any of them.

#include "transfer/job_end.h"
#include "transfer/transfer_events.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::transfer {

enum class JobStage {
    NotStarted,
    Inspect,       // the first session: what each slot holds
    ChoosingSlots, // waiting for chooseSlots()
    Plan,          // the choice checked before anything is read or erased
    ReadBack,      // download: the chosen slots read before anything is erased
    Backup,        // download: the read tables saved as a document
    Write,         // download: erase, write and end of data per slot
    Verify,        // download: the written slots read back and compared
    Read,          // import: the chosen slots' images
    Save,          // import: the new document made (and saved)
    Ended,
};

class JobListener {
public:
    virtual ~JobListener() = default;

    virtual void stageStarted(JobStage /*stage*/) {}
    virtual void progress(const BlockProgress& /*progress*/) {}
    virtual void slotDone(int /*slot*/, SlotOutcome /*outcome*/) {}
    // A slot's image: before its erase, the one about to be written; after
    // an import's read, the one read (once every chosen slot is in).
    virtual void slotImage(int /*slot*/, std::span<const std::uint8_t> /*image*/) {}
    // A line worth telling that is not a failure (a slot skipped, a backup saved).
    virtual void notice(const messages::Message& /*text*/) {}
    // A download writes slot again after an interrupted write, as recovery says.
    virtual void slotRecovery(int /*slot*/, Recovery /*recovery*/) {}
    // After a download: document table (0-based) of languageId is held by
    // no slot of the keyboard; blankSlots (1-based) could take it.
    virtual void tableNotWritten(int /*table*/, int /*languageId*/, const std::vector<int>& /*blankSlots*/) {}
    // With JobOptions::askRecovery: no record applies to slot, which an
    // interrupted write left (why says so; backups are those of the records
    // found). The download holds, nothing erased, until
    // DownloadJob::answerRecovery() or cancel().
    virtual void recoveryQuestion(int /*slot*/, const messages::Message& /*why*/,
                                  const std::vector<std::string>& /*backups*/)
    {
    }
    // The inspection is in (the job's inspection() lists each slot): the job
    // waits for chooseSlots() or cancel().
    virtual void slotChoiceNeeded() = 0;
    // A cancel during the write needs a Yes or No: the write holds still
    // until answerCancel().
    virtual void cancelQuestion(const std::u16string& question) = 0;
    // With JobOptions::holdAfterMergeRead: the download is about to erase
    // and holds, its preview made, until continueAfterMerge() or cancel().
    virtual void mergeReadDone() {}
    // Called once; the job may be destroyed from here on (not from inside this call).
    virtual void jobEnded(const JobEnd& end) = 0;
};

} // namespace tarvo::transfer
