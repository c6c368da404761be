#include "serial/bp_protocol.h"

#include "model/lang_table.h"
#include "serial/comm_settings_tables.h"

#include <algorithm>

namespace tarvo::serial {

CBpProtocol::~CBpProtocol()
{
    release();
}

bool CBpProtocol::initialise(CCommPort& port, const CommSettings& settings, Notify notify)
{
    if (m_port && m_port != &port)
        m_port->removeEventReceiver(this);
    m_initialised = false;
    m_port = &port;

    CommSettings forced = settings;
    forced.inputModeIndex = kInputModeBinary;
    forced.inputLen = 0;
    forced.nullDiscard = 0;
    forced.eofEnable = 0;
    if (!port.configure(forced))
        return false;

    m_notify = std::move(notify);
    port.setEventReceiver(this, [this](CommEventCode code) { onCommEvent(code); });
    m_send.fill(0);
    m_receive.fill(0);
    m_count = 0;
    m_discarded = 0;
    m_badPacket = false;
    m_forcedRead = false;
    m_initialised = true;
    return true;
}

void CBpProtocol::release()
{
    if (m_port)
        m_port->removeEventReceiver(this);
    m_port = nullptr;
    m_notify = {};
    m_initialised = false;
}

bool CBpProtocol::openPort()
{
    bool open = false;
    if (!m_port || !m_port->getPortOpen(open) || open)
        return false;
    return m_port->setPortOpen(true);
}

bool CBpProtocol::closePort()
{
    bool open = false;
    if (!m_port || !m_port->getPortOpen(open))
        return false;
    if (!open)
        return true;
    return m_port->setPortOpen(false);
}

bool CBpProtocol::send(const frames::Frame& frame, bpState sendState, std::size_t replyBytes)
{
    if (!m_initialised || !m_port)
        return false;
    std::copy_n(frame.bytes.begin(), frame.size, m_send.begin());
    if (!m_port->setRThreshold(static_cast<int>(replyBytes)))
        return false;
    const std::span<const std::uint8_t> bytes(m_send.data(), frame.size);
    if (!m_port->sendBytes(bytes))
        return false;
    observe(FrameDirection::Sent, bytes);
    m_lastCommand = sendState;
    m_state = sentStateFor(sendState);
    m_badPacket = false;
    m_forcedRead = false;
    return true;
}

bool CBpProtocol::sendPing()
{
    return send(frames::buildPing(), bpStateSEND_C0, frames::kBannerBytes);
}

bool CBpProtocol::sendSelectTable(std::uint8_t slot)
{
    return send(frames::buildSelectTable(slot), bpStateSEND_C1, frames::kStatusReplyBytes);
}

bool CBpProtocol::sendImageBlock(std::uint8_t slot, const model::CS1_LangTable& table, int block)
{
    if (block < 0 || block >= frames::kBlocksPerSlot)
        return false;
    const std::span<const std::uint8_t> image = table.Image();
    const std::size_t offset = static_cast<std::size_t>(block) * frames::kBlockDataBytes;
    if (image.size() < offset + frames::kBlockDataBytes)
        return false;
    const std::span<const std::uint8_t, frames::kBlockDataBytes> data(image.data() + offset,
                                                                      frames::kBlockDataBytes);
    return send(frames::buildImageBlock(slot, block, data), bpStateSEND_S2, frames::kStatusReplyBytes);
}

bool CBpProtocol::sendEndOfData()
{
    return send(frames::buildEndOfData(), bpStateSEND_S8, frames::kStatusReplyBytes);
}

bool CBpProtocol::sendReadBlock(std::uint8_t slot, int block)
{
    if (block < 0 || block >= frames::kBlocksPerSlot)
        return false;
    return send(frames::buildReadBlock(slot, block, m_addressMode), bpStateSEND_T0,
                frames::replyLength(frames::FrameType::T0, m_addressMode));
}

bool CBpProtocol::sendReadIdentity()
{
    m_keyboardId.clear();
    return send(frames::buildReadIdentity(), bpStateSEND_T7, frames::kIdentityReplyBytes);
}

void CBpProtocol::append(std::span<const std::uint8_t> bytes)
{
    // Every reply is at most 49 bytes; input beyond the buffer is counted
    // and dropped.
    const std::size_t room = kReceiveBufferBytes - m_count;
    const std::size_t kept = std::min(room, bytes.size());
    std::copy_n(bytes.begin(), kept, m_receive.begin() + static_cast<std::ptrdiff_t>(m_count));
    m_count += kept;
    m_discarded += bytes.size() - kept;
}

void CBpProtocol::result(bpState state)
{
    m_state = state;
    if (m_notify) {
        const Notify notify = m_notify; // the owner may release the engine
        notify();
    }
}

void CBpProtocol::observe(FrameDirection direction, std::span<const std::uint8_t> bytes) const
{
    if (m_observer)
        m_observer(direction, bytes);
}

void CBpProtocol::onCommEvent(CommEventCode code)
{
    m_lastEvent = static_cast<int>(code);
    if (isResultState(m_state))
        return;
    switch (code) {
    case CommEventCode::Receive:
        receive();
        return;
    case CommEventCode::SendThreshold:
    case CommEventCode::CtsChange:
    case CommEventCode::DsrChange:
    case CommEventCode::CdChange:
    case CommEventCode::Ring:
    case CommEventCode::EofReceived:
        return;
    case CommEventCode::Unknown:
        result(bpStateEX_UNDEF);
        return;
    default:
        result(bpStateEX_OTHER);
        return;
    }
}

void CBpProtocol::receive()
{
    switch (m_state) {
    case bpStateSENT_C0:
    case bpStateSENT_C1:
    case bpStateSENT_S2:
    case bpStateSENT_S8:
    case bpStateSENT_T7:
    case bpStateSENT_T0:
        break;
    default:
        return; // the input stays in the port
    }
    std::vector<std::uint8_t> bytes;
    if (!m_port || !m_port->receiveBytes(bytes)) {
        result(bpStateEX_RECEIVE);
        return;
    }
    append(bytes);
    const frames::ReplyRecognition r = frames::recogniseReply(m_state, m_addressMode, receiveBuffer());
    if (r.verdict != frames::ReplyVerdict::Complete)
        return;
    observe(FrameDirection::Received, receiveBuffer());

    switch (m_state) {
    case bpStateSENT_T7:
        m_keyboardId = r.keyboardId;
        if (r.state == bpStateRECEIVE_T7)
            m_count = 0;
        break;
    case bpStateSENT_T0:
        if (r.badPacket)
            m_badPacket = true;
        if (r.data.valid) {
            std::copy(r.data.data.begin(), r.data.data.end(), m_receive.begin());
            m_count = frames::kBlockDataBytes;
        }
        break;
    default:
        m_count = 0;
        break;
    }
    result(r.state);
}

void CBpProtocol::forcedRead()
{
    // The caller (the session's time-out handler) posts its own step, so no
    // notification here.
    m_forcedRead = true;
    std::vector<std::uint8_t> bytes;
    if (!m_port || !m_port->receiveBytes(bytes)) {
        m_state = bpStateEX_RECEIVE;
        m_count = 0;
        return;
    }
    append(bytes);
    observe(FrameDirection::Received, receiveBuffer());
    m_state = bpStateRECEIVE_UK;
    switch (frames::recogniseStatus(receiveBuffer())) {
    case frames::StatusReply::CE:
        m_state = bpStateRECEIVE_CE;
        break;
    case frames::StatusReply::FE:
        m_state = bpStateRECEIVE_FE;
        break;
    default:
        break;
    }
    m_count = 0;
}

} // namespace tarvo::serial
