#pragma once
// The serial device the programs open: at each open, the device the COM
// port names decides between a local serial port (QtSerialPort) and a
// network serial server (NetworkSerialPort, for rfc2217://HOST:PORT). The
// sessions, the jobs and the Debug tools see one device either way.

#include "platform/network_serial_port.h"
#include "platform/qt_serial_port.h"

#include <functional>
#include <string>

namespace tarvo::platform {

class DeviceSerialPort final : public serial::SerialPort {
public:
    // Maps a 0-based port index to a device path or a network address.
    using PathResolver = std::function<std::string(int portIndex)>;

    // With no resolver, comPortDevicePath (environment, settings, /dev/ttyS<n>).
    explicit DeviceSerialPort(PathResolver resolver = {});

    void setListener(Listener* listener) override;
    bool open(int portNumber, const serial::LineSettings& line, serial::Handshaking handshaking, bool rts,
              bool dtr, std::u16string& error) override;
    void close() override { m_active->close(); }
    bool isOpen() const override { return m_active->isOpen(); }
    bool supportsLine(const serial::LineSettings& line, std::u16string& error) const override
    {
        return m_active->supportsLine(line, error);
    }
    bool applyLine(const serial::LineSettings& line, std::u16string& error) override
    {
        return m_active->applyLine(line, error);
    }
    bool applyHandshaking(serial::Handshaking handshaking, std::u16string& error) override
    {
        return m_active->applyHandshaking(handshaking, error);
    }
    void setRts(bool on) override { m_active->setRts(on); }
    void setDtr(bool on) override { m_active->setDtr(on); }
    bool write(std::span<const std::uint8_t> bytes, std::u16string& error) override
    {
        return m_active->write(bytes, error);
    }
    std::size_t bytesWaiting() const override { return m_active->bytesWaiting(); }
    std::size_t bytesToSend() const override { return m_active->bytesToSend(); }
    bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error) override
    {
        return m_active->read(maxBytes, out, error);
    }
    std::string devicePath(int portNumber) const override { return m_active->devicePath(portNumber); }

private:
    PathResolver m_resolver;
    QtSerialPort m_local;
    NetworkSerialPort m_network;
    serial::SerialPort* m_active = &m_local;
};

} // namespace tarvo::platform
