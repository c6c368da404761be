#include "platform/network_serial_port.h"
#include "platform/message_text.h"
#include "platform/port_texts.h"
#include "platform/text.h"

#include <QCoreApplication>
#include <QTcpSocket>

#include <algorithm>
#include <string_view>

namespace tarvo::platform {

namespace {

// A reason with what the server sent before it hung up ("Port already in use").
QString itSaid(const QString& reason, const QString& said)
{
    //: %1 is why the connection failed; %2 what the server sent, in its own words.
    return portText(QT_TRANSLATE_NOOP("SerialPort", "%1 (the server said: %2)")).arg(reason, said.trimmed());
}

// The RFC 2217 client's patterns (its failure() message), for lupdate: they
// are translated in the port's context when the failure is reported.
[[maybe_unused]] constexpr const char* kClientPatterns[] = {
    //: "COM Port Control" is the name of the RFC 2217 option: it has no translation.
    QT_TRANSLATE_NOOP("SerialPort", "the server refuses COM Port Control: it does not speak RFC 2217"),
    //: %1 is a line setting's name (line speed, data bits ...), %2 the value the server set, %3 the one
    //: asked for; write %1, %2 and %3 to put them in another order.
    QT_TRANSLATE_NOOP("SerialPort", "the server set the %s to %s instead of %s"),
    QT_TRANSLATE_NOOP("SerialPort", "line speed"),
    QT_TRANSLATE_NOOP("SerialPort", "data bits"),
    QT_TRANSLATE_NOOP("SerialPort", "parity"),
    QT_TRANSLATE_NOOP("SerialPort", "stop bits"),
    //: The line settings as a whole.
    QT_TRANSLATE_NOOP("SerialPort", "line"),
};

} // namespace

namespace {

serial::Rfc2217Client::Control flowControlFor(serial::Handshaking handshaking)
{
    using Control = serial::Rfc2217Client::Control;
    switch (serial::lineFlowFor(handshaking)) {
    case serial::LineFlow::XonXoff:
        return Control::FlowXonXoff;
    case serial::LineFlow::Hardware:
        return Control::FlowHardware;
    case serial::LineFlow::None:
        break;
    }
    return Control::FlowNone;
}

bool usesHardwareFlow(serial::Handshaking handshaking)
{
    return serial::lineFlowFor(handshaking) == serial::LineFlow::Hardware;
}

} // namespace

NetworkSerialPort::NetworkSerialPort(PathResolver resolver, QObject* parent)
    : QObject(parent), m_resolver(std::move(resolver))
{
    m_wait.setSingleShot(true);
    m_keep.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &NetworkSerialPort::onWaitExpired);
    connect(&m_keep, &QTimer::timeout, this, [this] { dropConnection(); });
}

NetworkSerialPort::~NetworkSerialPort()
{
    m_listener = nullptr;
    m_open = false;
    if (m_socket)
        m_socket->disconnect(this);
    m_socket.reset(); // not in a signal of its own here
}

std::string NetworkSerialPort::devicePath(int portNumber) const
{
    return serial::canonicalDeviceName(m_resolver(portNumber - 1));
}

std::u16string NetworkSerialPort::heldBackReason() const
{
    if (!m_open || !m_client || !m_client->suspended())
        return {};
    return platform::toU16(
        portText(QT_TRANSLATE_NOOP("SerialPort", "the network serial server at %1 paused the data flow "
                                                 "and never resumed it: the server holds the data back, "
                                                 "not the cable"))
            .arg(serverName()));
}

QString NetworkSerialPort::serverName() const
{
    //: A network serial server: %1 is its host, %2 its TCP port number.
    return portText(QT_TRANSLATE_NOOP("SerialPort", "%1 port %2"))
        .arg(QString::fromStdString(m_address.host))
        .arg(m_address.port);
}

