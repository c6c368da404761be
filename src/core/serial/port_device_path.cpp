#include "serial/port_device_path.h"

namespace tarvo::serial {

namespace {
constexpr const char* kDefaultDevicePrefix = "/dev/ttyS";
}

std::string environmentNameForPort(int portIndex)
{
    return "TARVO_COM" + std::to_string(portIndex + 1);
}

std::string settingNameForPort(int portIndex)
{
    return "Ports/COM" + std::to_string(portIndex + 1);
}

std::string devicePathForPort(int portIndex, const NameLookup& environment, const NameLookup& settings)
{
    if (environment)
        if (std::optional<std::string> path = environment(environmentNameForPort(portIndex));
            path && !path->empty())
            return *path;
    if (settings)
        if (std::optional<std::string> path = settings(settingNameForPort(portIndex)); path && !path->empty())
            return *path;
    return kDefaultDevicePrefix + std::to_string(portIndex);
}

} // namespace tarvo::serial
