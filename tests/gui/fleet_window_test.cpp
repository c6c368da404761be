// Download to Several Keyboards against three simulated keyboards through
// the editor's dialogs: one slot choice serves the three (their slots hold
// the same languages), the previews come in one dialog where the third is
// left out, and the second drops a block of the write. The first ends
// written and verified, the faulty one fails alone with its slot named, the
// third is left as it was; each backup carries its COM number, and the
// result table has a row per keyboard. The fleet's own rules are tested
// with the core.

#include "form_fixture.h"
#include "support/gui/dialog_answers.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include "model/lang_table_layout.h"
#include "ui/fleet/fleet_commands.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_preview_dialog.h"
#include "ui/fleet/fleet_query_window.h"
#include "ui/fleet/fleet_window.h"
#include "ui/transfer/download_preview_list.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <deque>
#include <fstream>
#include <memory>

namespace tarvo::app::test {

namespace {

using tarvo::test::Bytes;
using tarvo::test::slotOf;
namespace layout = model::layout;

// The document's Deutsch table (index 1) is held by slot 2 of a keyboard as it leaves the factory.
constexpr int kTable = 1;
constexpr int kSlot = 2;
constexpr int kMenu = 81;
constexpr int kEntry = 1;
constexpr std::size_t kKeyboards = 3;
constexpr std::size_t kFaulty = 1;  // COM2
constexpr std::size_t kLeftOut = 2; // COM3
constexpr int kDocumentTableEntry = 1;
constexpr int kTraceLinesShown = 8;

// A failure shows where a simulator's trace ended.
std::string lastLines(const std::string& path, int count)
{
    std::ifstream in(path);
    std::deque<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
        if (static_cast<int>(lines.size()) > count)
            lines.pop_front();
    }
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

class FleetWindowTest : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        m_before = tarvo::test::factoryFlash(m_dir.file("factory.bin"));
        for (std::size_t i = 0; i < kKeyboards; ++i) {
            const std::string folder = m_dir.file("kbd" + std::to_string(i + 1));
            QDir().mkpath(QString::fromStdString(folder));
            m_keyboards[i] = std::make_unique<tarvo::test::SimulatedKeyboard>(folder);
            tarvo::test::writeFlash(m_keyboards[i]->flashPath(), m_before, true);
            qputenv(QStringLiteral("TARVO_COM%1").arg(i + 1).toLatin1(),
                    QByteArray::fromStdString(m_keyboards[i]->link()));
        }
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("state")));
    }

    void TearDown() override
    {
        for (std::size_t i = 0; i < kKeyboards; ++i) {
            m_keyboards[i]->stop();
            qunsetenv(QStringLiteral("TARVO_COM%1").arg(i + 1).toLatin1());
        }
        qunsetenv("XDG_STATE_HOME");
        FormFixture::TearDown();
    }

    // A saved document, its Deutsch table's entry set to lines unless they are
    // empty, open in the editor.
    bool openDocument(const std::string& file, const std::string& lines = {})
    {
        if (tarvo::test::runTarvo({"new", "-o", file}, m_dir.path()).status != 0)
            return false;
        if (!lines.empty() && tarvo::test::runTarvo({"set-entry", file, "--table", std::to_string(kTable),
                                                     "--menu", std::to_string(kMenu), "--entry",
                                                     std::to_string(kEntry), "--lines", lines},
                                                    m_dir.path())
                                      .status != 0)
            return false;
        return frame().documents().openDocumentFile(QString::fromStdString(file));
    }

    // The port list, when it shows, is answered with every keyboard checked.
    static void answerPortListWithEveryKeyboard(QObject* answers)
    {
        whenShown<ui::FleetPortDialog>(answers, QStringLiteral("FleetPortDialog"), {},
                                       [](ui::FleetPortDialog& dialog) {
                                           for (int row = 0; row < static_cast<int>(kKeyboards); ++row)
                                               dialog.list()->item(row, 0)->setCheckState(Qt::Checked);
                                           dialog.startButton()->click();
                                       });
    }

    tarvo::test::TempDir m_dir;
    std::array<std::unique_ptr<tarvo::test::SimulatedKeyboard>, kKeyboards> m_keyboards;
    Bytes m_before;
};

