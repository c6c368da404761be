// The editor's Download dialogs against a simulated keyboard at 57600 baud
// with wire-time pacing, offscreen, with the line speed remembered (as an
// earlier Query or download leaves it):
// - the whole one-slot download with read-back against the line time of
//   every frame and reply it exchanged, as the simulator's trace records
//   them (goal at most 1.10), and where the time beyond the wire went: the
//   turnaround between a reply and the next frame, every longer gap with the
//   frames around it, and what lies before the first frame and after the
//   last reply; then which pauses the sessions keep for the keyboard and
//   which the editor leaves out;
// - the tool's own download of the same slot in the same run, and the
//   editor's ratio to the wire against the tool's (goal at most 1.02);
// - how long the event loop is ever kept from running (so the window
//   repaints and takes clicks), and how long after a click on Cancel during
//   the write the question is asked (goal for both at most 100 ms).
// - the launch of the Halvard server against servers that leave each call
//   unanswered in turn (time-outs shortened): how long the event loop is
//   ever held while the launch waits (goal at most 100 ms).
// The bench answers at once wherever the user would be asked: the merge's
// OK, the cancel question (No) and the OK at the end. It needs a session
// bus of its own: its run target starts it under dbus-run-session.

// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"
#include "templates/template_catalogue.h"
#include "transfer/download_job.h"

#include "loop_watch.h"
#include "platform/event_loop_host.h"
#include "platform/line_speed_settings.h"
#include "platform/qt_serial_port.h"
#include "serial/comm_port.h"
#include "server_chain_latency.h"
#include "transfer_bench_support.h"
#include "ui/transfer/transfer_job_host.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace tarvo;

constexpr int kBaud = 57600;
constexpr double kLatencyGoalMs = 100;
constexpr double kWireGoalRatio = 1.10;
// The editor's download against the tool's own, each against its wire time, in one run.
constexpr double kToolGoalRatio = 1.02;
constexpr int kSlot = 1;
// How often the slot dialog is looked at until its lists are filled.
constexpr int kSlotDialogPollMs = 10;
constexpr int kBlocksBeforeCancel = 500;
// A gap between a reply and the next frame this long is listed on its own.
constexpr std::int64_t kLongGapUs = 20000;
constexpr double kUsPerMs = 1000.0;
constexpr double kUsPerS = 1000000.0;

// The dialogs' listener, with a user who answers at once: OK after the merge
// read, Cancel at block kBlocksBeforeCancel of the write answered No (timed
// to the question), OK at the end. Each click goes through the dialog's own
// button, from the loop, as a user's would.
class PromptUser final : public transfer::JobListener {
public:
    explicit PromptUser(ui::TransferJobHost& host) : m_host(host) {}

    qint64 questionMs() const { return m_questionMs; }

    void stageStarted(transfer::JobStage stage) override { m_host.stageStarted(stage); }
    void progress(const transfer::BlockProgress& p) override
    {
        m_host.progress(p);
        if (p.phase != transfer::TransferPhase::Write || p.done != kBlocksBeforeCancel ||
            m_sinceCancel.isValid())
            return;
        QTimer::singleShot(0, [this] {
            m_shownBefore = ui::UserDialogs::shown().size();
            ui::UserDialogs::queueAnswer(QMessageBox::No);
            m_sinceCancel.start();
            m_host.progressDialog().button()->click();
        });
    }
    void slotDone(int slot, transfer::SlotOutcome outcome) override { m_host.slotDone(slot, outcome); }
    void notice(const messages::Message& text) override { m_host.notice(text); }
    void slotChoiceNeeded() override
    {
        m_host.slotChoiceNeeded();
        answerSlotDialog();
    }
    void cancelQuestion(const std::u16string& question) override
    {
        m_host.cancelQuestion(question);
        // Runs right after the host has asked, which it does from the loop.
        QTimer::singleShot(0, [this] {
            if (ui::UserDialogs::shown().size() > m_shownBefore)
                m_questionMs = m_sinceCancel.elapsed();
        });
    }
    void mergeReadDone() override
    {
        m_host.mergeReadDone();
        QTimer::singleShot(0, [this] { m_host.progressDialog().button()->click(); });
    }
    void jobEnded(const transfer::JobEnd& end) override
    {
        m_host.jobEnded(end);
        if (end.status == transfer::JobStatus::Complete)
            QTimer::singleShot(0, [this] { m_host.progressDialog().button()->click(); });
    }

private:
    // Chooses the document's table for kSlot, without a backup, once the
    // inspection has filled the lists (OK is enabled then), as the user would.
    void answerSlotDialog()
    {
        ui::TransferSlotDialog& dialog = m_host.slotDialog();
        if (!dialog.okButton()->isEnabled()) {
            QTimer::singleShot(kSlotDialogPollMs, [this] { answerSlotDialog(); });
            return;
        }
        dialog.list(kSlot)->setCurrentIndex(1);
        dialog.backupOption()->setChecked(false);
        dialog.okButton()->click();
    }

