// What a download would change, as the editor lists it against the simulated
// keyboard: the Read dialog's list before the write, with Cancel erasing
// nothing, and Transfer > Compare with Keyboard..., which writes nothing. The
// preview's own rules are tested with the download job.

#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "testkit/simulated_keyboard.h"
#include "testkit/temp_dir.h"

#include "document/doc.h"
#include "ui/transfer/download_preview_list.h"
#include "ui/transfer/transfer_commands.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/transfer/transfer_texts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tarvo::app::test {

namespace {

using tarvo::test::Bytes;
using tarvo::test::slotOf;

// The document's Deutsch table (index 1) goes into slot 2.
constexpr int kTable = 1;
constexpr int kSlot = 2;
constexpr int kMenu = 81;
constexpr int kEditedEntry = 1;
constexpr int kTableEntry = 1; // the slot list's entry of the table the keyboard holds

// One row of the list: the entry, whose side, its three lines (trimmed).
struct ListedRow {
    QString entry;
    QString side;
    QStringList lines;
    QString linesFamily;
};

struct ListedSlot {
    QString heading;
    std::vector<ListedRow> rows;
};

std::vector<ListedSlot> listed(const ui::DownloadPreviewList& list)
{
    std::vector<ListedSlot> slots;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* heading = list.topLevelItem(i);
        ListedSlot slot{heading->text(0), {}};
        for (int r = 0; r < heading->childCount(); ++r) {
            const QTreeWidgetItem* row = heading->child(r);
            ListedRow shown{row->text(ui::DownloadPreviewList::kEntryColumn),
                            row->text(ui::DownloadPreviewList::kSideColumn),
                            {},
                            row->font(ui::DownloadPreviewList::kLine1Column).family()};
            for (int c = ui::DownloadPreviewList::kLine1Column; c <= ui::DownloadPreviewList::kLine3Column;
                 ++c)
                shown.lines << row->text(c).trimmed();
            slot.rows.push_back(shown);
        }
        slots.push_back(slot);
    }
    return slots;
}