bool NetworkSerialPort::supportsLine(const serial::LineSettings& line, std::u16string& error) const
{
    if (line.dataBits < 5 || line.dataBits > 8) {
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort",
                                       "%1 data bits cannot be set through a network serial server."))
                .arg(line.dataBits));
        return false;
    }
    if (const QString fault = lineSettingsFault(line); !fault.isEmpty()) {
        error = platform::toU16(fault);
        return false;
    }
    return true;
}

bool NetworkSerialPort::open(int portNumber, const serial::LineSettings& line,
                             serial::Handshaking handshaking, bool rts, bool dtr, std::u16string& error)
{
    if (!supportsLine(line, error))
        return false;
    messages::Message reason;
    const auto address = serial::parseNetworkPortAddress(m_resolver(portNumber - 1), reason);
    if (!address) {
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port COM%1 cannot be opened: %2."))
                .arg(portNumber)
                .arg(translatedMessage(reason, kCoreMessagesContext)));
        return false;
    }
    m_keep.stop();
    const bool reuse =
        m_socket && m_connected && m_addressText == address->text() && m_client->failure().empty();
    if (!reuse)
        dropConnection();
    m_address = *address;
    m_addressText = address->text();
    m_line = line;
    m_handshaking = handshaking;
    m_rts = rts;
    m_dtr = dtr;
    m_open = true;
    m_received.clear();
    m_unconfirmedData.clear();
    // Whatever the server passes on before these settings hold is from before the session.
    m_discardUntilReady = true;
    m_connectDeadline = QDeadlineTimer(kConnectTimeoutMs);
    if (reuse) {
        queueSettings();
        pump();
    } else {
        connectToServer();
    }
    return true;
}

void NetworkSerialPort::queueSettings()
{
    m_client->queueLine(m_line);
    m_client->queueControl(flowControlFor(m_handshaking));
    if (!usesHardwareFlow(m_handshaking)) // the server's driver owns RTS then
        m_client->queueControl(m_rts ? serial::Rfc2217Client::Control::RtsOn
                                     : serial::Rfc2217Client::Control::RtsOff);
    m_client->queueControl(m_dtr ? serial::Rfc2217Client::Control::DtrOn
                                 : serial::Rfc2217Client::Control::DtrOff);
    if (!m_unconfirmedData.empty())
        m_client->queueData(m_unconfirmedData);
}

void NetworkSerialPort::connectToServer()
{
    dropConnection(false);
    m_socket = std::make_unique<QTcpSocket>();
    m_client = std::make_unique<serial::Rfc2217Client>();
    m_addressText = m_address.text();
    queueSettings();
    connect(m_socket.get(), &QTcpSocket::connected, this, &NetworkSerialPort::onConnected);
    connect(m_socket.get(), &QTcpSocket::readyRead, this, &NetworkSerialPort::onReadyRead);
    connect(m_socket.get(), &QTcpSocket::errorOccurred, this, &NetworkSerialPort::onSocketError);
    m_socket->connectToHost(QString::fromStdString(m_address.host), m_address.port);
    pump();
}

void NetworkSerialPort::onConnected()
{
    m_connected = true;
    // The frames are small and each waits for its reply: no coalescing.
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_client->connected();
    pump();
}

void NetworkSerialPort::onReadyRead()
{
    std::vector<std::uint8_t> data;
    const QByteArray bytes = m_socket->readAll();
    m_client->receive(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size())),
                      data);
    pump(); // settles whether the settings hold before the data is looked at
    if (!m_open || !m_socket || m_discardUntilReady || data.empty())
        return;
    m_received.insert(m_received.end(), data.begin(), data.end());
    if (m_listener)
        m_listener->onBytesArrived();
}

