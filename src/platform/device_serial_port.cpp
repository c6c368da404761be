#include "platform/device_serial_port.h"

#include "platform/port_paths.h"
#include "serial/network_port_address.h"

namespace tarvo::platform {

DeviceSerialPort::DeviceSerialPort(PathResolver resolver)
    : m_resolver(resolver ? std::move(resolver) : PathResolver(comPortDevicePath)), m_local(m_resolver),
      m_network(m_resolver)
{
}

void DeviceSerialPort::setListener(Listener* listener)
{
    m_local.setListener(listener);
    m_network.setListener(listener);
}

bool DeviceSerialPort::open(int portNumber, const serial::LineSettings& line, serial::Handshaking handshaking,
                            bool rts, bool dtr, std::u16string& error)
{
    // An open port keeps its device; CIMSComm refuses a second open anyway.
    if (!m_active->isOpen())
        m_active = serial::isNetworkPortName(m_resolver(portNumber - 1))
                       ? static_cast<serial::SerialPort*>(&m_network)
                       : &m_local;
    return m_active->open(portNumber, line, handshaking, rts, dtr, error);
}

} // namespace tarvo::platform
