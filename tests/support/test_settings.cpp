#include "support/test_settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace tarvo::test {

namespace {

const char* const kConfigVariable = "XDG_CONFIG_HOME";

// Where the user scope is when nothing moved it.
QString configFolderOf(const QByteArray& variable, bool set)
{
    if (set && !variable.isEmpty())
        return QString::fromLocal8Bit(variable);
    return QDir::homePath() + QStringLiteral("/.config");
}

} // namespace

TestSettings::TestSettings() : m_folder(m_dir.path())
{
    use();
}

TestSettings::TestSettings(const QString& folder) : m_folder(folder)
{
    QDir().mkpath(folder);
    use();
}

void TestSettings::use()
{
    m_hadConfig = qEnvironmentVariableIsSet(kConfigVariable);
    m_previousConfig = qgetenv(kConfigVariable);
    qputenv(kConfigVariable, QFile::encodeName(m_folder));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder);
}

TestSettings::~TestSettings()
{
    if (m_hadConfig)
        qputenv(kConfigVariable, m_previousConfig);
    else
        qunsetenv(kConfigVariable);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       configFolderOf(m_previousConfig, m_hadConfig));
}

} // namespace tarvo::test
