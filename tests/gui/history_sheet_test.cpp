// View > Transfer History on a recorded history (the device filter, a row's
// backup opened by a double click) and File > Export as PDF of the active
// document, read back as text.

#include "support/gui/dialog_answers.h"
#include "support/gui/editor_fixture.h"
#include "support/tarvo_run.h"

#include "document/doc.h"
#include "history/history_recorder.h"
#include "platform/history_file.h"
#include "ui/history/transfer_history_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace tarvo::app::test {
namespace {

void recordTransfer(const std::string& port, const std::string& backup, bool ended)
{
    platform::HistoryFile file;
    history::TransferStart start;
    start.transfer = platform::newTransferId();
    start.program = history::kToolProgram;
    start.command = "download";
    start.port = port;
    start.device = port;
    start.backup = backup;
    history::HistoryRecorder recorder(&file, start);
    std::vector<std::uint8_t> image(0x10000, 0);
    recorder.slotImage(2, image);
    if (!ended)
        return;
    recorder.slotDone(2, transfer::SlotOutcome::Written);
    recorder.end(0, {});
}

TEST_F(EditorFixture, TransferHistoryFiltersByDeviceAndOpensTheBackupARowNames)
{
    ASSERT_TRUE(start());
    const QString backup = writeTemplateDocument(QStringLiteral("backup.tvo"));
    recordTransfer("/dev/ttyUSB0", backup.toStdString(), true);
    recordTransfer("/dev/ttyS1", {}, false);

    int rowsShown = -1;
    QString unfinished;
    int rowsFiltered = -1;
    whenShown<ui::TransferHistoryDialog>(
        &frame(), QStringLiteral("TransferHistoryDialog"), nullptr, [&](ui::TransferHistoryDialog& dialog) {
            QTableWidget& table = *dialog.table();
            rowsShown = table.rowCount();
            unfinished = table.item(1, 6)->text();
            dialog.deviceFilter()->setCurrentText(QStringLiteral("/dev/ttyUSB0"));
            rowsFiltered = table.rowCount();
            const QRect cell = table.visualItemRect(table.item(0, 0));
            // An item view takes a double click after the press that selects.
            QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
            if (dialog.isVisible())
                dialog.reject(); // the test fails below, it does not hang
        });
    frame().findChild<QAction*>(QStringLiteral("TransferHistoryAction"))->trigger();

    EXPECT_EQ(rowsShown, 2);
    EXPECT_EQ(unfinished, QStringLiteral("unfinished (no end recorded)"));
    EXPECT_EQ(rowsFiltered, 1);
    ASSERT_NE(frame().activeDocument(), nullptr) << "the backup was opened";
    EXPECT_EQ(QString::fromStdString(frame().activeDocument()->path()), backup);
}

// Where the screen has room, every column is in view: the result whole, and
// the backup column even when no row names a backup.
TEST(TransferHistoryWindow, ShowsEveryColumnWholeWhereTheScreenHasRoom)
{
    history::TransferRow row;
    row.time = "2026-12-10T07:13:39Z";
    row.program = history::kEditorProgram;
    row.command = "download";
    row.device = "/dev/ttyUSB0";
    row.keyboard = serial::KeyboardId{};
    row.keyboard->bytes = {'K', 'B', 0, 1, 2, 4, 2, serial::kKeyboardTypeOmnia, 2, 0, 1, 94};
    row.finished = true;
    row.status = 5;
    row.said = messages::Message(u"cancelled; nothing was erased");
    for (const std::string& backup : {std::string(), std::string("/home/u/Tarvo Scripts/site backup.tvo")}) {
        SCOPED_TRACE(backup);
        std::vector<history::TransferRow> rows(2, row);
        rows[1].slots = {{.slot = 1, .outcome = "written", .backup = backup}};
        ui::TransferHistoryDialog dialog(rows, 0, nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_FALSE(dialog.table()->horizontalScrollBar()->isVisible());
    }
}

TEST_F(EditorFixture, ExportAsPdfWritesTheSheetOfTheActiveDocument)
{
    ASSERT_TRUE(start());
    const QString document = writeTemplateDocument(QStringLiteral("site.tvo"));
    ASSERT_TRUE(frame().documents().openDocumentFile(document));
    const QString pdf = path(QStringLiteral("site.pdf"));
    ui::UserDialogs::queueFileName(pdf);
    QAction* exportPdf = frame().findChild<QAction*>(QStringLiteral("ExportPdfAction"));
    ASSERT_TRUE(exportPdf->isEnabled());
    exportPdf->trigger();

    const tarvo::test::RunResult text = tarvo::test::runProgram("pdftotext", {pdf.toStdString(), "-"}, ".");
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("카메라"), std::string::npos);
    EXPECT_NE(text.out.find("Hand-over sheet"), std::string::npos);
}

} // namespace
} // namespace tarvo::app::test
