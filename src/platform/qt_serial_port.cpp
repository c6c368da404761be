#include "platform/qt_serial_port.h"

#include "platform/port_paths.h"
#include "platform/port_texts.h"
#include "platform/text.h"

#include <QCoreApplication>

#include <algorithm>

namespace tarvo::platform {

namespace {

bool toQtParity(char letter, QSerialPort::Parity& out)
{
    switch (letter) {
    case 'N':
        out = QSerialPort::NoParity;
        return true;
    case 'E':
        out = QSerialPort::EvenParity;
        return true;
    case 'O':
        out = QSerialPort::OddParity;
        return true;
    case 'M':
        out = QSerialPort::MarkParity;
        return true;
    case 'S':
        out = QSerialPort::SpaceParity;
        return true;
    default:
        return false;
    }
}

QSerialPort::FlowControl toQtFlow(serial::Handshaking handshaking)
{
    switch (serial::lineFlowFor(handshaking)) {
    case serial::LineFlow::XonXoff:
        return QSerialPort::SoftwareControl;
    case serial::LineFlow::Hardware:
        return QSerialPort::HardwareControl;
    case serial::LineFlow::None:
        break;
    }
    return QSerialPort::NoFlowControl;
}

QString reasonFor(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return portText(QT_TRANSLATE_NOOP("SerialPort", "the device does not exist"));
    case QSerialPort::PermissionError:
        return portText(
            QT_TRANSLATE_NOOP("SerialPort", "the device is busy or you are not permitted to use it"));
    case QSerialPort::OpenError:
        return portText(QT_TRANSLATE_NOOP("SerialPort", "the device is already open"));
    case QSerialPort::ResourceError:
        return portText(
            QT_TRANSLATE_NOOP("SerialPort", "the device is no longer available (unplugged or closed)"));
    default:
        return {};
    }
}

} // namespace

QtSerialPort::QtSerialPort(PathResolver resolver, QObject* parent)
    : QObject(parent), m_resolver(resolver ? std::move(resolver) : PathResolver(comPortDevicePath))
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::onErrorOccurred);
}

QtSerialPort::~QtSerialPort()
{
    m_listener = nullptr;
    if (m_port.isOpen())
        m_port.close();
}

std::string QtSerialPort::devicePath(int portNumber) const
{
    return m_resolver(portNumber - 1);
}

std::u16string QtSerialPort::describe(const QString& what) const
{
    return platform::toU16(portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port %1: %2."))
                               .arg(QString::fromStdString(m_openPath), what));
}

bool QtSerialPort::supportsLine(const serial::LineSettings& line, std::u16string& error) const
{
    if (line.dataBits < 5 || line.dataBits > 8) {
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort",
                                       "%1 data bits are not supported by the serial ports of this system."))
                .arg(line.dataBits));
        return false;
    }
    if (line.stopBits == serial::StopBits::OnePointFive) {
        error = platform::toU16(portText(QT_TRANSLATE_NOOP(
            "SerialPort", "1.5 stop bits are not supported by the serial ports of this system.")));
        return false;
    }
    if (const QString fault = lineSettingsFault(line); !fault.isEmpty()) {
        error = platform::toU16(fault);
        return false;
    }
    return true;
}

bool QtSerialPort::applyLine(const serial::LineSettings& line, std::u16string& error)
{
    if (!supportsLine(line, error))
        return false;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    toQtParity(line.parity, parity);
    const bool ok = m_port.setBaudRate(line.baudRate) &&
                    m_port.setDataBits(static_cast<QSerialPort::DataBits>(line.dataBits)) &&
                    m_port.setParity(parity) &&
                    m_port.setStopBits(line.stopBits == serial::StopBits::Two ? QSerialPort::TwoStop
                                                                              : QSerialPort::OneStop);
    if (!ok) {
        error = describe(
            portText(QT_TRANSLATE_NOOP("SerialPort",
                                       "the line settings %1 baud, %2 data bits cannot be applied (%3)"))
                .arg(line.baudRate)
                .arg(line.dataBits)
                .arg(m_port.errorString()));
        m_port.clearError();
        return false;
    }
    return true;
}

