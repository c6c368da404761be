#pragma once
// The programs that provide the servers and how long the launch waits for
// them, from the settings a server installation writes (docs/dbus.md).

#include <QString>

namespace tarvo::server {

// QtDBus's own default for a call.
inline constexpr int kCallTimeoutMs = 25000;
// The login call waits for a person to type a name and password.
inline constexpr int kLoginTimeoutMs = 300000;
// A started program has this long to appear on the bus.
inline constexpr int kServerStartTimeoutMs = 20000;

struct LaunchSettings {
    QString loginProgram;
    QString halvardProgram;
    int callTimeoutMs = kCallTimeoutMs;
    int loginTimeoutMs = kLoginTimeoutMs;
    int startTimeoutMs = kServerStartTimeoutMs;
};

// Reads the application's settings store; halvardProgram is the application's own reading
// of the server's program file. A missing or unusable value keeps its default.
LaunchSettings readLaunchSettings(const QString& halvardProgram);

} // namespace tarvo::server
