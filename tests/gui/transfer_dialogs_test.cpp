// The transfer dialogs against the simulated keyboard: Query's rows, File
// Import into a new document, a download that merges the keyboard's menus
// and backs the tables up first, the backup written back as stored, an edit
// typed in the editor going to the keyboard and coming back, cancel at the
// merge and during the write, and faults the keyboard injects.

#include "form_fixture.h"
#include "support/simulated_keyboard.h"
#include "support/tarvo_run.h"
#include "support/temp_dir.h"
#include "support/tool_documents.h"

#include "app/transfer_commands.h"
#include "document/doc.h"
#include "model/lang_table_layout.h"
#include "ui/child_frame.h"
#include "ui/transfer_job_host.h"
#include "ui/transfer_query_dialog.h"
#include "ui/transfer_texts.h"
#include "ui/tree_view.h"
#include "ui/view.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <ostream>

namespace tarvo::app::test {

namespace {

using tarvo::test::Bytes;
using tarvo::test::slotOf;
namespace layout = model::layout;

// The document's Deutsch table (index 1) goes into slot 2; slots 6-13 are blank.
constexpr int kTable = 1;
constexpr int kSlot = 2;
constexpr int kBlankSlot = 6;
constexpr int kMenu = 81;
constexpr int kEditedEntry = 1;
constexpr int kTypedEntry = 2;
constexpr std::uint8_t kKeyboardOnly = 0x5A;
constexpr std::size_t kKeyboardOnlyByte = layout::kUserFunctionOffset + 4;
constexpr int kPollMs = 50;

// Calls act once done() holds, checking every kPollMs from the loop.
void whenReady(QObject* context, std::function<bool()> done, std::function<void()> act)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, done = std::move(done), act = std::move(act)] {
        if (!done())
            return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(kPollMs);
}

// With TARVO_SHOT_DIR set, a picture of widget is saved there as xfer_<name>.png.
void savePicture(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("TARVO_SHOT_DIR");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(QStringLiteral("xfer_%1.png").arg(name)));
}

Bytes copyOf(std::span<const std::uint8_t> bytes)
{
    return Bytes(bytes.begin(), bytes.end());
}

// The download goes as far as the write's blocks, then on is called.
void duringTheWrite(ui::TransferJobHost& host, ui::TransferProgressDialog& progress, std::function<void()> on)
{
    whenReady(
        &progress,
        [&host, &progress] {
            const auto& stages = host.stages();
            return std::find(stages.begin(), stages.end(), transfer::JobStage::Write) != stages.end() &&
                   progress.blockText() != ui::transfer_texts::kBlockCountBlank;
        },
        std::move(on));
}

