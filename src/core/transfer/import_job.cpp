#include "transfer/import_job.h"

#include "document/import_filter.h"
#include "document/keyboard_document.h"

namespace tarvo::transfer {

ImportJob::ImportJob(JobLine line, JobListener& listener, JobOptions options, ImportJobSetup setup)
    : TransferJob(std::move(line), listener, options), m_setup(std::move(setup))
{
    for (const auto& table : m_setup.templateTables.tables)
        m_templateLanguages.push_back(document::languageIdOf(*table));
}

ImportJob::~ImportJob() = default;

void ImportJob::chooseSlots(std::vector<SlotRequest> slots)
{
    if (!waitingForChoice())
        return;
    setStage(JobStage::Plan);
    post([this, slots = std::move(slots)] { chooseStep(slots); });
}

void ImportJob::chooseStep(const std::vector<SlotRequest>& slots)
{
    const SlotInspectionSession& found = *inspection();
    const ImportChoice choice = chooseImportSlots(listings(), found.slotCount(), slots, m_templateLanguages);
    for (const int slot : choice.skipped) {
        const SlotListing* listing = findListing(listings(), slot);
        if (listing == nullptr)
            continue;
        listener().notice(messages::Message(
            texts::kSkippedNoTemplateTable,
            {messages::number(slot), listing->row.friendlyName, messages::number(listing->row.languageId)}));
    }
    for (const int slot : choice.incomplete) {
        const SlotListing* listing = findListing(listings(), slot);
        listener().notice(messages::Message(
            texts::kSkippedIncomplete,
            {messages::number(slot), listing != nullptr ? listing->row.friendlyName : std::u16string()}));
    }
    if (!choice.ok) {
        finishWith(choice.incompleteNamed ? JobStatus::FileError : JobStatus::Refused, choice.message);
        return;
    }
    if (cancelRequested()) {
        finish(cancelledBetweenSessions());
        return;
    }
    ReadRequest request;
    request.slotMap = importSlotMap(choice);
    m_read = std::make_unique<ReadSession>(line().host, sessionView(), line().port, line().settings, request,
                                           followingOptions());
    m_read->setProgressListener([this](const BlockProgress& p) { listener().progress(p); });
    m_read->setSlotListener([this](int slot, SlotOutcome outcome) { listener().slotDone(slot, outcome); });
    runSession(JobStage::Read, *m_read);
}

void ImportJob::sessionFinished(JobStage stage, TransferSession&)
{
    if (stage == JobStage::Read)
        readEnded();
}

void ImportJob::readEnded()
{
    if (m_read->endCode() != kEndComplete || !m_read->imagesComplete()) {
        finish(sessionEnd(*m_read, texts::kReadFailed));
        return;
    }
    for (std::size_t s = 0; s < m_read->images().size(); ++s)
        if (!m_read->images()[s].empty())
            listener().slotImage(static_cast<int>(s) + 1, m_read->images()[s]);
    setStage(JobStage::Save);
    document::DocumentNumberPool& pool = m_setup.pool ? *m_setup.pool : m_ownPool;
    auto build = [this](int) { return std::move(m_setup.templateTables); };
    document::DocOutcome made = document::documentFromKeyboardImages(
        pool, build, m_read->images(), document::KeyboardImageUse::Import, m_setup.portIndex);
    if (!made.doc) {
        finishWith(JobStatus::FileError, made.result.message);
        return;
    }
    messages::Message reason;
    if (m_setup.saver != nullptr && !m_setup.saver->save(*made.doc, reason)) {
        finishWith(JobStatus::FileError, reason);
        return;
    }
    m_document = std::move(made.doc);
    finishWith(JobStatus::Complete, std::string());
}

} // namespace tarvo::transfer