TEST_F(FleetWindowTest, ADroppedBlockFailsOneKeyboardAloneAndTheResultTableSaysSo)
{
    for (std::size_t i = 0; i < kKeyboards; ++i)
        ASSERT_TRUE(m_keyboards[i]->start(i == kFaulty ? std::vector<std::string>{"--fault", "drop:S2:300"}
                                                       : std::vector<std::string>{}));
    ASSERT_TRUE(start());
    // A saved document whose Deutsch table has an edited entry.
    const std::string file = path(QStringLiteral("doc.tvo")).toStdString();
    ASSERT_TRUE(openDocument(file, "A|B|C"));
    const auto documentImages = tarvo::test::documentImages(file);

    QObject answers;
    answerPortListWithEveryKeyboard(&answers);
    // Every slot choice shown is answered: the edited table into its slot, verified.
    int choices = 0;
    QString choiceCaption;
    QTimer choiceAnswers;
    QObject::connect(&choiceAnswers, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<ui::TransferSlotDialog*>(window);
            if (dialog == nullptr || !dialog->isVisible() || !dialog->okButton()->isEnabled())
                continue;
            ++choices;
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                choiceCaption += label->text();
            dialog->list(kSlot)->setCurrentIndex(kDocumentTableEntry);
            dialog->verifyOption()->setChecked(true);
            dialog->okButton()->click();
        }
    });
    choiceAnswers.start(kDialogPollMs);
    std::size_t sections = 0;
    int changes = 0;
    whenShown<ui::FleetPreviewDialog>(
        &answers, QStringLiteral("FleetPreviewDialog"), {}, [&](ui::FleetPreviewDialog& dialog) {
            while (dialog.findChild<QGroupBox*>(QStringLiteral("fleetPreview%1").arg(sections)) != nullptr)
                ++sections;
            changes = dialog.list(0)->changeCount();
            dialog.section(kLeftOut)->setChecked(false);
            dialog.okButton()->click();
        });
    QString resultText;
    std::vector<transfer::FleetRow> rows;
    whenShown<ui::FleetWindow>(
        &answers, QStringLiteral("FleetWindow"), [](ui::FleetWindow& window) { return window.finished(); },
        [&](ui::FleetWindow& window) {
            resultText = window.resultText();
            rows = window.results();
            window.closeButton()->click();
        });
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    auto* commands = frame().findChild<ui::FleetCommands*>(QStringLiteral("FleetCommands"));
    ASSERT_NE(commands, nullptr);
    commands->downloadAction()->trigger();

    ASSERT_EQ(rows.size(), kKeyboards) << resultText.toStdString();
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(choiceCaption.contains(QStringLiteral("COM1")) &&
                choiceCaption.contains(QStringLiteral("COM3")))
        << choiceCaption.toStdString();
    EXPECT_EQ(sections, kKeyboards);
    EXPECT_EQ(changes, 1);
    const std::size_t entry = layout::menuEntryOffset(kMenu, kEntry);
    const auto edited = std::span(documentImages[kTable]).subspan(entry, layout::kEntryBytes);
    for (std::size_t i = 0; i < kKeyboards; ++i) {
        m_keyboards[i]->stop();
        const Bytes flash = tarvo::test::readBytes(m_keyboards[i]->flashPath());
        const auto slot = slotOf(flash, kSlot);
        const bool holdsEdit =
            std::equal(edited.begin(), edited.end(), slot.begin() + static_cast<std::ptrdiff_t>(entry));
        const QString com = QStringLiteral("COM%1").arg(i + 1);
        if (i == kLeftOut) {
            // Left out at the preview: nothing saved, nothing erased.
            EXPECT_EQ(rows[i].end.status, transfer::JobStatus::Cancelled);
            EXPECT_TRUE(rows[i].backup.empty()) << rows[i].backup;
            EXPECT_EQ(flash, m_before);
            continue;
        }
        // Each backup carries its keyboard's COM number.
        EXPECT_TRUE(QString::fromStdString(rows[i].backup).endsWith(QStringLiteral(" %1.tvo").arg(com)))
            << rows[i].backup;
        EXPECT_TRUE(QFile::exists(QString::fromStdString(rows[i].backup))) << rows[i].backup;
        if (i == kFaulty) {
            EXPECT_EQ(rows[i].end.status, transfer::JobStatus::NoAnswer) << rows[i].end.message;
            EXPECT_EQ(rows[i].end.incompleteSlots, std::vector<int>{kSlot});
            EXPECT_FALSE(holdsEdit);
            EXPECT_FALSE(std::equal(slot.begin(), slot.end(), slotOf(m_before, kSlot).begin()));
        } else {
            EXPECT_EQ(rows[i].end.status, transfer::JobStatus::Complete) << rows[i].end.message;
            EXPECT_EQ(rows[i].written, 1);
            EXPECT_EQ(rows[i].verified, 1);
            EXPECT_TRUE(holdsEdit) << com.toStdString();
        }
    }
    // The result table: a row per keyboard, the failure with its slot and backup.
    const QStringList lines = resultText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<int>(kKeyboards) + 1) << resultText.toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("COM1 ")) && lines[1].endsWith(QStringLiteral("  ok")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("COM3 ")) &&
                lines[3].endsWith(QStringLiteral("  left out")))
        << lines[3].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral("failed: ")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Language table #%1 is incomplete").arg(kSlot)));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("backup: ") + QString::fromStdString(rows[kFaulty].backup)));
    // Each keyboard is a transfer of its own in the history, its end included.
    QFile history(QString::fromStdString(m_dir.file("state")) +
                  QStringLiteral("/tarvo-script/history.jsonl"));
    ASSERT_TRUE(history.open(QIODevice::ReadOnly));
    const QString records = QString::fromUtf8(history.readAll());
    EXPECT_EQ(records.count(QStringLiteral("\"record\":\"start\"")), static_cast<int>(kKeyboards));
    EXPECT_EQ(records.count(QStringLiteral("\"record\":\"end\"")), static_cast<int>(kKeyboards));
    // The choice is remembered.
    EXPECT_EQ(ui::rememberedFleetPorts(), (std::vector<int>{0, 1, 2}));
}

