// The settings table: one row per setting in its own place, keys that do not
// collide, and an entry that is missing or unusable reads as the default.

#include "platform/settings_store.h"
#include "platform/settings_table.h"
#include "support/test_settings.h"

#include <QSet>

#include <gtest/gtest.h>

namespace tarvo::platform::settings {
namespace {

TEST(SettingsTable, EachRowSitsAtItsSettingAndKeysAreUnique)
{
    QSet<QString> keys;
    for (int i = 0; i < static_cast<int>(Setting::Count); ++i) {
        const SettingSpec& spec = specOf(static_cast<Setting>(i));
        EXPECT_EQ(static_cast<int>(spec.setting), i);
        EXPECT_FALSE(spec.key.isEmpty());
        EXPECT_FALSE(keys.contains(spec.key)) << spec.key.toStdString();
        keys.insert(spec.key);
    }
}

TEST(SettingsTable, AMissingOrUnusableNumberReadsAsTheDefault)
{
    const tarvo::test::TestSettings isolated;
    Store store;
    const int fallback = specOf(Setting::LoginTimeoutMs).fallback.toInt();
    ASSERT_GT(fallback, 0);
    struct Case {
        QVariant stored;
        int expected;
    };
    for (const Case& c : {Case{QVariant(), fallback}, Case{QStringLiteral("soon"), fallback},
                          Case{0, fallback}, Case{-5, fallback}, Case{1500, 1500}}) {
        if (c.stored.isValid())
            store.setValue(keyOf(Setting::LoginTimeoutMs), c.stored);
        else
            store.remove(keyOf(Setting::LoginTimeoutMs));
        EXPECT_EQ(readSetting(store, Setting::LoginTimeoutMs).toInt(), c.expected)
            << c.stored.toString().toStdString();
    }
    EXPECT_EQ(keyOf(Setting::RecentFiles, QStringLiteral("File1")), QStringLiteral("Recent File List/File1"));
}

} // namespace
} // namespace tarvo::platform::settings
