#include "transfer/read_session.h"

#include "io/bounded_reader.h"
#include "transfer/session_texts.h"

#include <algorithm>

namespace tarvo::transfer {

using namespace serial;

namespace {

constexpr int kInfoSteps = static_cast<int>(kReadInfoBlocks.size());
static_assert(static_cast<std::size_t>(kImageBlocks) * frames::kBlockDataBytes == kImageBytes);

// What images() hands out while the images are not all in.
const std::array<std::vector<std::uint8_t>, kMaxSlots> kNoImages{};

} // namespace

namespace detail {

void ReadSessionView::showProgress(int code, const messages::Message& text)
{
    if (m_mergeMode && code == kProgressComplete)
        m_target.showProgress(code, kMergeReadComplete);
    else
        m_target.showProgress(code, text);
}

} // namespace detail

ReadSession::ReadSession(SessionHost& host, SessionView& view, CCommPort& port, CommSettings& settings,
                         ReadRequest request, SessionOptions options)
    : detail::ReadSessionViewHolder{detail::ReadSessionView(view, request.mergeMode)},
      TransferSession(host, m_readView, port, settings, options), m_request(std::move(request))
{
}

bool ReadSession::imagesComplete() const
{
    return hasEnded() && endCode() == kEndComplete && m_allRead;
}

const std::array<std::vector<std::uint8_t>, kMaxSlots>& ReadSession::images() const
{
    return imagesComplete() ? m_buffers : kNoImages;
}

void ReadSession::prepare()
{
    for (auto& buffer : m_buffers)
        buffer.clear();
    const auto chosen =
        static_cast<int>(std::count_if(m_request.slotMap.begin(), m_request.slotMap.end(),
                                       [](int entry) { return entry == kSlotNewTable || entry >= 0; }));
    m_infoPhase = true;
    m_infoStep = 0;
    m_infoBlocksDone = 0;
    m_infoBlocksInAll = chosen * kInfoSteps;
    m_slot = -1;
    m_block = 0;
    m_blocksRead = 0;
    m_blocksStored = 0;
    m_blocksInAll = chosen * kImageBlocks;
    m_allRead = false;
    m_tableLine = {};
}

bool ReadSession::isChosen(int slot) const
{
    const int entry = m_request.slotMap[static_cast<std::size_t>(slot)];
    return entry == kSlotNewTable || entry >= 0;
}

int ReadSession::nextChosenSlot(int after) const
{
    for (int slot = after + 1; slot < kMaxSlots && slot < slotCount(); ++slot)
        if (isChosen(slot))
            return slot;
    return -1;
}

messages::Message ReadSession::tableLine(int slot) const
{
    const int entry = m_request.slotMap[static_cast<std::size_t>(slot)];
    if (entry == kSlotNewTable)
        return messages::Message(kTableLineNewTable,
                                 {texts::number(slot + 1), messages::Message(kNewLanguageTable)});
    const auto index = static_cast<std::size_t>(entry);
    const std::u16string name = index < m_request.tableNames.size() ? m_request.tableNames[index] : u"";
    return messages::Message(kTableLineDocumentTable, {name});
}

bool ReadSession::checkSlotCount()
{
    const int count = slotCount();
    for (int slot = count; slot < kMaxSlots; ++slot) {
        if (isChosen(slot)) {
            fail(tooFewSlotsText(count), SessionFailure::Refused);
            return false;
        }
    }
    return true;
}

void ReadSession::emitProgress(TransferPhase phase, int done, int total) const
{
    if (m_progressListener)
        m_progressListener(BlockProgress{phase, m_slot + 1, done, total});
}

void ReadSession::sendNextBlock()
{
    const auto slot = static_cast<std::uint8_t>(m_slot);
    if (m_infoPhase) {
        showProgress(kProgressFlashing, kReadingTableInformation);
        const int block = kReadInfoBlocks[static_cast<std::size_t>(m_infoStep)];
        pauseThen(kProgressPauseMs, [this, slot, block] {
            send([this, slot, block] { return engine().sendReadBlock(slot, block); });
        });
        return;
    }
    ++m_blocksRead;
    if (m_block == 0) {
        m_tableLine = tableLine(m_slot);
        view().setStatusText(kReadingScriptMenus);
    }
    showProgress(kProgressBlocks, texts::blockOf(m_blocksRead, m_blocksInAll));
    view().showBlockProgress(m_blocksRead, m_blocksInAll, m_tableLine);
    const int block = m_block;
    send([this, slot, block] { return engine().sendReadBlock(slot, block); });
}

// Takes the data of the reply just recognised; false when it is not one whole block.
bool ReadSession::storeBlock()
{
    io::BoundedReader reply(engine().receiveBuffer());
    std::span<const std::uint8_t> data;
    if (!reply.readBytes(frames::kBlockDataBytes, data) || !reply.atEnd())
        return false;
    if (m_infoPhase) {
        // Only that the slot answers matters here; the data is not kept.
        engine().resetByteCount();
        ++m_infoBlocksDone;
        emitProgress(TransferPhase::Info, m_infoBlocksDone, m_infoBlocksInAll);
        return true;
    }
    std::vector<std::uint8_t>& buffer = m_buffers[static_cast<std::size_t>(m_slot)];
    const std::size_t offset = static_cast<std::size_t>(m_block) * frames::kBlockDataBytes;
    if (offset + data.size() > buffer.size())
        return false;
    std::copy(data.begin(), data.end(), buffer.begin() + static_cast<std::ptrdiff_t>(offset));
    engine().resetByteCount();
    ++m_blocksStored;
    emitProgress(TransferPhase::Read, m_blocksStored, m_blocksInAll);
    return true;
}

void ReadSession::informationOfSlotAfter(int slot)
{
    m_slot = nextChosenSlot(slot);
    if (m_slot >= 0) {
        goTo(bpStateSEND_T0);
        return;
    }
    // The images follow, from the first chosen slot again.
    m_infoPhase = false;
    goTo(bpStateREADYNEXTSLOT);
}

bool ReadSession::onStep(bpState state)
{
    switch (state) {
    case bpStateRECEIVE_T7:
        showProgress(kProgressIdReceived);
        if (!checkSlotCount())
            return true;
        // Checked replies only: a digit corrupted in an unchecked dump line
        // would be merged and written back into the keyboard.
        engine().setAddressMode(frames::kAddressModeLinear);
        engine().resetByteCount();
        informationOfSlotAfter(-1);
        return true;
    case bpStateSEND_T0:
        sendNextBlock();
        return true;
    case bpStateRECEIVE_DT:
        if (!storeBlock()) {
            engine().setState(bpStateER_INTERNAL);
            fail(texts::internalError(state), SessionFailure::Internal);
            return true;
        }
        if (m_infoPhase) {
            if (++m_infoStep < kInfoSteps) {
                goTo(bpStateSEND_T0);
                return true;
            }
            m_infoStep = 0;
            informationOfSlotAfter(m_slot);
            return true;
        }
        if (++m_block < kImageBlocks) {
            // The next request goes out at once: a posted step here was a
            // second trip through the event loop between each reply and the
            // next request, which the line waits for. A listener told of the
            // block may have ended the session (a cancel) or paused it: then
            // the request waits for the step that resumes it, as a posted step would.
            engine().setState(bpStateSEND_T0);
            if (!hasEnded() && !isPaused())
                sendNextBlock();
            return true;
        }
        if (m_slotListener)
            m_slotListener(m_slot + 1, SlotOutcome::Read);
        goTo(bpStateREADYNEXTSLOT);
        return true;
    case bpStateREADYNEXTSLOT:
        m_slot = nextChosenSlot(m_slot);
        if (m_slot < 0) {
            m_allRead = m_blocksStored == m_blocksInAll;
            goTo(bpStateGOOFFLINE);
            return true;
        }
        m_block = 0;
        m_buffers[static_cast<std::size_t>(m_slot)].assign(kImageBytes, 0);
        goTo(bpStateSEND_T0);
        return true;
    case bpStateRECEIVE_UK:
        if (engine().lastCommand() == bpStateSEND_C0 && failure() == SessionFailure::NoAnswer) {
            // No keyboard at either speed: the download must not go on to write.
            m_continue = false;
            return false;
        }
        if (engine().forcedReadFlag()) {
            fail(texts::kTransferTimedOut, SessionFailure::NoAnswer);
            return true;
        }
        // A time-out has set its own text already, which fail() keeps.
        if (engine().badPacket() || engine().lastCommand() == bpStateSEND_T0) {
            fail(kBadChecksum, SessionFailure::Refused);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace tarvo::transfer
