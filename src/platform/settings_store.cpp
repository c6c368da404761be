#include "platform/settings_store.h"

#include "serial/port_device_path.h"

#include <climits>

namespace tarvo::platform::settings {

QString comPortKey(int portIndex)
{
    // The tool reads the same entry through the core's port naming.
    return QString::fromStdString(serial::settingNameForPort(portIndex));
}

std::optional<std::uint32_t> readThreadLocale(const QSettings& store)
{
    const QVariant value = store.value(keyOf(Setting::ThreadLocale));
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    if (!value.isValid() || !ok || number > UINT32_MAX)
        return std::nullopt;
    return static_cast<std::uint32_t>(number);
}

} // namespace tarvo::platform::settings
