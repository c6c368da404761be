// Documents and files: opening damaged files, saving, the document limit,
// the save prompts, recent files and File Properties.

#include "support/gui/editor_fixture.h"

#include "app/app_texts.h"
#include "document/doc.h"
#include "model/lang_table.h"
#include "templates/template_catalogue.h"
#include "ui/child_frame.h"
#include "ui/forms/form_registry.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>

namespace tarvo::app::test {
namespace {

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray int32le(std::int32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
}

struct DamagedCase {
    const char* name;
    // Makes the file from a good document's bytes.
    std::function<QByteArray(const QByteArray& good)> make;
    const char* expected; // part of the message shown
    friend void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.name; }
};

class OpenDamagedTest : public EditorFixture, public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(OpenDamagedTest, ShowsTheDocumentLayersMessageAndLeavesNoWindow)
{
    const DamagedCase c = GetParam();
    const QByteArray good = readAll(writeTemplateDocument(QStringLiteral("good.tvo")));
    ASSERT_FALSE(good.isEmpty());
    const QString file = path(QStringLiteral("damaged.tvo"));
    writeAll(file, c.make(good));
    ASSERT_TRUE(start());
    ui::UserDialogs::queueFileName(file);
    frame().action(Command::Open)->trigger();
    settle();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QString::fromUtf8(c.expected))) << messages().at(0).toStdString();
    EXPECT_TRUE(frame().frames().isEmpty());
    EXPECT_EQ(app().documentNumbers().inUse(), 0);
    // The folder of the chosen file is remembered, whether or not it opened.
    EXPECT_EQ(app().lastBrowseFolder(), m_home.path() + QLatin1Char('/'));
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenDamagedTest,
    ::testing::Values(
        DamagedCase{"Empty", [](const QByteArray&) { return QByteArray(); }, "empty"},
        DamagedCase{"Truncated", [](const QByteArray& g) { return g.left(g.size() / 2); }, "damaged.tvo"},
        DamagedCase{"NewerSchema", [](const QByteArray& g) { return int32le(4) + g.mid(4); },
                    "Wend Schema: 3\nDoc Schema: 4"},
        DamagedCase{"Template", [](const QByteArray&) { return readAll(EditorFixture::shippedTemplate()); },
                    "template"},
        DamagedCase{"Foreign", [](const QByteArray&) { return QByteArray("%PDF-1.4 not a document"); },
                    "the file is not a document"},
        DamagedCase{"ImpossibleTableCount",
                    [](const QByteArray& g) { return g.left(60) + int32le(0x7FFFFFFF) + g.mid(64); },
                    "damaged.tvo"}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

TEST_F(EditorFixture, OldFirmwareIsRefused)
{
    document::DocumentNumberPool pool;
    auto made = document::createNewDocument(
        pool, [](int) { return templates::buildTablesFromTemplate(shippedTemplate().toStdString()); },
        nullptr, 0);
    ASSERT_TRUE(made.doc);
    model::TableHeader header;
    model::TableMetadata metadata;
    made.doc->table(0).GetHeader(header, metadata);
    metadata.firmwareMajor = 1;
    metadata.firmwareMinor = 39;
    made.doc->table(0).SetHeader(header, metadata);
    const QString file = path(QStringLiteral("old.tvo"));
    ASSERT_TRUE(made.doc->saveToPath(file.toStdString(), true).ok());
    ASSERT_TRUE(start());
    EXPECT_FALSE(frame().documents().openDocumentFile(file));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("firmware 1.40 or above")));
    EXPECT_TRUE(frame().frames().isEmpty());
}

TEST_F(EditorFixture, NewDocumentSavesToTheScriptsFolderWithoutDialog)
{
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    frame().action(Command::Save)->trigger();
    const QString saved = scriptsFolder() + QStringLiteral("/Tarvo1.tvo");
    ASSERT_TRUE(QFileInfo::exists(saved)) << messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(ui::UserDialogs::shown().isEmpty());
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(frame().activeDocument()->serialize().data()),
                         static_cast<qsizetype>(frame().activeDocument()->serialize().size())),
              readAll(saved));
    EXPECT_EQ(app().lastBrowseFolder(), scriptsFolder() + QLatin1Char('/'));
    EXPECT_EQ(frame().activeFrame()->windowTitle(), QStringLiteral("Tarvo1.tvo[*]"));
}

