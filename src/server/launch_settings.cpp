#include "server/launch_settings.h"

#include "platform/settings_store.h"

#include <QSettings>

namespace tarvo::server {

namespace {

using platform::settings::readSetting;
using platform::settings::Setting;

} // namespace

LaunchSettings readLaunchSettings(const QString& halvardProgram)
{
    const platform::settings::Store store;
    LaunchSettings settings;
    settings.loginProgram = readSetting(store, Setting::LoginProgram).toString();
    settings.halvardProgram = halvardProgram;
    settings.callTimeoutMs = readSetting(store, Setting::ServerCallTimeoutMs).toInt();
    settings.loginTimeoutMs = readSetting(store, Setting::LoginTimeoutMs).toInt();
    settings.startTimeoutMs = readSetting(store, Setting::ServerStartTimeoutMs).toInt();
    return settings;
}

} // namespace tarvo::server
