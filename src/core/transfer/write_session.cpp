#include "transfer/write_session.h"

#include "document/import_filter.h"
#include "model/lang_table_layout.h"
#include "templates/utf_text.h"
#include "transfer/session_texts.h"
#include "transfer/table_info_row.h"

#include <algorithm>
#include <memory>

namespace tarvo::transfer {

using namespace serial;

namespace {

constexpr int kBlocksPerSlot = frames::kBlocksPerSlot;

SessionOptions atFoundSpeed(SessionOptions options)
{
    options.startAtFoundSpeed = true;
    return options;
}

} // namespace

WriteSession::WriteSession(SessionHost& host, SessionView& view, CCommPort& port, CommSettings& settings,
                           WriteRequest request, SessionOptions options)
    : TransferSession(host, view, port, settings, atFoundSpeed(options)), m_request(request)
{
}

void WriteSession::prepare()
{
    m_slotStates.fill(SlotWriteState::NotStarted);
    m_slot = -1;
    m_block = 0;
    m_blocksSent = 0;
    m_blocksInAll = 0;
    m_tableLine = {};
    m_recordIds = {};
    m_recordFailure.clear();
    for (int slot = 0; slot < kMaxSlots; ++slot) {
        const model::CS1_LangTable* table = m_request.tables[static_cast<std::size_t>(slot)];
        if (!table)
            continue;
        // A short image would stop the write half way, after the erase.
        if (table->Image().size() != model::kImageBytes) {
            fail(messages::Message(kImageNotWhole,
                                   {texts::number(slot + 1),
                                    texts::number(static_cast<long long>(table->Image().size())),
                                    texts::number(static_cast<long long>(model::kImageBytes))}),
                 SessionFailure::Refused);
            return;
        }
        m_blocksInAll += kBlocksPerSlot;
    }
}

bool WriteSession::checkSlotsExist()
{
    for (int slot = slotCount(); slot < kMaxSlots; ++slot) {
        if (!m_request.tables[static_cast<std::size_t>(slot)])
            continue;
        // Skipping the slot would end in "Transfer Complete" with a table unwritten.
        fail(messages::Message(kSlotNotInKeyboard, {texts::number(slot + 1), texts::number(slotCount())}),
             SessionFailure::Refused);
        return false;
    }
    return true;
}

bool WriteSession::onStep(bpState state)
{
    switch (state) {
    case bpStateRECEIVE_T7:
        if (checkSlotsExist())
            goTo(bpStateREADYNEXTTABLE);
        return true;
    case bpStateREADYNEXTTABLE: {
        const int limit = std::min(slotCount(), kMaxSlots);
        do {
            ++m_slot;
        } while (m_slot < limit && !m_request.tables[static_cast<std::size_t>(m_slot)]);
        if (m_slot < limit) {
            m_block = 0;
            const std::span<const std::uint8_t> image =
                m_request.tables[static_cast<std::size_t>(m_slot)]->Image();
            m_tableLine = messages::Message(
                kTransferringTable, {decodeFriendlyName(image.data() + model::layout::kFriendlyNameOffset,
                                                        image[model::layout::kFontOffset])});
            goTo(bpStateSEND_C1);
        } else {
            goTo(bpStateGOOFFLINE);
        }
        return true;
    }
    case bpStateSEND_C1:
        showProgressThen(kProgressFlashing, [this] {
            const auto slot = static_cast<std::uint8_t>(m_slot);
            // The keyboard may erase before it answers: from here on the
            // slot counts as incomplete until its end of data is acknowledged.
            if (!rememberWrite())
                return;
            m_slotStates[static_cast<std::size_t>(m_slot)] = SlotWriteState::Erased;
            if (m_eraseListener)
                m_eraseListener(m_slot + 1, m_request.tables[static_cast<std::size_t>(m_slot)]->Image());
            send([this, slot] { return engine().sendSelectTable(slot); });
        });
        return true;
    case bpStateSEND_S2:
        sendBlock();
        return true;
    case bpStateSEND_S8:
        send([this] { return engine().sendEndOfData(); });
        return true;
    case bpStateRECEIVE_OK:
        onReplyOk();
        return true;
    default:
        return false;
    }
}

void WriteSession::onReplyOk()
{
    switch (engine().lastCommand()) {
    case bpStateSEND_C1:
        showProgress(kProgressFlashed);
        goTo(bpStateSEND_S2);
        return;
    case bpStateSEND_S2:
        ++m_block;
        goTo(m_block >= kBlocksPerSlot ? bpStateSEND_S8 : bpStateSEND_S2);
        return;
    case bpStateSEND_S8:
        m_slotStates[static_cast<std::size_t>(m_slot)] = SlotWriteState::Written;
        forgetWrite();
        if (m_slotListener)
            m_slotListener(m_slot + 1, SlotOutcome::Written);
        goTo(bpStateREADYNEXTTABLE);
        return;
    default:
        goTo(bpStateER_INTERNAL);
        return;
    }
}

// Stored (and on disk) before the erase goes out, so that a tool killed or a
// laptop losing power mid-write leaves it behind as well. A write that
// cannot be recorded is not started: a retry could not recover it.
bool WriteSession::rememberWrite()
{
    if (m_request.interruptedWrites == nullptr)
        return true;
    const auto s = static_cast<std::size_t>(m_slot);
    const model::CS1_LangTable& table = *m_request.tables[s];
    const std::span<const std::uint8_t> image = table.Image();
    InterruptedWrite write;
    write.devicePath = m_request.devicePath;
    write.canonicalDevice =
        m_request.canonicalDevice.empty() ? m_request.devicePath : m_request.canonicalDevice;
    write.keyboardId = keyboardIdText(keyboardId());
    write.slot = m_slot + 1;
    write.time = utcTimeNow();
    write.backupPath = m_request.backupPaths[s];
    write.languageId = document::languageIdOf(table);
    write.languageName = templates::utf16ToUtf8(decodeFriendlyName(
        image.data() + model::layout::kFriendlyNameOffset, image[model::layout::kFontOffset]));
    write.image.assign(image.begin(), image.end());
    std::string reason;
    if (!m_request.interruptedWrites->remember(write, reason)) {
        m_recordFailure = reason;
        fail(messages::Message(kRecordNotStored, {texts::number(m_slot + 1), templates::utf8ToUtf16(reason)}),
             SessionFailure::Refused);
        return false;
    }
    m_recordIds[s] = write.id;
    for (const std::string& id : m_request.supersedes[s])
        m_request.interruptedWrites->forget(id);
    return true;
}

// The slot holds the whole image: its write, and any earlier one of the slot
// on this device, left nothing unfinished.
void WriteSession::forgetWrite()
{
    if (m_request.interruptedWrites == nullptr)
        return;
    const auto s = static_cast<std::size_t>(m_slot);
    if (!m_recordIds[s].empty())
        m_request.interruptedWrites->forget(m_recordIds[s]);
    forgetSlot(*m_request.interruptedWrites,
               m_request.canonicalDevice.empty() ? m_request.devicePath : m_request.canonicalDevice,
               m_slot + 1);
}

void WriteSession::sendBlock()
{
    ++m_blocksSent;
    if (m_block == 0)
        showProgress(kProgressBlocks, m_tableLine);
    view().showBlockProgress(m_blocksSent, m_blocksInAll, m_tableLine);
    const auto slot = static_cast<std::uint8_t>(m_slot);
    const int block = m_block;
    const model::CS1_LangTable& table = *m_request.tables[static_cast<std::size_t>(m_slot)];
    send([this, slot, block, &table] { return engine().sendImageBlock(slot, table, block); });
    if (!hasEnded() && m_progressListener)
        m_progressListener({TransferPhase::Write, m_slot + 1, m_blocksSent, m_blocksInAll});
}

void WriteSession::requestCancel()
{
    if (!holdForCancelQuestion())
        return;
    // The question's own event loop may close the window and the session with it.
    const std::weak_ptr<int> alive = aliveToken();
    const bool cancel = view().ask(kCancelDownloadQuestion);
    if (alive.expired())
        return;
    answerCancelQuestion(cancel);
}

bool WriteSession::holdForCancelQuestion()
{
    if (hasEnded() || m_asking || m_cancelling)
        return false;
    if (isComplete()) {
        end(kEndComplete);
        return false;
    }
    if (!ownsPort() || state() == bpStateSENT_C0) {
        end(kEndCancelled);
        return false;
    }
    m_asking = true;
    setPaused(true);
    return true;
}

bool WriteSession::holdForQuestionElsewhere()
{
    if (hasEnded() || m_asking || m_cancelling || isComplete() || !ownsPort() || state() == bpStateSENT_C0)
        return false;
    return holdForCancelQuestion();
}

void WriteSession::answerCancelQuestion(bool cancel)
{
    if (!m_asking)
        return;
    m_asking = false;
    if (hasEnded())
        return;
    if (!cancel) {
        setPaused(false);
        return;
    }
    // Still paused: nothing else is sent before the end of data.
    m_cancelling = true;
    host().runAfter(kCancelPauseMs, guarded([this] { finishCancel(); }));
}

void WriteSession::finishCancel()
{
    if (hasEnded())
        return;
    // The keyboard closes the slot; its reply is not awaited.
    engine().resetByteCount();
    engine().sendEndOfData();
    // Every block of the slot was acknowledged: it holds the whole image.
    if (m_slot >= 0 && m_slot < kMaxSlots && m_block >= kBlocksPerSlot &&
        m_slotStates[static_cast<std::size_t>(m_slot)] == SlotWriteState::Erased)
        m_slotStates[static_cast<std::size_t>(m_slot)] = SlotWriteState::Written;
    end(kEndCancelled);
}

void WriteSession::close()
{
    requestCancel();
}

SlotWriteState WriteSession::slotState(int slotIndex0) const
{
    if (slotIndex0 < 0 || slotIndex0 >= kMaxSlots)
        return SlotWriteState::NotStarted;
    return m_slotStates[static_cast<std::size_t>(slotIndex0)];
}

std::vector<int> WriteSession::incompleteSlots() const
{
    std::vector<int> slots;
    for (int slot = 0; slot < kMaxSlots; ++slot) {
        if (m_slotStates[static_cast<std::size_t>(slot)] == SlotWriteState::Erased)
            slots.push_back(slot + 1);
    }
    return slots;
}

messages::Message WriteSession::closingNote(int /*endCode*/) const
{
    messages::Message note;
    for (const int slot : incompleteSlots())
        note.append(u"\n", messages::Message(kSlotIncomplete, {texts::number(slot)}));
    return note;
}

} // namespace tarvo::transfer