TEST_F(EditorFixture, NewDocumentAsksBeforeReplacingAnotherFile)
{
    QDir().mkpath(scriptsFolder());
    const QString existing = scriptsFolder() + QStringLiteral("/Tarvo1.tvo");
    writeAll(existing, "someone else's");
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    ui::UserDialogs::queueAnswer(QMessageBox::No); // then Save As is cancelled
    frame().action(Command::Save)->trigger();
    ASSERT_EQ(ui::UserDialogs::shown().size(), 2);
    EXPECT_EQ(ui::UserDialogs::shown().at(0).kind, QStringLiteral("ask"));
    EXPECT_EQ(ui::UserDialogs::shown().at(1).kind, QStringLiteral("save"));
    EXPECT_EQ(readAll(existing), QByteArray("someone else's"));
    EXPECT_TRUE(frame().activeDocument()->isModified() || !frame().activeDocument()->hasPath());

    ui::UserDialogs::reset();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    frame().action(Command::Save)->trigger();
    EXPECT_NE(readAll(existing), QByteArray("someone else's"));
    EXPECT_EQ(frame().activeDocument()->path(), existing.toStdString());
}

TEST_F(EditorFixture, SaveAsAndReopenRoundTrip)
{
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    ui::CS1_ChildFrame* window = frame().activeFrame();
    window->view()->tree()->setCurrentItem(
        window->view()->tree()->GetTreeItem(ui::packNodeKey(ui::kNodeTable, 2, 0)));
    frame().action(Command::MoveTableUp)->trigger();
    const std::vector<std::uint8_t> edited = window->document().serialize();
    QStringList order;
    for (std::size_t i = 0; i < window->document().tableCount(); ++i)
        order << window->view()->tree()->topLevelItem(0)->child(static_cast<int>(i))->text(0);
    ui::UserDialogs::queueFileName(path(QStringLiteral("plan")));
    frame().action(Command::SaveAs)->trigger();
    const QString saved = path(QStringLiteral("plan.tvo"));
    ASSERT_TRUE(QFileInfo::exists(saved));
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("plan.tvo[*]"));
    EXPECT_EQ(readAll(saved), QByteArray(reinterpret_cast<const char*>(edited.data()),
                                         static_cast<qsizetype>(edited.size())));
    frame().action(Command::Close)->trigger();
    settle();

    // Reopened from the recent file list, it holds what was saved.
    frame().documents().openRecentFile(0);
    ASSERT_EQ(frame().frames().size(), 1);
    QTreeWidgetItem* root = frame().activeFrame()->view()->tree()->topLevelItem(0);
    QStringList reopened;
    for (int i = 0; i < root->childCount(); ++i)
        reopened << root->child(i)->text(0);
    EXPECT_EQ(reopened, order);
    // Opening it again brings the same window forward.
    EXPECT_TRUE(frame().documents().openDocumentFile(saved));
    EXPECT_EQ(frame().frames().size(), 1);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
}

TEST_F(EditorFixture, SaveThatCannotWriteOffersSaveAsAndKeepsTheDocumentModified)
{
    QDir(m_home.path()).mkpath(QStringLiteral("folder"));
    const QString file = writeTemplateDocument(QStringLiteral("folder/doc.tvo"));
    ASSERT_TRUE(start());
    ASSERT_TRUE(frame().documents().openDocumentFile(file));
    ui::CS1_ChildFrame* window = frame().activeFrame();
    window->view()->tree()->setCurrentItem(
        window->view()->tree()->GetTreeItem(ui::packNodeKey(ui::kNodeTable, 1, 0)));
    frame().action(Command::MoveTableDown)->trigger();
    // The folder is replaced by a plain file: nothing can be written there.
    ASSERT_TRUE(QDir(path(QStringLiteral("folder"))).removeRecursively());
    writeAll(path(QStringLiteral("folder")), "x");
    ui::UserDialogs::queueFileName(path(QStringLiteral("folder/again.tvo"))); // fails as well
    frame().action(Command::Save)->trigger();
    QStringList kinds;
    for (const auto& shown : ui::UserDialogs::shown())
        kinds << shown.kind;
    EXPECT_EQ(kinds,
              (QStringList{QStringLiteral("message"), QStringLiteral("save"), QStringLiteral("message")}));
    EXPECT_EQ(ui::UserDialogs::shown().value(1).text, path(QStringLiteral("folder")))
        << "Save As starts beside the file that failed, not in the Scripts folder";
    EXPECT_EQ(frame().frames().size(), 1);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(window->isWindowModified());
}

