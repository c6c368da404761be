#pragma once
// CBpProtocol: the keyboard protocol engine of one transfer session. One
// operation per frame: each builds the frame, sets RThreshold to the reply
// length, sends it and moves to the SENT state. The engine receives the
// port's events, gathers the reply bytes and turns them into result states,
// and notifies its owner after each result.

#include "serial/bp_state.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "serial/frames.h"
#include "serial/keyboard_records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

namespace tarvo::model {
class CS1_LangTable;
}

namespace tarvo::serial {

inline constexpr std::size_t kReceiveBufferBytes = 8192;
// Holds the longest frame (S2); never sized from the out-buffer setting.
inline constexpr std::size_t kSendBufferBytes = frames::kMaxFrameBytes;

class CBpProtocol {
public:
    // The owner's notification (the dialog's posted step message).
    using Notify = std::function<void()>;
    enum class FrameDirection { Sent, Received };
    // Sees every frame sent and every reply taken (a forced read included,
    // with what it found), for a trace of the line.
    using FrameObserver = std::function<void(FrameDirection, std::span<const std::uint8_t>)>;

    CBpProtocol() = default;
    ~CBpProtocol();
    CBpProtocol(const CBpProtocol&) = delete;
    CBpProtocol& operator=(const CBpProtocol&) = delete;

    // Applies the settings to the port (binary input mode, InputLen 0, no NUL
    // discard and no EOF handling, whatever the record says: the reply
    // parser depends on them), registers as the port's event receiver,
    // zeroes both buffers and clears the flags. False when the port refuses
    // a setting; port.lastError() says which. May be called again (the baud
    // probe does).
    bool initialise(CCommPort& port, const CommSettings& settings, Notify notify);
    // Unregisters from the port; the engine is no longer initialised.
    void release();
    bool isInitialised() const { return m_initialised; }
    // Kept across initialise() and release().
    void setFrameObserver(FrameObserver observer) { m_observer = std::move(observer); }

    // False when already open or the port fails.
    bool openPort();
    // True when already closed; false when the port fails.
    bool closePort();

    bool sendPing();
    bool sendSelectTable(std::uint8_t slot);
    // False also for a block outside 0-4095 or an image too short for it.
    bool sendImageBlock(std::uint8_t slot, const model::CS1_LangTable& table, int block);
    bool sendEndOfData();
    bool sendReadBlock(std::uint8_t slot, int block);
    // Clears the stored KeyboardId.
    bool sendReadIdentity();

    // After a time-out of a 2-byte reply: reads what is waiting; exactly "CE"
    // or "FE" give those states, anything else bpStateRECEIVE_UK; a read
    // failure gives bpStateEX_RECEIVE. Resets the count.
    void forcedRead();

    // Called for every comm event (the port calls it while registered).
    void onCommEvent(CommEventCode code);

    bpState getState() const { return m_state; }
    void setState(bpState state) { m_state = state; }
    bpState lastCommand() const { return m_lastCommand; }
    void setAddressMode(int mode) { m_addressMode = mode; }
    int addressMode() const { return m_addressMode; }
    void resetByteCount() { m_count = 0; }
    std::size_t byteCount() const { return m_count; }
    // The bytes held; after a data reply, the 16 data bytes.
    std::span<const std::uint8_t> receiveBuffer() const { return {m_receive.data(), m_count}; }
    // Input that did not fit in the receive buffer and was dropped.
    std::size_t discardedBytes() const { return m_discarded; }
    int lastCommEvent() const { return m_lastEvent; }
    bool badPacket() const { return m_badPacket; }
    bool forcedReadFlag() const { return m_forcedRead; }
    const KeyboardId& keyboardId() const { return m_keyboardId; }
    CCommPort* port() const { return m_port; }

private:
    bool send(const frames::Frame& frame, bpState sendState, std::size_t replyBytes);
    void append(std::span<const std::uint8_t> bytes);
    void receive();
    void result(bpState state);
    void observe(FrameDirection direction, std::span<const std::uint8_t> bytes) const;

    CCommPort* m_port = nullptr;
    Notify m_notify;
    FrameObserver m_observer;
    bpState m_state = bpStateNONE;
    bpState m_lastCommand = bpStateNONE;
    int m_addressMode = frames::kAddressModeNone;
    std::array<std::uint8_t, kSendBufferBytes> m_send{};
    std::array<std::uint8_t, kReceiveBufferBytes> m_receive{};
    std::size_t m_count = 0;
    std::size_t m_discarded = 0;
    int m_lastEvent = kCommEventCodeNone;
    bool m_badPacket = false;
    bool m_forcedRead = false;
    bool m_initialised = false;
    KeyboardId m_keyboardId;
};

} // namespace tarvo::serial
