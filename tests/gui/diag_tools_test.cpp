// The diagnostic commands' places in the menus, the template list and the
// parser test, and the Unicode input dialog typing into a keyboard-font edit.

#include "diagnostics/template_dialogs.h"
#include "diagnostics/unicode_input_dialog.h"
#include "support/gui/editor_fixture.h"
#include "templates/template_catalogue.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace tarvo::diagnostics {
namespace {

using app::test::EditorFixture;

QStringList itemTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* item : menu.actions())
        if (!item->isSeparator())
            texts << item->text();
    return texts;
}

QMenu* topMenu(QMainWindow& window, const QString& title)
{
    for (QAction* item : window.menuBar()->actions())
        if (item->text() == title)
            return item->menu();
    return nullptr;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// UTF-16LE with its byte order mark, as templates are written.
QByteArray utf16Template(const QString& text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

class DiagnosticMenuTest : public EditorFixture {};

TEST_F(DiagnosticMenuTest, TheDebugMenuHoldsTheToolsInOrderAndViewTheLocale)
{
    ASSERT_TRUE(start({QStringLiteral("/DEBUG")}));
    ASSERT_NE(frame().debugMenu(), nullptr);
    EXPECT_EQ(
        itemTexts(*frame().debugMenu()),
        (QStringList{QStringLiteral("COM Port &Settings..."), QStringLiteral("&COM Port Debug..."),
                     QStringLiteral("Display Schema 1 Template &List..."),
                     QStringLiteral("&Dump Lang Table Data..."), QStringLiteral("Last &Error Message..."),
                     QStringLiteral("&Maximized Resolution Sizes"), QStringLiteral("Set &Thread Locale"),
                     QStringLiteral("Template &Parser..."), QStringLiteral("&Unicode Input Dialog..."),
                     QStringLiteral("Dump &Iconic SRecord")}));
    QMenu* view = topMenu(frame(), QStringLiteral("&View"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(itemTexts(*view).contains(QStringLiteral("&System Default Locale...")));
}

TEST_F(DiagnosticMenuTest, WithoutDiagnosticModeOnlyTheLocaleDisplayIsThere)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(frame().debugMenu(), nullptr);
    QMenu* view = topMenu(frame(), QStringLiteral("&View"));
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(itemTexts(*view).contains(QStringLiteral("&System Default Locale...")));
}

TEST_F(DiagnosticMenuTest, TheTemplateListShowsEachFileItsTablesAndTheCatalogueChecks)
{
    ASSERT_TRUE(start({QStringLiteral("/debug")}));
    const QString shipped = templateCatalogueReport(app().catalogue());
    EXPECT_TRUE(shipped.contains(QStringLiteral("Standard.LT3"))) << shipped.toStdString();
    EXPECT_TRUE(shipped.contains(QStringLiteral("parsed: "))) << shipped.toStdString();
    EXPECT_TRUE(shipped.contains(QStringLiteral("language 0x"))) << shipped.toStdString();

    // A template without its byte order mark in the start folder fails the catalogue's check.
    writeFile(path(QStringLiteral("start/Broken.LT3")), QByteArray("#schema 1\n"));
    const QString broken = templateCatalogueReport(app().catalogue());
    EXPECT_TRUE(broken.contains(QStringLiteral("Broken.LT3"))) << broken.toStdString();
    EXPECT_TRUE(broken.contains(QStringLiteral("message 12006"))) << broken.toStdString();
}

TEST_F(DiagnosticMenuTest, TheParserTestListsTheMessageWithLineAndColumn)
{
    const QString bad = path(QStringLiteral("bad.LT3"));
    writeFile(bad,
              utf16Template(QStringLiteral("#schema 1\r\n#hardware 0,1,2\r\nthis is not a template\r\n")));
    const QString report = templateParseReport(bad);
    EXPECT_TRUE(report.contains(QStringLiteral("parse failed"))) << report.toStdString();
    EXPECT_TRUE(
        report.contains(QRegularExpression(QStringLiteral("message 1\\d+ at line \\d+, column \\d+"))))
        << report.toStdString();

    const QString missing = templateParseReport(path(QStringLiteral("none.LT3")));
    EXPECT_TRUE(missing.contains(QStringLiteral("message 12103"))) << missing.toStdString();

    TemplateReportDialog dialog(QStringLiteral("Template Parser"), QString(), true);
    ui::UserDialogs::queueFileName(bad);
    dialog.parseChosenFile();
    EXPECT_EQ(dialog.report(), report);
}

TEST(UnicodeInput, ReadsCodePointsInTheFormsEngineersWriteThem)
{
    const std::pair<const char*, std::optional<char32_t>> cases[] = {
        {"U+00E9", 0xE9},         {"0x416", 0x416},       {"e9", 0xE9},
        {"#233", 0xE9},           {" u+1F600 ", 0x1F600}, {"D800", std::nullopt},
        {"110000", std::nullopt}, {"xyz", std::nullopt},  {"", std::nullopt},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(UnicodeInputDialog::parseCodePoint(QString::fromLatin1(text)), code) << text;
}

TEST(UnicodeInput, TypesIntoTheEditThroughItsCharacterSet)
{
    ui::CEditKFont1 edit;
    edit.setCharacterSet(1, false);
    UnicodeInputDialog dialog(&edit);
    dialog.codeEdit()->setText(QStringLiteral("U+00E9"));
    EXPECT_TRUE(dialog.typeCharacter());
    EXPECT_EQ(edit.text(), QStringLiteral("\u00E9"));
    EXPECT_TRUE(edit.isModified());
    // Cyrillic is not in the Western font: the edit keeps its text.
    dialog.codeEdit()->setText(QStringLiteral("U+0416"));
    EXPECT_FALSE(dialog.typeCharacter());
    EXPECT_EQ(edit.text(), QStringLiteral("\u00E9"));
    EXPECT_TRUE(dialog.statusText().contains(QStringLiteral("U+0416"))) << dialog.statusText().toStdString();

    UnicodeInputDialog without(nullptr);
    without.codeEdit()->setText(QStringLiteral("41"));
    EXPECT_FALSE(without.typeCharacter());
}

} // namespace
} // namespace tarvo::diagnostics
