// Download to Several Keyboards against three simulated keyboards through
// the editor's dialogs, one of them dropping a block of the write: the other
// two end written and verified, the faulty one fails alone with its slot
// named, each keyboard's backup carries its COM number, and the result table
// has a row per keyboard. The fleet's own rules are tested with the core.

#include "form_fixture.h"
#include "support/gui/dialog_answers.h"
#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include "model/lang_table_layout.h"
#include "ui/fleet/fleet_commands.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_window.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>

#include <array>
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
constexpr std::size_t kFaulty = 1; // COM2

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
    ASSERT_EQ(tarvo::test::runTarvo({"new", "-o", file}, m_dir.path()).status, 0);
    ASSERT_EQ(
        tarvo::test::runTarvo({"set-entry", file, "--table", std::to_string(kTable), "--menu",
                               std::to_string(kMenu), "--entry", std::to_string(kEntry), "--lines", "A|B|C"},
                              m_dir.path())
            .status,
        0);
    const auto documentImages = tarvo::test::documentImages(file);
    ASSERT_TRUE(frame().documents().openDocumentFile(QString::fromStdString(file)));

    QObject answers;
    whenShown<ui::FleetPortDialog>(&answers, QStringLiteral("FleetPortDialog"), {},
                                   [](ui::FleetPortDialog& dialog) {
                                       for (int row = 0; row < static_cast<int>(kKeyboards); ++row)
                                           dialog.list()->item(row, 0)->setCheckState(Qt::Checked);
                                       dialog.startButton()->click();
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
    const std::size_t entry = layout::menuEntryOffset(kMenu, kEntry);
    const auto edited = std::span(documentImages[kTable]).subspan(entry, layout::kEntryBytes);
    for (std::size_t i = 0; i < kKeyboards; ++i) {
        m_keyboards[i]->stop();
        const Bytes flash = tarvo::test::readBytes(m_keyboards[i]->flashPath());
        const auto slot = slotOf(flash, kSlot);
        const bool holdsEdit =
            std::equal(edited.begin(), edited.end(), slot.begin() + static_cast<std::ptrdiff_t>(entry));
        // Each backup carries its keyboard's COM number.
        const QString com = QStringLiteral("COM%1").arg(i + 1);
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
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("COM3 ")) && lines[3].endsWith(QStringLiteral("  ok")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("failed: ")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("Language table #%1 is incomplete").arg(kSlot)));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("backup: ") + QString::fromStdString(rows[kFaulty].backup)));
    // The choice is remembered.
    EXPECT_EQ(ui::rememberedFleetPorts(), (std::vector<int>{0, 1, 2}));
}

} // namespace
} // namespace tarvo::app::test
