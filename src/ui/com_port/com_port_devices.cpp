#include "ui/com_port/com_port_devices.h"

#include "ui/core_message_texts.h"

#include "platform/port_paths.h"
#include "serial/comm_settings_tables.h"
#include "serial/network_port_address.h"
#include "serial/port_device_path.h"

#include <QFile>
#include <QSerialPortInfo>

#include <algorithm>

#include <sys/stat.h>

namespace tarvo::ui {

namespace {

QString describe(const QSerialPortInfo& info)
{
    QString text = info.description();
    if (!info.manufacturer().isEmpty() && !text.contains(info.manufacturer()))
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + QLatin1Char('(') + info.manufacturer() +
                QLatin1Char(')');
    return text;
}

} // namespace

QString defaultComPortDevice(int portIndex)
{
    return QString::fromStdString(serial::devicePathForPort(portIndex, {}, {}));
}

DeviceKind deviceKind(const QString& device, QString* reason)
{
    const std::string name = device.toStdString();
    if (serial::isNetworkPortName(name)) {
        messages::Message error;
        if (serial::parseNetworkPortAddress(name, error))
            return DeviceKind::NetworkAddress;
        if (reason)
            *reason = translatedCoreMessage(error);
        return DeviceKind::BadAddress;
    }
    // Through symbolic links (/dev/serial/by-id/...) to the device itself.
    struct stat info {};
    if (device.isEmpty() || ::stat(QFile::encodeName(device).constData(), &info) != 0)
        return DeviceKind::Missing;
    return S_ISCHR(info.st_mode) ? DeviceKind::SerialPort : DeviceKind::NotSerialPort;
}

ComPortMapping comPortMapping(int portIndex)
{
    ComPortMapping m;
    m.environmentName = QString::fromStdString(serial::environmentNameForPort(portIndex));
    const QString fromEnvironment = qEnvironmentVariable(m.environmentName.toLocal8Bit().constData());
    const QString fromSetting = platform::comPortSetting(portIndex);
    if (!fromEnvironment.isEmpty()) {
        m.device = fromEnvironment;
        m.source = DeviceSource::Environment;
    } else if (!fromSetting.isEmpty()) {
        m.device = fromSetting;
        m.source = DeviceSource::Setting;
    } else {
        m.device = defaultComPortDevice(portIndex);
    }
    return m;
}

QList<FoundDevice> foundSerialDevices()
{
    QList<FoundDevice> devices;
    const auto add = [&devices](const QString& path, const QString& description) {
        if (path.isEmpty())
            return;
        for (const FoundDevice& d : devices)
            if (d.path == path)
                return;
        devices.append({path, description});
    };
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        add(info.systemLocation(), describe(info));
    for (int port = 0; port < serial::kPortCount; ++port) {
        const ComPortMapping m = comPortMapping(port);
        const DeviceKind kind =
            m.source == DeviceSource::Default ? DeviceKind::Missing : deviceKind(m.device);
        if (kind == DeviceKind::SerialPort || kind == DeviceKind::NetworkAddress)
            add(m.device, QString());
    }
    std::sort(devices.begin(), devices.end(),
              [](const FoundDevice& a, const FoundDevice& b) { return a.path < b.path; });
    return devices;
}

} // namespace tarvo::ui