    ui::TransferJobHost& m_host;
    QElapsedTimer m_sinceCancel;
    qsizetype m_shownBefore = 0;
    qint64 m_questionMs = -1;
};

// The processor time this process has used, user and system, in seconds:
// unlike the wall time, it does not grow when others share the machine.
double processorSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / kUsPerS;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A gap on the line between a reply and the next frame.
struct Gap {
    std::int64_t us = 0;
    std::string after;  // the reply before it ("T0", or "" before the first frame)
    std::string before; // the frame after it
};

// Where the time of the simulator's trace went beyond the line time.
struct TraceTime {
    double spanS = 0; // from the first frame to the last reply
    double turnaroundS = 0;
    std::size_t turnarounds = 0;
    std::vector<Gap> longGaps;
};

TraceTime traceTime(const std::vector<bench::TraceLine>& trace)
{
    TraceTime time;
    std::int64_t firstUs = -1;
    std::int64_t lastReplyUs = -1;
    std::string lastReply;
    for (const auto& line : trace) {
        if (!line.received) {
            lastReplyUs = line.us;
            lastReply = line.type;
            continue;
        }
        if (firstUs < 0)
            firstUs = line.us;
        if (lastReplyUs < 0)
            continue;
        const std::int64_t gap = line.us - lastReplyUs;
        if (gap >= kLongGapUs) {
            time.longGaps.push_back({gap, lastReply, line.type});
        } else {
            time.turnaroundS += static_cast<double>(gap) / kUsPerS;
            ++time.turnarounds;
        }
    }
    if (firstUs >= 0 && lastReplyUs > firstUs)
        time.spanS = static_cast<double>(lastReplyUs - firstUs) / kUsPerS;
    return time;
}

// What a long gap is, by the frames around it.
const char* gapReason(const Gap& gap)
{
    if (gap.after == "T0" && gap.before == "C0")
        return "the read-back ends, the merge, the write session opens the port and pings";
    if (gap.before == "C0")
        return "one session ends, the next opens the port and pings";
    if (gap.before == "C1")
        return "before the erase";
    if (gap.after == "C1")
        return "after the erase";
    return "between two frames";
}

void printTimeBeyondTheWire(double wholeS, double lineS, const TraceTime& time)
{
    double longS = 0;
    for (const Gap& gap : time.longGaps)
        longS += static_cast<double>(gap.us) / kUsPerS;
    std::printf(
        "  beyond the wire %.3f s: turnaround between a reply and the next frame %.3f s (%zu, %.2f ms "
        "each), %zu gaps of %.0f ms or more %.3f s, before the first frame and after the last reply "
        "%.3f s, the simulator's own pacing %.3f s\n",
        wholeS - lineS, time.turnaroundS, time.turnarounds,
        time.turnarounds > 0 ? time.turnaroundS * kUsPerMs / static_cast<double>(time.turnarounds) : 0.0,
        time.longGaps.size(), static_cast<double>(kLongGapUs) / kUsPerMs, longS, wholeS - time.spanS,
        time.spanS - lineS - time.turnaroundS - longS);
    for (const Gap& gap : time.longGaps)
        std::printf("    %7.1f ms after %s before %s: %s\n", static_cast<double>(gap.us) / kUsPerMs,
                    gap.after.empty() ? "-" : gap.after.c_str(), gap.before.c_str(), gapReason(gap));
    std::printf(
        "  pauses kept for the keyboard: %d ms between a cancel answered Yes and the end of data (not "
        "taken in this run)\n",
        transfer::kCancelPauseMs);
    std::printf("  pauses for the reader, left out by the editor (the texts still show): %d ms before each "
                "ping, %d ms before reading the keyboard ID, before each information read and before each "
                "erase\n",
                transfer::kPingPauseMs, transfer::kProgressPauseMs);
}

} // namespace

