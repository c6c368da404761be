// Start-up: diagnostic mode and its menu, settings, locale, fonts and the
// command line.

#include "support/gui/editor_fixture.h"
#include "support/test_settings.h"

#include "app/app_texts.h"
#include "app/command_line.h"
#include "app/error_report.h"
#include "app/locale_choice.h"
#include "app/translations.h"
#include "app/ui_font_resolver.h"
#include "document/doc.h"
#include "ui/child_frame.h"
#include "ui/com_port/com_port_setup_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <optional>

namespace tarvo::app::test {
namespace {

const QString kDebugMenu = QStringLiteral("&Debug");

struct DebugCase {
    const char* argument;
    bool debug;
    friend void PrintTo(const DebugCase& c, std::ostream* os) { *os << '"' << c.argument << '"'; }
};

class DebugFlagTest : public EditorFixture, public ::testing::WithParamInterface<DebugCase> {};

TEST_P(DebugFlagTest, DebugMenuPresentOnceInEveryMenuState)
{
    const DebugCase c = GetParam();
    ASSERT_TRUE(start(*c.argument ? QStringList{QString::fromLatin1(c.argument)} : QStringList{}));
    EXPECT_EQ(app().debugMode(), c.debug);
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Tarvo Script Application"));
    const int expected = c.debug ? 1 : 0;
    EXPECT_EQ(menuCount(frame(), kDebugMenu), expected);
    frame().action(Command::New)->trigger();
    EXPECT_EQ(menuCount(frame(), kDebugMenu), expected);
    frame().action(Command::New)->trigger();
    frame().action(Command::Close)->trigger();
    settle();
    EXPECT_EQ(menuCount(frame(), kDebugMenu), expected);
    frame().action(Command::Close)->trigger();
    settle();
    ASSERT_TRUE(frame().frames().isEmpty());
    EXPECT_EQ(menuCount(frame(), kDebugMenu), expected);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, DebugFlagTest,
                         ::testing::Values(DebugCase{"", false}, DebugCase{"debug", true},
                                           DebugCase{"/DEBUG", true}, DebugCase{"-Debug", true},
                                           DebugCase{"--debug", false}));

TEST(CommandLine, DebugFlagsAndDocuments)
{
    const CommandLine line = parseCommandLine({"a.tvo", "/Debug", "debugger", "", "--unknown", "b\xE9.tvo"});
    EXPECT_TRUE(line.debug);
    EXPECT_EQ(line.documents, (QByteArrayList{"a.tvo", "debugger", "b\xE9.tvo"}));
}

TEST_F(EditorFixture, MaximizedResolutionSizesResizeTheWindow)
{
    ASSERT_TRUE(start({QStringLiteral("debug")}));
    QMenu* sizes = nullptr;
    for (QAction* item : frame().debugMenu()->actions())
        if (item->text() == QStringLiteral("&Maximized Resolution Sizes"))
            sizes = item->menu();
    ASSERT_NE(sizes, nullptr);
    ASSERT_EQ(sizes->actions().size(), 4);
    EXPECT_EQ(sizes->actions().at(2)->text(), QStringLiteral("1032 x 748"));
    sizes->actions().at(1)->trigger();
    EXPECT_EQ(frame().size(), QSize(808, 580));
    EXPECT_GE(frame().x(), 0);
    EXPECT_GE(frame().y(), 0);
}

TEST_F(EditorFixture, FirstStartStoresTheScriptsFolderAsLastBrowseFolder)
{
    ASSERT_TRUE(start());
    const QString expected = scriptsFolder() + QLatin1Char('/');
    EXPECT_EQ(app().lastBrowseFolder(), expected);
    const QSettings stored(QStringLiteral("Corvane Security Systems"),
                           QStringLiteral("Tarvo Script Application"));
    EXPECT_EQ(stored.value(QStringLiteral("Settings/LastBrowseFolder")).toString(), expected);
    EXPECT_EQ(app().startDirectory(), path(QStringLiteral("start")));
}

TEST_F(EditorFixture, StoredLastBrowseFolderIsKept)
{
    {
        QSettings stored(QStringLiteral("Corvane Security Systems"),
                         QStringLiteral("Tarvo Script Application"));
        stored.setValue(QStringLiteral("Settings/LastBrowseFolder"), QStringLiteral("/srv/plans/"));
    }
    ASSERT_TRUE(start());
    EXPECT_EQ(app().lastBrowseFolder(), QStringLiteral("/srv/plans/"));
}

TEST_F(EditorFixture, SettingsThatCannotBeWrittenAreReportedAndStartGoesOn)
{
    // A settings folder below a plain file can never be created.
    QFile blocker(path(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const tarvo::test::TestSettings blocked(path(QStringLiteral("blocker/config")));
    ASSERT_TRUE(start());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("could not be written")))
        << messages().at(0).toStdString();
    frame().action(Command::New)->trigger();
    EXPECT_EQ(frame().frames().size(), 1);
}

TEST(ErrorReport, SystemTextThenFileAndLine)
{
    EXPECT_EQ(errorReportText(ENOENT, QStringLiteral("ZodAR"), 308),
              QString::fromLocal8Bit(std::strerror(ENOENT)) + QStringLiteral("\n\nFile: ZodAR\n\nLine: 308"));
}

TEST(LocaleChoice, ThreadLocaleZeroCountsAsAbsent)
{
    const QLocale system(QLocale::German, QLocale::Germany);
    const LocaleChoice none = chooseLocale(std::nullopt, system);
    const LocaleChoice zero = chooseLocale(0u, system);
    const LocaleChoice korean = chooseLocale(0x0412u, system);
    EXPECT_FALSE(zero.fromSetting);
    EXPECT_EQ(zero.identifier, none.identifier);
    EXPECT_EQ(zero.identifier, 0x0407u);
    EXPECT_TRUE(korean.fromSetting);
    EXPECT_EQ(korean.locale.language(), QLocale::Korean);
}

TEST_F(EditorFixture, ThreadLocaleSettingChoosesTheLocale)
{
    {
        QSettings stored(QStringLiteral("Corvane Security Systems"),
                         QStringLiteral("Tarvo Script Application"));
        stored.setValue(QStringLiteral("DebugOptions/ThreadLocale"), 0x0411);
    }
    ASSERT_TRUE(start());
    EXPECT_TRUE(app().locale().fromSetting);
    EXPECT_EQ(app().locale().locale.language(), QLocale::Japanese);
}

TEST_F(EditorFixture, TreeFontDrawsHangul)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(familyCoversHangul(app().fonts().unicode.family()))
        << app().fonts().unicode.family().toStdString();
    EXPECT_EQ(app().fonts().unicode.pixelSize(), kUnicodeFontPixels);
    EXPECT_EQ(app().fonts().fixed.pixelSize(), kFixedFontPixels);
}

TEST_F(EditorFixture, DocumentOnTheCommandLineIsOpened)
{
    const QString file = writeTemplateDocument(QStringLiteral("given.tvo"));
    ASSERT_TRUE(start({file, QStringLiteral("debug")}));
    ASSERT_EQ(frame().frames().size(), 1);
    EXPECT_EQ(frame().activeDocument()->path(), file.toStdString());
}

// Each visible item of the menus by its place ("2/5/1": menu, item, sub-item)
// with its text; a failure for each mnemonic letter used twice in one menu.
using MenuItems = QMap<QString, QString>;

QChar mnemonicOf(const QString& text)
{
    const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
    return amp >= 0 ? text.at(amp + 1).toLower() : QChar();
}

void collectMenuItems(const QMenu& menu, const QString& place, MenuItems& items)
{
    QSet<QChar> used;
    int index = 0;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        const QString itemPlace = place + u'/' + QString::number(index++);
        const QString text = action->text();
        items.insert(itemPlace, text);
        if (const QChar letter = mnemonicOf(text); !letter.isNull()) {
            EXPECT_FALSE(used.contains(letter)) << menu.title().toStdString() << ": " << text.toStdString();
            used.insert(letter);
        }
        if (action->menu() != nullptr)
            collectMenuItems(*action->menu(), itemPlace, items);
    }
}

