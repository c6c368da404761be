// The parts of the transfer commands that need no keyboard: where a
// download's backup goes, and the rate and time left the progress shows.

#include "ui/transfer/transfer_commands.h"
#include "ui/transfer/transfer_progress_dialog.h"

#include <QDateTime>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvo::app::test {

namespace {

using ui::backupPathFor;

const QDateTime kWhen(QDate(2026, 12, 8), QTime(12, 30, 5));

TEST(TransferBackupPath, NextToASavedDocumentElseInTheScriptsFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString scripts = home.filePath(QStringLiteral("Scripts"));
    struct Case {
        QString documentPath;
        QString title;
        QString expected;
    };
    const Case cases[] = {
        {home.filePath(QStringLiteral("lobby.tvo")), QStringLiteral("lobby.tvo"),
         home.filePath(QStringLiteral("lobby backup 2026-12-08 123005.tvo"))},
        // Never saved: the title names it.
        {QString(), QStringLiteral("Tarvo2"),
         scripts + QStringLiteral("/Tarvo2 backup 2026-12-08 123005.tvo")},
        // Its folder is gone.
        {home.filePath(QStringLiteral("gone/site.tvo")), QStringLiteral("site.tvo"),
         scripts + QStringLiteral("/site backup 2026-12-08 123005.tvo")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(backupPathFor(c.documentPath, c.title, scripts, kWhen), c.expected)
            << c.documentPath.toStdString();
    }
    EXPECT_TRUE(QDir(scripts).exists());
}

TEST(TransferRate, BlocksPerSecondAndTimeLeft)
{
    struct Case {
        int done;
        int left;
        qint64 elapsedMs;
        QString expected;
    };
    const Case cases[] = {
        {0, 4096, 1000, QString()},
        {100, 4096, 0, QString()},
        {100, 600, 1000, QStringLiteral("100.0 blocks/s, 0:06 left")},
        {10, 36000, 1000, QStringLiteral("10.0 blocks/s, 1:00:00 left")},
        {50, 0, 2000, QStringLiteral("25.0 blocks/s, 0:00 left")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::rateAndTimeLeft(c.done, c.left, c.elapsedMs), c.expected) << c.done << " " << c.left;
}

} // namespace

} // namespace tarvo::app::test
