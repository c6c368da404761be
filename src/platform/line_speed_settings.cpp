#include "platform/line_speed_settings.h"

#include "platform/settings_store.h"

#include <QString>
#include <QUrl>

namespace tarvo::platform {

namespace {

// A device path holds slashes, which the settings take as groups.
QString keyFor(const std::string& devicePath)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(devicePath)));
}

bool isLineSpeed(int baudRate)
{
    return baudRate == 19200 || baudRate == 57600;
}

} // namespace

std::optional<int> LineSpeedSettings::remembered(const std::string& devicePath) const
{
    settings::Store store;
    if (store.status() != QSettings::NoError)
        return std::nullopt;
    store.beginGroup(settings::keyOf(settings::Setting::LineSpeeds));
    bool ok = false;
    const int baudRate = store.value(keyFor(devicePath)).toInt(&ok);
    if (!ok || !isLineSpeed(baudRate))
        return std::nullopt;
    return baudRate;
}

void LineSpeedSettings::remember(const std::string& devicePath, int baudRate)
{
    if (!isLineSpeed(baudRate))
        return;
    settings::Store store;
    if (store.status() != QSettings::NoError || !store.isWritable())
        return;
    store.beginGroup(settings::keyOf(settings::Setting::LineSpeeds));
    const QString key = keyFor(devicePath);
    if (store.value(key).toInt() == baudRate)
        return;
    store.setValue(key, baudRate);
    store.endGroup();
    store.sync(); // a failed write is left as it is: the next command probes the default order
}

} // namespace tarvo::platform