// The menu bar's items, without a document and with one.
MenuItems menuBarItems(MainFrame& frame)
{
    MenuItems items;
    for (const QString& state : {QStringLiteral("empty"), QStringLiteral("document")}) {
        if (state == QStringLiteral("document"))
            frame.action(Command::New)->trigger();
        int index = 0;
        for (const QAction* item : frame.menuBar()->actions())
            if (item->menu() != nullptr && item->isVisible())
                collectMenuItems(*item->menu(), state + u'/' + QString::number(index++), items);
    }
    return items;
}

// The editor in each language it is translated into, English first: menu
// titles, the buttons of a dialog, and mnemonics that stay unique.
struct LanguageCase {
    const char* code;
    QStringList menuTitles; // File, View, Transfer, Help, Debug
    QString okButton;
    QString cancelButton;
    friend void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.code; }
};

class TranslatedEditor : public EditorFixture, public ::testing::WithParamInterface<LanguageCase> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        m_translations.emplace(QLocale(QString::fromLatin1(GetParam().code)),
                               QStringLiteral(TARVO_SHARE_DIR "/translations"));
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        m_translations.reset();
    }
    std::optional<Translations> m_translations;
};

TEST_P(TranslatedEditor, MenusAndDialogButtonsAreInTheLanguage)
{
    ASSERT_EQ(m_translations->editorLoaded(), QString::fromLatin1(GetParam().code) != QStringLiteral("en"));
    ASSERT_TRUE(start({QStringLiteral("debug")}));
    QStringList titles;
    for (const QAction* item : frame().menuBar()->actions())
        if (item->menu() != nullptr && item->isVisible())
            titles << item->text();
    EXPECT_EQ(titles, GetParam().menuTitles);

    ui::ComPortSetupDialog dialog(0);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), GetParam().okButton);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), GetParam().cancelButton);
}