class TransferDialogsTest : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        m_factory = tarvo::test::factoryFlash(m_dir.file("factory.bin"));
        ASSERT_EQ(m_factory.size(), tarvo::test::kSlotBytes * tarvo::test::kFlashSlots);
        // A byte only the keyboard's table has: a download that merely
        // replaced the table would lose it.
        m_before = m_factory;
        slotOf(m_before, kSlot)[kKeyboardOnlyByte] ^= kKeyboardOnly;
        tarvo::test::writeFlash(m_keyboard.flashPath(), m_before, true);
        qputenv("TARVO_COM1", QByteArray::fromStdString(m_keyboard.link()));
    }

    void TearDown() override
    {
        m_keyboard.stop();
        qunsetenv("TARVO_COM1");
        FormFixture::TearDown();
    }

    TransferCommands& commands()
    {
        auto* found = frame().findChild<TransferCommands*>(QStringLiteral("TransferCommands"));
        EXPECT_NE(found, nullptr);
        return *found;
    }

    // A saved document with an edited entry in its Deutsch table, open in the editor.
    QString openEditedDocument()
    {
        const std::string file = path(QStringLiteral("doc.tvo")).toStdString();
        EXPECT_EQ(tarvo::test::runTarvo({"new", "-o", file}, m_dir.path()).status, 0);
        EXPECT_EQ(tarvo::test::runTarvo({"set-entry", file, "--table", std::to_string(kTable), "--menu",
                                       std::to_string(kMenu), "--entry", std::to_string(kEditedEntry),
                                       "--lines", "A|B|C"},
                                      m_dir.path())
                      .status,
                  0);
        m_documentImages = tarvo::test::documentImages(file);
        EXPECT_TRUE(frame().openDocumentFile(QString::fromStdString(file)));
        return QString::fromStdString(file);
    }

    // What a download writes over the slot: the keyboard's table with the
    // font slot byte of its font and the document's edited entry.
    Bytes merged() const
    {
        const auto old = slotOf(m_before, kSlot);
        Bytes image(old.begin(), old.end());
        image[layout::kReadOnlyOffset] = 0;
        image[layout::kFontSlotOffset] = static_cast<std::uint8_t>(image[layout::kFontOffset] - 1);
        const std::size_t entry = layout::menuEntryOffset(kMenu, kEditedEntry);
        std::copy_n(m_documentImages[kTable].begin() + static_cast<std::ptrdiff_t>(entry),
                    layout::kEntryBytes, image.begin() + static_cast<std::ptrdiff_t>(entry));
        return image;
    }

    // The next download or import picks entry in slot's list (with the
    // safeguards set by choose) and presses OK at the end.
    void answerJob(int slot, int entry, std::function<void(ui::TransferSlotDialog&)> choose = {},
                   std::function<void(ui::TransferJobHost&, ui::TransferProgressDialog&)> during = {})
    {
        commands().setJobHostHook([=, this](ui::TransferJobHost& host) {
            host.setChoiceHook([=](ui::TransferSlotDialog& dialog) {
                dialog.list(slot)->setCurrentIndex(entry);
                savePicture(dialog, dialog.windowTitle().section(QLatin1Char(' '), 0, 0).toLower());
                if (choose)
                    choose(dialog);
                dialog.okButton()->click();
            });
            host.setProgressHook([=, this, &host](ui::TransferProgressDialog& progress) {
                if (during)
                    during(host, progress);
                pressOkWhenAsked(progress);
            });
        });
    }

    // Opens the edited document and downloads its table into kSlot without
    // a backup; atTheWrite acts once the write's blocks show.
    void downloadActingDuringTheWrite(std::function<void(ui::TransferProgressDialog&)> atTheWrite)
    {
        ASSERT_TRUE(m_keyboard.start());
        ASSERT_TRUE(start());
        openEditedDocument();
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
        answerJob(
            kSlot, 1, [](ui::TransferSlotDialog& dialog) { dialog.backupOption()->setChecked(false); },
            [atTheWrite](ui::TransferJobHost& host, ui::TransferProgressDialog& progress) {
                duringTheWrite(host, progress, [atTheWrite, &progress] { atTheWrite(progress); });
            });
        commands().downloadAction()->trigger();
    }

    // OK after the script menus were read for merging (counted), and at the end.
    void pressOkWhenAsked(ui::TransferProgressDialog& progress)
    {
        auto* timer = new QTimer(&progress);
        QObject::connect(timer, &QTimer::timeout, &progress, [this, timer, &progress] {
            if (progress.waitingForOk()) {
                if (!m_okAtMergeHold)
                    return;
                ++m_mergeHolds;
                progress.button()->click();
            } else if (progress.finished()) {
                timer->stop();
                ++m_finishedOks;
                progress.button()->click();
            }
        });
        timer->start(kPollMs);
    }

    Bytes flashNow()
    {
        m_keyboard.stop();
        return tarvo::test::readBytes(m_keyboard.flashPath());
    }

    tarvo::test::TempDir m_dir;
    tarvo::test::SimulatedKeyboard m_keyboard{m_dir.path()};
    Bytes m_factory;
    Bytes m_before;
    std::vector<Bytes> m_documentImages;
    int m_mergeHolds = 0;
    int m_finishedOks = 0; // OK pressed on "Transfer Complete"
    bool m_okAtMergeHold = true;
};

