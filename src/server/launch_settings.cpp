#include "server/launch_settings.h"

#include <QSettings>

namespace tarvo::server {

namespace {

const QString kLoginProgramKey = QStringLiteral("LoginServer/LocalServer32");
const QString kLoginTimeoutKey = QStringLiteral("LoginServer/CallTimeoutMs");
const QString kCallTimeoutKey = QStringLiteral("HalvardServer/CallTimeoutMs");
const QString kStartTimeoutKey = QStringLiteral("HalvardServer/StartTimeoutMs");

int positiveOr(const QSettings& store, const QString& key, int fallback)
{
    bool ok = false;
    const int value = store.value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

LaunchSettings readLaunchSettings(const QString& settingsFile, const QString& halvardProgram)
{
    const QSettings store(settingsFile, QSettings::NativeFormat);
    LaunchSettings settings;
    settings.loginProgram = store.value(kLoginProgramKey).toString();
    settings.halvardProgram = halvardProgram;
    settings.callTimeoutMs = positiveOr(store, kCallTimeoutKey, kCallTimeoutMs);
    settings.loginTimeoutMs = positiveOr(store, kLoginTimeoutKey, kLoginTimeoutMs);
    settings.startTimeoutMs = positiveOr(store, kStartTimeoutKey, kServerStartTimeoutMs);
    return settings;
}

} // namespace tarvo::server
