#pragma once
// Every setting of the application in one table: its key in the store, the
// type it is read as, the value it reads as when it is missing or unusable,
// and who reads it (the editor only, or the editor and the tool alike).
// Groups hold one entry per device, slot or number under their own key.

#include <QMetaType>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace tarvo::platform::settings {

enum class Scope {
    Editor, // the editor's own
    Shared, // read and written by the tool as well
};

enum class Setting {
    LastBrowseFolder,
    Language, // the language the editor shows ("de"); empty or absent: the desktop's
    ThreadLocale,
    RecentFiles, // group: File1 (the most recent) ... File4
    ServerProgram,
    ServerFolder,
    ServerCallTimeoutMs,
    ServerStartTimeoutMs,
    LoginProgram,
    LoginTimeoutMs,
    Ports,             // group: COM<n> names the device of COM port n
    LineSpeeds,        // group: per device path, the line speed that last answered
    InterruptedWrites, // group: per device path and slot, a write left unfinished
    FleetPorts,        // the COM numbers last chosen for several keyboards at once ("1,3,4")
    Count
};

struct SettingSpec {
    Setting setting;
    QString key;
    QMetaType::Type type; // of each entry, for a group
    QVariant fallback;    // null: none, the caller decides
    Scope scope;
};

const SettingSpec& specOf(Setting setting);

// The entry's key in the store; for a group, the key of name inside it.
QString keyOf(Setting setting);
QString keyOf(Setting setting, const QString& name);

// The value of the entry when it is present and reads as its type, else the
// table's fallback. A number entry is also refused when it is not above 0.
QVariant readSetting(const QSettings& store, Setting setting);

} // namespace tarvo::platform::settings