TEST_F(TransferDialogsTest, QueryShowsEveryRowOfAKeyboardAt57600)
{
    ASSERT_TRUE(m_keyboard.start({"--baud", "57600"}));
    ASSERT_TRUE(start());
    frame().newDocument();
    std::vector<std::array<QString, 5>> rows;
    commands().setQueryHook([&rows](ui::TransferQueryDialog& dialog) {
        whenReady(
            &dialog, [&dialog] { return !dialog.field(12, 0).isEmpty(); },
            [&dialog, &rows] {
                for (int r = 0; r < ui::TransferQueryDialog::kRows; ++r)
                    rows.push_back({dialog.field(r, 0), dialog.field(r, 1), dialog.field(r, 2),
                                    dialog.field(r, 3), dialog.field(r, 4)});
                dialog.findChild<QPushButton*>()->click();
            });
    });
    commands().queryAction()->trigger();
    ASSERT_EQ(rows.size(), 13U) << messages().join('\n').toStdString();
    EXPECT_TRUE(rows[kSlot - 1][0].startsWith(QStringLiteral("2  "))) << rows[kSlot - 1][0].toStdString();
    EXPECT_NE(rows[kSlot - 1][3], QStringLiteral("-----"));
    const std::array<QString, 5> blank = {QStringLiteral("6  ( flashed clear )"), QStringLiteral("-"),
                                          QStringLiteral("-"), QStringLiteral("-----"), QStringLiteral("-")};
    EXPECT_EQ(rows[kBlankSlot - 1], blank);
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
}

TEST_F(TransferDialogsTest, FileImportMakesADocumentOfTheKeyboardsTable)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    answerJob(kSlot, 1, [](ui::TransferSlotDialog& dialog) {
        // A blank slot cannot be imported: its list holds only its own three
        // entries, and none of them chooses a table.
        EXPECT_EQ(dialog.list(kBlankSlot)->count(), 3);
    });
    commands().importAction()->trigger();
    ASSERT_EQ(frame().frames().size(), 1) << messages().join('\n').toStdString();
    EXPECT_EQ(m_finishedOks, 0); // the Read dialog ended without waiting for OK
    const document::CS1_Doc* doc = frame().activeDocument();
    ASSERT_NE(doc, nullptr);
    ASSERT_EQ(doc->tableCount(), 1U);
    const auto image = doc->table(0).image();
    EXPECT_TRUE(Bytes(image.begin(), image.end()) == copyOf(slotOf(m_before, kSlot)));
}

TEST_F(TransferDialogsTest, DownloadMergesBacksUpAndTheBackupRestoresAsStored)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    const QString file = openEditedDocument();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1,
              [](ui::TransferSlotDialog& dialog) { EXPECT_TRUE(dialog.backupOption()->isChecked()); });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(
        commands().lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written, 0 unchanged")))
        << commands().lastSummary().toStdString() << messages().join('\n').toStdString();
    EXPECT_TRUE(frame().activeDocument()->isModified());
    EXPECT_EQ(m_mergeHolds, 1);  // the read for merging waited for OK
    EXPECT_EQ(m_finishedOks, 1); // and so did "Transfer Complete"
    // The backup lies next to the document and holds the keyboard's table as it was.
    const QStringList backups =
        QDir(path(QString())).entryList({QStringLiteral("doc backup *.tvo")}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(commands().lastSummary().contains(backups.first()));
    const std::string backup = path(backups.first()).toStdString();
    const std::vector<Bytes> saved = tarvo::test::documentImages(backup);
    ASSERT_EQ(saved.size(), 1U);
    EXPECT_TRUE(saved[0] == copyOf(slotOf(m_before, kSlot)));
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged());

    // Written back as stored, without a second backup.
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(frame().openDocumentFile(QString::fromStdString(backup)));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1, [](ui::TransferSlotDialog& dialog) {
        dialog.backupOption()->setChecked(false);
        dialog.asStoredOption()->setChecked(true);
    });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(commands().lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_TRUE(flashNow() == m_before);
    EXPECT_EQ(m_mergeHolds, 1); // as stored: nothing read to merge
}