class EditorDownloadPreview : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        m_before = tarvo::test::factoryFlash(m_dir.file("factory.bin"));
        tarvo::test::writeFlash(m_keyboard.flashPath(), m_before, true);
        qputenv("TARVO_COM1", QByteArray::fromStdString(m_keyboard.link()));
        qputenv("XDG_STATE_HOME", QByteArray::fromStdString(m_dir.file("state")));
        ASSERT_TRUE(m_keyboard.start());
        ASSERT_TRUE(start());
        // A saved document with one edited entry in its Deutsch table.
        const std::string file = path(QStringLiteral("doc.tvo")).toStdString();
        ASSERT_EQ(tarvo::test::runTarvo({"new", "-o", file}, m_dir.path()).status, 0);
        ASSERT_EQ(tarvo::test::runTarvo({"set-entry", file, "--table", std::to_string(kTable), "--menu",
                                         std::to_string(kMenu), "--entry", std::to_string(kEditedEntry),
                                         "--lines", "A|B|C"},
                                        m_dir.path())
                      .status,
                  0);
        ASSERT_TRUE(frame().documents().openDocumentFile(QString::fromStdString(file)));
        // The reminder before the transfer.
        ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    }

    void TearDown() override
    {
        m_keyboard.stop();
        qunsetenv("TARVO_COM1");
        qunsetenv("XDG_STATE_HOME");
        EditorFixture::TearDown();
    }

    ui::TransferCommands& commands()
    {
        return *frame().findChild<ui::TransferCommands*>(QStringLiteral("TransferCommands"));
    }

    // Chooses kSlot's table in the slot dialog (without a backup) and presses
    // its OK; then, once the progress dialog lists the preview and ready()
    // holds, reads the list and presses a button.
    void answerAndRead(std::function<bool(ui::TransferProgressDialog&)> ready,
                       std::function<QPushButton*(ui::TransferProgressDialog&)> button)
    {
        whenShown<ui::TransferSlotDialog>(
            &frame(), QStringLiteral("TransferSlotDialog"),
            [](ui::TransferSlotDialog& dialog) { return dialog.okButton()->isEnabled(); },
            [](ui::TransferSlotDialog& dialog) {
                dialog.list(kSlot)->setCurrentIndex(kTableEntry);
                dialog.backupOption()->setChecked(false);
                dialog.okButton()->click();
            });
        whenShown<ui::TransferProgressDialog>(
            &frame(), QStringLiteral("TransferProgressDialog"),
            [ready](ui::TransferProgressDialog& progress) {
                return progress.previewList() != nullptr && progress.previewList()->isVisible() &&
                       ready(progress);
            },
            [this, button](ui::TransferProgressDialog& progress) {
                m_listed = listed(*progress.previewList());
                m_note = progress.previewNote();
                button(progress)->click();
            });
    }

    Bytes flashNow()
    {
        m_keyboard.stop();
        return tarvo::test::readBytes(m_keyboard.flashPath());
    }

    // The list names the edited entry once: the keyboard's lines, then the document's.
    void expectTheEditedEntryListed()
    {
        ASSERT_EQ(m_listed.size(), 1U);
        EXPECT_TRUE(m_listed[0].heading.startsWith(QStringLiteral("Keyboard Language Table #%1 ").arg(kSlot)))
            << m_listed[0].heading.toStdString();
        EXPECT_TRUE(m_listed[0].heading.endsWith(QStringLiteral(": 1 entry changes")))
            << m_listed[0].heading.toStdString();
        ASSERT_EQ(m_listed[0].rows.size(), 2U);
        const ListedRow& keyboard = m_listed[0].rows[0];
        const ListedRow& written = m_listed[0].rows[1];
        EXPECT_EQ(keyboard.entry, QStringLiteral("Menu %1, entry %2").arg(kMenu).arg(kEditedEntry));
        EXPECT_EQ(keyboard.side, QStringLiteral("Keyboard"));
        EXPECT_NE(keyboard.lines, (QStringList{"A", "B", "C"}));
        EXPECT_EQ(written.side, QStringLiteral("New"));
        EXPECT_EQ(written.lines, (QStringList{"A", "B", "C"}));
        // A table of keyboard font 1: its lines in the editor's fixed font, as the forms show them.
        EXPECT_EQ(written.linesFamily, app().fonts().fixed.family());
    }

    // Nothing reached the keyboard: no erase, no block written, no end of a write.
    void expectKeyboardUntouched()
    {
        EXPECT_FALSE(app().commPort().portInUse());
        EXPECT_EQ(m_keyboard.framesReceived("C1"), 0);
        EXPECT_EQ(m_keyboard.framesReceived("S2"), 0);
        EXPECT_EQ(m_keyboard.framesReceived("S8"), 0);
        EXPECT_TRUE(flashNow() == m_before);
    }

    tarvo::test::TempDir m_dir;
    tarvo::test::SimulatedKeyboard m_keyboard{m_dir.path()};
    Bytes m_before;
    std::vector<ListedSlot> m_listed;
    QString m_note;
};

TEST_F(EditorDownloadPreview, TheReadDialogListsTheEditedEntryAndItsCancelErasesNothing)
{
    answerAndRead([](ui::TransferProgressDialog& progress) { return progress.waitingForOk(); },
                  [](ui::TransferProgressDialog& progress) {
                      return progress.findChild<QPushButton*>(QStringLiteral("previewCancel"));
                  });
    commands().downloadAction()->trigger();
    expectTheEditedEntryListed();
    EXPECT_TRUE(m_note.contains(QStringLiteral("Cancel erases nothing"))) << m_note.toStdString();
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    expectKeyboardUntouched();
}

TEST_F(EditorDownloadPreview, CompareWithKeyboardListsTheEditedEntryAndWritesNothing)
{
    const document::CS1_Doc& doc = *frame().activeDocument();
    const auto before = doc.table(kTable).Image();
    const Bytes documentBefore(before.begin(), before.end());
    answerAndRead([](ui::TransferProgressDialog& progress) { return progress.finished(); },
                  [](ui::TransferProgressDialog& progress) { return progress.button(); });
    commands().compareAction()->trigger();
    expectTheEditedEntryListed();
    EXPECT_TRUE(m_note.contains(QStringLiteral("Nothing was written"))) << m_note.toStdString();
    // The document keeps its own tables: nothing of the keyboard's is merged into it.
    const auto after = doc.table(kTable).Image();
    EXPECT_TRUE(Bytes(after.begin(), after.end()) == documentBefore);
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(messages().isEmpty()) << messages().join('\n').toStdString();
    expectKeyboardUntouched();
}

} // namespace

} // namespace tarvo::app::test
