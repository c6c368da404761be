// The dump dialogs on a document open in the editor write what `tarvo dump`
// writes for the same positions; a dump keeps its font slots in the tables
// without marking the document modified.

#include "diagnostics/dump_dialog.h"
#include "document/doc.h"
#include "model/lang_table_layout.h"
#include "support/gui/editor_fixture.h"
#include "support/tarvo_run.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace tarvo::diagnostics {
namespace {

using app::test::EditorFixture;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DumpDialogTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(start({QStringLiteral("/debug")}));
        m_document = writeTemplateDocument(QStringLiteral("tables.tvo"));
        ASSERT_TRUE(frame().documents().openDocumentFile(m_document));
        ASSERT_NE(frame().activeDocument(), nullptr);
        ASSERT_GE(frame().activeDocument()->tableCount(), 2u);
    }
    document::CS1_Doc& doc() { return *frame().activeDocument(); }

    // `tarvo dump` on the saved document; its exit status.
    int runCli(const QStringList& arguments)
    {
        std::vector<std::string> args = {"dump", m_document.toStdString()};
        for (const QString& a : arguments)
            args.push_back(a.toStdString());
        return tarvo::test::runTarvo(args, path(QStringLiteral("start")).toStdString()).status;
    }

    QString m_document;
};

TEST_F(DumpDialogTest, WritesTheSameFilesAsTheCommandLine)
{
    const int last = static_cast<int>(doc().tableCount());
    QFile font(path(QStringLiteral("start/Iconic_font.FT")));
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    font.write(QByteArray(64, 'A') + "\r\n" + QByteArray("0123456789ABCDEF").repeated(4) + "\r\n");
    font.close();

    struct Case {
        const char* name;
        bool iconic;
        bool blockMap;
        bool autoSet;
        QStringList cli;
    };
    const Case cases[] = {
        // The map first: an S-record dump leaves its font slots in the
        // document's tables, which the map shows and the saved file lacks.
        {"block map, two positions",
         false,
         true,
         false,
         {QStringLiteral("--positions"), QStringLiteral("-,0,-,%1").arg(last - 1), QStringLiteral("--mmb")}},
        {"s-records, auto set", false, false, true, {QStringLiteral("--srec")}},
        {"iconic, two positions",
         true,
         false,
         false,
         {QStringLiteral("--iconic"), QStringLiteral("--font-file"), font.fileName(),
          QStringLiteral("--positions"), QStringLiteral("-,0,-,%1").arg(last - 1), QStringLiteral("--srec")}},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString ours = path(QStringLiteral("dialog%1.out").arg(n));
        const QString theirs = path(QStringLiteral("cli%1.out").arg(n++));
        DumpDialog dialog(
            doc(), c.iconic, [] { return true; }, &frame());
        if (c.autoSet) {
            dialog.clearAll();
            dialog.autoSet();
        } else {
            dialog.selector(1)->setCurrentIndex(1);
            dialog.selector(3)->setCurrentIndex(last);
        }
        dialog.blockMapButton()->setChecked(c.blockMap);
        EXPECT_FALSE(dialog.detailMapButton()->isEnabled());
        dialog.outputEdit()->setText(ours);
        ASSERT_TRUE(dialog.dump()) << messages().join(QLatin1Char('\n')).toStdString();
        ASSERT_EQ(runCli(c.cli + QStringList{theirs}), 0);
        const QByteArray written = contents(ours);
        EXPECT_FALSE(written.isEmpty());
        EXPECT_EQ(written, contents(theirs));
    }
}

TEST_F(DumpDialogTest, ADumpKeepsTheFontSlotWithoutMarkingTheDocumentModified)
{
    const auto image = doc().table(0).MutableImage();
    image[model::layout::kFontSlotOffset] = 0x77;
    ASSERT_FALSE(doc().isModified());
    int commits = 0;
    DumpDialog dialog(
        doc(), false,
        [&commits] {
            ++commits;
            return true;
        },
        &frame());
    dialog.selector(0)->setCurrentIndex(1);
    dialog.outputEdit()->setText(path(QStringLiteral("slot.s19")));
    ASSERT_TRUE(dialog.dump());
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(image[model::layout::kFontSlotOffset],
              static_cast<std::uint8_t>(image[model::layout::kFontOffset] - 1));
    EXPECT_FALSE(doc().isModified());
}

TEST_F(DumpDialogTest, NothingIsWrittenWithoutAFileOrWhenTheFormKeepsItsEdit)
{
    DumpDialog refusing(
        doc(), false, [] { return false; }, &frame());
    refusing.autoSet();
    refusing.outputEdit()->setText(path(QStringLiteral("refused.s19")));
    EXPECT_FALSE(refusing.dump());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("refused.s19"))));

    DumpDialog unnamed(
        doc(), false, [] { return true; }, &frame());
    unnamed.autoSet();
    EXPECT_FALSE(unnamed.dump());
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(QStringLiteral("|Error: Output File not specified.")));
}

TEST_F(DumpDialogTest, BrowseAddsTheTypesExtensionAndAsksBeforeReplacing)
{
    struct Case {
        bool iconic;
        bool blockMap;
        const char* extension;
    };
    for (const Case c : {Case{false, false, "s19"}, Case{true, false, "s20"}, Case{false, true, "mmb"}}) {
        DumpDialog dialog(
            doc(), c.iconic, [] { return true; }, &frame());
        dialog.blockMapButton()->setChecked(c.blockMap);
        ui::UserDialogs::queueFileName(path(QStringLiteral("chosen")));
        dialog.browse();
        EXPECT_EQ(dialog.outputEdit()->text(), path(QStringLiteral("chosen.")) + QLatin1String(c.extension));
    }
    EXPECT_EQ(DumpDialog(doc(), true, {}, &frame()).filter(),
              QStringLiteral("S19 Files (*.s20);;Mem Map Block Files (*.mmb);;Mem Map Detail Files (*.mmd);;"
                             "All Files (*.*)"));

    QFile existing(path(QStringLiteral("there.s19")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    DumpDialog dialog(
        doc(), false, [] { return true; }, &frame());
    ui::UserDialogs::queueFileName(path(QStringLiteral("there")));
    ui::UserDialogs::queueAnswer(QMessageBox::No);
    dialog.browse();
    EXPECT_TRUE(dialog.outputEdit()->text().isEmpty());
    ui::UserDialogs::queueFileName(path(QStringLiteral("there")));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    dialog.browse();
    EXPECT_EQ(dialog.outputEdit()->text(), path(QStringLiteral("there.s19")));
}

} // namespace
} // namespace tarvo::diagnostics
