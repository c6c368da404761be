// The locale dialogs on a settings file of their own, the code page the
// document layer follows, and the error report of the Debug menu.

#include "diagnostics/locale_dialogs.h"
#include "diagnostics/locale_table.h"
#include "document/archive_code_page.h"
#include "platform/settings_store.h"
#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"
#include "support/test_settings.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>

namespace tarvo::diagnostics {
namespace {

const QString kKey = QStringLiteral("DebugOptions/ThreadLocale");

class ThreadLocaleTest : public ::testing::Test {
protected:
    QString file() const { return platform::settings::Store().fileName(); }
    void store(const QVariant& value) const
    {
        QSettings s(file(), QSettings::NativeFormat);
        s.setValue(kKey, value);
    }
    QVariant stored() const { return QSettings(file(), QSettings::NativeFormat).value(kKey); }

    tarvo::test::TestSettings m_settings;
};

TEST_F(ThreadLocaleTest, OpeningSelectsTheStoredValueOrCreatesItOrClosesAtOnce)
{
    struct Case {
        const char* name;
        QVariant before;       // invalid: missing
        std::uint32_t running; // the application's locale identifier
        bool opens;
        std::optional<std::uint32_t> selected;
        QVariant after;
    };
    const Case cases[] = {
        {"stored French", 1036u, 1033, true, 1036u, 1036u},
        {"stored neutral", 0u, 1036, true, 0u, 0u},
        {"missing, running US English", {}, 1033, true, 1033u, 1033u},
        {"missing, running Russian", {}, 0x0419, false, std::nullopt, {}},
        {"stored value not offered", 1049u, 1033, false, std::nullopt, 1049u},
        {"stored value not a number", QStringLiteral("fr"), 1033, true, 1033u, 1033u},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QSettings(file(), QSettings::NativeFormat).clear();
        if (c.before.isValid())
            store(c.before);
        const ThreadLocaleSetting setting;
        SetThreadLocaleDialog dialog(setting, c.running);
        EXPECT_EQ(dialog.prepare(), c.opens);
        if (c.opens) {
            EXPECT_EQ(dialog.selectedValue(), c.selected);
        }
        EXPECT_EQ(stored().toString(), c.after.toString());
    }
}

TEST_F(ThreadLocaleTest, OkWritesTheChoiceAndCancelWritesNothing)
{
    store(1036u);
    const ThreadLocaleSetting setting;
    {
        SetThreadLocaleDialog dialog(setting, 1033);
        ASSERT_TRUE(dialog.prepare());
        dialog.select(3082);
        dialog.reject();
    }
    EXPECT_EQ(stored().toUInt(), 1036u);
    SetThreadLocaleDialog dialog(setting, 1033);
    ASSERT_TRUE(dialog.prepare());
    dialog.select(0);
    dialog.accept();
    EXPECT_EQ(stored().toUInt(), 0u);
    EXPECT_EQ(setting.read(), 0u);
}

TEST(SystemDefaultLocale, ShowsIdentifierLanguageAndSortIdAndSaysWhenApproximated)
{
    struct Case {
        std::uint32_t identifier;
        const char* systemName;
        const char* lcid;
        const char* langId;
        bool noted;
    };
    const Case cases[] = {
        {0x0409, "en_US", "0x409", "0x409", false}, {0x0C0A, "es_ES", "0xc0a", "0xc0a", false},
        {0, "C", "0x409", "0x409", true},           {0, "POSIX", "0x409", "0x409", true},
        {0, "fr_CH.UTF-8", "0x40c", "0x40c", true}, {0, "de_CH.UTF-8", "0x807", "0x807", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.systemName);
        SystemDefaultLocaleDialog dialog(c.identifier, QString::fromLatin1(c.systemName));
        EXPECT_EQ(dialog.lcidText(), QLatin1String(c.lcid));
        EXPECT_EQ(dialog.langIdText(), QLatin1String(c.langId));
        EXPECT_EQ(dialog.sortIdText(), QStringLiteral("0x0"));
        EXPECT_EQ(!dialog.noteText().isEmpty(), c.noted);
        if (c.noted) {
            EXPECT_TRUE(dialog.noteText().contains(QLatin1String(c.systemName)))
                << dialog.noteText().toStdString();
        }
    }
}

TEST(LastErrorMessage, ReadsTheCodeAsTheUserTypedIt)
{
    const std::pair<const char*, int> cases[] = {{"5", 5},  {"  -12abc", -12}, {"abc", 0},
                                                 {"+7", 7}, {"", 0},           {"99999999999", INT_MAX}};
    for (const auto& [text, code] : cases)
        EXPECT_EQ(LastErrorMessageDialog::parseCode(QString::fromLatin1(text)), code) << text;
}

TEST(ArchiveCodePage, FollowsTheLocaleIdentifier)
{
    struct Case {
        std::uint32_t identifier;
        int codePage;
        std::uint8_t byte;
        char16_t character;
    };
    const Case cases[] = {
        {0x0409, 1252, 0x80, u'\u20AC'}, {0x0419, 1251, 0xC0, u'\u0410'}, {0x0408, 1253, 0xC1, u'\u0391'},
        {0x0415, 1250, 0xA5, u'\u0104'}, {0x041F, 1254, 0xD0, u'\u011E'}, {0x0401, 1256, 0xC7, u'\u0627'},
        {0x0411, 1252, 0xE9, u'\u00E9'}, // a code page the archive lacks reads as 1252
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.identifier);
        document::setArchiveCodePage(codePageOf(c.identifier));
        EXPECT_EQ(document::archiveCodePage(), c.codePage);
        EXPECT_EQ(document::archiveByteToUnicode(c.byte), c.character);
        EXPECT_EQ(document::archiveByteToUnicode('A'), u'A');
    }
    document::setArchiveCodePage(document::kDefaultArchiveCodePage);
}

using app::test::EditorFixture;

class DiagnosticStartTest : public EditorFixture {
protected:
    void TearDown() override
    {
        EditorFixture::TearDown();
        document::setArchiveCodePage(document::kDefaultArchiveCodePage);
        QLocale::setDefault(m_savedLocale);
    }
    const QLocale m_savedLocale;
    QAction* debugItem(const QString& text)
    {
        for (QAction* item : frame().debugMenu()->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }
};

TEST_F(DiagnosticStartTest, TheStoredThreadLocaleSetsLocaleAndCodePageAtTheNextStart)
{
    QDir().mkpath(settingsFolder());
    {
        QSettings settings(QStringLiteral("Corvane Security Systems"),
                           QStringLiteral("Tarvo Script Application"));
        settings.setValue(kKey, 0x0419);
    }
    ASSERT_TRUE(start({QStringLiteral("/debug")}));
    EXPECT_EQ(app().locale().identifier, 0x0419u);
    EXPECT_EQ(QLocale().language(), QLocale::Russian);
    EXPECT_EQ(document::archiveCodePage(), 1251);
}

TEST_F(DiagnosticStartTest, LastErrorMessageShowsTheSystemTextFileAndLine)
{
    ASSERT_TRUE(start({QStringLiteral("/debug")}));
    QAction* item = debugItem(QStringLiteral("Last &Error Message..."));
    ASSERT_NE(item, nullptr);
    bool seen = false;
    app::test::whenShown<LastErrorMessageDialog>(
        &frame(), QStringLiteral("LastErrorMessageDialog"), {}, [&](LastErrorMessageDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Debug Last Error Message"));
            dialog.findChild<QLineEdit*>()->setText(QStringLiteral(" 5"));
            dialog.findChild<QPushButton*>(QStringLiteral("display"))->click();
            seen = true;
            dialog.accept();
        });
    item->trigger();
    ASSERT_TRUE(seen);
    const QString expected = QString::fromLocal8Bit(std::strerror(5)) +
                             QStringLiteral("\n\nFile: DebugLastErrorMsgDlg\n\nLine: 69");
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Error|") + expected});
}

} // namespace
} // namespace tarvo::diagnostics
