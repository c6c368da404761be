#include "server/launch_settings.h"

#include "platform/settings_store.h"

#include <QSettings>

namespace tarvo::server {

namespace {

using platform::settings::kLoginProgramKey;
using platform::settings::kLoginTimeoutKey;
using platform::settings::kServerCallTimeoutKey;
using platform::settings::kServerStartTimeoutKey;

int positiveOr(const QSettings& store, const QString& key, int fallback)
{
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

LaunchSettings readLaunchSettings(const QString& halvardProgram)
{
    const platform::settings::Store store;
    LaunchSettings settings;
    settings.loginProgram = store.value(kLoginProgramKey).toString();
    settings.halvardProgram = halvardProgram;
    settings.callTimeoutMs = positiveOr(store, kServerCallTimeoutKey, kCallTimeoutMs);
    settings.loginTimeoutMs = positiveOr(store, kLoginTimeoutKey, kLoginTimeoutMs);
    settings.startTimeoutMs = positiveOr(store, kServerStartTimeoutKey, kServerStartTimeoutMs);
    return settings;
}

} // namespace tarvo::server
