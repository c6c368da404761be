#include "platform/interrupted_write_settings.h"

#include "platform/settings_store.h"

#include <QString>
#include <QUrl>

namespace tarvo::platform {

namespace {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 13;

// A device path holds slashes, which the settings take as groups.
QString groupFor(const std::string& devicePath, int slot)
{
    return settings::kInterruptedWritesGroup + QLatin1Char('/') +
           QString::fromLatin1(QUrl::toPercentEncoding(QString::fromStdString(devicePath))) +
           QStringLiteral("/slot%1").arg(slot);
}

bool isSlot(int slot)
{
    return slot >= kFirstSlot && slot <= kLastSlot;
}

} // namespace

std::optional<transfer::InterruptedWrite> InterruptedWriteSettings::find(const std::string& devicePath,
                                                                         int slot) const
{
    settings::Store store;
    if (!isSlot(slot) || store.status() != QSettings::NoError)
        return std::nullopt;
    store.beginGroup(groupFor(devicePath, slot));
    const QString time = store.value(settings::kInterruptedWriteTimeKey).toString();
    if (time.isEmpty())
        return std::nullopt;
    transfer::InterruptedWrite write;
    write.devicePath = devicePath;
    write.slot = slot;
    write.time = time.toStdString();
    write.backupPath = store.value(settings::kInterruptedWriteBackupKey).toString().toStdString();
    bool ok = false;
    const int language = store.value(settings::kInterruptedWriteLanguageKey).toInt(&ok);
    write.languageId = ok && language >= 0 ? language : -1;
    return write;
}

bool InterruptedWriteSettings::remember(const transfer::InterruptedWrite& write)
{
    settings::Store store;
    if (!isSlot(write.slot) || store.status() != QSettings::NoError || !store.isWritable())
        return false;
    store.beginGroup(groupFor(write.devicePath, write.slot));
    store.setValue(settings::kInterruptedWriteTimeKey, QString::fromStdString(write.time));
    store.setValue(settings::kInterruptedWriteBackupKey, QString::fromStdString(write.backupPath));
    store.setValue(settings::kInterruptedWriteLanguageKey, write.languageId);
    store.endGroup();
    // On disk before the erase: a tool killed mid-write leaves it behind.
    store.sync();
    return store.status() == QSettings::NoError;
}

void InterruptedWriteSettings::forget(const std::string& devicePath, int slot)
{
    settings::Store store;
    if (!isSlot(slot) || store.status() != QSettings::NoError || !store.isWritable())
        return;
    store.remove(groupFor(devicePath, slot));
    store.sync();
}

} // namespace tarvo::platform
