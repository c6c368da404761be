#include "transfer/slot_info_session.h"

#include "transfer/session_texts.h"

namespace tarvo::transfer {

using namespace serial;

namespace {
constexpr int kPhases = static_cast<int>(kTableInfoBlocks.size());
constexpr int kLastBlockPhase = kPhases + 1;
constexpr int kLastImageBlock = frames::kBlocksPerSlot - 1;
} // namespace

void SlotInfoSession::prepare()
{
    m_slot = -1;
    m_phase = 1;
    m_info = {};
    prepareSlots();
}

void SlotInfoSession::showPinging()
{
    view().setStatusText(settings().baudIndex == kBaudIndex19200 ? texts::kStatusPinging19200
                                                                 : texts::kStatusPinging57600);
}

bool SlotInfoSession::onStep(bpState state)
{
    switch (state) {
    case bpStateRECEIVE_T7:
        if (!onIdentity())
            return true;
        engine().setAddressMode(addressMode());
        engine().resetByteCount();
        goTo(bpStateREADYNEXTSLOT);
        return true;
    case bpStateREADYNEXTSLOT:
        ++m_slot;
        if (m_slot < slotCount()) {
            m_phase = 1;
            m_info = {};
            goTo(bpStateSEND_T0);
        } else {
            goTo(bpStateGOOFFLINE);
        }
        return true;
    case bpStateSEND_T0:
        view().setStatusText({});
        readPhaseBlock();
        return true;
    case bpStateRECEIVE_DT: {
        const std::span<const std::uint8_t> data = engine().receiveBuffer();
        const bool lastBlockErased = m_phase == kLastBlockPhase && frames::allErased(data);
        const bool taken = m_phase == kLastBlockPhase ? data.size() == frames::kBlockDataBytes
                                                      : m_info.setBlock(m_phase - 1, data);
        if (!taken) {
            engine().setState(bpStateER_INTERNAL);
            fail(texts::internalError(state), SessionFailure::Internal);
            return true;
        }
        engine().resetByteCount();
        // The last block only of a slot whose header reads as a table: one short read.
        if (m_phase < kPhases || (m_phase == kPhases && m_info.holdsTable())) {
            ++m_phase;
            goTo(bpStateSEND_T0);
            return true;
        }
        if (onSlotRead(m_slot + 1, m_info, lastBlockErased))
            goTo(bpStateREADYNEXTSLOT);
        return true;
    }
    default:
        return false;
    }
}

void SlotInfoSession::readPhaseBlock()
{
    const int block = m_phase == kLastBlockPhase ? kLastImageBlock
                                                 : kTableInfoBlocks[static_cast<std::size_t>(m_phase - 1)];
    const auto slot = static_cast<std::uint8_t>(m_slot);
    send([this, slot, block] { return engine().sendReadBlock(slot, block); });
}

} // namespace tarvo::transfer
