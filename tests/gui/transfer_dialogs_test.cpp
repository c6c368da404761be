// The transfer dialogs against the simulated keyboard, one wiring case for
// each thing the editor adds to the jobs: Query's rows, a blank slot's list
// offering the document's tables, an edit typed in the editor going to the
// keyboard and coming back (the tree rebuilt), cancel at the merge and during
// the write, an interrupted download recovered and restored, and faults the
// keyboard injects. The jobs' own rules are tested with the jobs.

#include "form_fixture.h"
#include "shown_messages.h"
#include "support/gui/dialog_answers.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include "document/doc.h"
#include "model/lang_table_layout.h"
#include "ui/child_frame.h"
#include "ui/transfer/transfer_commands.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_query_dialog.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>

namespace tarvo::app::test {

namespace {

using ui::TransferCommands;

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
constexpr int kKeepChoice = -1; // answerJob leaves the slot's list as the dialog filled it

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

// The download goes as far as the write's blocks (the Transfer dialog
// counting them after the read for merging), then on is called.
void duringTheWrite(ui::TransferProgressDialog& progress, std::function<void()> on)
{
    whenReady(
        &progress,
        [&progress] {
            return progress.windowTitle() == ui::transfer_texts::kTransferTitle &&
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
        // The records of interrupted writes are the test's own.
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("state")));
    }

