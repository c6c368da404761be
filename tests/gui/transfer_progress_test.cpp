// The Read and Transfer dialog's progress on a fake clock: the step texts
// give way to the blocks, the blocks are drawn at most twenty times a second
// with the last one at once, a phase whose blocks stop says that it waits,
// and the time left covers the phases still to come. And the editor's
// transfers ping first at the line speed that last answered on the device.

// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "support/gui/dialog_answers.h"
#include "templates/template_catalogue.h"
#include "transfer/import_job.h"

#include "support/gui/editor_fixture.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include "platform/event_loop_host.h"
#include "platform/line_speed_settings.h"
#include "platform/qt_serial_port.h"
#include "serial/comm_port.h"
#include "ui/transfer/transfer_job_host.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

namespace tarvo::app::test {

namespace {

using ui::TransferProgressDialog;

constexpr int kBlocks = 4096;
const QString kTableLine = QStringLiteral("Reading Language Table  English:");

// With TARVO_SHOT_DIR set, a picture of the dialog is saved there as xfer_<name>.png.
void savePicture(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("TARVO_SHOT_DIR");
    if (!folder.isEmpty())
        widget.grab().save(QDir(folder).filePath(QStringLiteral("xfer_%1.png").arg(name)));
}

// A progress dialog on a clock the test moves.
class TransferProgress : public ::testing::Test {
protected:
    TransferProgress()
    {
        m_dialog.setClock([this] { return m_nowMs; });
        m_dialog.beginPhase(ui::transfer_texts::kReadTitle, QString());
    }

    void blockAt(qint64 ms, int done, int total = kBlocks)
    {
        m_nowMs = ms;
        m_dialog.showBlocks(done, total, kTableLine);
    }

