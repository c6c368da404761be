#pragma once
// ImportJob: tables read from the keyboard into a new document, in slot
// order. After the inspection it waits for the slot choice; the new document
// is made (and saved) only when every chosen slot was read whole.

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "transfer/import_choice.h"
#include "transfer/job_sources.h"
#include "transfer/read_session.h"
#include "transfer/transfer_job.h"

#include <memory>
#include <vector>

namespace tarvo::transfer {

struct ImportJobSetup {
    // Built once, before the keyboard is touched: their languages decide the
    // slots, and they become the new document's tables.
    templates::TemplateBuildResult templateTables;
    // Where the document is saved; null keeps it for takeDocument().
    DocumentSaver* saver = nullptr;
    // The editor's document numbers; null: the job's own.
    document::DocumentNumberPool* pool = nullptr;
    int portIndex = 0; // the port (0-based) the document records
};

class ImportJob final : public TransferJob {
public:
    ImportJob(JobLine line, JobListener& listener, JobOptions options, ImportJobSetup setup);
    ~ImportJob() override;

    // The answer to JobListener::slotChoiceNeeded(): the slots to read
    // (empty: every slot holding a table in a language the template has).
    void chooseSlots(std::vector<SlotRequest> slots);

    // The new document once the job has completed (saved when a saver was given).
    const document::CS1_Doc* document() const { return m_document.get(); }
    std::unique_ptr<document::CS1_Doc> takeDocument() { return std::move(m_document); }

protected:
    void sessionFinished(JobStage stage, TransferSession& session) override;

private:
    void chooseStep(const std::vector<SlotRequest>& slots);
    void readEnded();

    ImportJobSetup m_setup;
    std::vector<int> m_templateLanguages;
    document::DocumentNumberPool m_ownPool;
    std::unique_ptr<ReadSession> m_read;
    std::unique_ptr<document::CS1_Doc> m_document;
};

} // namespace tarvo::transfer
