// The network serial device over a real TCP connection to a scripted RFC
// 2217 server on 127.0.0.1: a server still busy with its last client (it
// greets and hangs up, as ser2net does) is tried again, data goes both ways
// with 0xFF doubled on the wire, a pause the server asks for is named as the
// server's, a closed port keeps its connection for the
// next open, a server that hangs up is a lost port naming the address, and
// one that was never reached is an unreachable port naming it.
// Waits have generous bounds and nothing depends on how fast they end.

#include "platform/network_serial_port.h"

#include "event_loop_wait.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tarvo;

namespace {

using platform::testing::app;
using platform::testing::kGenerousWaitMs;
using platform::testing::runUntil;

constexpr char kIac = '\xFF';

// Answers each COM-PORT-OPTION request with its confirmation and keeps the
// data bytes (undoubled). The first connection is turned away busy.
class ScriptedServer {
public:
    ScriptedServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            QTcpSocket* client = m_server.nextPendingConnection();
            ++connections;
            client->write(QByteArray("\xFF\xFD\x2C", 3)); // DO COM-PORT-OPTION
            if (connections == 1) {
                client->write("Port already in use\r\n");
                client->disconnectFromHost();
                return;
            }
            m_client = client;
            QObject::connect(client, &QTcpSocket::readyRead, [this] { take(m_client->readAll()); });
        });
    }
    std::string address() const { return "rfc2217://127.0.0.1:" + std::to_string(m_server.serverPort()); }
    void send(const QByteArray& wire) { m_client->write(wire); }
    void hangUp() { m_client->abort(); }

    int connections = 0;
    std::string data;

private:
    void take(const QByteArray& bytes)
    {
        m_pending += bytes;
        for (;;) {
            const qsizetype iac = m_pending.indexOf(kIac);
            if (iac < 0 || iac + 1 >= m_pending.size()) {
                data += m_pending.left(iac < 0 ? m_pending.size() : iac).toStdString();
                m_pending.remove(0, iac < 0 ? m_pending.size() : iac);
                return;
            }
            data += m_pending.left(iac).toStdString();
            const char command = m_pending[iac + 1];
            if (command == kIac) { // a doubled data byte
                data += kIac;
                m_pending.remove(0, iac + 2);
            } else if (command == '\xFA') { // IAC SB 44 cmd value IAC SE: confirmed as asked
                const qsizetype end = m_pending.indexOf(QByteArray("\xFF\xF0", 2), iac);
                if (end < 0)
                    return;
                QByteArray reply = m_pending.mid(iac, end + 2 - iac);
                reply[3] = static_cast<char>(reply[3] + 100);
                m_client->write(reply);
                m_pending.remove(0, end + 2);
            } else { // an option: IAC verb option
                if (iac + 2 >= m_pending.size())
                    return;
                m_pending.remove(0, iac + 3);
            }
        }
    }

    QTcpServer m_server;
    QTcpSocket* m_client = nullptr;
    QByteArray m_pending;
};

class RecordingListener final : public serial::SerialPort::Listener {
public:
    void onBytesArrived() override { ++arrivals; }
    void onPortFailed(int controlEvent, const std::u16string& message) override
    {
        failedEvent = controlEvent;
        failure = QString::fromStdU16String(message).toStdString();
    }
    int arrivals = 0;
    int failedEvent = 0;
    std::string failure;
};

TEST(NetworkSerialPort, ReachesABusyServerCarriesBytesBothWaysAndReportsItsHangUp)
{
    app();
    ScriptedServer server;
    RecordingListener listener;
    platform::NetworkSerialPort port([&server](int) { return server.address(); });
    port.setListener(&listener);
    const serial::LineSettings line{57600, 'N', 8, serial::StopBits::One};
    std::u16string error;
    ASSERT_TRUE(port.open(1, line, serial::Handshaking::None, false, true, error));
    const std::vector<std::uint8_t> frame = {0x43, 0xFF, 0x30};
    ASSERT_TRUE(port.write(frame, error));
    ASSERT_TRUE(runUntil([&] { return server.data.size() >= frame.size(); })) << listener.failure;
    EXPECT_EQ(server.data, std::string("\x43\xFF\x30", 3));
    EXPECT_EQ(server.connections, 2);

    server.send(QByteArray("\x52\xFF\xFF\x01\xFF\xFA\x2C\x6B\x30\xFF\xF0", 11)); // data, a notification
    ASSERT_TRUE(runUntil([&] { return port.bytesWaiting() >= 3; }));
    std::vector<std::uint8_t> reply;
    ASSERT_TRUE(port.read(16, reply, error));
    EXPECT_EQ(reply, (std::vector<std::uint8_t>{0x52, 0xFF, 0x01}));

    // A server that pauses the data flow holds it back, not the cable; until it resumes.
    EXPECT_TRUE(port.heldBackReason().empty());
    server.send(QByteArray("\xFF\xFA\x2C\x6C\xFF\xF0", 6)); // FLOWCONTROL-SUSPEND
    ASSERT_TRUE(runUntil([&] { return !port.heldBackReason().empty(); }));
    EXPECT_NE(QString::fromStdU16String(port.heldBackReason()).toStdString().find("server at 127.0.0.1"),
              std::string::npos);
    server.send(QByteArray("\xFF\xFA\x2C\x6D\xFF\xF0", 6)); // FLOWCONTROL-RESUME
    ASSERT_TRUE(runUntil([&] { return port.heldBackReason().empty(); }));

    // Closed and opened again: the same connection.
    port.close();
    ASSERT_TRUE(port.open(1, line, serial::Handshaking::None, false, true, error));
    ASSERT_TRUE(port.write(frame, error));
    ASSERT_TRUE(runUntil([&] { return server.data.size() >= 2 * frame.size(); })) << listener.failure;
    EXPECT_EQ(server.connections, 2);

    server.hangUp();
    ASSERT_TRUE(runUntil([&] { return !listener.failure.empty(); }));
    EXPECT_EQ(listener.failedEvent, serial::comm_event::kDeviceLost);
    EXPECT_NE(listener.failure.find(server.address()), std::string::npos) << listener.failure;
    EXPECT_FALSE(port.isOpen());
}

TEST(NetworkSerialPort, AnAddressWhereNothingListensIsUnreachable)
{
    app();
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const std::string address = "rfc2217://127.0.0.1:" + std::to_string(closed.serverPort());
    closed.close();
    RecordingListener listener;
    platform::NetworkSerialPort port([&address](int) { return address; });
    port.setListener(&listener);
    std::u16string error;
    ASSERT_TRUE(
        port.open(1, {19200, 'N', 8, serial::StopBits::One}, serial::Handshaking::None, false, true, error));
    ASSERT_TRUE(runUntil([&] { return !listener.failure.empty(); }));
    EXPECT_EQ(listener.failedEvent, serial::comm_event::kDeviceUnreachable);
    EXPECT_NE(listener.failure.find(address), std::string::npos) << listener.failure;
}

} // namespace
