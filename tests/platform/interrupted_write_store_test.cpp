// The records of interrupted writes on disk: a record comes back byte for
// byte (a backup path that is not UTF-8 included), a damaged file is passed
// over, and the old settings group is moved into the store once, an
// over-long time in it never taken whole.

#include "platform/interrupted_write_store.h"
#include "platform/settings_store.h"
#include "support/test_settings.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace tarvo::platform {
namespace {

constexpr int kSlot = 3;
constexpr int kLanguage = 9;
constexpr std::size_t kImageBytes = 65536;

transfer::InterruptedWrite sampleWrite()
{
    transfer::InterruptedWrite write;
    write.devicePath = "/home/op/kb";
    write.canonicalDevice = "/dev/serial/by-id/usb-adapter-port0";
    write.keyboardId = "4b42000102030200fe01010194000403";
    write.slot = kSlot;
    write.time = "2026-12-09T01:02:03Z";
    write.backupPath = std::string("/home/op/b") + static_cast<char>(0xE4) + "ckup.tvo"; // Latin-1, not UTF-8
    write.languageId = kLanguage;
    write.languageName = "English";
    write.image.assign(kImageBytes, 0x5A);
    return write;
}

class InterruptedWriteStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QTemporaryDir m_dir;
};

TEST_F(InterruptedWriteStoreTest, ARecordComesBackWholeAndIsForgotten)
{
    InterruptedWriteStore store(m_dir.filePath(QStringLiteral("records")));
    transfer::InterruptedWrite write = sampleWrite();
    std::string reason;
    ASSERT_TRUE(store.remember(write, reason)) << reason;
    ASSERT_FALSE(write.id.empty());

    const std::vector<transfer::InterruptedWrite> found = store.records();
    ASSERT_EQ(found.size(), 1u);
    const transfer::InterruptedWrite& back = found.front();
    EXPECT_EQ(back.id, write.id);
    EXPECT_EQ(back.devicePath, write.devicePath);
    EXPECT_EQ(back.canonicalDevice, write.canonicalDevice);
    EXPECT_EQ(back.keyboardId, write.keyboardId);
    EXPECT_EQ(back.slot, kSlot);
    EXPECT_EQ(back.time, write.time);
    EXPECT_EQ(back.backupPath, write.backupPath);
    EXPECT_EQ(back.languageId, kLanguage);
    EXPECT_EQ(back.languageName, write.languageName);
    EXPECT_TRUE(back.image == write.image);

    store.forget(write.id);
    EXPECT_TRUE(store.records().empty());
}

TEST_F(InterruptedWriteStoreTest, ADamagedRecordIsPassedOver)
{
    const QString folder = m_dir.filePath(QStringLiteral("records"));
    InterruptedWriteStore store(folder);
    transfer::InterruptedWrite whole = sampleWrite();
    std::string reason;
    ASSERT_TRUE(store.remember(whole, reason)) << reason;
    // A record cut short, as a full disk could leave one made without the rename.
    QByteArray cut = recordBytes(sampleWrite());
    cut.chop(100);
    QFile damaged(QDir(folder).filePath(QStringLiteral("0000-cut.record")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(cut);
    damaged.close();

    const std::vector<transfer::InterruptedWrite> found = store.records();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found.front().id, whole.id);
}

TEST_F(InterruptedWriteStoreTest, TheOldSettingsGroupIsMovedOnce)
{
    const tarvo::test::TestSettings isolated;
    qputenv("XDG_STATE_HOME", m_dir.filePath(QStringLiteral("state")).toUtf8());
    {
        settings::Store old;
        old.beginGroup(settings::keyOf(settings::Setting::InterruptedWrites) + QLatin1Char('/') +
                       QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("/dev/ttyUSB0"))) +
                       QStringLiteral("/slot%1").arg(kSlot));
        old.setValue(settings::kInterruptedWriteTimeKey, QString(200000, QLatin1Char('9')));
        old.setValue(settings::kInterruptedWriteBackupKey, QStringLiteral("/home/op/bk.tvo"));
        old.setValue(settings::kInterruptedWriteLanguageKey, kLanguage);
    }
    const std::vector<transfer::InterruptedWrite> moved = InterruptedWriteStore().records();
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved.front().devicePath, "/dev/ttyUSB0");
    EXPECT_EQ(moved.front().backupPath, "/home/op/bk.tvo");
    EXPECT_FALSE(moved.front().hasImage()); // it never applies by itself
    EXPECT_LT(moved.front().time.size(), 64u);
    EXPECT_FALSE(
        settings::Store().childGroups().contains(settings::keyOf(settings::Setting::InterruptedWrites)));
    EXPECT_EQ(InterruptedWriteStore().records().size(), 1u);
    qunsetenv("XDG_STATE_HOME");
}

} // namespace
} // namespace tarvo::platform