int main(int argc, char** argv)
{
    // The remembered line speeds in a settings folder of the bench's own.
    const test::TempDir configFolder;
    ::setenv("XDG_CONFIG_HOME", configFolder.path().c_str(), 1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::UserDialogs::setScripted(true);

    test::SimulatedKeyboard keyboard;
    std::string error;
    if (!bench::startPaced(keyboard, kBaud, error)) {
        std::fprintf(stderr, "bench_dialog_latency: %s\n", error.c_str());
        return 1;
    }
    qputenv("TARVO_COM1", QByteArray::fromStdString(keyboard.link()));
    platform::LineSpeedSettings().remember(keyboard.link(), kBaud);

    document::DocumentNumberPool pool;
    const std::string templatePath = std::string(TARVO_SOURCE_DIR) + "/data/templates/Standard.LT3";
    auto made = document::createNewDocument(
        pool, [&templatePath](int) { return templates::buildTablesFromTemplate(templatePath); }, nullptr, 0);
    if (!made.doc) {
        std::fprintf(stderr, "bench_dialog_latency: no document from %s\n", templatePath.c_str());
        return 1;
    }

    platform::QtSerialPort device;
    serial::CCommPort port(device);
    serial::CommSettings settings = serial::CommSettings::forDocument(0);
    platform::EventLoopHost loop;
    ui::TransferJobHost host(ui::TransferSlotDialog::Kind::Download, nullptr);
    PromptUser user(host);
    transfer::DownloadJobSetup setup;
    transfer::JobLine line{loop, port, settings, keyboard.link()};
    transfer::DownloadJob job(line, user, host.jobOptions(), *made.doc, setup);
    QObject::connect(&host, &ui::TransferJobHost::mergeAccepted, &host, [&job] { job.continueAfterMerge(); });
    QObject::connect(&host, &ui::TransferJobHost::downloadChosen, &host,
                     [&job](transfer::DownloadChoice choice) {
                         choice.forceWrite = true; // the merged table equals the keyboard's
                         job.choose(std::move(choice));
                     });

    bench::LoopWatch watch;
    QElapsedTimer whole;
    whole.start();
    const double processorBefore = processorSeconds();
    const transfer::JobEnd& end = host.run(job);
    const double wholeS = static_cast<double>(whole.elapsed()) / 1000.0;
    const double processorS = processorSeconds() - processorBefore;
    keyboard.stop();
    if (end.status != transfer::JobStatus::Complete || user.questionMs() < 0) {
        std::fprintf(stderr,
                     "bench_dialog_latency: the download did not complete with a cancel answered No: %s\n",
                     end.message.c_str());
        return 1;
    }
    double lineS = 0;
    std::size_t frames = 0;
    const auto trace = bench::readTrace(keyboard.tracePath(), error);
    if (!bench::wireSeconds(keyboard.tracePath(), kBaud, lineS, frames, error)) {
        std::fprintf(stderr, "bench_dialog_latency: %s\n", error.c_str());
        return 1;
    }
    std::printf("editor download of slot %d with read-back at %d baud, speed remembered: whole %.3f s, wire "
                "time of its %zu frames and replies %.3f s, ratio %.4f (goal at most %.2f)\n",
                kSlot, kBaud, wholeS, frames, lineS, wholeS / lineS, kWireGoalRatio);
    printTimeBeyondTheWire(wholeS, lineS, traceTime(trace));
    std::printf("  the editor's processor time %.3f s, %.0f us a frame\n", processorS,
                frames > 0 ? processorS * kUsPerS / static_cast<double>(frames) : 0.0);
    const auto worst = static_cast<double>(watch.worstMs());
    std::printf("longest the event loop was held: %.0f ms, ratio %.2f (goal at most %.0f ms)\n", worst,
                worst / kLatencyGoalMs, kLatencyGoalMs);
    std::printf("Cancel during the write to its question: %lld ms, ratio %.2f (goal at most %.0f ms)\n",
                static_cast<long long>(user.questionMs()),
                static_cast<double>(user.questionMs()) / kLatencyGoalMs, kLatencyGoalMs);

    // The tool's own download of the same slot, on this machine, now (after the
    // loop's watch: the run holds the loop).
    const test::TempDir documentFolder;
    const std::string toolDocument = bench::newDocument(documentFolder, "bench_dialog_latency");
    const std::optional<double> toolRatio =
        toolDocument.empty() ? std::nullopt
                             : bench::timeWholeDownload(keyboard, {.bench = "bench_dialog_latency",
                                                                   .baud = kBaud,
                                                                   .port = keyboard.link(),
                                                                   .document = toolDocument,
                                                                   .what = "speed remembered"});
    if (!toolRatio)
        return 1;
    const double editorRatio = wholeS / lineS;
    std::printf("the editor's download against the tool's, each against its wire time: %.4f / %.4f = %.4f "
                "(goal at most %.2f)\n",
                editorRatio, *toolRatio, editorRatio / *toolRatio, kToolGoalRatio);
    int launches = 0;
    long long serverWorstMs = 0;
    if (!bench::runServerChains(launches, serverWorstMs, error)) {
        std::fprintf(stderr, "bench_dialog_latency: server launch: %s\n", error.c_str());
        return 1;
    }
    const auto serverWorst = static_cast<double>(serverWorstMs);
    std::printf("Halvard server launch, %d launches with each call left unanswered in turn: longest the "
                "event loop was held: %.0f ms, ratio %.2f (goal at most %.0f ms)\n",
                launches, serverWorst, serverWorst / kLatencyGoalMs, kLatencyGoalMs);
    return 0;
}
