#pragma once
// CCommPort: the application's single serial port object. It owns the
// control, applies a CommSettings record to it, sends and receives bytes and
// text, and hands the control's events, as CommEventCode, to one receiver at
// a time. A receiver that registers while another holds the port takes over;
// when it unregisters, the port goes back to the one before it.

#include "serial/comm_settings.h"
#include "serial/ims_comm.h"
#include "serial/serial_port.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::serial {

class CCommPort {
public:
    using EventFunction = std::function<void(CommEventCode)>;

    explicit CCommPort(SerialPort& device);
    explicit CCommPort(std::unique_ptr<SerialPort> device);
    ~CCommPort();
    CCommPort(const CCommPort&) = delete;
    CCommPort& operator=(const CCommPort&) = delete;

    // Checks every field against its table or range, then writes CommPort
    // (port index + 1), Settings, Handshaking, InBufferSize, RThreshold,
    // InputLen, OutBufferSize, SThreshold, EOFEnable, NullDiscard, RTSEnable,
    // DTREnable, ParityReplace and InputMode in that order; CommPort and the
    // buffer sizes are skipped while the port is open. False at the first
    // refused field or failed write; lastError says which.
    bool configure(const CommSettings& settings);
    // Reads every property back into table indices, in the settings
    // dialog's order: port number, Settings, Handshaking, the four flags,
    // InputMode, ParityReplace, then the thresholds and buffer sizes. False at
    // the first read that fails or gives a value outside its table; lastError
    // holds that property's message and settings stays as it was.
    bool readSettings(CommSettings& settings) const;

    bool sendBytes(std::span<const std::uint8_t> bytes);
    // Each character's low 8 bits are sent.
    bool sendText(std::u16string_view text);
    bool receiveBytes(std::vector<std::uint8_t>& bytes);
    // Each byte becomes one character.
    bool receiveText(std::u16string& text);
    bool isBinaryMode(bool& binary) const;

    bool getPortOpen(bool& open) const { return m_control.getPortOpen(open); }
    bool setPortOpen(bool open);
    bool isPortOpen() const { return m_control.isPortOpen(); }
    bool setRThreshold(int bytes);
    CIMSComm& control() { return m_control; }
    const CIMSComm& control() const { return m_control; }
    // The last failure of an operation here, or of the device (gone, write
    // failed) reported by an event.
    const messages::Message& lastError() const;
    // The comm_event of the device's last failure since the port was last
    // opened (kDeviceLost, kWriteFailed, kDeviceUnreachable); kNone without one.
    int lastDeviceFailure() const { return m_deviceFailure; }

    // Registers owner's receiver as the current one (an owner already
    // registered gets its function replaced and becomes current).
    void setEventReceiver(const void* owner, EventFunction onEvent);
    // Removes owner wherever it stands; the receiver before it becomes
    // current again. Unknown owners are ignored.
    void removeEventReceiver(const void* owner);
    const void* currentEventReceiver() const;

    // The application-wide flag that keeps a second session off the port.
    bool portInUse() const { return m_portInUse; }
    void setPortInUse(bool inUse) { m_portInUse = inUse; }

private:
    struct Receiver {
        const void* owner;
        EventFunction onEvent;
    };
    void dispatch();

    CIMSComm m_control;
    std::vector<Receiver> m_receivers; // the last one is current
    bool m_portInUse = false;
    mutable messages::Message m_error;
    int m_deviceFailure = comm_event::kNone;
};

} // namespace tarvo::serial
