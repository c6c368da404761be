#include "platform/port_paths.h"

#include "serial/network_port_address.h"
#include "serial/port_device_path.h"

#include <QSettings>
#include <QString>

#include <cstdlib>

namespace tarvo::platform {

namespace {
constexpr const char* kOrganisation = "Corvane Security Systems";
constexpr const char* kApplication = "Tarvo Script Application";
} // namespace

std::string comPortDevicePath(int portIndex)
{
    const auto environment = [](const std::string& name) -> std::optional<std::string> {
        if (const char* value = std::getenv(name.c_str()))
            return std::string(value);
        return std::nullopt;
    };
    const auto settings = [](const std::string& name) -> std::optional<std::string> {
        const QSettings store(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
        const QVariant value = store.value(QString::fromStdString(name));
        if (!value.isValid())
            return std::nullopt;
        return value.toString().toStdString();
    };
    return serial::canonicalDeviceName(serial::devicePathForPort(portIndex, environment, settings));
}

} // namespace tarvo::platform