void NetworkSerialPort::onSocketError(QAbstractSocket::SocketError error)
{
    if (!m_open) {
        dropConnection(); // a kept connection the server ended
        return;
    }
    const bool beforeReady = !m_everReady;
    if (error == QAbstractSocket::RemoteHostClosedError && beforeReady && !m_connectDeadline.hasExpired()) {
        // A server that serves one client at a time can still be busy with
        // the last one: it greets and hangs up. Try again within the time-out.
        m_greeting = QString::fromStdString(m_client->greeting());
        m_closedBeforeReady = true;
        dropConnection(false);
        QTimer::singleShot(kReconnectPauseMs, this, [this, generation = m_generation] {
            if (m_open && generation == m_generation && !m_socket)
                connectToServer();
        });
        return;
    }
    QString reason;
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        reason = portText(QT_TRANSLATE_NOOP("SerialPort", "nothing listens at %1 (connection refused)"))
                     .arg(serverName());
        break;
    case QAbstractSocket::HostNotFoundError:
        reason = portText(QT_TRANSLATE_NOOP("SerialPort", "the host %1 is not known"))
                     .arg(QString::fromStdString(m_address.host));
        break;
    case QAbstractSocket::RemoteHostClosedError:
        reason = beforeReady ? closedBeforeReady() : closedText();
        if (const QString said = QString::fromStdString(m_client->greeting()); beforeReady && !said.isEmpty())
            reason = itSaid(reason, said);
        break;
    default:
        reason = portText(QT_TRANSLATE_NOOP("SerialPort", "the connection to %1 failed (%2)"))
                     .arg(serverName(), m_socket->errorString());
        break;
    }
    fail(reason);
}

QString NetworkSerialPort::closedBeforeReady() const
{
    return portText(QT_TRANSLATE_NOOP("SerialPort",
                                      "the server at %1 closed the connection before the port was ready"))
        .arg(serverName());
}

QString NetworkSerialPort::closedText() const
{
    return portText(QT_TRANSLATE_NOOP("SerialPort", "the server at %1 closed the connection"))
        .arg(serverName());
}

QString NetworkSerialPort::reasonNotReady() const
{
    const int seconds = kConnectTimeoutMs / 1000;
    if (!m_connected) {
        // A server that accepts and hangs up is reached: it is no missing connection.
        const QString reason =
            m_closedBeforeReady ? closedBeforeReady()
                                : portText(QT_TRANSLATE_NOOP("SerialPort", "no connection to %1 within %2 s"))
                                      .arg(serverName())
                                      .arg(seconds);
        return m_greeting.isEmpty() ? reason : itSaid(reason, m_greeting);
    }
    if (!m_client->comPortAgreed()) {
        //: "COM Port Control" is the name of the RFC 2217 option: it has no translation.
        const QString reason = portText(QT_TRANSLATE_NOOP("SerialPort", "the server at %1 does not speak RFC "
                                                                        "2217: it agreed no COM Port Control "
                                                                        "within %2 s"))
                                   .arg(serverName())
                                   .arg(seconds);
        const QString said = QString::fromStdString(m_client->greeting());
        return said.isEmpty() ? reason : itSaid(reason, said);
    }
    return portText(QT_TRANSLATE_NOOP("SerialPort",
                                      "the server at %1 did not confirm the line settings within %2 s"))
        .arg(serverName())
        .arg(seconds);
}

void NetworkSerialPort::onWaitExpired()
{
    if (m_open)
        fail(reasonNotReady());
}

void NetworkSerialPort::pump()
{
    if (!m_client)
        return;
    if (!m_client->failure().empty()) {
        fail(translatedMessage(m_client->failure(), "SerialPort")); // fail() names the address
        return;
    }
    if (m_connected) {
        const std::vector<std::uint8_t> out = m_client->takeOutgoing();
        if (!out.empty()) {
            m_socket->write(reinterpret_cast<const char*>(out.data()), static_cast<qint64>(out.size()));
            m_socket->flush();
        }
    }
    const bool waiting = !m_connected || m_client->waitingForServer();
    if (!waiting) {
        m_everReady = true;
        m_discardUntilReady = false;
        m_unconfirmedData.clear();
    }
    if (m_open && waiting) {
        // The first settings of a connection share the connection's time;
        // later ones (a new speed) get the same time of their own.
        if (!m_wait.isActive())
            m_wait.start(m_everReady
                             ? kConnectTimeoutMs
                             : static_cast<int>(std::max<qint64>(m_connectDeadline.remainingTime(), 0)));
    } else {
        m_wait.stop();
    }
}

