#include "platform/state_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QtGlobal>

namespace tarvo::platform {

namespace {
const QString kApplicationFolder = QStringLiteral("tarvo-script");
} // namespace

QString stateFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG path is invalid by the XDG rules and is ignored.
    const QString home = !fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment)
                             ? fromEnvironment
                             : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(home + QLatin1Char('/') + kApplicationFolder);
}

QString stateText(const char* text)
{
    return QCoreApplication::translate("StateFiles", text);
}

bool ensureStateFolder(QString* reason)
{
    const QString folder = stateFolder();
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkpath(folder)) {
        if (reason)
            *reason =
                stateText(QT_TRANSLATE_NOOP("StateFiles", "the folder %1 cannot be created")).arg(folder);
        return false;
    }
    // Records name the user's backups and hold keyboard images: the user's own.
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return true;
}

} // namespace tarvo::platform
