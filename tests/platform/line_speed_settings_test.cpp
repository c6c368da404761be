// The remembered line speeds in the settings: kept per device path, and a
// store that cannot be read or written, or a value that is no line speed,
// is passed over.

#include "platform/line_speed_settings.h"
#include "support/test_settings.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <optional>

namespace tarvo::platform {
namespace {

constexpr const char* kDevice = "/dev/ttyUSB0";

class LineSpeedSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_settings.emplace();
    }
    void storeRaw(const QVariant& value)
    {
        QSettings store(QStringLiteral("Corvane Security Systems"),
                        QStringLiteral("Tarvo Script Application"));
        store.beginGroup(QStringLiteral("LineSpeeds"));
        store.setValue(QString::fromLatin1(QUrl::toPercentEncoding(QString::fromLatin1(kDevice))), value);
    }

    QTemporaryDir m_dir;
    std::optional<tarvo::test::TestSettings> m_settings;
    LineSpeedSettings m_speeds;
};

TEST_F(LineSpeedSettingsTest, KeepsTheSpeedPerDevicePath)
{
    EXPECT_EQ(m_speeds.remembered(kDevice), std::nullopt);
    m_speeds.remember(kDevice, 57600);
    m_speeds.remember("/dev/ttyS1", 19200);
    EXPECT_EQ(m_speeds.remembered(kDevice), 57600);
    EXPECT_EQ(m_speeds.remembered("/dev/ttyS1"), 19200);
    EXPECT_EQ(m_speeds.remembered("/dev/ttyS2"), std::nullopt);
    // Network addresses hold slashes and colons too; each port of a server is its own device.
    m_speeds.remember("rfc2217://10.0.0.5:7001", 57600);
    EXPECT_EQ(m_speeds.remembered("rfc2217://10.0.0.5:7001"), 57600);
    EXPECT_EQ(m_speeds.remembered("rfc2217://10.0.0.5:7002"), std::nullopt);
}

TEST_F(LineSpeedSettingsTest, AValueThatIsNoLineSpeedCountsAsNone)
{
    for (const QVariant& value : {QVariant(QStringLiteral("fast")), QVariant(38400), QVariant(-1)}) {
        storeRaw(value);
        EXPECT_EQ(m_speeds.remembered(kDevice), std::nullopt) << value.toString().toStdString();
    }
    m_speeds.remember(kDevice, 38400);
    EXPECT_EQ(m_speeds.remembered(kDevice), std::nullopt);
}

TEST_F(LineSpeedSettingsTest, AStoreThatCannotBeWrittenIsPassedOver)
{
    // The settings folder is a file: nothing can be created under it.
    const QString blocked = m_dir.filePath(QStringLiteral("not-a-folder"));
    QFile file(blocked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_settings.emplace(blocked);
    m_speeds.remember(kDevice, 57600);
    EXPECT_EQ(m_speeds.remembered(kDevice), std::nullopt);
}

} // namespace
} // namespace tarvo::platform
