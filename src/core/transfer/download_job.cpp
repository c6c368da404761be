#include "transfer/download_job.h"

#include "document/import_filter.h"
#include "document/keyboard_document.h"
#include "model/lang_table_layout.h"
#include "templates/utf_text.h"
#include "transfer/choice_texts.h"
#include "transfer/document_copy.h"

#include <algorithm>
#include <filesystem>

namespace tarvo::transfer {

DownloadJob::DownloadJob(JobLine line, JobListener& listener, JobOptions options, document::CS1_Doc& doc,
                         DownloadJobSetup setup)
    : TransferJob(std::move(line), listener, options), m_doc(doc), m_setup(std::move(setup))
{
}

DownloadJob::~DownloadJob() = default;

Recovery DownloadJob::recovery(int slot) const
{
    if (slot < 1 || slot > kMaxSlots)
        return Recovery::None;
    return m_recovery[static_cast<std::size_t>(slot - 1)].how;
}

const RecoverySource& DownloadJob::recoverySource(int slot) const
{
    static const RecoverySource kNone;
    if (slot < 1 || slot > kMaxSlots)
        return kNone;
    return m_recovery[static_cast<std::size_t>(slot - 1)];
}

void DownloadJob::choose(DownloadChoice choice)
{
    if (!waitingForChoice())
        return;
    m_choice = std::move(choice);
    m_request = requestOf(m_choice, m_setup.wording, m_doc.importComplete());
    if (m_choice.wantsBackup())
        m_backupSaver = m_setup.backupSaver ? m_setup.backupSaver(m_choice.backupPath)
                                            : std::make_unique<FileDocumentSaver>(m_choice.backupPath, false,
                                                                                  io::Overwrite::Refuse);
    setStage(JobStage::Plan);
    post([this] { planStep(); });
}

JobEnd DownloadJob::cancelledBetweenSessions() const
{
    if (m_write && m_write->hasEnded())
        return jobEnd(JobStatus::Cancelled, messages::Message(texts::kWrittenNotVerified));
    return jobEnd(JobStatus::Cancelled, messages::Message(texts::kNothingErased));
}

void DownloadJob::cancelSession(TransferSession& session)
{
    if (&session != m_write.get()) {
        session.close();
        return;
    }
    if (m_write->holdForCancelQuestion())
        listener().cancelQuestion(std::u16string(kCancelDownloadQuestion));
}

bool DownloadJob::holdWriteForQuestion()
{
    return !hasEnded() && stage() == JobStage::Write && m_write && m_write->holdForQuestionElsewhere();
}

std::vector<int> DownloadJob::slotsACancelLeavesIncomplete() const
{
    if (hasEnded() || !m_write || m_write->hasEnded())
        return {};
    return m_write->incompleteSlots();
}

void DownloadJob::answerCancelQuestion(TransferSession& session, bool cancel)
{
    if (&session == m_write.get())
        m_write->answerCancelQuestion(cancel);
}

void DownloadJob::planStep()
{
    const SlotInspectionSession& found = *inspection();
    const PlanResult planned = planDownload(listings(), found.slotCount(), describeTables(m_doc), m_request);
    if (!planned.ok) {
        finishWith(JobStatus::Refused, planned.message);
        return;
    }
    m_plan = planned.plan;
    m_recovery = {};
    m_recoveryAfterRead = {};
    m_appliedRecord = {};
    m_refusal = {};
    m_refusedTable.fill(kNoTable);
    if (m_choice.previewOnly || jobOptions().holdAfterMergeRead)
        readAllForPreview();
    planRecoveries();
}

// Also where an answered recovery question resumes before the read.
void DownloadJob::planRecoveries()
{
    if (!chooseRecoveries())
        return;
    if (cancelRequested()) {
        finish(cancelledBetweenSessions());
        return;
    }
    if (!m_plan.anyRead()) {
        holdOrWrite();
        return;
    }
    ReadRequest request;
    request.slotMap = readFirstSlotMap(m_plan);
    request.tableNames = document::tableNames(m_doc);
    request.mergeMode = m_plan.anyMerge();
    m_read = std::make_unique<ReadSession>(line().host, sessionView(), line().port, line().settings, request,
                                           followingOptions());
    m_read->setProgressListener([this](const BlockProgress& p) { listener().progress(p); });
    runSession(JobStage::ReadBack, *m_read);
}

void DownloadJob::readAllForPreview()
{
    m_readForPreview = {};
    for (std::size_t s = 0; s < m_plan.table.size(); ++s) {
        const SlotListing* listing = findListing(listings(), static_cast<int>(s) + 1);
        if (m_plan.table[s] != kNoTable && !m_plan.readFirst[s] && listing != nullptr &&
            listing->holdsAcceptedTable()) {
            m_plan.readFirst[s] = true;
            m_readForPreview[s] = true;
        }
    }
}

bool DownloadJob::decided(std::size_t s) const
{
    return m_recovery[s].how != Recovery::None || m_recoveryAfterRead[s];
}

// Each slot an interrupted write left, before anything is read or erased:
// the backup the user named, the record that applies to a blank slot, or,
// for an incomplete slot with records, a read of what it holds first.
bool DownloadJob::chooseRecoveries()
{
    for (std::size_t s = 0; s < m_plan.recover.size(); ++s) {
        const int slot = static_cast<int>(s) + 1;
        const SlotListing* listing = findListing(listings(), slot);
        if (listing == nullptr || !listing->interrupted || m_plan.table[s] == kNoTable || decided(s))
            continue;
        if (!m_plan.recover[s]) {
            if (m_plan.asNamed[s]) {
                m_recovery[s].how = Recovery::AsStored;
                listener().notice(recoveryNotice(slot, m_recovery[s]));
                listener().slotRecovery(slot, Recovery::AsStored);
            }
            continue;
        }
        if (const std::string& backup = m_choice.recoveryBackup(slot); !backup.empty()) {
            if (!recoverFromBackup(s, backup))
                return false;
            continue;
        }
        if (!listing->row.present) {
            if (!listing->remembered) {
                if (!refuseRecovery(s, noRecordApplies(slot, true, listing->severalApply, listing->records),
                                    false))
                    return false;
                continue;
            }
            applyRecovery(s, sourceOfRecord(*listing->remembered, slot, true), listing->remembered->id);
            continue;
        }
        const bool anyImage = std::any_of(listing->records.begin(), listing->records.end(),
                                          [](const InterruptedWrite& r) { return r.hasImage(); });
        if (!anyImage) {
            if (!refuseRecovery(s, noRecordApplies(slot, false, false, listing->records), false))
                return false;
            continue;
        }
        m_recoveryAfterRead[s] = true;
        m_plan.readFirst[s] = true;
    }
    return true;
}

// The incomplete slots just read: the record whose image holds what each
// slot holds applies.
bool DownloadJob::resolveReadRecoveries()
{
    for (std::size_t s = 0; s < m_recoveryAfterRead.size(); ++s) {
        if (!m_recoveryAfterRead[s] || m_recovery[s].how != Recovery::None)
            continue;
        const int slot = static_cast<int>(s) + 1;
        const SlotListing* listing = findListing(listings(), slot);
        std::vector<InterruptedWrite> matching;
        for (const InterruptedWrite& record : listing->records)
            if (record.hasImage() && holdsPartOf(m_readImages[s], record.image))
                matching.push_back(record);
        const std::optional<InterruptedWrite> applies = singleRecord(matching);
        if (!applies) {
            if (!refuseRecovery(s, noRecordApplies(slot, false, !matching.empty(), listing->records), true))
                return false;
            continue;
        }
        applyRecovery(s, sourceOfRecord(*applies, slot, false), applies->id);
    }
    return true;
}

bool DownloadJob::recoverFromBackup(std::size_t s, const std::string& path)
{
    const int slot = static_cast<int>(s) + 1;
    const int languageId = document::languageIdOf(m_doc.table(static_cast<std::size_t>(m_plan.table[s])));
    messages::Message whyNot;
    auto table = backupTableOf(path, slot, languageId, whyNot);
    if (!table) {
        const messages::Message message(
            texts::kNotErasedBecause,
            {messages::Message(texts::kCannotRecover, {messages::number(slot), whyNot})});
        if (m_choice.previewOnly) {
            refuseInPreview(s, message);
            return true;
        }
        finishWith(JobStatus::FileError, message, slot);
        return false;
    }
    RecoverySource source;
    source.how = Recovery::FromBackup;
    source.image = std::move(*table);
    source.backupPath = path;
    applyRecovery(s, std::move(source));
    return true;
}

void DownloadJob::applyRecovery(std::size_t s, RecoverySource source, std::string supersedes)
{
    const int slot = static_cast<int>(s) + 1;
    m_recovery[s] = std::move(source);
    m_appliedRecord[s] = std::move(supersedes);
    m_plan.merge[s] = true;
    listener().notice(recoveryNotice(slot, m_recovery[s]));
    listener().slotRecovery(slot, m_recovery[s].how);
}

// The tool refuses (exit 1) and the user names the way; the editor asks;
// a preview notes the refusal and goes on with the other slots.
bool DownloadJob::refuseRecovery(std::size_t s, const messages::Message& message, bool afterRead)
{
    if (m_choice.previewOnly) {
        refuseInPreview(s, message);
        return true;
    }
    if (!jobOptions().askRecovery) {
        finishWith(JobStatus::FileError, message, static_cast<int>(s) + 1);
        return false;
    }
    m_askedSlot = static_cast<int>(s) + 1;
    m_askedAfterRead = afterRead;
    m_holding = true;
    std::vector<std::string> backups;
    if (const SlotListing* listing = findListing(listings(), m_askedSlot))
        for (const InterruptedWrite& record : listing->records)
            if (!record.backupPath.empty() &&
                std::find(backups.begin(), backups.end(), record.backupPath) == backups.end())
                backups.push_back(record.backupPath);
    listener().recoveryQuestion(m_askedSlot, message, backups);
    return false;
}

// The slot is left out of everything that follows, as the download would leave all of them.
void DownloadJob::refuseInPreview(std::size_t s, messages::Message message)
{
    m_refusal[s] = std::move(message);
    m_refusedTable[s] = m_plan.table[s];
    m_plan.table[s] = kNoTable;
    m_plan.merge[s] = false;
    m_plan.recover[s] = false;
    m_plan.readFirst[s] = false;
    m_recoveryAfterRead[s] = false;
}

void DownloadJob::answerRecovery(const RecoveryAnswer& answer)
{
    if (!m_holding || m_askedSlot == 0 || hasEnded())
        return;
    const auto s = static_cast<std::size_t>(m_askedSlot - 1);
    m_askedSlot = 0;
    m_holding = false;
    switch (answer.way) {
    case RecoveryAnswer::Way::Cancel:
        finish(cancelledBetweenSessions());
        return;
    case RecoveryAnswer::Way::AsStored:
        m_recovery[s].how = Recovery::AsStored;
        m_recoveryAfterRead[s] = false;
        m_plan.merge[s] = false;
        if (!m_askedAfterRead)
            m_plan.readFirst[s] = false;
        listener().notice(recoveryNotice(static_cast<int>(s) + 1, m_recovery[s]));
        listener().slotRecovery(static_cast<int>(s) + 1, Recovery::AsStored);
        break;
    case RecoveryAnswer::Way::FromBackup:
        m_recoveryAfterRead[s] = false;
        if (!m_askedAfterRead)
            m_plan.readFirst[s] = false;
        if (!recoverFromBackup(s, answer.backupPath))
            return;
        break;
    }
    if (m_askedAfterRead)
        post([this] { resolveAfterRead(); });
    else
        post([this] { planRecoveries(); });
}

void DownloadJob::sessionFinished(JobStage stage, TransferSession&)
{
    switch (stage) {
    case JobStage::ReadBack:
        readBackEnded();
        return;
    case JobStage::Write:
        writeEnded();
        return;
    case JobStage::Verify:
        verifyEnded();
        return;
    default:
        return;
    }
}

void DownloadJob::readBackEnded()
{
    if (m_read->endCode() != kEndComplete || !m_read->imagesComplete()) {
        finish(sessionEnd(*m_read, texts::kReadFailedNothingErased));
        return;
    }
    m_readImages = m_read->images();
    resolveAfterRead();
}

// Also where an answered recovery question resumes after the read.
void DownloadJob::resolveAfterRead()
{
    if (!resolveReadRecoveries())
        return;
    if (cancelRequested()) {
        finish(cancelledBetweenSessions());
        return;
    }
    holdOrWrite();
}

// Whatever the road (merged, as stored, a restore, a recovery), a front end
// that holds shows what the write would change before its first erase.
void DownloadJob::holdOrWrite()
{
    if (!jobOptions().holdAfterMergeRead || m_choice.previewOnly) {
        afterReadBack();
        return;
    }
    messages::Message message;
    if (!makePreview(message)) {
        finishWith(JobStatus::FileError, message);
        return;
    }
    m_holding = true;
    listener().mergeReadDone();
}

void DownloadJob::continueAfterMerge()
{
    if (!m_holding || m_askedSlot != 0 || hasEnded())
        return;
    m_holding = false;
    post([this] { afterReadBack(); });
}

SlotImages DownloadJob::mergeSources() const
{
    SlotImages sources = m_readImages;
    for (std::size_t s = 0; s < sources.size(); ++s)
        if (m_plan.recover[s] && m_plan.merge[s])
            sources[s] = m_recovery[s].image;
    return sources;
}

SlotImages DownloadJob::heldImages() const
{
    // Only what a download reads from the keyboard can show a slot unchanged.
    SlotImages held = m_readImages;
    for (std::size_t s = 0; s < held.size(); ++s)
        if (m_readForPreview[s])
            held[s].clear();
    return held;
}

void DownloadJob::afterReadBack()
{
    if (m_choice.previewOnly) {
        finishPreview();
        return;
    }
    if (m_choice.wantsBackup()) {
        setStage(JobStage::Backup);
        messages::Message reason;
        if (!saveBackup(reason)) {
            finishWith(JobStatus::FileError, messages::Message(texts::kNotErasedBecause, {reason}));
            return;
        }
    }
    messages::Message message;
    if (!mergeReadBack(m_doc, m_plan, mergeSources(), message)) {
        finishWith(JobStatus::FileError, message);
        return;
    }
    m_merged = m_plan.anyMerge();
    m_prepared = prepareWrite(m_doc, m_plan, heldImages(), m_choice.forceWrite);
    for (int s = 0; s < kMaxSlots; ++s)
        if (m_prepared.unchanged[static_cast<std::size_t>(s)]) {
            // It holds the whole image: no write of it is left unfinished.
            if (jobOptions().interruptedWrites != nullptr)
                forgetSlot(*jobOptions().interruptedWrites, line().device(), s + 1);
            listener().notice(messages::Message(texts::kSlotUnchanged, {messages::number(s + 1)}));
            listener().slotDone(s + 1, SlotOutcome::Unchanged);
        }
    if (cancelRequested()) {
        finish(cancelledBetweenSessions());
        return;
    }
    if (m_prepared.writeCount() > 0)
        startWrite();
    else
        startVerify();
}

// The tables read from the chosen slots, saved before anything is erased.
bool DownloadJob::saveBackup(messages::Message& reason)
{
    document::ImportResults images;
    for (std::size_t s = 0; s < images.size() && s < m_readImages.size(); ++s)
        // What an interrupted write left is no backup of anything.
        if (m_plan.table[s] != kNoTable && !m_plan.recover[s] && m_readImages[s].size() == model::kImageBytes)
            images[s] = m_readImages[s];
    if (m_backupSaver == nullptr || m_setup.backupTables == nullptr) {
        reason = messages::Message(texts::kNoBackupPlace);
        return false;
    }
    if (std::all_of(images.begin(), images.end(), [](const auto& i) { return i.empty(); })) {
        messages::Message notice(texts::kNothingToBackUp);
        notice.append(u"; ", messages::Message(texts::kBackupNotWritten,
                                               {templates::utf8ToUtf16(m_backupSaver->name())}));
        listener().notice(notice);
        return true;
    }
    if (std::string notReady; !m_setup.backupTables->ready(notReady)) {
        reason = messages::Message::data(templates::utf8ToUtf16(notReady));
        return false;
    }
    document::DocumentNumberPool pool;
    TableSource& source = *m_setup.backupTables;
    auto build = [&source](int documentNumber) { return source.build(documentNumber); };
    const document::DocOutcome made = document::documentFromKeyboardImages(
        pool, build, images, document::KeyboardImageUse::Backup, m_setup.portIndex);
    if (!made.doc) {
        reason = messages::Message(texts::kBackupNotMade, {made.result.message});
        return false;
    }
    if (!m_backupSaver->save(*made.doc, reason))
        return false;
    std::error_code error;
    const std::filesystem::path saved = std::filesystem::absolute(m_backupSaver->name(), error);
    m_backupSaved = error ? m_backupSaver->name() : saved.lexically_normal().string();
    const std::size_t count = made.doc->tableCount();
    listener().notice(messages::Message(
        count == 1 ? texts::kBackupSavedOne : texts::kBackupSavedMany,
        {messages::number(static_cast<long long>(count)), templates::utf8ToUtf16(m_backupSaver->name())}));
    return true;
}

void DownloadJob::startWrite()
{
    WriteRequest request;
    request.tables = m_prepared.tables;
    request.interruptedWrites = jobOptions().interruptedWrites;
    request.devicePath = line().devicePath;
    request.canonicalDevice = line().device();
    for (std::size_t s = 0; s < request.backupPaths.size(); ++s) {
        // A slot written again keeps the backup from before the first
        // interrupted write: what it holds now is no backup of the keyboard's menus.
        if (m_plan.recover[s])
            request.backupPaths[s] = m_recovery[s].backupPath;
        else if (!m_backupSaved.empty() && m_readImages[s].size() == model::kImageBytes)
            request.backupPaths[s] = m_backupSaved;
        if (!m_appliedRecord[s].empty())
            request.supersedes[s] = {m_appliedRecord[s]};
    }
    m_write = std::make_unique<WriteSession>(line().host, sessionView(), line().port, line().settings,
                                             request, followingOptions());
    m_write->setProgressListener([this](const BlockProgress& p) { listener().progress(p); });
    m_write->setSlotListener([this](int slot, SlotOutcome outcome) { listener().slotDone(slot, outcome); });
    m_write->setEraseListener(
        [this](int slot, std::span<const std::uint8_t> image) { listener().slotImage(slot, image); });
    m_documentModified = m_merged;
    runSession(JobStage::Write, *m_write);
}

void DownloadJob::writeEnded()
{
    if (!m_write->recordFailure().empty()) {
        finishWith(JobStatus::FileError, m_write->errorMessage());
        return;
    }
    if (m_write->endCode() != kEndComplete) {
        const std::vector<int> incomplete = m_write->incompleteSlots();
        finish(sessionEnd(*m_write, texts::kAsItIs,
                          incomplete.empty() ? std::nullopt : std::optional<int>(incomplete.front()),
                          incomplete));
        return;
    }
    if (cancelRequested()) {
        finish(cancelledBetweenSessions());
        return;
    }
    startVerify();
}

void DownloadJob::startVerify()
{
    if (!m_choice.verify || m_prepared.writeCount() == 0) {
        complete();
        return;
    }
    ReadRequest request;
    for (std::size_t s = 0; s < request.slotMap.size(); ++s)
        if (m_prepared.tables[s] != nullptr)
            request.slotMap[s] = m_plan.table[s];
    request.tableNames = document::tableNames(m_doc);
    m_verify = std::make_unique<ReadSession>(line().host, sessionView(), line().port, line().settings,
                                             request, followingOptions());
    m_verify->setProgressListener([this](BlockProgress p) {
        p.phase = TransferPhase::Verify;
        listener().progress(p);
    });
    runSession(JobStage::Verify, *m_verify);
}

void DownloadJob::verifyEnded()
{
    if (m_verify->endCode() != kEndComplete || !m_verify->imagesComplete()) {
        finish(sessionEnd(*m_verify, texts::kVerifyReadFailed));
        return;
    }
    for (std::size_t s = 0; s < m_prepared.tables.size(); ++s) {
        if (m_prepared.tables[s] == nullptr)
            continue;
        const int slot = static_cast<int>(s) + 1;
        if (const auto difference =
                firstDifference(slot, m_prepared.tables[s]->Image(), m_verify->images()[s])) {
            finishWith(JobStatus::VerifyFailed, describeDifference(*difference), slot);
            return;
        }
        listener().slotDone(slot, SlotOutcome::Verified);
    }
    m_verified = true;
    complete();
}

// The merge and the images to write, made on a copy of the document's tables.
bool DownloadJob::makePreview(messages::Message& message)
{
    document::DocumentNumberPool numbers;
    const std::unique_ptr<document::CS1_Doc> copy = copyOfDocument(m_doc, numbers);
    if (!copy) {
        message = messages::Message(texts::kMergeFailed);
        return false;
    }
    const SlotImages sources = mergeSources();
    if (!mergeReadBack(*copy, m_plan, sources, message))
        return false;
    const PreparedWrite prepared = prepareWrite(*copy, m_plan, heldImages(), m_choice.forceWrite);
    const std::vector<std::u16string> names = document::tableNames(*copy);
    m_preview = {};
    for (std::size_t s = 0; s < m_plan.table.size(); ++s) {
        const int table = m_plan.table[s] != kNoTable ? m_plan.table[s] : m_refusedTable[s];
        if (table == kNoTable || static_cast<std::size_t>(table) >= copy->tableCount())
            continue;
        const auto index = static_cast<std::size_t>(table);
        SlotPreview slot;
        slot.slot = static_cast<int>(s) + 1;
        slot.languageId = document::languageIdOf(copy->table(index));
        slot.fontNumber = copy->table(index).GetByte(model::layout::kFontOffset);
        slot.tableName = index < names.size() ? names[index] : std::u16string();
        std::span<const std::uint8_t> before = m_readImages[s];
        if (!m_refusal[s].empty()) {
            slot.action = PreviewAction::Refused;
            slot.reason = m_refusal[s];
        } else if (prepared.unchanged[s]) {
            slot.action = PreviewAction::Unchanged;
        } else if (m_plan.recover[s] && m_plan.merge[s]) {
            slot.action = PreviewAction::Recover;
            slot.backup = m_recovery[s].backupPath;
            before = sources[s];
        } else if (m_plan.asIs || m_plan.asNamed[s] || m_recovery[s].how == Recovery::AsStored) {
            slot.action = PreviewAction::AsStored;
        }
        if (prepared.tables[s] != nullptr)
            slot.changes = entryChanges(before, *prepared.tables[s]);
        m_preview.slots.push_back(std::move(slot));
    }
    return true;
}

void DownloadJob::finishPreview()
{
    messages::Message message;
    if (!makePreview(message)) {
        finishWith(JobStatus::FileError, message);
        return;
    }
    for (const SlotPreview& slot : m_preview.slots)
        if (slot.action == PreviewAction::Refused) {
            finishWith(JobStatus::FileError, m_refusal[static_cast<std::size_t>(slot.slot - 1)], slot.slot);
            return;
        }
    finishWith(JobStatus::Complete, std::string());
}

void DownloadJob::complete()
{
    reportTablesNotHeld();
    finishWith(JobStatus::Complete, std::string());
}

// A table the keyboard lost to an interrupted write that no record recalls
// is at least named, with the blank slots that could take it.
void DownloadJob::reportTablesNotHeld()
{
    std::array<int, kMaxSlots> held;
    held.fill(-1);
    std::vector<int> blankSlots;
    for (const SlotListing& listing : listings()) {
        const int s = listing.slot() - 1;
        if (s < 0 || s >= kMaxSlots)
            continue;
        const auto index = static_cast<std::size_t>(s);
        if (m_plan.table[index] != kNoTable &&
            (m_prepared.tables[index] != nullptr || m_prepared.unchanged[index]))
            held[index] = document::languageIdOf(m_doc.table(static_cast<std::size_t>(m_plan.table[index])));
        else if (listing.row.present && !listing.row.incomplete)
            held[index] = listing.row.languageId;
        else if (!listing.row.present)
            blankSlots.push_back(listing.slot());
    }
    for (std::size_t i = 0; i < m_doc.tableCount(); ++i) {
        const int languageId = document::languageIdOf(m_doc.table(i));
        if (std::find(held.begin(), held.end(), languageId) == held.end())
            listener().tableNotWritten(static_cast<int>(i), languageId, blankSlots);
    }
}

} // namespace tarvo::transfer
