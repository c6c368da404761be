// The editor's Download through a COM number whose device is a network serial
// server: Ports/COM1 names ser2net on 127.0.0.1, in front of the simulated
// keyboard. What a download does is the job's to test; this is the wiring.

#include "editor_fixture.h"
#include "ser2net_process.h"
#include "sim_process.h"

#include "app/transfer_commands.h"
#include "ui/transfer_job_host.h"
#include "ui/transfer_progress_dialog.h"
#include "ui/transfer_slot_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace tarvo::app::test {

namespace {

using cli::test::Bytes;

// The template's second table goes as stored into a slot the keyboard leaves
// the factory with blank.
constexpr int kTable = 1;
constexpr int kBlankSlot = 6;
constexpr int kPollMs = 50;

class NetworkDownloadTest : public EditorFixture {};

TEST_F(NetworkDownloadTest, DownloadThroughAComNumberMappedToAnAddressWritesTheSlot)
{
    cli::test::TempDir dir;
    cli::test::SimulatedKeyboard keyboard{dir.path()};
    cli::test::Ser2NetServer server{dir.path()};
    ASSERT_TRUE(keyboard.start());
    ASSERT_TRUE(server.start(keyboard.link()));
    qunsetenv("TARVO_COM1"); // it would win over the setting tried here
    QSettings(QStringLiteral("Corvane Security Systems"), QStringLiteral("Tarvo Script Application"))
        .setValue(QStringLiteral("Ports/COM1"), QString::fromStdString(server.address()));
    ASSERT_TRUE(start());
    const QString document = writeTemplateDocument(QStringLiteral("doc.tvo"));
    const std::vector<Bytes> tables = cli::test::documentImages(document.toStdString());
    ASSERT_GT(tables.size(), static_cast<std::size_t>(kTable));
    ASSERT_TRUE(frame().openDocumentFile(document));

    auto* commands = frame().findChild<TransferCommands*>(QStringLiteral("TransferCommands"));
    ASSERT_NE(commands, nullptr);
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    commands->setJobHostHook([](ui::TransferJobHost& host) {
        host.setChoiceHook([](ui::TransferSlotDialog& dialog) {
            QComboBox* list = dialog.list(kBlankSlot);
            list->setCurrentIndex(list->findText(QStringLiteral("(document table %1, as stored)").arg(kTable + 1),
                                                 Qt::MatchContains));
            dialog.backupOption()->setChecked(false);
            dialog.okButton()->click();
        });
        host.setProgressHook([](ui::TransferProgressDialog& progress) {
            auto* timer = new QTimer(&progress);
            QObject::connect(timer, &QTimer::timeout, &progress, [timer, &progress] {
                if (progress.finished()) {
                    timer->stop();
                    progress.button()->click();
                }
            });
            timer->start(kPollMs);
        });
    });
    commands->downloadAction()->trigger();
    EXPECT_TRUE(commands->lastSummary().startsWith(QStringLiteral("Transfer Complete: 1 written")))
        << commands->lastSummary().toStdString() << messages().join('\n').toStdString();

    server.stop();
    keyboard.stop();
    const Bytes flash = cli::test::readBytes(keyboard.flashPath());
    ASSERT_EQ(flash.size(), cli::test::kSlotBytes * cli::test::kFlashSlots);
    const auto slot = cli::test::slotOf(flash, kBlankSlot);
    EXPECT_TRUE(Bytes(slot.begin(), slot.end()) == tables[kTable]);
}

} // namespace

} // namespace tarvo::app::test
