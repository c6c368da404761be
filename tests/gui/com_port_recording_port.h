#pragma once
// A serial device for the COM port dialog tests that records every call that
// reaches it, in order, as one line each ("line 19200,N,8,1",
// "handshaking 2", "rts 1", "dtr 0", "open 3"); one kind of call can be made
// to fail.

#include "serial/comm_settings_tables.h"
#include "serial/serial_port.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace tarvo::ui::test {

class RecordingSerialPort final : public serial::SerialPort {
public:
    QStringList calls;
    // "line" or "handshaking": that call fails with failureText.
    QString failing;
    std::u16string failureText = u"the device refused it";

    void setListener(Listener*) override {}
    bool open(int portNumber, const serial::LineSettings&, serial::Handshaking, bool, bool,
              std::u16string&) override
    {
        calls << QStringLiteral("open %1").arg(portNumber);
        m_open = true;
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool supportsLine(const serial::LineSettings&, std::u16string&) const override { return true; }
    bool applyLine(const serial::LineSettings& line, std::u16string& error) override
    {
        calls << QStringLiteral("line ") + QString::fromStdU16String(serial::settingsText(line));
        return succeeds(QStringLiteral("line"), error);
    }
    bool applyHandshaking(serial::Handshaking handshaking, std::u16string& error) override
    {
        calls << QStringLiteral("handshaking %1").arg(static_cast<int>(handshaking));
        return succeeds(QStringLiteral("handshaking"), error);
    }
    void setRts(bool on) override { calls << QStringLiteral("rts %1").arg(on ? 1 : 0); }
    void setDtr(bool on) override { calls << QStringLiteral("dtr %1").arg(on ? 1 : 0); }
    bool write(std::span<const std::uint8_t>, std::u16string&) override { return true; }
    std::size_t bytesWaiting() const override { return 0; }
    std::size_t bytesToSend() const override { return 0; }
    bool read(std::size_t, std::vector<std::uint8_t>&, std::u16string&) override { return true; }
    std::string devicePath(int portNumber) const override
    {
        return "/dev/recorded" + std::to_string(portNumber);
    }

private:
    bool succeeds(const QString& kind, std::u16string& error) const
    {
        if (failing != kind)
            return true;
        error = failureText;
        return false;
    }
    bool m_open = false;
};

} // namespace tarvo::ui::test
