#pragma once
// The serial device on QSerialPort. Bytes arrive from the Qt event loop
// (readyRead); a device that vanishes or fails a write is reported to the
// listener. What QSerialPort in Qt 6.4 cannot do is refused or left out, not
// pretended: 4 data bits and 1.5 stop bits are refused, there is no
// parity-replace policy and no parity, framing, break or modem-line-change
// event. RTS, DTR and handshaking are applied best-effort: a device that
// cannot set a line (a pseudo-terminal, RTS under hardware flow control) is
// not a configuration failure.

#include "serial/serial_port.h"

#include <QObject>
#include <QSerialPort>

#include <functional>
#include <string>

namespace tarvo::platform {

class QtSerialPort final : public QObject, public serial::SerialPort {
    Q_OBJECT
public:
    // Maps a 0-based port index to a device path.
    using PathResolver = std::function<std::string(int portIndex)>;

    // With no resolver, comPortDevicePath (environment, settings, /dev/ttyS<n>).
    explicit QtSerialPort(PathResolver resolver = {}, QObject* parent = nullptr);
    ~QtSerialPort() override;

    void setListener(Listener* listener) override { m_listener = listener; }
    bool open(int portNumber, const serial::LineSettings& line, serial::Handshaking handshaking, bool rts,
              bool dtr, std::u16string& error) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    bool supportsLine(const serial::LineSettings& line, std::u16string& error) const override;
    bool applyLine(const serial::LineSettings& line, std::u16string& error) override;
    bool applyHandshaking(serial::Handshaking handshaking, std::u16string& error) override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    bool write(std::span<const std::uint8_t> bytes, std::u16string& error) override;
    std::size_t bytesWaiting() const override;
    std::size_t bytesToSend() const override;
    bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error) override;
    std::string devicePath(int portNumber) const override;

private:
    void onReadyRead();
    void onErrorOccurred(QSerialPort::SerialPortError error);
    std::u16string describe(const QString& what) const;

    PathResolver m_resolver;
    QSerialPort m_port;
    Listener* m_listener = nullptr;
    std::string m_openPath;
    bool m_rts = false;
    serial::Handshaking m_handshaking = serial::Handshaking::None;
};

} // namespace tarvo::platform