// A blank slot's list offers the document's tables after its own three
// entries: the table chosen there is written as stored, with nothing read.
TEST_F(TransferDialogsTest, ABlankSlotTakesADocumentTableAsStored)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    openEditedDocument();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kBlankSlot, 0, [](ui::TransferSlotDialog& dialog) {
        QComboBox* box = dialog.list(kBlankSlot);
        EXPECT_EQ(box->itemText(0), QStringLiteral("Flash Memory Is Blank"));
        const int entry = box->findText(QStringLiteral("(document table %1, as stored)").arg(kTable + 1),
                                        Qt::MatchContains);
        ASSERT_GE(entry, 3);
        box->setCurrentIndex(entry);
        dialog.backupOption()->setChecked(false);
    });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(commands().lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_EQ(m_mergeHolds, 0);
    Bytes expected = m_before;
    std::copy(m_documentImages[kTable].begin(), m_documentImages[kTable].end(),
              slotOf(expected, kBlankSlot).begin());
    EXPECT_TRUE(flashNow() == expected);
}

TEST_F(TransferDialogsTest, CancelAnsweredNoResumesTheWrite)
{
    downloadActingDuringTheWrite([](ui::TransferProgressDialog& progress) {
        savePicture(progress, QStringLiteral("transfer"));
        ui::UserDialogs::queueAnswer(QMessageBox::No);
        progress.button()->click();
    });
    const auto& shown = ui::UserDialogs::shown();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const ui::UserDialogs::Shown& s) {
        return s.kind == QStringLiteral("ask") && s.text.startsWith(QStringLiteral("Cancelling download"));
    }));
    EXPECT_TRUE(commands().lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged());
}

TEST_F(TransferDialogsTest, CancelAnsweredYesNamesTheSlotLeftIncomplete)
{
    downloadActingDuringTheWrite([](ui::TransferProgressDialog& progress) {
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
        progress.button()->click();
    });
    EXPECT_TRUE(commands().lastSummary().isEmpty());
    // Said once, naming the slot.
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Transfer Language Table|The transfer was cancelled.\n\n"
                                         "Language table #%1 in the keyboard is now incomplete and must be written again.")
                              .arg(kSlot)});
    EXPECT_FALSE(app().commPort().portInUse());
    const Bytes flash = flashNow();
    EXPECT_FALSE(copyOf(slotOf(flash, kSlot)) == merged());
    EXPECT_FALSE(copyOf(slotOf(flash, kSlot)) == copyOf(slotOf(m_before, kSlot)));
}

TEST_F(TransferDialogsTest, AKeyboardGoneMidWriteNamesTheSlotAndFreesThePort)
{
    downloadActingDuringTheWrite([this](ui::TransferProgressDialog&) { m_keyboard.stop(); });
    EXPECT_TRUE(commands().lastSummary().isEmpty());
    ASSERT_EQ(messages().size(), 1) << messages().join('\n').toStdString();
    const QString all = messages().first();
    EXPECT_TRUE(all.contains(QStringLiteral("The serial port was lost (unplugged or closed)"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("#%1").arg(kSlot))) << all.toStdString();
    EXPECT_FALSE(app().commPort().portInUse());
}

// Escape while the Read dialog waits for OK after reading the menus to merge
// cancels: nothing is erased and the document is not merged.
TEST_F(TransferDialogsTest, EscapeAfterTheMergeReadErasesNothing)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    openEditedDocument();
    m_okAtMergeHold = false;
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(
        kSlot, 1, [](ui::TransferSlotDialog& dialog) { dialog.backupOption()->setChecked(false); },
        [](ui::TransferJobHost&, ui::TransferProgressDialog& progress) {
            whenReady(
                &progress, [&progress] { return progress.waitingForOk(); },
                [&progress] { QTest::keyClick(&progress, Qt::Key_Escape); });
        });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(commands().lastSummary().isEmpty());
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_FALSE(frame().activeDocument()->isModified());
    EXPECT_FALSE(app().commPort().portInUse());
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
    EXPECT_TRUE(flashNow() == m_before);
}

