#pragma once
// The editor's settings in the application's store (the names and keys are
// in platform/settings_store.h). Tests move the store with
// QSettings::setPath before the application object is made.

#include "platform/settings_store.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tarvo::app {

inline constexpr int kMaxBrowseFolderChars = 260;
inline constexpr int kRecentFileCount = 4;

class AppSettings {
public:
    // Empty, or longer than a folder setting may be, counts as absent.
    std::optional<QString> lastBrowseFolder() const;
    void setLastBrowseFolder(const QString& folder);
    // The locale identifier the user set; absent or 0 means none.
    std::optional<std::uint32_t> threadLocale() const;
    // The server's program file and configuration folder, when set.
    QString serverProgram() const;
    QString serverConfigurationFolder() const;
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

    // Writes pending changes; false with the reason when the store cannot be written.
    bool flush(QString& reason);
    QString location() const { return m_store.fileName(); }

private:
    platform::settings::Store m_store;
};

} // namespace tarvo::app
