#include "platform/port_paths.h"

#include "platform/settings_store.h"
#include "serial/network_port_address.h"
#include "serial/port_device_path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHostInfo>

#include <cstdlib>

namespace tarvo::platform {

namespace {

const QString kSerialById = QStringLiteral("/dev/serial/by-id");

std::string resolvedNetworkAddress(const std::string& devicePath)
{
    std::string error;
    auto address = serial::parseNetworkPortAddress(devicePath, error);
    if (!address)
        return devicePath;
    const QString host = QString::fromStdString(address->host);
    if (QHostAddress(host).isNull()) {
        const QHostInfo info = QHostInfo::fromName(host);
        if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
            return address->text();
        // IPv4 first, so that "localhost" meets "127.0.0.1".
        QHostAddress chosen = info.addresses().front();
        for (const QHostAddress& each : info.addresses())
            if (each.protocol() == QAbstractSocket::IPv4Protocol) {
                chosen = each;
                break;
            }
        address->host = chosen.toString().toLower().toStdString();
    }
    return address->text();
}

} // namespace

std::string canonicalDevice(const std::string& devicePath)
{
    if (serial::isNetworkPortName(devicePath))
        return resolvedNetworkAddress(devicePath);
    const QString target = QFileInfo(QFile::decodeName(devicePath.c_str())).canonicalFilePath();
    if (target.isEmpty())
        return devicePath;
    const QDir byId(kSerialById);
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (link.canonicalFilePath() == target)
            return QFile::encodeName(link.absoluteFilePath()).toStdString();
    return QFile::encodeName(target).toStdString();
}

std::string comPortDevicePath(int portIndex)
{
    const auto environment = [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str()))
            return std::string(value);
        return std::nullopt;
    };
    const auto settings = [](const std::string& name) -> std::optional<std::string> {
        const settings::Store store;
        const QVariant value = store.value(QString::fromStdString(name));
        if (!value.isValid())
            return std::nullopt;
        return value.toString().toStdString();
    };
    return serial::canonicalDeviceName(serial::devicePathForPort(portIndex, environment, settings));
}

QString comPortSetting(int portIndex)
{
    return settings::Store().value(settings::comPortKey(portIndex)).toString();
}

bool storeComPortDevice(int portIndex, const QString& device, const QString& defaultDevice, QString& reason)
{
    settings::Store store;
    const QString key = settings::comPortKey(portIndex);
    const QString trimmed =
        QString::fromStdString(serial::canonicalDeviceName(device.trimmed().toStdString()));
    if (trimmed.isEmpty() || trimmed == defaultDevice)
        store.remove(key);
    else
        store.setValue(key, trimmed);
    store.sync();
    if (store.status() == QSettings::NoError)
        return true;
    reason = store.status() == QSettings::AccessError
                 ? QStringLiteral("%1 cannot be written.").arg(store.fileName())
                 : QStringLiteral("%1 is damaged.").arg(store.fileName());
    return false;
}

} // namespace tarvo::platform
