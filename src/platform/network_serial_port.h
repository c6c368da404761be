#pragma once
// A keyboard behind a network serial server (rfc2217://HOST:PORT) as a
// serial device: the TCP connection on QTcpSocket in Qt's event loop, the
// protocol in the core's Rfc2217Client.
//
// Opening starts the connection and returns at once, so that the editor's
// window never waits for it: what is written meanwhile is held and sent once
// the server has agreed COM Port Control and confirmed the line settings. A
// connection that is not ready within kConnectTimeoutMs, a refused one and an
// unknown host are reported to the listener as an unreachable device, a
// connection that drops once ready as a lost one; both name the address.
//
// A closed port keeps its connection for kKeptConnectionMs: a session closes
// and opens the port again between its steps and speeds, and a server that
// serves one client at a time (ser2net) refuses a new connection for a
// moment after the last one ends.

#include "serial/network_port_address.h"
#include "serial/rfc2217_client.h"
#include "serial/serial_port.h"

#include <QAbstractSocket>
#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTcpSocket;

namespace tarvo::platform {

class NetworkSerialPort final : public QObject, public serial::SerialPort {
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kKeptConnectionMs = 2000;
    // After the server closed a connection it had not made ready (busy with
    // the client before), the next attempt waits this long.
    static constexpr int kReconnectPauseMs = 100;

    // Maps a 0-based port index to the address.
    using PathResolver = std::function<std::string(int portIndex)>;

    explicit NetworkSerialPort(PathResolver resolver, QObject* parent = nullptr);
    ~NetworkSerialPort() override;

    void setListener(Listener* listener) override { m_listener = listener; }
    bool open(int portNumber, const serial::LineSettings& line, serial::Handshaking handshaking, bool rts,
              bool dtr, std::u16string& error) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    bool supportsLine(const serial::LineSettings& line, std::u16string& error) const override;
    bool applyLine(const serial::LineSettings& line, std::u16string& error) override;
    bool applyHandshaking(serial::Handshaking handshaking, std::u16string& error) override;
    void setRts(bool on) override;
    void setDtr(bool on) override;
    bool write(std::span<const std::uint8_t> bytes, std::u16string& error) override;
    std::size_t bytesWaiting() const override { return m_received.size(); }
    std::size_t bytesToSend() const override;
    bool read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error) override;
    std::string devicePath(int portNumber) const override;
    std::u16string heldBackReason() const override;

private:
    void connectToServer();
    void onConnected();
    void onReadyRead();
    void onSocketError(QAbstractSocket::SocketError error);
    void onWaitExpired();
    // Writes what the protocol lets go and (re)arms the wait for the server.
    void pump();
    // Ends the connection and tells the listener the port is lost.
    void fail(const QString& reason);
    // The settings of the open port, and the data written before they held, for a new connection.
    void queueSettings();
    // forgetGreeting: false while trying again, so that the last attempt's words can be reported.
    void dropConnection(bool forgetGreeting = true);
    QString serverName() const;
    QString reasonNotReady() const;
    QString closedBeforeReady() const;
    QString closedText() const;

    PathResolver m_resolver;
    Listener* m_listener = nullptr;
    std::unique_ptr<QTcpSocket> m_socket;
    std::unique_ptr<serial::Rfc2217Client> m_client;
    serial::NetworkPortAddress m_address;
    std::string m_addressText;
    QTimer m_wait;
    QTimer m_keep;
    QDeadlineTimer m_connectDeadline;
    // Counts connections, so that a retry scheduled for an old one does nothing.
    unsigned m_generation = 0;
    bool m_open = false;
    bool m_connected = false;
    // The connection's first settings were confirmed: a hang-up is a lost port from then on.
    bool m_everReady = false;
    bool m_discardUntilReady = false;
    serial::LineSettings m_line;
    serial::Handshaking m_handshaking = serial::Handshaking::None;
    bool m_rts = false;
    bool m_dtr = false;
    std::vector<std::uint8_t> m_unconfirmedData;
    std::vector<std::uint8_t> m_received;
    QString m_greeting;
    // The server accepted and hung up before the port was ready (and was tried again).
    bool m_closedBeforeReady = false;
};

} // namespace tarvo::platform
