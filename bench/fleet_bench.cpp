// Download to Several Keyboards in the editor, offscreen, as a user drives
// it: the menu item, the port list (the first keyboards ticked), the slot
// choice (the document's edited Deutsch table into slot 2, no backup), the
// previews' Write, and the window's Close once every keyboard has ended.
// Simulated keyboards at 57600 baud with wire-time pacing, their line speed
// remembered (as an earlier Query leaves it). Prints:
// - one keyboard and eight, each from the menu item to the window's end,
//   against the line time of the longest keyboard's frames and replies, and
//   eight against one (goal at most 1.10);
// - how long the event loop is ever kept from running during the eight
//   (so that the window repaints and takes clicks; goal at most 50 ms).

// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "transfer/download_fleet.h"

#include "app/application.h"
#include "app/main_frame.h"
#include "loop_watch.h"
#include "platform/line_speed_settings.h"
#include "transfer_bench_support.h"
#include "ui/fleet/fleet_commands.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_preview_dialog.h"
#include "ui/fleet/fleet_window.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tarvo;

constexpr int kBaud = 57600;
constexpr int kManyKeyboards = 8;
constexpr double kGoalRatio = 1.10;
constexpr double kLoopGoalMs = 50;
// The document's Deutsch table (its index 1, the slot list's entry 1) is
// held by slot 2 of a keyboard as it leaves the factory.
constexpr int kSlot = 2;
constexpr int kDocumentTableEntry = 1;
// How often the user looks at the screen for the next dialog.
constexpr int kLookMs = 10;
constexpr double kToolTimeoutS = 60;

// A user who answers every dialog of the download as soon as it shows,
// through its own controls.
class User final : public QObject {
public:
    explicit User(int keyboards) : m_keyboards(keyboards)
    {
        connect(&m_look, &QTimer::timeout, this, [this] { look(); });
        m_look.start(kLookMs);
        m_clock.start();
    }

    // From the menu item to the window's end; negative until then.
    double seconds() const { return m_seconds; }
    const std::vector<transfer::FleetRow>& rows() const { return m_rows; }

private:
    void look()
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            if (auto* ports = qobject_cast<ui::FleetPortDialog*>(window)) {
                for (int row = 0; row < ports->list()->rowCount(); ++row)
                    ports->list()->item(row, 0)->setCheckState(row < m_keyboards ? Qt::Checked
                                                                                 : Qt::Unchecked);
                ports->startButton()->click();
            } else if (auto* choice = qobject_cast<ui::TransferSlotDialog*>(window);
                       choice != nullptr && choice->okButton()->isEnabled()) {
                choice->list(kSlot)->setCurrentIndex(kDocumentTableEntry);
                choice->backupOption()->setChecked(false);
                choice->okButton()->click();
            } else if (auto* preview = qobject_cast<ui::FleetPreviewDialog*>(window)) {
                preview->okButton()->click();
            } else if (auto* fleet = qobject_cast<ui::FleetWindow*>(window);
                       fleet != nullptr && fleet->finished() && m_seconds < 0) {
                m_seconds = static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
                m_rows = fleet->results();
                fleet->closeButton()->click();
            }
        }
    }

    int m_keyboards;
    QTimer m_look;
    QElapsedTimer m_clock;
    double m_seconds = -1;
    std::vector<transfer::FleetRow> m_rows;
};

struct Run {
    double seconds = -1;
    double wireS = -1;
};

// Downloads to the first count keyboards through the menu item; the
// keyboards are started afresh before and stopped after.
Run downloadTo(int count, bench::Keyboards& keyboards, ui::FleetCommands& commands)
{
    if (!bench::restartAll(keyboards, kBaud, "bench_fleet"))
        return {};
    User user(count);
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // the reminder
    commands.downloadAction()->trigger();
    Run run;
    if (user.seconds() < 0 || user.rows().size() != static_cast<std::size_t>(count)) {
        std::fprintf(stderr, "bench_fleet: the download to %d keyboards did not end in its window\n", count);
        return {};
    }
    for (const transfer::FleetRow& row : user.rows())
        if (row.end.status != transfer::JobStatus::Complete || row.written != 1) {
            std::fprintf(stderr, "bench_fleet: %s: %s\n", row.port.c_str(), row.end.message.c_str());
            return {};
        }
    run.seconds = user.seconds();
    run.wireS = bench::longestWireSeconds(keyboards, count, kBaud, "bench_fleet");
    return run;
}

// A document made by the built tool, with an entry of its Deutsch table
// edited so that the download writes the slot.
std::string editedDocument(const test::TempDir& folder)
{
    const std::string document = bench::newDocument(folder, "bench_fleet");
    double wallS = 0;
    if (document.empty() || bench::runTarvo({"set-entry", document, "--table", "1", "--menu", "81", "--entry",
                                             "1", "--lines", "A|B|C"},
                                            kToolTimeoutS, wallS) != 0) {
        std::fprintf(stderr, "bench_fleet: no edited document\n");
        return {};
    }
    return document;
}

} // namespace

int main(int argc, char** argv)
{
    // Settings, the history and the documents in folders of the bench's own.
    const test::TempDir home;
    ::setenv("XDG_CONFIG_HOME", (home.path() / "config").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home.path() / "state").c_str(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::UserDialogs::setScripted(true);

    const std::string document = editedDocument(home);
    if (document.empty())
        return 1;
    bench::Keyboards keyboards;
    for (int i = 0; i < kManyKeyboards; ++i) {
        keyboards.push_back(std::make_unique<test::SimulatedKeyboard>());
        qputenv(QStringLiteral("TARVO_COM%1").arg(i + 1).toLatin1(),
                QByteArray::fromStdString(keyboards.back()->link()));
    }

    app::CZodARApp editor({}, QStringLiteral(TARVO_SOURCE_DIR "/data/templates"));
    if (!editor.initInstance())
        return 1;
    app::MainFrame& frame = *editor.mainFrame();
    if (!frame.documents().openDocumentFile(QString::fromStdString(document))) {
        std::fprintf(stderr, "bench_fleet: %s did not open\n", document.c_str());
        return 1;
    }
    for (const auto& keyboard : keyboards)
        platform::LineSpeedSettings().remember(keyboard->link(), kBaud);
    auto* commands = frame.findChild<ui::FleetCommands*>(QStringLiteral("FleetCommands"));
    if (commands == nullptr)
        return 1;

    const Run one = downloadTo(1, keyboards, *commands);
    if (one.wireS <= 0)
        return 1;
    Run many;
    qint64 worstMs = 0;
    {
        const bench::LoopWatch watch;
        many = downloadTo(kManyKeyboards, keyboards, *commands);
        worstMs = watch.worstMs();
    }
    if (many.wireS <= 0)
        return 1;
    std::printf("Download to Several Keyboards in the editor, one slot with read-back at %d baud, speeds "
                "remembered: 1 keyboard %.2f s (wire %.2f s, ratio %.3f), %d keyboards %.2f s (longest wire "
                "%.2f s, ratio %.3f); %d against 1: ratio %.3f (goal at most %.2f)\n",
                kBaud, one.seconds, one.wireS, one.seconds / one.wireS, kManyKeyboards, many.seconds,
                many.wireS, many.seconds / many.wireS, kManyKeyboards, many.seconds / one.seconds,
                kGoalRatio);
    const auto worst = static_cast<double>(worstMs);
    std::printf("longest the event loop was held during the download to %d keyboards: %.0f ms, ratio %.2f "
                "(goal at most %.0f ms)\n",
                kManyKeyboards, worst, worst / kLoopGoalMs, kLoopGoalMs);
    return 0;
}
