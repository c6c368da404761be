#pragma once
// The store of the application's settings: the organisation and application
// names they are kept under, and the store opened under those names. Every
// entry's key, type and default are in settings_table.h; the editor, the
// tool's adapters and the diagnostics all go through that table, so that
// they meet in the same entries.

#include "platform/settings_table.h"

#include <QSettings>
#include <QString>

#include <cstdint>
#include <optional>

namespace tarvo::platform::settings {

inline const QString kOrganisation = QStringLiteral("Corvane Security Systems");
inline const QString kApplication = QStringLiteral("Tarvo Script Application");

// The entries inside groups of the table.
inline const QString kRecentKey = QStringLiteral("File%1"); // %1: 1 for the most recent
// Under InterruptedWrites/<device>/slot<n>: when the write began, the backup
// it can be retried from, and the language of the table.
inline const QString kInterruptedWriteTimeKey = QStringLiteral("time");
inline const QString kInterruptedWriteBackupKey = QStringLiteral("backup");
inline const QString kInterruptedWriteLanguageKey = QStringLiteral("language");

// The setting that maps COM port portIndex (0-based) onto a device ("Ports/COM<n>").
QString comPortKey(int portIndex);

// The stored locale identifier when it is present and a 32-bit number (0 included).
std::optional<std::uint32_t> readThreadLocale(const QSettings& store);

// The user's settings store, under the application's names.
class Store final : public QSettings {
public:
    Store() : QSettings(kOrganisation, kApplication) {}
};

} // namespace tarvo::platform::settings
