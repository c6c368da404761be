#pragma once
// CIMSComm: the serial-communications control. It holds the properties the
// callers read and write one by one (CommPort, Settings, Handshaking, the
// buffer sizes, thresholds, line flags, ParityReplace, InputMode), opens and
// closes a SerialPort device with them, sends (Output) and receives (Input)
// bytes, and raises OnComm: one receive event each time the waiting bytes
// reach RThreshold, and the device failures the platform reports.
//
// Not raised on this platform (the device layer cannot observe them): send
// threshold, CTS/DSR/CD changes, ring, EOF, break, CTS/DSR/CD time-outs,
// framing, overrun and parity errors, DCB retrieval errors. ParityReplace and
// NullDiscard are kept as properties, but no parity-replace policy exists
// below them; EOFEnable is kept and has no effect.

#include "io/message_pattern.h"
#include "serial/serial_port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::serial {

// The properties read and written by number.
enum class PortProperty {
    CommPort,       // 1-16; written only while closed
    DTREnable,      // 0 / 1
    Handshaking,    // 0-3
    InBufferSize,   // 1-32767; written only while closed
    InBufferCount,  // read only
    InputLen,       // 0-32767; 0: Input returns everything waiting
    NullDiscard,    // 0 / 1
    OutBufferSize,  // 1-32767; written only while closed
    OutBufferCount, // read only
    ParityReplace,  // character code 0-255
    RThreshold,     // 0-32767; 0: no receive events
    RTSEnable,      // 0 / 1
    SThreshold,     // 0-32767
    EOFEnable,      // 0 / 1
    InputMode,      // 0 text, 1 binary
};

inline constexpr int kMaxPortNumber = 16;
inline constexpr int kMaxBufferSetting = 32767;

class CIMSComm final : private SerialPort::Listener {
public:
    using OnComm = std::function<void()>;

    // The device is not owned when passed by reference.
    explicit CIMSComm(SerialPort& device);
    explicit CIMSComm(std::unique_ptr<SerialPort> device);
    ~CIMSComm() override;
    CIMSComm(const CIMSComm&) = delete;
    CIMSComm& operator=(const CIMSComm&) = delete;

    // Property access; false (and lastError) for a value out of range, a
    // write that is not allowed while open, or a device failure.
    bool setProperty(PortProperty property, int value);
    bool getProperty(PortProperty property, int& value) const;
    // "19200,N,8,1". Refused when the text does not parse or the platform
    // cannot drive it.
    bool setSettings(std::u16string_view text);
    bool getSettings(std::u16string& text) const;
    bool setPortOpen(bool open);
    bool getPortOpen(bool& open) const;
    bool isPortOpen() const;

    // Output: the bytes are sent as they are.
    bool output(std::span<const std::uint8_t> bytes);
    // Input: with InputLen 0 all waiting bytes, otherwise at most InputLen;
    // the bytes read are removed. NullDiscard drops NUL bytes.
    bool input(std::vector<std::uint8_t>& bytes);

    // The cause of the last OnComm (a comm_event value; 0 before any).
    int commEvent() const { return m_commEvent; }
    void setOnComm(OnComm handler) { m_onComm = std::move(handler); }

    // What the last failure was, for the caller's message: the control's own
    // words, or what the device said (data).
    const messages::Message& lastError() const { return m_lastError; }
    // The device's reason for holding data back (see SerialPort), empty for none.
    messages::Message heldBackReason() const
    {
        return messages::Message::data(m_device ? m_device->heldBackReason() : std::u16string());
    }
    SerialPort& device() { return *m_device; }

private:
    void onBytesArrived() override;
    void onPortFailed(int controlEvent, const std::u16string& message) override;
    bool fail(messages::Message message) const;
    void raise(int controlEvent);
    void checkReceiveThreshold();

    std::unique_ptr<SerialPort> m_owned;
    SerialPort* m_device;
    OnComm m_onComm;
    mutable messages::Message m_lastError;

    int m_commPort = 1;
    LineSettings m_line{};
    int m_handshaking = 0;
    int m_inBufferSize = 1024;
    int m_outBufferSize = 512;
    int m_rThreshold = 0;
    int m_sThreshold = 0;
    int m_inputLen = 0;
    bool m_dtrEnable = false;
    bool m_rtsEnable = false;
    bool m_nullDiscard = false;
    bool m_eofEnable = false;
    int m_parityReplace = '?';
    int m_inputMode = 0;
    int m_commEvent = comm_event::kNone;
    // One receive event per crossing of RThreshold: re-armed when a read or
    // a new threshold brings the waiting bytes below it.
    bool m_receiveArmed = true;
};

} // namespace tarvo::serial
