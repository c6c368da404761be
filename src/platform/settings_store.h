#pragma once
// The application's settings in one place: the organisation and application
// names they are kept under, the name of every key, and the store opened
// under those names. The editor, the tool's adapters and the diagnostics all
// read and write through these names, so that they meet in the same entries.

#include <QSettings>
#include <QString>

#include <cstdint>
#include <optional>

namespace tarvo::platform::settings {

inline const QString kOrganisation = QStringLiteral("Corvane Security Systems");
inline const QString kApplication = QStringLiteral("Tarvo Script Application");

// The editor's own entries.
inline const QString kLastBrowseFolderKey = QStringLiteral("Settings/LastBrowseFolder");
// The language the editor shows ("de"); empty or absent: the desktop's.
inline const QString kLanguageKey = QStringLiteral("Settings/Language");
inline const QString kThreadLocaleKey = QStringLiteral("DebugOptions/ThreadLocale");
inline const QString kRecentGroup = QStringLiteral("Recent File List");
inline const QString kRecentKey = QStringLiteral("File%1"); // %1: 1 for the most recent
// The servers the editor starts.
inline const QString kServerProgramKey = QStringLiteral("HalvardServer/LocalServer32");
inline const QString kServerFolderKey = QStringLiteral("HalvardServer/HalvardConfigurationDefaultDir");
inline const QString kServerCallTimeoutKey = QStringLiteral("HalvardServer/CallTimeoutMs");
inline const QString kServerStartTimeoutKey = QStringLiteral("HalvardServer/StartTimeoutMs");
inline const QString kLoginProgramKey = QStringLiteral("LoginServer/LocalServer32");
inline const QString kLoginTimeoutKey = QStringLiteral("LoginServer/CallTimeoutMs");
// Shared with the tool: per device path, the line speed that last answered
// and the writes left unfinished.
inline const QString kLineSpeedsGroup = QStringLiteral("LineSpeeds");
inline const QString kInterruptedWritesGroup = QStringLiteral("InterruptedWrites");
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