// The file dialog has asked to replace it; the save still never puts a file
// in the place of a pipe (or a device).
TEST_F(EditorFixture, SaveAsOntoAPipeIsRefusedAndKeepsThePipe)
{
    const QString pipe = path(QStringLiteral("pipe.tvo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    ui::UserDialogs::queueFileName(pipe);
    frame().action(Command::SaveAs)->trigger();
    EXPECT_EQ(messages(), QStringList{texts::kAppName + QLatin1Char('|') +
                                      texts::kCannotSave.arg(pipe, QStringLiteral("is not a regular file"))});
    EXPECT_TRUE(std::filesystem::is_fifo(pipe.toStdString()));
    EXPECT_FALSE(frame().activeDocument()->hasPath());
}

// A maximised window's title shows in the main window's: its mark follows
// the document shown there, also after another window closes.
TEST_F(EditorFixture, TheMainWindowsTitleMarkIsTheActiveDocuments)
{
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    ui::CS1_ChildFrame* edited = frame().activeFrame();
    edited->view()->tree()->setCurrentItem(
        edited->view()->tree()->GetTreeItem(ui::packNodeKey(ui::kNodeTable, 1, 0)));
    frame().action(Command::MoveTableDown)->trigger();
    ASSERT_TRUE(edited->document().isModified());
    frame().action(Command::New)->trigger();
    frame().activeFrame()->showMaximized();
    settle();
    EXPECT_FALSE(frame().isWindowModified());
    frame().action(Command::Close)->trigger();
    settle();
    ASSERT_EQ(frame().activeFrame(), edited);
    EXPECT_TRUE(frame().windowTitle().contains(QStringLiteral("[Tarvo1[*]]")))
        << frame().windowTitle().toStdString();
    EXPECT_TRUE(frame().isWindowModified());
}

TEST_F(EditorFixture, SixteenDocumentsAtMost)
{
    ASSERT_TRUE(start());
    for (int i = 0; i < 16; ++i)
        frame().action(Command::New)->trigger();
    ASSERT_EQ(frame().frames().size(), 16);
    frame().action(Command::New)->trigger();
    frame().action(Command::Open)->trigger();
    const QString limit = QStringLiteral(
        "Error: The document could not be created -- the maximum number of documents already exists.");
    EXPECT_EQ(messages(), (QStringList{texts::kAppName + QLatin1Char('|') + limit,
                                       texts::kAppName + QLatin1Char('|') + limit}));
    EXPECT_EQ(frame().frames().size(), 16);
    // Closing one frees its number for the next.
    ui::CS1_ChildFrame* fifth = frame().frames().at(4);
    const int freed = fifth->document().documentNumber();
    fifth->close();
    settle();
    frame().action(Command::New)->trigger();
    EXPECT_EQ(frame().frames().size(), 16);
    EXPECT_EQ(frame().activeDocument()->documentNumber(), freed);
}

TEST_F(EditorFixture, MissingTemplatesGiveMessageAndEndImportMode)
{
    ASSERT_TRUE(start({}, path(QStringLiteral("no-such-folder"))));
    document::SlotCodes codes;
    codes.fill(-1);
    codes[0] = 0;
    app().setImportMode(codes);
    frame().action(Command::New)->trigger();
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("no valid language table templates")));
    EXPECT_EQ(app().importCodes(), nullptr);
    EXPECT_TRUE(frame().frames().isEmpty());
}

// Stands for an editor form with an edit typed but not yet stored.
class PendingEditForm final : public ui::FormPane {
public:
    using FormPane::FormPane;
    bool commitEdits() override
    {
        context().doc->setModified();
        return true;
    }
};

struct PromptCase {
    const char* name;
    QMessageBox::StandardButton answer;
    bool windowsLeft;
    friend void PrintTo(const PromptCase& c, std::ostream* os) { *os << c.name; }
};

class ClosePromptTest : public EditorFixture, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(ClosePromptTest, ClosingCommitsTheFormThenAsks)
{
    ASSERT_TRUE(start());
    app().forms().registerForm(ui::kNodeMainMenu, [](const ui::FormContext& c, QWidget* parent) {
        return new PendingEditForm(c, parent);
    });
    frame().action(Command::New)->trigger();
    ASSERT_TRUE(frame().activeFrame()->view()->tree()->SelectMenuNode(80));
    ASSERT_FALSE(frame().activeDocument()->isModified());
    ui::UserDialogs::queueAnswer(GetParam().answer);
    frame().close();
    settle();
    ASSERT_EQ(ui::UserDialogs::shown().size(), 1);
    EXPECT_EQ(ui::UserDialogs::shown().at(0).text, QStringLiteral("Save changes to Tarvo1?"));
    EXPECT_EQ(frame().frames().size(), GetParam().windowsLeft ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, ClosePromptTest,
                         ::testing::Values(PromptCase{"Cancel", QMessageBox::Cancel, true},
                                           PromptCase{"No", QMessageBox::No, false}),
                         [](const ::testing::TestParamInfo<PromptCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(EditorFixture, RecordsLeftOutOnOpenAreShown)
{
    const QString file = writeTemplateDocument(QStringLiteral("stray.tvo"));
    {
        document::DocumentNumberPool pool;
        auto opened = document::openDocument(pool, file.toStdString(), 0);
        ASSERT_TRUE(opened.doc);
        model::MenuEntryInfo stray;
        opened.doc->table(1).MenuEntryInfos().set(model::menuEntryKey(96, 1), stray);
        ASSERT_TRUE(opened.doc->saveToPath(file.toStdString(), true).ok());
    }
    ASSERT_TRUE(start());
    ASSERT_TRUE(frame().documents().openDocumentFile(file));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("were left out"))) << messages().at(0).toStdString();
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("language table 1: 1 entry records")));
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("0x00600001")));
    EXPECT_EQ(frame().frames().size(), 1) << "the document opens all the same";
}