// Unique in each menu, every command has one, and an item with one in English
// keeps one in the translation.
TEST_P(TranslatedEditor, EveryMenusMnemonicsAreUniqueAndKeptInTranslation)
{
    const QLocale translated = QLocale(QString::fromLatin1(GetParam().code));
    m_translations.reset();
    ASSERT_TRUE(start({QStringLiteral("debug")}));
    const MenuItems english = menuBarItems(frame());
    m_app.reset();
    settle();
    m_translations.emplace(translated, QStringLiteral(TARVO_SHARE_DIR "/translations"));
    ASSERT_TRUE(start({QStringLiteral("debug")}));
    const MenuItems shown = menuBarItems(frame());
    ASSERT_EQ(shown.keys(), english.keys());
    // Every command has one in English; the Debug menu's window sizes are numbers.
    const QRegularExpression windowSize(QStringLiteral("^\\d+ x \\d+$"));
    for (auto item = english.cbegin(); item != english.cend(); ++item)
        EXPECT_TRUE(!mnemonicOf(item.value()).isNull() || windowSize.match(item.value()).hasMatch())
            << item.value().toStdString();
    for (auto item = english.cbegin(); item != english.cend(); ++item)
        if (!mnemonicOf(item.value()).isNull())
            EXPECT_FALSE(mnemonicOf(shown.value(item.key())).isNull())
                << item.value().toStdString() << " -> " << shown.value(item.key()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslatedEditor,
    ::testing::Values(
        LanguageCase{"en", {"&File", "&View", "&Transfer", "&Help", "&Debug"}, "&OK", "&Cancel"},
        LanguageCase{"de", {"&Datei", "&Ansicht", "Über&tragung", "&Hilfe", "Debu&g"}, "&OK", "&Abbrechen"},
        LanguageCase{
            "ko", {"파일(&F)", "보기(&V)", "전송(&T)", "도움말(&H)", "디버그(&D)"}, "확인(&O)", "취소(&C)"},
        LanguageCase{
            "zh_CN", {"文件(&F)", "视图(&V)", "传输(&T)", "帮助(&H)", "调试(&D)"}, "确定(&O)", "取消(&C)"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.code); });

// A language pinned in the settings wins over the desktop's; none pinned, the desktop's.
TEST(UiLocale, APinnedLanguageWinsOverTheDesktops)
{
    const QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    EXPECT_EQ(app::uiLocale(settings), QLocale::system());
    settings.setValue(QStringLiteral("Settings/Language"), QStringLiteral("de"));
    EXPECT_EQ(app::uiLocale(settings).language(), QLocale::German);
}

TEST_F(EditorFixture, AboutShowsTheApplicationsIconAndBothVersions)
{
    ASSERT_TRUE(start());
    frame().action(Command::About)->trigger();
    ASSERT_EQ(ui::UserDialogs::shown().size(), 1);
    EXPECT_FALSE(QApplication::windowIcon().isNull()) << "the About box shows the application's icon";
    // The keyboard's users know the first version; the second is the one `tarvo version` prints.
    EXPECT_EQ(ui::UserDialogs::shown().at(0).text,
              QStringLiteral("Tarvo Script Application\nVersion 1.01.00.02\n"
                             "Tarvo Script Application for Linux " TARVO_VERSION));
}

// The desktop's viewer is stood in for by a text browser, which is given the page.
TEST_F(EditorFixture, UserGuideOpensTheBuiltPageInTheDesktopsViewer)
{
    ASSERT_TRUE(start());
    QTextBrowser viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "setSource");
    frame().action(Command::UserGuide)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    ASSERT_TRUE(viewer.source().isLocalFile()) << viewer.source().toString().toStdString();
    EXPECT_EQ(viewer.documentTitle(), QStringLiteral("Tarvo Script Application: User Guide"));
    for (const char* part : {"bootloader mode", "Restore Keyboard from Backup", "rfc2217://"})
        EXPECT_TRUE(viewer.toPlainText().contains(QString::fromUtf8(part))) << part;
}

TEST_F(EditorFixture, SaveSaysWhereTheFileWent)
{
    const QString file = writeTemplateDocument(QStringLiteral("saved.tvo"));
    ASSERT_TRUE(start());
    ASSERT_TRUE(frame().documents().openDocumentFile(file));
    frame().action(Command::Save)->trigger();
    EXPECT_TRUE(frame().statusBar()->currentMessage().contains(QDir::toNativeSeparators(file)))
        << frame().statusBar()->currentMessage().toStdString();
}

} // namespace
} // namespace tarvo::app::test