// Cancel all during the writes, answered Yes: the question names the slot
// each keyboard would be left with incomplete, every keyboard gets its end
// of data, and each row ends cancelled naming that slot. Each keyboard
// answers its 300th block late, so that all three are in their writes.
TEST_F(FleetWindowTest, CancelAllDuringTheWritesNamesEverySlotLeftIncompleteAndEndsEachWrite)
{
    constexpr int kLateAnswerMs = 3000; // within the reply time-out: no block is sent again
    for (std::size_t i = 0; i < kKeyboards; ++i)
        ASSERT_TRUE(m_keyboards[i]->start({"--fault", "late:S2:300:" + std::to_string(kLateAnswerMs)}));
    ASSERT_TRUE(start());
    const std::string file = path(QStringLiteral("doc.tvo")).toStdString();
    ASSERT_TRUE(openDocument(file, "A"));

    QObject answers;
    answerPortListWithEveryKeyboard(&answers);
    whenShown<ui::TransferSlotDialog>(
        &answers, QStringLiteral("TransferSlotDialog"),
        [](ui::TransferSlotDialog& dialog) { return dialog.okButton()->isEnabled(); },
        [](ui::TransferSlotDialog& dialog) {
            dialog.list(kSlot)->setCurrentIndex(kDocumentTableEntry);
            dialog.backupOption()->setChecked(false);
            dialog.okButton()->click();
        });
    whenShown<ui::FleetPreviewDialog>(&answers, QStringLiteral("FleetPreviewDialog"), {},
                                      [](ui::FleetPreviewDialog& dialog) { dialog.okButton()->click(); });
    const auto allWriting = [](ui::FleetWindow& window) {
        for (int row = 0; row < static_cast<int>(kKeyboards); ++row) {
            const auto* bar = qobject_cast<QProgressBar*>(window.rows()->cellWidget(row, 4));
            if (window.rows()->item(row, 5)->text() != QStringLiteral("Writing") || bar->value() == 0)
                return false;
        }
        return true;
    };
    whenShown<ui::FleetWindow>(&answers, QStringLiteral("FleetWindow"), allWriting,
                               [](ui::FleetWindow& window) {
                                   ui::UserDialogs::queueAnswer(QMessageBox::Yes);
                                   window.cancelAllButton()->click();
                               });
    std::vector<transfer::FleetRow> rows;
    QString resultText;
    whenShown<ui::FleetWindow>(
        &answers, QStringLiteral("FleetWindow"), [](ui::FleetWindow& window) { return window.finished(); },
        [&](ui::FleetWindow& window) {
            rows = window.results();
            resultText = window.resultText();
            window.closeButton()->click();
        });
    // On this machine the history cannot be written: the downloads go on, and the results say so once.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(m_dir.file("state")) +
                              QStringLiteral("/tarvo-script/history.jsonl")));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    auto* commands = frame().findChild<ui::FleetCommands*>(QStringLiteral("FleetCommands"));
    ASSERT_NE(commands, nullptr);
    commands->downloadAction()->trigger();

    EXPECT_EQ(resultText.count(QStringLiteral("the transfer history could not be written: ")), 1)
        << resultText.toStdString();
    QString question;
    for (const auto& shown : ui::UserDialogs::shown())
        if (shown.text.startsWith(QStringLiteral("Cancel the download to every keyboard")))
            question = shown.text;
    ASSERT_EQ(rows.size(), kKeyboards) << question.toStdString();
    for (std::size_t i = 0; i < kKeyboards; ++i) {
        EXPECT_TRUE(question.contains(
            QStringLiteral("COM%1: Language table #%2 would be left incomplete.").arg(i + 1).arg(kSlot)))
            << question.toStdString();
        EXPECT_EQ(rows[i].end.status, transfer::JobStatus::Cancelled) << rows[i].end.message;
        EXPECT_EQ(rows[i].end.incompleteSlots, std::vector<int>{kSlot});
    }
    // The keyboards read the end of data once their late answer is out.
    QDeadlineTimer late(kLateAnswerMs * 3);
    const auto endsOfData = [&] {
        return std::all_of(m_keyboards.begin(), m_keyboards.end(),
                           [](const auto& keyboard) { return keyboard->framesReceived("S8") == 1; });
    };
    while (!endsOfData() && !late.hasExpired())
        QTest::qWait(kDialogPollMs);
    for (std::size_t i = 0; i < kKeyboards; ++i)
        EXPECT_EQ(m_keyboards[i]->framesReceived("S8"), 1)
            << "COM" << i + 1 << ", whose trace ends:\n"
            << lastLines(m_keyboards[i]->tracePath(), kTraceLinesShown);
}