// As a new user: New, an entry typed in the editor, Download (the backup of
// a document never saved goes to the Scripts folder), and File Import
// brings the edit back from the keyboard.
TEST_F(TransferDialogsTest, AnEntryTypedInTheEditorGoesToTheKeyboardAndComesBack)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    frame().newDocument();
    typeInto(showMenu(kTable, kMenu)->lineEdit(kTypedEntry, 1), QStringLiteral("Gate"));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1);
    commands().downloadAction()->trigger();
    ASSERT_TRUE(commands().lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_EQ(QDir(scriptsFolder()).entryList({QStringLiteral("* backup *.tvo")}, QDir::Files).size(), 1);
    // The tree starts again from its root, whose form is no menu form.
    const ui::CS1_TreeView& tree = *frame().activeFrame()->view()->tree();
    ASSERT_NE(tree.currentItem(), nullptr);
    EXPECT_EQ(tree.currentItem(), tree.topLevelItem(0));
    EXPECT_EQ(form(), nullptr);
    // Merged: the keyboard's own byte stayed.
    const Bytes flash = flashNow();
    EXPECT_EQ(slotOf(flash, kSlot)[kKeyboardOnlyByte], slotOf(m_before, kSlot)[kKeyboardOnlyByte]);

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1);
    commands().importAction()->trigger();
    ASSERT_EQ(frame().frames().size(), 2) << messages().join('\n').toStdString();
    const document::CS1_Doc* imported = frame().activeDocument();
    ASSERT_EQ(imported->tableCount(), 1U);
    EXPECT_EQ(QString::fromStdU16String(entryOf(imported->table(0), kMenu, kTypedEntry).line1).trimmed(),
              QStringLiteral("Gate"));
}

// The road every installer takes when a cable comes loose, through the
// dialogs: one box says what happened, which slot is left incomplete and
// where the backup lies; the slot list marks it; Download again merges the
// edit into that backup; and Restore Keyboard from Backup puts the backup back.
TEST_F(TransferDialogsTest, AnInterruptedDownloadIsRecoveredFromItsBackupAndRestored)
{
    ASSERT_TRUE(m_keyboard.start({"--fault", "drop:S2:300"}));
    ASSERT_TRUE(start());
    openEditedDocument();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1);
    commands().downloadAction()->trigger();
    const QStringList backups =
        QDir(path(QString())).entryList({QStringLiteral("doc backup *.tvo")}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    ASSERT_EQ(messages().size(), 1) << messages().join('\n').toStdString();
    const QString failure = messages().first();
    for (const QString& part : {QStringLiteral("Error: The transfer has timed out."),
                                QStringLiteral("Language table #2 in the keyboard is now incomplete"),
                                QDir::toNativeSeparators(path(backups.first()))})
        EXPECT_TRUE(failure.contains(part)) << part.toStdString() << " not in " << failure.toStdString();
    EXPECT_LT(failure.indexOf(QStringLiteral("timed out")), failure.indexOf(QStringLiteral("incomplete")));
    m_keyboard.stop();

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::reset();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    QString listed;
    answerJob(kSlot, 1, [&listed](ui::TransferSlotDialog& dialog) { listed = dialog.list(kSlot)->currentText(); });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(listed.endsWith(QStringLiteral("(incomplete)"))) << listed.toStdString();
    EXPECT_TRUE(commands().lastSummary().contains(QStringLiteral("merged into its table in the backup")))
        << commands().lastSummary().toStdString() << messages().join('\n').toStdString();
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged());

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::queueFileName(path(backups.first()));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    commands().setJobHostHook([this](ui::TransferJobHost& host) {
        host.setChoiceHook([](ui::TransferSlotDialog& dialog) {
            EXPECT_TRUE(dialog.list(kSlot)->currentText().contains(QStringLiteral("as stored")));
            savePicture(dialog, QStringLiteral("restore"));
            dialog.backupOption()->setChecked(false);
            dialog.okButton()->click();
        });
        host.setProgressHook([this](ui::TransferProgressDialog& progress) { pressOkWhenAsked(progress); });
    });
    commands().restoreAction()->trigger();
    EXPECT_TRUE(commands().lastSummary().contains(QStringLiteral("1 written"))) << messages().join('\n').toStdString();
    EXPECT_TRUE(flashNow() == m_before);
}

