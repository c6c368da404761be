#include "history/history_recorder.h"

#include "history/history_rows.h"

#include "model/lang_table_layout.h"
#include "templates/utf_text.h"
#include "transfer/table_info_row.h"

#include <algorithm>
#include <utility>

namespace tarvo::history {

HistoryRecorder::HistoryRecorder(TransferHistory* store, TransferStart start)
    : m_store(store), m_start(std::move(start))
{
}

HistoryRecord HistoryRecorder::record(RecordKind kind) const
{
    HistoryRecord r;
    r.kind = kind;
    r.transfer = m_start.transfer;
    if (m_store != nullptr)
        r.time = m_store->timeNow();
    return r;
}

void HistoryRecorder::append(const HistoryRecord& record)
{
    if (m_store == nullptr)
        return;
    std::string reason;
    if (!m_store->append(record, reason) && m_warning.empty() && !m_warned)
        m_warning = messages::Message(texts::kNotWritten, {templates::utf8ToUtf16(reason)});
}

messages::Message HistoryRecorder::takeWarning()
{
    if (m_warning.empty())
        return {};
    m_warned = true;
    return std::exchange(m_warning, {});
}

void HistoryRecorder::begin(const serial::KeyboardId* keyboard)
{
    if (m_begun)
        return;
    m_begun = true;
    HistoryRecord r = record(RecordKind::Start);
    r.program = m_start.program;
    r.command = m_start.command;
    r.port = m_start.port;
    r.device = m_start.device;
    if (keyboard != nullptr)
        r.keyboard = *keyboard;
    r.document = m_start.document;
    r.documentSha256 = m_start.documentSha256;
    append(r);
}

void HistoryRecorder::slotImage(int slot, std::span<const std::uint8_t> image)
{
    begin(nullptr);
    HistoryRecord r = record(RecordKind::SlotStart);
    r.slot = slot;
    if (image.size() > model::layout::kLanguageIdOffset) {
        r.language = image[model::layout::kLanguageIdOffset];
        r.table = templates::utf16ToUtf8(transfer::decodeFriendlyName(
            image.data() + model::layout::kFriendlyNameOffset, image[model::layout::kFontOffset]));
    }
    SlotState& state = m_slots[slot];
    state.sha256 = m_store != nullptr ? m_store->sha256Hex(image) : std::string();
    state.open = true;
    append(r);
    if (state.readPending)
        slotEnd(slot, outcome::kRead);
}

void HistoryRecorder::slotRecovery(int slot, transfer::Recovery recovery)
{
    m_slots[slot].recovery = recovery;
}

void HistoryRecorder::slotEnd(int slot, std::string_view outcome)
{
    SlotState& state = m_slots[slot];
    state.open = false;
    state.readPending = false;
    HistoryRecord r = record(RecordKind::SlotEnd);
    r.slot = slot;
    r.outcome = outcome;
    r.sha256 = state.sha256;
    const bool erased = outcome != outcome::kRead && outcome != outcome::kUnchanged;
    if (erased)
        r.backup = m_start.backup;
    append(r);
}

void HistoryRecorder::slotDone(int slot, transfer::SlotOutcome done)
{
    begin(nullptr);
    switch (done) {
    case transfer::SlotOutcome::Read:
        m_slots[slot].readPending = true;
        return;
    case transfer::SlotOutcome::Unchanged:
        slotEnd(slot, outcome::kUnchanged);
        return;
    case transfer::SlotOutcome::Verified:
        slotEnd(slot, outcome::kVerified);
        return;
    case transfer::SlotOutcome::Written:
        switch (m_slots[slot].recovery) {
        case transfer::Recovery::FromBackup:
        case transfer::Recovery::FromRecord:
            slotEnd(slot, outcome::kRecovered);
            return;
        case transfer::Recovery::AsStored:
            slotEnd(slot, outcome::kAsStored);
            return;
        case transfer::Recovery::None:
            slotEnd(slot, outcome::kWritten);
            return;
        }
    }
}

void HistoryRecorder::end(const transfer::JobEnd& jobEnd)
{
    if (m_ended)
        return;
    for (auto& [slot, state] : m_slots) {
        if (state.readPending) {
            slotEnd(slot, outcome::kRead);
            continue;
        }
        if (!state.open)
            continue;
        const bool incomplete =
            std::ranges::find(jobEnd.incompleteSlots, slot) != jobEnd.incompleteSlots.end();
        slotEnd(slot, incomplete ? outcome::kIncomplete : outcome::kFailed);
    }
    end(exitClassOf(jobEnd.status), jobEnd.line);
}

void HistoryRecorder::end(int status, const messages::Message& message)
{
    if (m_ended)
        return;
    m_ended = true;
    begin(nullptr);
    HistoryRecord r = record(RecordKind::End);
    r.status = status;
    r.message = templates::oneLineUtf8(message);
    r.said = message;
    append(r);
}

int exitClassOf(transfer::JobStatus status)
{
    switch (status) {
    case transfer::JobStatus::Complete:
        return 0;
    case transfer::JobStatus::FileError:
        return 1;
    case transfer::JobStatus::NoAnswer:
        return 3;
    case transfer::JobStatus::Refused:
        return 4;
    case transfer::JobStatus::Cancelled:
        return 5;
    case transfer::JobStatus::VerifyFailed:
        return 6;
    case transfer::JobStatus::PortError:
        return 7;
    }
    return 1;
}

} // namespace tarvo::history