// A name that is not UTF-8, as a file manager passes it on the command line:
// the document opens and is saved back under the same bytes.
TEST_F(EditorFixture, ANameThatIsNotUtf8OpensAndSavesUnderItsOwnBytes)
{
    const QString made = writeTemplateDocument(QStringLiteral("made.tvo"));
    const std::string name = QFile::encodeName(m_home.path()).toStdString() + "/caf\xE9.tvo";
    std::filesystem::rename(made.toStdString(), name);
    ASSERT_TRUE(startWithBytes(QByteArrayList{QByteArray::fromStdString(name)}));
    ASSERT_EQ(frame().frames().size(), 1) << messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages().isEmpty());
    ui::CS1_ChildFrame* window = frame().activeFrame();
    EXPECT_EQ(window->document().path(), name);
    window->view()->tree()->setCurrentItem(
        window->view()->tree()->GetTreeItem(ui::packNodeKey(ui::kNodeTable, 1, 0)));
    frame().action(Command::MoveTableDown)->trigger();
    frame().action(Command::Save)->trigger();
    EXPECT_FALSE(window->document().isModified());
    const std::vector<std::uint8_t> wanted = window->document().serialize();
    std::ifstream in(name, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), wanted);
    EXPECT_FALSE(
        std::filesystem::exists(QFile::encodeName(path(QStringLiteral("caf\uFFFD.tvo"))).toStdString()))
        << "no copy under the name's text form";
}

TEST_F(EditorFixture, RecentFileThatHasGoneIsRemoved)
{
    const QString file = writeTemplateDocument(QStringLiteral("gone.tvo"));
    ASSERT_TRUE(start());
    ASSERT_TRUE(frame().documents().openDocumentFile(file));
    frame().action(Command::Close)->trigger();
    settle();
    ASSERT_EQ(app().settings().recentFiles(), QStringList{file});
    QFile::remove(file);
    frame().documents().openRecentFile(0);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().at(0).contains(QStringLiteral("no longer exists")));
    EXPECT_TRUE(app().settings().recentFiles().isEmpty());
    EXPECT_TRUE(frame().frames().isEmpty());
}

TEST_F(EditorFixture, PropertiesOfDocumentsWithAndWithoutTables)
{
    document::DocumentNumberPool pool;
    auto empty = document::createNewDocument(
        pool,
        [](int) {
            return templates::TemplateBuildResult{true, {}, std::nullopt};
        },
        nullptr, 0);
    ASSERT_TRUE(empty.doc);
    const QString emptyFile = path(QStringLiteral("empty.tvo"));
    ASSERT_TRUE(empty.doc->saveToPath(emptyFile.toStdString(), true).ok());
    ASSERT_TRUE(start());
    frame().action(Command::New)->trigger();
    frame().action(Command::Properties)->trigger();
    ASSERT_TRUE(frame().documents().openDocumentFile(emptyFile));
    frame().action(Command::Properties)->trigger();
    model::TableHeader header;
    model::TableMetadata metadata;
    ASSERT_EQ(frame().frames().size(), 2);
    frame().frames().at(0)->document().table(0).GetHeader(header, metadata);
    const QString firmware = QStringLiteral("%1.%2")
                                 .arg(metadata.firmwareMajor)
                                 .arg(metadata.firmwareMinor, 2, 10, QLatin1Char('0'));
    EXPECT_EQ(messages(),
              (QStringList{QStringLiteral("File Properties|Document Schema: 3\nLanguage Table Schema: "
                                          "%1\nLanguage Table Firmware Version: %2")
                               .arg(header.schema)
                               .arg(firmware),
                           QStringLiteral("File Properties|Document Schema: 3")}));
}

} // namespace
} // namespace tarvo::app::test