TEST_F(TransferDialogsTest, ASecondSessionFindsThePortLocked)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    frame().newDocument();
    app().commPort().setPortInUse(true);
    commands().queryAction()->trigger();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Query Keyboard|Error: The COM port is locked.")});
    EXPECT_EQ(m_keyboard.framesReceived("C0"), 0);
    app().commPort().setPortInUse(false);
}

enum class Command { Query, Download, Import };

struct FaultCase {
    const char* name;
    std::vector<std::string> keyboardOptions;
    Command command;
    std::vector<const char*> shownTexts; // what the messages must contain
};

// Test names and failures show the case's name, not its bytes.
void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

class TransferFaultTest : public TransferDialogsTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(TransferFaultTest, EndsWithTheMessageAndFreesThePort)
{
    const FaultCase& c = GetParam();
    ASSERT_TRUE(m_keyboard.start(c.keyboardOptions));
    ASSERT_TRUE(start());
    openEditedDocument();
    switch (c.command) {
    case Command::Query:
        commands().queryAction()->trigger();
        break;
    case Command::Download:
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
        answerJob(kSlot, 1, [](ui::TransferSlotDialog& dialog) { dialog.backupOption()->setChecked(false); });
        commands().downloadAction()->trigger();
        EXPECT_TRUE(commands().lastSummary().isEmpty());
        break;
    case Command::Import:
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
        answerJob(kSlot, 1);
        commands().importAction()->trigger();
        EXPECT_EQ(frame().frames().size(), 1); // no new document
        break;
    }
    const QString all = messages().join('\n');
    for (const char* text : c.shownTexts)
        EXPECT_TRUE(all.contains(QString::fromUtf8(text))) << text << " not in " << all.toStdString();
    EXPECT_FALSE(app().commPort().portInUse());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, TransferFaultTest,
    ::testing::Values(FaultCase{"QueryIdLost",
                                {"--fault", "drop:T7:1"},
                                Command::Query,
                                {"Error: The keyboard failed to return its ID."}},
                      FaultCase{"QueryBlockLost",
                                {"--fault", "drop:T0:2"},
                                Command::Query,
                                {"Error: The transfer has timed out."}},
                      FaultCase{
                          "DownloadToAnotherKeyboardType",
                          {"--type", "0x12"},
                          Command::Download,
                          {"The Quill application is only compatible with keyboard model type: KBD-OMNIA"}},
                      FaultCase{"DownloadEraseRefused",
                                {"--fault", "ce:C1:1"},
                                Command::Download,
                                {"A communication error occurred."}},
                      // A block lost mid-write, or the keyboard falling silent: the slot
                      // left half-written is named.
                      FaultCase{"DownloadBlockLost",
                                {"--fault", "drop:S2:300"},
                                Command::Download,
                                {"Error: The transfer has timed out.", "#2"}},
                      FaultCase{"DownloadKeyboardFallsSilent",
                                {"--fault", "stop:6000"},
                                Command::Download,
                                {"Error: The transfer has timed out.", "#2"}},
                      FaultCase{"ImportBadChecksum",
                                {"--fault", "corrupt:T0:2000"},
                                Command::Import,
                                {"Error: Bad checksum on incoming packet."}}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

} // namespace

} // namespace tarvo::app::test
