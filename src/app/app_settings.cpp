#include "app/app_settings.h"

#include "app/app_texts.h"
#include "platform/settings_store.h"

namespace tarvo::app {

using platform::settings::keyOf;
using platform::settings::kRecentKey;
using platform::settings::readSetting;
using platform::settings::Setting;

std::optional<QString> AppSettings::lastBrowseFolder() const
{
    const QString folder = readSetting(m_store, Setting::LastBrowseFolder).toString();
    if (folder.isEmpty() || folder.size() > kMaxBrowseFolderChars)
        return std::nullopt;
    return folder;
}

void AppSettings::setLastBrowseFolder(const QString& folder)
{
    m_store.setValue(keyOf(Setting::LastBrowseFolder), folder);
}

std::optional<std::uint32_t> AppSettings::threadLocale() const
{
    const std::optional<std::uint32_t> value = platform::settings::readThreadLocale(m_store);
    if (value == 0u)
        return std::nullopt;
    return value;
}

QString AppSettings::serverProgram() const
{
    return readSetting(m_store, Setting::ServerProgram).toString();
}

QString AppSettings::serverConfigurationFolder() const
{
    return readSetting(m_store, Setting::ServerFolder).toString();
}

QStringList AppSettings::recentFiles() const
{
    QStringList files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString file = m_store.value(keyOf(Setting::RecentFiles, kRecentKey.arg(i))).toString();
        if (!file.isEmpty())
            files.append(file);
    }
    return files;
}

void AppSettings::setRecentFiles(const QStringList& files)
{
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString key = keyOf(Setting::RecentFiles, kRecentKey.arg(i));
        if (i <= files.size())
            m_store.setValue(key, files.at(i - 1));
        else
            m_store.remove(key);
    }
}

bool AppSettings::flush(QString& reason)
{
    m_store.sync();
    switch (m_store.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        reason = texts::kAccessDenied;
        return false;
    case QSettings::FormatError:
        reason = texts::kTheFileIsNotA;
        return false;
    }
    return false;
}

} // namespace tarvo::app
