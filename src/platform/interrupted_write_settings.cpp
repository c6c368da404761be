#include "platform/interrupted_write_settings.h"

#include "platform/port_paths.h"
#include "platform/settings_store.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QUrl>

namespace tarvo::platform {

namespace {

constexpr int kFirstSettingsSlot = 1;
constexpr int kLastSettingsSlot = 13;
const QString kSlotGroup = QStringLiteral("slot%1");

} // namespace

std::vector<transfer::InterruptedWrite> readOldInterruptedWrites()
{
    std::vector<transfer::InterruptedWrite> found;
    settings::Store store;
    if (store.status() != QSettings::NoError)
        return found;
    store.beginGroup(settings::keyOf(settings::Setting::InterruptedWrites));
    for (const QString& deviceGroup : store.childGroups()) {
        // A device path holds slashes, which the settings took as groups.
        const QString device = QUrl::fromPercentEncoding(deviceGroup.toLatin1());
        for (int slot = kFirstSettingsSlot; slot <= kLastSettingsSlot; ++slot) {
            store.beginGroup(deviceGroup + QLatin1Char('/') + kSlotGroup.arg(slot));
            const QString time = store.value(settings::kInterruptedWriteTimeKey).toString();
            if (!time.isEmpty()) {
                transfer::InterruptedWrite write;
                write.devicePath = device.toStdString();
                write.canonicalDevice = canonicalDevice(write.devicePath);
                write.slot = slot;
                write.time = transfer::shownTime(time.toStdString());
                const QByteArray backup =
                    QFile::encodeName(store.value(settings::kInterruptedWriteBackupKey).toString());
                write.backupPath = backup.toStdString();
                bool ok = false;
                const int language = store.value(settings::kInterruptedWriteLanguageKey).toInt(&ok);
                write.languageId = ok && language >= 0 ? language : -1;
                found.push_back(std::move(write));
            }
            store.endGroup();
        }
    }
    return found;
}

void removeOldInterruptedWrites()
{
    settings::Store store;
    if (store.status() != QSettings::NoError || !store.isWritable())
        return;
    store.remove(settings::keyOf(settings::Setting::InterruptedWrites));
    store.sync();
}

} // namespace tarvo::platform