// Query Several Keyboards: a row per keyboard with its identity and its
// slots as the one-keyboard Query lists them; a keyboard that cannot be
// reached fails in its own row.
TEST_F(FleetWindowTest, TheQueryWindowListsEachKeyboardsSlotsUnderItsRowAndAFailureInItsOwn)
{
    constexpr int kAbsent = 2; // COM3: no keyboard behind it
    for (std::size_t i = 0; i < kKeyboards; ++i)
        if (static_cast<int>(i) != kAbsent)
            ASSERT_TRUE(m_keyboards[i]->start({}));
    ASSERT_TRUE(start());
    ASSERT_TRUE(openDocument(path(QStringLiteral("doc.tvo")).toStdString()));

    QObject answers;
    answerPortListWithEveryKeyboard(&answers);
    std::vector<QStringList> slotLines(kKeyboards);
    QStringList keyboards;
    QStringList results;
    QString text;
    whenShown<ui::FleetQueryWindow>(
        &answers, QStringLiteral("FleetQueryWindow"),
        [](ui::FleetQueryWindow& window) { return window.finished(); },
        [&](ui::FleetQueryWindow& window) {
            for (int row = 0; row < window.rows()->topLevelItemCount(); ++row) {
                const QTreeWidgetItem* item = window.rows()->topLevelItem(row);
                keyboards << item->text(2);
                results << item->text(3);
                for (int child = 0; child < item->childCount(); ++child)
                    slotLines[static_cast<std::size_t>(row)] << item->child(child)->text(0);
            }
            EXPECT_TRUE(window.copyButton()->isEnabled());
            text = window.resultText();
            window.closeButton()->click();
        });
    auto* commands = frame().findChild<ui::FleetCommands*>(QStringLiteral("FleetCommands"));
    ASSERT_NE(commands, nullptr);
    commands->queryAction()->trigger();

    ASSERT_EQ(keyboards.size(), static_cast<int>(kKeyboards)) << text.toStdString();
    for (int i : {0, 1}) {
        EXPECT_TRUE(keyboards[i].startsWith(QStringLiteral("KBD-OMNIA"))) << keyboards[i].toStdString();
        EXPECT_EQ(results[i], QStringLiteral("Done"));
    }
    // A heading, then a line per slot: both keyboards left the factory alike.
    const QStringList& first = slotLines[0];
    ASSERT_GT(first.size(), kSlot) << text.toStdString();
    EXPECT_TRUE(first[kSlot].startsWith(QStringLiteral("%1  ").arg(kSlot))) << first[kSlot].toStdString();
    EXPECT_EQ(slotLines[1], first);
    EXPECT_TRUE(results[kAbsent].startsWith(QStringLiteral("Failed: "))) << results[kAbsent].toStdString();
    EXPECT_TRUE(slotLines[kAbsent].isEmpty());
    // The text for the clipboard has every row and every slot line.
    EXPECT_TRUE(text.contains(QStringLiteral("COM3")));
    EXPECT_TRUE(text.contains(first[kSlot]));
}

// The port list shows every COM port at once, unless the screen is too low
// for them: then the dialog takes the screen's height and the list scrolls.
TEST(FleetPortDialogLayout, EveryPortIsShownWithoutScrollingWhereTheScreenHasRoom)
{
    ui::FleetPortDialog dialog;
    dialog.show();
    QApplication::processEvents();
    const QTableWidget& list = *dialog.list();
    const QRect last = list.visualRect(list.model()->index(list.rowCount() - 1, 0));
    const int room = dialog.screen()->availableGeometry().height();
    EXPECT_TRUE(list.viewport()->rect().contains(last) || dialog.frameGeometry().height() >= room)
        << "last row at " << last.bottom() << " of " << list.viewport()->height() << ", dialog "
        << dialog.frameGeometry().height() << " of " << room;
}

} // namespace
} // namespace tarvo::app::test
