#pragma once
// The serial device below the serial-communications control: what the core
// needs from a platform's serial port. The Qt adapter implements it in the
// programs, a scripted fake in tests. The control (CIMSComm) keeps the
// properties, the receive threshold and the events on top of it.
//
// Every failure is a false result with a message, or a call of the
// listener's onPortFailed; nothing is thrown across this interface.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::serial {

// CommEventCode: the small event code the receivers get.
enum class CommEventCode : int {
    SendThreshold = 0,
    Receive = 1,
    CtsChange = 2,
    DsrChange = 3,
    CdChange = 4,
    Ring = 5,
    EofReceived = 6,
    Break = 7,
    CtsTimeout = 8,
    DsrTimeout = 9,
    FramingError = 10,
    PortOverrun = 11,
    CdTimeout = 12,
    ReceiveOverflow = 13,
    ParityError = 14,
    TransmitFull = 15,
    DcbError = 16,
    Unknown = 17,
};
// The last-event value before any event arrived.
inline constexpr int kCommEventCodeNone = 18;

// The control's own CommEvent values.
namespace comm_event {
inline constexpr int kNone = 0;
inline constexpr int kSend = 1;
inline constexpr int kReceive = 2;
inline constexpr int kCts = 3;
inline constexpr int kDsr = 4;
inline constexpr int kCd = 5;
inline constexpr int kRing = 6;
inline constexpr int kEof = 7;
inline constexpr int kBreak = 1001;
inline constexpr int kCtsTimeout = 1002;
inline constexpr int kDsrTimeout = 1003;
inline constexpr int kFrame = 1004;
inline constexpr int kOverrun = 1006;
inline constexpr int kCdTimeout = 1007;
inline constexpr int kRxOver = 1008;
inline constexpr int kRxParity = 1009;
inline constexpr int kTxFull = 1010;
inline constexpr int kDcb = 1011;
// Raised on this platform beyond the control's own list; all map to
// CommEventCode::Unknown, and the port's last error says what happened.
inline constexpr int kDeviceLost = 1101;
inline constexpr int kWriteFailed = 1102;
// A device whose open returns at once and connects later (a network serial
// server) was never reached: for the session it is a port that could not be
// opened, not one that was lost.
inline constexpr int kDeviceUnreachable = 1103;
} // namespace comm_event

// The mapping from a control value to a CommEventCode (any other value:
// Unknown).
CommEventCode commEventCodeFor(int controlValue);

enum class StopBits { One, OnePointFive, Two };

// The line settings of the control's Settings text.
struct LineSettings {
    int baudRate = 9600;
    char parity = 'N'; // 'E', 'M', 'N', 'O', 'S'
    int dataBits = 8;  // 4-8
    StopBits stopBits = StopBits::One;
    bool operator==(const LineSettings&) const = default;
};

// The control's Handshaking values.
enum class Handshaking : int { None = 0, XonXoff = 1, Rts = 2, RtsXonXoff = 3 };

// The one flow control a line applies: ports offer RTS/CTS or XON/XOFF, not
// both, so RTS/CTS wins when both are asked for.
enum class LineFlow { None, XonXoff, Hardware };
inline LineFlow lineFlowFor(Handshaking handshaking)
{
    switch (handshaking) {
    case Handshaking::XonXoff:
        return LineFlow::XonXoff;
    case Handshaking::Rts:
    case Handshaking::RtsXonXoff:
        return LineFlow::Hardware;
    case Handshaking::None:
        break;
    }
    return LineFlow::None;
}

class SerialPort {
public:
    class Listener {
    public:
        virtual ~Listener() = default;
        // New bytes are waiting (called from the event loop).
        virtual void onBytesArrived() = 0;
        // The device failed (gone, write error); controlEvent is a
        // comm_event value.
        virtual void onPortFailed(int controlEvent, const std::u16string& message) = 0;
    };

    virtual ~SerialPort() = default;

    virtual void setListener(Listener* listener) = 0;

    // Opens port number 1-16 (COM1 is 1). A missing, busy or forbidden
    // device gives false and a message naming the device and the reason.
    virtual bool open(int portNumber, const LineSettings& line, Handshaking handshaking, bool rts, bool dtr,
                      std::u16string& error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Whether this platform can drive the line settings at all (false with a
    // message for, say, 4 data bits).
    virtual bool supportsLine(const LineSettings& line, std::u16string& error) const = 0;
    // Applied while open.
    virtual bool applyLine(const LineSettings& line, std::u16string& error) = 0;
    virtual bool applyHandshaking(Handshaking handshaking, std::u16string& error) = 0;
    // Modem lines are best-effort: a device that cannot set them (a
    // pseudo-terminal) is not a failure.
    virtual void setRts(bool on) = 0;
    virtual void setDtr(bool on) = 0;

    virtual bool write(std::span<const std::uint8_t> bytes, std::u16string& error) = 0;
    virtual std::size_t bytesWaiting() const = 0;
    virtual std::size_t bytesToSend() const = 0;
    // Removes up to maxBytes waiting bytes and appends them to out.
    virtual bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error) = 0;

    // The device a port number stands for ("/dev/ttyS0"), for messages.
    virtual std::string devicePath(int portNumber) const = 0;
    // Why data is held back on this side of the keyboard, when the device
    // knows it (a network serial server that paused the data flow); empty
    // otherwise. A reply that never came is then not the cable's fault.
    virtual std::u16string heldBackReason() const { return {}; }
};

} // namespace tarvo::serial
