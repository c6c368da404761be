// The editor's Download through a COM number whose device is a network serial
// server: Ports/COM1 names ser2net on 127.0.0.1, in front of the simulated
// keyboard. What a download does is the job's to test; this is the wiring,
// and Query's failure where nothing listens.

#include "shown_messages.h"
#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"
#include "support/keyboard_flash.h"
#include "support/tool_documents.h"
#include "testkit/ser2net_server.h"
#include "testkit/temp_dir.h"

#include "platform/settings_store.h"
#include "ui/transfer/transfer_commands.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_slot_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace tarvo::app::test {

namespace {

using ui::TransferCommands;

using tarvo::test::Bytes;

// The template's second table goes as stored into a slot the keyboard leaves
// the factory with blank.
constexpr int kTable = 1;
constexpr int kBlankSlot = 6;

class NetworkDownloadTest : public EditorFixture {};

TEST_F(NetworkDownloadTest, DownloadThroughAComNumberMappedToAnAddressWritesTheSlot)
{
    tarvo::test::TempDir dir;
    tarvo::test::SimulatedKeyboard keyboard{dir.path()};
    tarvo::test::Ser2NetServer server{dir.path()};
    ASSERT_TRUE(keyboard.start());
    ASSERT_TRUE(server.start(keyboard.link()));
    qunsetenv("TARVO_COM1"); // it would win over the setting tried here
    platform::settings::Store().setValue(platform::settings::comPortKey(0),
                                         QString::fromStdString(server.address()));
    ASSERT_TRUE(start());
    const QString document = writeTemplateDocument(QStringLiteral("doc.tvo"));
    const std::vector<Bytes> tables = tarvo::test::documentImages(document.toStdString());
    ASSERT_GT(tables.size(), static_cast<std::size_t>(kTable));
    ASSERT_TRUE(frame().documents().openDocumentFile(document));

    auto* commands = frame().findChild<TransferCommands*>(QStringLiteral("TransferCommands"));
    ASSERT_NE(commands, nullptr);
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    QObject answers;
    whenShown<ui::TransferSlotDialog>(
        &answers, QStringLiteral("TransferSlotDialog"),
        [](ui::TransferSlotDialog& dialog) { return dialog.okButton()->isEnabled(); },
        [](ui::TransferSlotDialog& dialog) {
            QComboBox* list = dialog.list(kBlankSlot);
            list->setCurrentIndex(list->findText(
                QStringLiteral("(document table %1, as stored)").arg(kTable + 1), Qt::MatchContains));
            dialog.backupOption()->setChecked(false);
            dialog.okButton()->click();
        });
    // OK under the list of what the write changes, then at the end.
    whenShown<ui::TransferProgressDialog>(
        &answers, QStringLiteral("TransferProgressDialog"),
        [](ui::TransferProgressDialog& progress) { return progress.waitingForOk(); },
        [](ui::TransferProgressDialog& progress) { progress.button()->click(); });
    whenShown<ui::TransferProgressDialog>(
        &answers, QStringLiteral("TransferProgressDialog"),
        [](ui::TransferProgressDialog& progress) { return progress.finished(); },
        [](ui::TransferProgressDialog& progress) { progress.button()->click(); });
    commands->downloadAction()->trigger();
    EXPECT_TRUE(lastInformation().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << lastInformation().toStdString() << messages().join('\n').toStdString();

    server.stop();
    keyboard.stop();
    const Bytes flash = tarvo::test::readBytes(keyboard.flashPath());
    ASSERT_EQ(flash.size(), tarvo::test::kSlotBytes * tarvo::test::kFlashSlots);
    const auto slot = tarvo::test::slotOf(flash, kBlankSlot);
    EXPECT_TRUE(Bytes(slot.begin(), slot.end()) == tables[kTable]);
}

// Query names the address and the reason, as the tool does, not only the COM number.
TEST_F(NetworkDownloadTest, QueryWhereNothingListensSaysWhereAndWhy)
{
    const std::string address =
        "rfc2217://127.0.0.1:" + std::to_string(tarvo::test::Ser2NetServer::freePort());
    qunsetenv("TARVO_COM1");
    platform::settings::Store().setValue(platform::settings::comPortKey(0), QString::fromStdString(address));
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    auto* commands = frame().findChild<TransferCommands*>(QStringLiteral("TransferCommands"));
    ASSERT_NE(commands, nullptr);
    commands->queryAction()->trigger();
    ASSERT_EQ(messages().size(), 1) << messages().join('\n').toStdString();
    const QString shown = messages().first();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Query Keyboard|Error: COM 1 can not be opened. (")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromStdString(address))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("nothing listens at 127.0.0.1"))) << shown.toStdString();
}

} // namespace

} // namespace tarvo::app::test