void NetworkSerialPort::fail(const QString& reason)
{
    const bool wasOpen = m_open;
    // Before the first settings held, the server was never reached.
    const int event = m_everReady ? serial::comm_event::kDeviceLost : serial::comm_event::kDeviceUnreachable;
    m_open = false;
    m_received.clear();
    m_unconfirmedData.clear();
    m_wait.stop();
    dropConnection();
    if (wasOpen && m_listener)
        m_listener->onPortFailed(
            event, platform::toU16(portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port %1: %2."))
                                       .arg(QString::fromStdString(m_address.text()), reason)));
}

void NetworkSerialPort::dropConnection(bool forgetGreeting)
{
    ++m_generation;
    m_keep.stop();
    if (forgetGreeting) {
        m_greeting.clear();
        m_closedBeforeReady = false;
    }
    if (m_socket) {
        // Often called from the socket's own signal: it is deleted later.
        QTcpSocket* socket = m_socket.release();
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    m_client.reset();
    m_connected = false;
    m_everReady = false;
    m_addressText.clear();
}

void NetworkSerialPort::close()
{
    if (!m_open)
        return;
    m_open = false;
    m_received.clear();
    m_unconfirmedData.clear();
    m_wait.stop();
    if (m_client && m_connected && m_everReady && m_client->failure().empty()) {
        m_client->dropQueued();
        m_keep.start(kKeptConnectionMs);
    } else {
        dropConnection();
    }
}

bool NetworkSerialPort::applyLine(const serial::LineSettings& line, std::u16string& error)
{
    if (!supportsLine(line, error))
        return false;
    m_line = line;
    if (m_open) {
        m_client->queueLine(line);
        pump();
    }
    return true;
}

bool NetworkSerialPort::applyHandshaking(serial::Handshaking handshaking, std::u16string&)
{
    m_handshaking = handshaking;
    if (m_open) {
        m_client->queueControl(flowControlFor(handshaking));
        setRts(m_rts);
    }
    return true;
}

void NetworkSerialPort::setRts(bool on)
{
    m_rts = on;
    if (!m_open || usesHardwareFlow(m_handshaking))
        return;
    m_client->queueControl(on ? serial::Rfc2217Client::Control::RtsOn
                              : serial::Rfc2217Client::Control::RtsOff);
    pump();
}

void NetworkSerialPort::setDtr(bool on)
{
    m_dtr = on;
    if (!m_open)
        return;
    m_client->queueControl(on ? serial::Rfc2217Client::Control::DtrOn
                              : serial::Rfc2217Client::Control::DtrOff);
    pump();
}

bool NetworkSerialPort::write(std::span<const std::uint8_t> bytes, std::u16string& error)
{
    if (!m_open) {
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port %1: the port is not open."))
                .arg(QString::fromStdString(m_address.text())));
        return false;
    }
    // Kept until the first settings hold, to be sent again over a new
    // connection if the server hangs up before that.
    if (!m_everReady)
        m_unconfirmedData.insert(m_unconfirmedData.end(), bytes.begin(), bytes.end());
    m_client->queueData(bytes);
    pump();
    return true;
}

std::size_t NetworkSerialPort::bytesToSend() const
{
    if (!m_open || !m_socket)
        return 0;
    return static_cast<std::size_t>(std::max<qint64>(m_socket->bytesToWrite(), 0)) + m_client->queuedBytes();
}

bool NetworkSerialPort::read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error)
{
    if (!m_open) {
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port %1: the port is not open."))
                .arg(QString::fromStdString(m_address.text())));
        return false;
    }
    const std::size_t count = std::min(maxBytes, m_received.size());
    out.insert(out.end(), m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(count));
    m_received.erase(m_received.begin(), m_received.begin() + static_cast<std::ptrdiff_t>(count));
    return true;
}

} // namespace tarvo::platform
