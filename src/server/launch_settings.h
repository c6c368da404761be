#pragma once
// The programs that provide the servers and how long the launch waits for
// them, from the settings a server installation writes (docs/dbus.md).

#include "platform/settings_table.h"

#include <QString>

namespace tarvo::server {

// The defaults are the settings table's.
struct LaunchSettings {
    QString loginProgram;
    QString halvardProgram;
    int callTimeoutMs =
        platform::settings::specOf(platform::settings::Setting::ServerCallTimeoutMs).fallback.toInt();
    int loginTimeoutMs =
        platform::settings::specOf(platform::settings::Setting::LoginTimeoutMs).fallback.toInt();
    int startTimeoutMs =
        platform::settings::specOf(platform::settings::Setting::ServerStartTimeoutMs).fallback.toInt();
};

// Reads the application's settings store; halvardProgram is the application's own reading
// of the server's program file. A missing or unusable value keeps its default.
LaunchSettings readLaunchSettings(const QString& halvardProgram);

} // namespace tarvo::server
