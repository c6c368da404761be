#include "transfer/query_session.h"

#include "serial/frames.h"
#include "transfer/session_texts.h"

namespace tarvo::transfer {

using namespace serial;

namespace {
constexpr int kFirstRecognisedSchema = 1;
constexpr int kLastRecognisedSchema = 7;
constexpr int kPhases = static_cast<int>(kTableInfoBlocks.size());
} // namespace

void CQuerySession::prepare()
{
    m_slot = -1;
    m_phase = 1;
    m_rows.clear();
    m_info = {};
}

void CQuerySession::showPinging()
{
    view().setStatusText(std::u16string(
        settings().baudIndex == kBaudIndex19200 ? texts::kStatusPinging19200 : texts::kStatusPinging57600));
}

bool CQuerySession::onStep(bpState state)
{
    switch (state) {
    case bpStateRECEIVE_T7: {
        const KeyboardId& id = keyboardId();
        m_dataSchema = id.dataSchema();
        m_dataSchemaRecognised =
            m_dataSchema >= kFirstRecognisedSchema && m_dataSchema <= kLastRecognisedSchema;
        engine().setAddressMode(id.addressModeForBootloader());
        engine().resetByteCount();
        goTo(bpStateREADYNEXTSLOT);
        return true;
    }
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
    case bpStateSEND_T0: {
        view().setStatusText({});
        const int block = kTableInfoBlocks[static_cast<std::size_t>(m_phase - 1)];
        const auto slot = static_cast<std::uint8_t>(m_slot);
        send([this, slot, block] { return engine().sendReadBlock(slot, block); });
        return true;
    }
    case bpStateRECEIVE_DT:
        if (!m_info.setBlock(m_phase - 1, engine().receiveBuffer())) {
            engine().setState(bpStateER_INTERNAL);
            fail(texts::internalError(state), SessionFailure::Internal);
            return true;
        }
        engine().resetByteCount();
        if (m_phase == kPhases) {
            m_rows.push_back(makeTableInfoRow(m_slot + 1, m_info));
            if (m_rowListener)
                m_rowListener(m_rows.back());
            goTo(bpStateREADYNEXTSLOT);
        } else {
            ++m_phase;
            goTo(bpStateSEND_T0);
        }
        return true;
    default:
        return false;
    }
}

} // namespace tarvo::transfer
