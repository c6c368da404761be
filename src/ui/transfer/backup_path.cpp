#include "ui/transfer/backup_path.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace tarvo::ui {

namespace {

const QString kBackupName = QStringLiteral("%1 backup %2.tvo");
const QString kBackupTime = QStringLiteral("yyyy-MM-dd HHmmss");

} // namespace

QString backupPathFor(const QString& documentPath, const QString& title, const QString& scriptsFolder,
                      const QDateTime& when)
{
    const QString stamp = when.toString(kBackupTime);
    if (!documentPath.isEmpty()) {
        const QFileInfo file(documentPath);
        const QFileInfo folder(file.absolutePath());
        if (folder.isDir() && folder.isWritable())
            return QDir(file.absolutePath()).filePath(kBackupName.arg(file.completeBaseName(), stamp));
    }
    QDir().mkpath(scriptsFolder);
    const QString stem = title.isEmpty() ? QStringLiteral("Tarvo") : QFileInfo(title).completeBaseName();
    return QDir(scriptsFolder).filePath(kBackupName.arg(stem, stamp));
}

} // namespace tarvo::ui