    qint64 m_nowMs = 0;
    TransferProgressDialog m_dialog;
};

TEST_F(TransferProgress, AStepTextGivesWayToTheBlocks)
{
    // The Read dialog's information phase, and the write's erase.
    const std::pair<int, QString> steps[] = {
        {transfer::kProgressFlashing, QStringLiteral("Reading Language Table Information")},
        {transfer::kProgressFlashed, QStringLiteral("Sector Flashed")},
    };
    for (const auto& [code, step] : steps) {
        m_dialog.beginPhase(ui::transfer_texts::kTransferTitle, QString());
        m_dialog.showProgress(code, step);
        ASSERT_EQ(m_dialog.progressText(), step);
        m_dialog.showProgress(transfer::kProgressBlocks, QStringLiteral("1 of 4096"));
        blockAt(0, 1);
        EXPECT_EQ(m_dialog.progressText(), QString()) << step.toStdString();
    }
}

TEST_F(TransferProgress, BlocksAreDrawnAtMostTwentyTimesASecondAndTheLastAtOnce)
{
    blockAt(0, 1, 100);
    EXPECT_EQ(m_dialog.blockText(), QStringLiteral("1 of 100"));
    blockAt(TransferProgressDialog::kRefreshMs - 1, 2, 100);
    EXPECT_EQ(m_dialog.blockText(), QStringLiteral("1 of 100"));
    blockAt(TransferProgressDialog::kRefreshMs, 3, 100);
    EXPECT_EQ(m_dialog.blockText(), QStringLiteral("3 of 100"));
    blockAt(TransferProgressDialog::kRefreshMs + 1, 4, 100);
    // What came since is drawn at the next refresh.
    QTRY_COMPARE(m_dialog.blockText(), QStringLiteral("4 of 100"));
    blockAt(TransferProgressDialog::kRefreshMs + 2, 100, 100);
    EXPECT_EQ(m_dialog.blockText(), QStringLiteral("100 of 100"));
    EXPECT_EQ(m_dialog.percent(), 100);
}

TEST_F(TransferProgress, APhaseWhoseBlocksStopSaysItWaitsForTheKeyboard)
{
    blockAt(0, 1);
    blockAt(1000, 101);
    EXPECT_EQ(m_dialog.rateText(), ui::rateAndTimeLeft(100, kBlocks - 101, 1000));
    m_nowMs = 1000 + TransferProgressDialog::kStalledAfterMs + 1000;
    QTRY_COMPARE(m_dialog.rateText(), ui::waitingText(TransferProgressDialog::kStalledAfterMs + 1000));
    savePicture(m_dialog, QStringLiteral("waiting"));
    // The next block brings the rate back.
    blockAt(m_nowMs + TransferProgressDialog::kRefreshMs, 102);
    EXPECT_TRUE(m_dialog.rateText().contains(QStringLiteral("blocks/s")))
        << m_dialog.rateText().toStdString();
}

TEST_F(TransferProgress, TheTimeLeftCoversThePhasesStillToCome)
{
    // The read-back of one slot, with its write to come: 100 blocks/s.
    m_dialog.setBlocksToFollow(kBlocks);
    blockAt(0, 1);
    blockAt(1000, 101);
    const int left = kBlocks - 101 + kBlocks;
    EXPECT_EQ(m_dialog.rateText(), ui::rateAndTimeLeft(100, left, 1000));
    EXPECT_TRUE(m_dialog.rateText().endsWith(QStringLiteral("1:21 left")))
        << m_dialog.rateText().toStdString();
    savePicture(m_dialog, QStringLiteral("time_left"));
}

// The line speed remembered for the device: the editor's job pings there
// first, once per session.
class TransferLineSpeed : public EditorFixture {};

TEST_F(TransferLineSpeed, TheEditorPingsFirstAtTheSpeedThatLastAnsweredOnTheDevice)
{
    constexpr int kBaud = 57600;
    tarvo::test::TempDir dir;
    tarvo::test::SimulatedKeyboard keyboard(dir.path());
    ASSERT_TRUE(keyboard.start({"--baud", std::to_string(kBaud)}));
    qputenv("TARVO_COM1", QByteArray::fromStdString(keyboard.link()));
    platform::LineSpeedSettings().remember(keyboard.link(), kBaud);

    platform::QtSerialPort device;
    serial::CCommPort port(device);
    serial::CommSettings settings = serial::CommSettings::forDocument(0);
    platform::EventLoopHost loop;
    ui::TransferJobHost host(ui::TransferSlotDialog::Kind::Import, nullptr);
    transfer::ImportJobSetup setup;
    setup.templateTables = templates::buildTablesFromTemplate(shippedTemplate().toStdString());
    transfer::ImportJob job({loop, port, settings, keyboard.link()}, host, host.jobOptions(),
                            std::move(setup));
    std::vector<int> pings; // the line speed of each
    job.setFrameObserver([&pings, &settings](serial::CBpProtocol::FrameDirection direction,
                                             std::span<const std::uint8_t> bytes) {
        if (direction == serial::CBpProtocol::FrameDirection::Sent && bytes.size() >= 2 && bytes[0] == 'C' &&
            bytes[1] == '0')
            pings.push_back(transfer::baudRateOfIndex(settings.baudIndex));
    });
    // Slot 1 is chosen once the inspection filled the Import dialog's lists.
    QObject answers;
    whenShown<ui::TransferSlotDialog>(
        &answers, QStringLiteral("TransferSlotDialog"),
        [](ui::TransferSlotDialog& dialog) { return dialog.okButton()->isEnabled(); },
        [](ui::TransferSlotDialog& dialog) {
            dialog.list(1)->setCurrentIndex(1);
            dialog.okButton()->click();
        });
    QObject::connect(&host, &ui::TransferJobHost::importChosen, &host,
                     [&job](const std::vector<transfer::SlotRequest>& slots) { job.chooseSlots(slots); });
    const transfer::JobEnd& end = host.run(job);
    keyboard.stop();
    qunsetenv("TARVO_COM1");
    ASSERT_EQ(end.status, transfer::JobStatus::Complete) << end.message;
    // The inspection and the read: one ping each, at the speed remembered.
    EXPECT_EQ(pings, std::vector<int>(2, kBaud));
}

} // namespace

} // namespace tarvo::app::test