    void TearDown() override
    {
        m_keyboard.stop();
        qunsetenv("TARVO_COM1");
        qunsetenv("XDG_STATE_HOME");
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
        EXPECT_TRUE(frame().documents().openDocumentFile(QString::fromStdString(file)));
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
    // safeguards set by choose) and presses OK at the end. Answers not yet
    // given to an earlier job are dropped.
    void answerJob(int slot, int entry, std::function<void(ui::TransferSlotDialog&)> choose = {},
                   std::function<void(ui::TransferProgressDialog&)> during = {})
    {
        m_answers = std::make_unique<QObject>();
        whenShown<ui::TransferSlotDialog>(
            m_answers.get(), QStringLiteral("TransferSlotDialog"),
            // OK is enabled once the inspection filled the lists.
            [](ui::TransferSlotDialog& dialog) { return dialog.okButton()->isEnabled(); },
            [=](ui::TransferSlotDialog& dialog) {
                if (entry != kKeepChoice)
                    dialog.list(slot)->setCurrentIndex(entry);
                savePicture(dialog, dialog.windowTitle().section(QLatin1Char(' '), 0, 0).toLower());
                if (choose)
                    choose(dialog);
                dialog.okButton()->click();
            });
        whenShown<ui::TransferProgressDialog>(m_answers.get(), QStringLiteral("TransferProgressDialog"), {},
                                              [=, this](ui::TransferProgressDialog& progress) {
                                                  if (during)
                                                      during(progress);
                                                  pressOkWhenAsked(progress);
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
            [atTheWrite](ui::TransferProgressDialog& progress) {
                duringTheWrite(progress, [atTheWrite, &progress] { atTheWrite(progress); });
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
    std::unique_ptr<QObject> m_answers; // owns the answers waiting for the next job's dialogs
    int m_mergeHolds = 0;
    int m_finishedOks = 0; // OK pressed on "Transfer Complete"
    bool m_okAtMergeHold = true;
};

// The line speed probe is the session's (and the tool's) to test: the
// keyboard answers at the first speed tried.
TEST_F(TransferDialogsTest, QueryShowsEveryRowOfTheKeyboard)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    std::vector<std::array<QString, 5>> rows;
    whenShown<ui::TransferQueryDialog>(
        &frame(), QStringLiteral("TransferQueryDialog"),
        [](ui::TransferQueryDialog& dialog) { return !dialog.field(12, 0).isEmpty(); },
        [&rows](ui::TransferQueryDialog& dialog) {
            for (int r = 0; r < ui::TransferQueryDialog::kRows; ++r)
                rows.push_back({dialog.field(r, 0), dialog.field(r, 1), dialog.field(r, 2),
                                dialog.field(r, 3), dialog.field(r, 4)});
            dialog.findChild<QPushButton*>()->click();
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

// A blank slot's list offers the document's tables after its own three
// entries: the table chosen there is written as stored, with nothing read,
// after the list of what the write changes waited for OK.
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
    EXPECT_TRUE(lastInformation().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_EQ(m_mergeHolds, 1);
    Bytes expected = m_before;
    std::copy(m_documentImages[kTable].begin(), m_documentImages[kTable].end(),
              slotOf(expected, kBlankSlot).begin());
    EXPECT_TRUE(flashNow() == expected);
}

TEST_F(TransferDialogsTest, CancelAnsweredYesNamesTheSlotLeftIncomplete)
{
    downloadActingDuringTheWrite([](ui::TransferProgressDialog& progress) {
        savePicture(progress, QStringLiteral("transfer"));
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
        progress.button()->click();
    });
    const auto& shown = ui::UserDialogs::shown();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const ui::UserDialogs::Shown& s) {
        return s.kind == QStringLiteral("ask") && s.text.startsWith(QStringLiteral("Cancelling download"));
    }));
    EXPECT_TRUE(lastInformation().isEmpty());
    // Said once, naming the slot.
    EXPECT_EQ(
        messages(),
        QStringList{
            QStringLiteral("Transfer Language Table|The transfer was cancelled.\n\n"
                           "Language table #%1 in the keyboard is now incomplete and must be written again.")
                .arg(kSlot)});
    EXPECT_FALSE(app().commPort().portInUse());
    const Bytes flash = flashNow();
    EXPECT_FALSE(copyOf(slotOf(flash, kSlot)) == merged());
    EXPECT_FALSE(copyOf(slotOf(flash, kSlot)) == copyOf(slotOf(m_before, kSlot)));
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
        [](ui::TransferProgressDialog& progress) {
            whenReady(
                &progress, [&progress] { return progress.waitingForOk(); },
                [&progress] { QTest::keyClick(&progress, Qt::Key_Escape); });
        });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(lastInformation().isEmpty());
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    EXPECT_FALSE(frame().activeDocument()->isModified());
    EXPECT_FALSE(app().commPort().portInUse());
    EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
    EXPECT_TRUE(flashNow() == m_before);
}

// As a new user: New, an entry typed in the editor, Download (merged, the
// read for merging and the end each waiting for OK, the backup of a document
// never saved in the Scripts folder), and File Import brings the edit back
// from the keyboard.
TEST_F(TransferDialogsTest, AnEntryTypedInTheEditorGoesToTheKeyboardAndComesBack)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    typeInto(showMenu(kTable, kMenu)->LineEdit(kTypedEntry, 1), QStringLiteral("Gate"));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, 1);
    commands().downloadAction()->trigger();
    ASSERT_TRUE(lastInformation().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << messages().join('\n').toStdString();
    EXPECT_EQ(m_mergeHolds, 1);
    EXPECT_EQ(m_finishedOks, 1);
    const QStringList backups =
        QDir(scriptsFolder()).entryList({QStringLiteral("* backup *.tvo")}, QDir::Files);
    ASSERT_EQ(backups.size(), 1);
    EXPECT_TRUE(lastInformation().contains(backups.first())) << lastInformation().toStdString();
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
    answerJob(kSlot, 1, [](ui::TransferSlotDialog& dialog) {
        // A blank slot cannot be imported: its list holds only its own three
        // entries, and none of them chooses a table.
        EXPECT_EQ(dialog.list(kBlankSlot)->count(), 3);
    });
    commands().importAction()->trigger();
    ASSERT_EQ(frame().frames().size(), 2) << messages().join('\n').toStdString();
    EXPECT_EQ(m_finishedOks, 1); // the Read dialog of the import ended without waiting for OK
    const document::CS1_Doc* imported = frame().activeDocument();
    ASSERT_EQ(imported->tableCount(), 1U);
    EXPECT_EQ(QString::fromStdU16String(entryOf(imported->table(0), kMenu, kTypedEntry).line1).trimmed(),
              QStringLiteral("Gate"));

    // Both transfers are in the history, as the editor's, each with its end.
    QFile history(QString::fromStdString(m_dir.file("state")) +
                  QStringLiteral("/tarvo-script/history.jsonl"));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    QStringList seen;
    for (const QByteArray& line : history.readAll().split('\n')) {
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        const QString kind = record[QStringLiteral("record")].toString();
        if (kind == QStringLiteral("start"))
            seen << record[QStringLiteral("program")].toString() + QLatin1Char(' ') +
                        record[QStringLiteral("command")].toString();
        else if (kind == QStringLiteral("slot_end"))
            seen << QStringLiteral("slot %1 %2")
                        .arg(record[QStringLiteral("slot")].toInt())
                        .arg(record[QStringLiteral("outcome")].toString());
        else if (kind == QStringLiteral("end"))
            seen << QStringLiteral("end %1").arg(record[QStringLiteral("status")].toInt());
    }
    const QString written = QStringLiteral("slot %1 written").arg(kSlot);
    const QString read = QStringLiteral("slot %1 read").arg(kSlot);
    EXPECT_EQ(seen, (QStringList{QStringLiteral("tarvo-script download"), written, QStringLiteral("end 0"),
                                 QStringLiteral("tarvo-script import"), read, QStringLiteral("end 0")}))
        << seen.join(QLatin1Char('|')).toStdString();
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
    for (const QString& part :
         {QStringLiteral("Error: The transfer has timed out."),
          QStringLiteral("Language table #2 in the keyboard is now incomplete"),
          QDir::toNativeSeparators(path(backups.first())), QStringLiteral("Check the cable")})
        EXPECT_TRUE(failure.contains(part)) << part.toStdString() << " not in " << failure.toStdString();
    EXPECT_LT(failure.indexOf(QStringLiteral("timed out")), failure.indexOf(QStringLiteral("incomplete")));
    m_keyboard.stop();

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::reset();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    QString listed;
    answerJob(kSlot, 1,
              [&listed](ui::TransferSlotDialog& dialog) { listed = dialog.list(kSlot)->currentText(); });
    commands().downloadAction()->trigger();
    EXPECT_TRUE(listed.endsWith(QStringLiteral("(incomplete)"))) << listed.toStdString();
    EXPECT_TRUE(lastInformation().contains(QStringLiteral("the keyboard's menus were taken from the backup")))
        << lastInformation().toStdString() << messages().join('\n').toStdString();
    // It holds the merged tables now, but a download is no edit: nothing asks to save them.
    EXPECT_FALSE(frame().activeDocument()->isModified());
    EXPECT_FALSE(frame().activeFrame()->isWindowModified());
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged());

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::queueFileName(path(backups.first()));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    answerJob(kSlot, kKeepChoice, [](ui::TransferSlotDialog& dialog) {
        EXPECT_TRUE(dialog.list(kSlot)->currentText().contains(QStringLiteral("as stored")));
        savePicture(dialog, QStringLiteral("restore"));
        dialog.backupOption()->setChecked(false);
    });
    commands().restoreAction()->trigger();
    EXPECT_TRUE(lastInformation().contains(QStringLiteral("1 written")))
        << messages().join('\n').toStdString();
    EXPECT_TRUE(flashNow() == m_before);
}

// When no record proves what an incomplete slot holds (the write was another
// user's), the editor asks before anything is erased; recovering from the
// backup picked in the file dialog gives the keyboard its menus and the edit.
TEST_F(TransferDialogsTest, ASlotNoRecordProvesIsRecoveredFromTheBackupTheUserPicks)
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
    m_keyboard.stop();
    ASSERT_TRUE(QDir(QString::fromStdString(m_dir.file("state"))).removeRecursively());

