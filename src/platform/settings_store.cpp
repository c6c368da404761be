#include "platform/settings_store.h"

#include "serial/port_device_path.h"

namespace tarvo::platform::settings {

QString comPortKey(int portIndex)
{
    // The tool reads the same entry through the core's port naming.
    return QString::fromStdString(serial::settingNameForPort(portIndex));
}

} // namespace tarvo::platform::settings
