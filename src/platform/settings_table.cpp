#include "platform/settings_table.h"

#include <array>

namespace tarvo::platform::settings {

namespace {

// QtDBus's own default for a call.
constexpr int kServerCallTimeoutMs = 25000;
// A started program has this long to appear on the bus.
constexpr int kServerStartTimeoutMs = 20000;
// The login call waits for a person to type a name and password.
constexpr int kLoginTimeoutMs = 300000;

const std::array<SettingSpec, static_cast<std::size_t>(Setting::Count)>& table()
{
    static const std::array<SettingSpec, static_cast<std::size_t>(Setting::Count)> specs = {{
        {Setting::LastBrowseFolder,
         QStringLiteral("Settings/LastBrowseFolder"),
         QMetaType::QString,
         {},
         Scope::Editor},
        {Setting::Language, QStringLiteral("Settings/Language"), QMetaType::QString, {}, Scope::Editor},
        {Setting::ThreadLocale,
         QStringLiteral("DebugOptions/ThreadLocale"),
         QMetaType::ULongLong,
         {},
         Scope::Editor},
        {Setting::RecentFiles, QStringLiteral("Recent File List"), QMetaType::QString, {}, Scope::Editor},
        {Setting::ServerProgram,
         QStringLiteral("HalvardServer/LocalServer32"),
         QMetaType::QString,
         {},
         Scope::Editor},
        {Setting::ServerFolder,
         QStringLiteral("HalvardServer/HalvardConfigurationDefaultDir"),
         QMetaType::QString,
         {},
         Scope::Editor},
        {Setting::ServerCallTimeoutMs, QStringLiteral("HalvardServer/CallTimeoutMs"), QMetaType::Int,
         kServerCallTimeoutMs, Scope::Editor},
        {Setting::ServerStartTimeoutMs, QStringLiteral("HalvardServer/StartTimeoutMs"), QMetaType::Int,
         kServerStartTimeoutMs, Scope::Editor},
        {Setting::LoginProgram,
         QStringLiteral("LoginServer/LocalServer32"),
         QMetaType::QString,
         {},
         Scope::Editor},
        {Setting::LoginTimeoutMs, QStringLiteral("LoginServer/CallTimeoutMs"), QMetaType::Int,
         kLoginTimeoutMs, Scope::Editor},
        {Setting::Ports, QStringLiteral("Ports"), QMetaType::QString, {}, Scope::Shared},
        {Setting::LineSpeeds, QStringLiteral("LineSpeeds"), QMetaType::Int, {}, Scope::Shared},
        {Setting::InterruptedWrites,
         QStringLiteral("InterruptedWrites"),
         QMetaType::QString,
         {},
         Scope::Shared},
        {Setting::FleetPorts, QStringLiteral("Settings/FleetPorts"), QMetaType::QString, {}, Scope::Editor},
    }};
    return specs;
}

} // namespace

const SettingSpec& specOf(Setting setting)
{
    return table().at(static_cast<std::size_t>(setting));
}

QString keyOf(Setting setting)
{
    return specOf(setting).key;
}

QString keyOf(Setting setting, const QString& name)
{
    QString key = specOf(setting).key;
    key += QLatin1Char('/');
    key += name;
    return key;
}

QVariant readSetting(const QSettings& store, Setting setting)
{
    const SettingSpec& spec = specOf(setting);
    const QVariant value = store.value(spec.key);
    if (!value.isValid())
        return spec.fallback;
    bool ok = true;
    switch (spec.type) {
    case QMetaType::Int: {
        const int number = value.toInt(&ok);
        return ok && number > 0 ? QVariant(number) : spec.fallback;
    }
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong(&ok);
        return ok ? QVariant(number) : spec.fallback;
    }
    default:
        return value.toString();
    }
}

} // namespace tarvo::platform::settings