    ASSERT_TRUE(m_keyboard.start());
    ui::UserDialogs::reset();
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // recover from a backup
    ui::UserDialogs::queueFileName(path(backups.first()));
    answerJob(kSlot, 1);
    commands().downloadAction()->trigger();
    const auto shown = ui::UserDialogs::shown();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const ui::UserDialogs::Shown& s) {
        return s.kind == QStringLiteral("ask") && s.caption == ui::transfer_texts::kRecoveryCaption;
    })) << messages().join('\n').toStdString();
    EXPECT_TRUE(copyOf(slotOf(flashNow(), kSlot)) == merged()) << messages().join('\n').toStdString();
}

TEST_F(TransferDialogsTest, ASecondSessionFindsThePortLocked)
{
    ASSERT_TRUE(m_keyboard.start());
    ASSERT_TRUE(start());
    frame().documents().newDocument();
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
        EXPECT_TRUE(lastInformation().isEmpty());
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

// One fault for each command: what each fault says is the sessions' and
// jobs' own rule; here the editor shows it once and frees the port.
INSTANTIATE_TEST_SUITE_P(
    Faults, TransferFaultTest,
    ::testing::Values(FaultCase{"QueryIdLost",
                                {"--fault", "drop:T7:1"},
                                Command::Query,
                                {"Error: The keyboard failed to return its ID."}},
                      FaultCase{
                          "DownloadToAnotherKeyboardType",
                          {"--type", "0x12"},
                          Command::Download,
                          {"The Quill application is only compatible with keyboard model type: KBD-OMNIA"}},
                      FaultCase{"ImportBadChecksum",
                                {"--fault", "corrupt:T0:2000"},
                                Command::Import,
                                {"Error: Bad checksum on incoming packet."}}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

} // namespace

} // namespace tarvo::app::test
