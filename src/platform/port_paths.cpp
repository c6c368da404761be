#include "platform/port_paths.h"

#include "platform/settings_store.h"
#include "serial/network_port_address.h"
#include "serial/port_device_path.h"

#include <cstdlib>

namespace tarvo::platform {

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