bool QtSerialPort::applyHandshaking(serial::Handshaking handshaking, std::u16string&)
{
    m_handshaking = handshaking;
    if (m_port.isOpen() && !m_port.setFlowControl(toQtFlow(handshaking)))
        m_port.clearError(); // best-effort: the device keeps its own flow control
    if (m_port.isOpen())
        setRts(m_rts);
    return true;
}

void QtSerialPort::setRts(bool on)
{
    m_rts = on;
    // Under hardware flow control the driver owns RTS.
    if (!m_port.isOpen() || m_port.flowControl() == QSerialPort::HardwareControl)
        return;
    if (!m_port.setRequestToSend(on))
        m_port.clearError();
}

void QtSerialPort::setDtr(bool on)
{
    if (m_port.isOpen() && !m_port.setDataTerminalReady(on))
        m_port.clearError();
}

bool QtSerialPort::open(int portNumber, const serial::LineSettings& line, serial::Handshaking handshaking,
                        bool rts, bool dtr, std::u16string& error)
{
    if (!supportsLine(line, error))
        return false;
    m_openPath = devicePath(portNumber);
    m_port.setPortName(QString::fromStdString(m_openPath));
    if (!m_port.open(QIODevice::ReadWrite)) {
        QString reason = reasonFor(m_port.error());
        if (reason.isEmpty())
            reason = m_port.errorString();
        error = platform::toU16(
            portText(QT_TRANSLATE_NOOP("SerialPort", "The serial port COM%1 (%2) cannot be opened: %3."))
                .arg(portNumber)
                .arg(QString::fromStdString(m_openPath), reason));
        m_port.clearError();
        return false;
    }
    if (!applyLine(line, error)) {
        m_port.close();
        return false;
    }
    m_rts = rts;
    applyHandshaking(handshaking, error);
    setDtr(dtr);
    m_port.clear(QSerialPort::AllDirections); // nothing from before the session
    return true;
}

void QtSerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes, std::u16string& error)
{
    if (!m_port.isOpen()) {
        error = describe(portText(QT_TRANSLATE_NOOP("SerialPort", "the port is not open")));
        return false;
    }
    const qint64 written =
        m_port.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        error = describe(portText(QT_TRANSLATE_NOOP("SerialPort", "the bytes could not be sent (%1)"))
                             .arg(m_port.errorString()));
        m_port.clearError();
        return false;
    }
    m_port.flush();
    return true;
}

std::size_t QtSerialPort::bytesWaiting() const
{
    return m_port.isOpen() ? static_cast<std::size_t>(std::max<qint64>(m_port.bytesAvailable(), 0)) : 0;
}

std::size_t QtSerialPort::bytesToSend() const
{
    return m_port.isOpen() ? static_cast<std::size_t>(std::max<qint64>(m_port.bytesToWrite(), 0)) : 0;
}

bool QtSerialPort::read(std::size_t maxBytes, std::vector<std::uint8_t>& out, std::u16string& error)
{
    if (!m_port.isOpen()) {
        error = describe(portText(QT_TRANSLATE_NOOP("SerialPort", "the port is not open")));
        return false;
    }
    const QByteArray data = m_port.read(static_cast<qint64>(maxBytes));
    out.insert(out.end(), data.begin(), data.end());
    return true;
}

void QtSerialPort::onReadyRead()
{
    if (m_listener)
        m_listener->onBytesArrived();
}

void QtSerialPort::onErrorOccurred(QSerialPort::SerialPortError error)
{
    int event = 0;
    QString reason;
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
        event = serial::comm_event::kDeviceLost;
        reason = reasonFor(QSerialPort::ResourceError);
        break;
    case QSerialPort::WriteError:
        event = serial::comm_event::kWriteFailed;
        reason = portText(QT_TRANSLATE_NOOP("SerialPort", "writing failed (%1)")).arg(m_port.errorString());
        break;
    default:
        return; // reported by the call that caused it
    }
    // A vanished device keeps signalling; close it before anyone hears of it.
    if (event == serial::comm_event::kDeviceLost && m_port.isOpen())
        m_port.close();
    m_port.clearError();
    if (m_listener)
        m_listener->onPortFailed(event, describe(reason));
}

} // namespace tarvo::platform
