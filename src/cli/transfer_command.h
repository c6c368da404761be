#pragma once
// What import and download share: the port, the remembered line speed, the
// report of progress and events, Ctrl-C, the optional frame trace, and
// running a transfer job on the application's event loop until it ends. The
// command answers the job's questions from its options at once.

#include "cli/frame_trace.h"
#include "cli/interrupt_guard.h"
#include "cli/session_runner.h"
#include "cli/transfer_report.h"
#include "history/history_recorder.h"
#include "platform/history_file.h"
#include "platform/interrupted_write_store.h"
#include "platform/line_speed_settings.h"
#include "transfer/job_listener.h"
#include "transfer/transfer_job.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace tarvo::cli {

class TransferCommand final : public transfer::JobListener {
public:
    TransferCommand(std::string name, const PortTarget& target, bool json, bool quiet,
                    std::optional<std::string> tracePath, transfer::LineSpeedChoice lineSpeed);

    SessionEnvironment& env() { return m_env; }
    TransferReport& report() { return m_report; }
    const PortTarget& target() const { return m_env.target(); }
    // "import /dev/ttyS0": what failures name.
    std::string what() const;

    // The document the transfer's history names; restore: it writes a backup back.
    void setHistoryDocument(const std::string& path, bool restore);
    // A preview touches nothing, the transfer history included.
    void keepNoHistory();

    // What a job of this command works on.
    transfer::JobLine jobLine();
    transfer::JobOptions jobOptions(int frameRetries = 0);

    // Runs job to its end: chooseSlots is called when the job asks for the
    // slot choice, the first Ctrl-C cancels, and a cancel question is
    // answered Yes.
    const transfer::JobEnd& run(transfer::TransferJob& job, std::function<void()> chooseSlots);
    // One of several ports on one loop, a job the fleet starts: the command
    // follows it from now on; onEnded is called when it ends. Ctrl-C is the
    // caller's (cancel()).
    void follow(transfer::TransferJob& job, std::function<void()> chooseSlots, std::function<void()> onEnded);
    void cancel();
    // What the slots came to, as the job reported them.
    int slotsWith(transfer::SlotOutcome outcome) const;

    // The end of the command: the trace is written, then the report's error
    // line and events. Returns status.
    int finish(int status, const std::string& reason = {}, std::optional<int> slot = std::nullopt);
    int finish(const transfer::JobEnd& end);

    void stageStarted(transfer::JobStage stage) override;
    void progress(const transfer::BlockProgress& progress) override;
    void slotDone(int slot, transfer::SlotOutcome outcome) override;
    void slotImage(int slot, std::span<const std::uint8_t> image) override;
    void notice(const messages::Message& text) override;
    void slotRecovery(int slot, transfer::Recovery recovery) override;
    void tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots) override;
    void slotChoiceNeeded() override;
    void cancelQuestion(const std::u16string& question) override;
    void jobEnded(const transfer::JobEnd& end) override;

private:
    std::string m_name;
    SessionEnvironment m_env;
    TransferReport m_report;
    // Only one may exist at a time: made by run(), the single-port case.
    std::unique_ptr<InterruptGuard> m_interrupts;
    platform::LineSpeedSettings m_speeds;
    platform::InterruptedWriteStore m_interruptedWrites;
    transfer::LineSpeedChoice m_lineSpeed;
    std::unique_ptr<FrameTrace> m_trace;
    transfer::TransferJob* m_job = nullptr;
    std::function<void()> m_chooseSlots;
    std::function<void()> m_onEnded;
    std::map<transfer::SlotOutcome, int> m_outcomes;
    platform::HistoryFile m_historyFile;
    history::HistoryRecorder m_history;
};

// The frame trace's mark for the session a stage runs; empty for a stage without one.
const char* traceMarkOf(transfer::JobStage stage);

} // namespace tarvo::cli
