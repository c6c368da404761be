#pragma once
// TransferJob: what the download and import jobs share. A job runs one
// session after another on the loop its host provides, each started from a
// posted step after the one before has ended: nothing blocks and nothing
// nests a loop, so a dialog can host a job and several jobs can share one
// loop. It starts with the slot inspection, remembers the line speed that
// answered, then waits for the front end's slot choice.

#include "serial/bp_protocol.h"
#include "serial/comm_port.h"
#include "serial/comm_settings.h"
#include "transfer/interrupted_writes.h"
#include "transfer/job_end.h"
#include "transfer/job_listener.h"
#include "transfer/line_speed.h"
#include "transfer/session_host.h"
#include "transfer/session_view.h"
#include "transfer/slot_inspection_session.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::transfer {

// The line a job works on. All of it outlives the job.
struct JobLine {
    SessionHost& host;
    serial::CCommPort& port;
    serial::CommSettings& settings;
    std::string devicePath; // the key the line speed is remembered by
    // The same device however it was named (links resolved, a USB adapter by
    // its by-id name, a host resolved): what records of writes are made on.
    // Empty: devicePath.
    std::string canonicalDevice = {};

    const std::string& device() const { return canonicalDevice.empty() ? devicePath : canonicalDevice; }
};

struct JobOptions {
    LineSpeedChoice lineSpeed = LineSpeedChoice::Auto;
    LineSpeedMemory* speeds = nullptr; // null: nothing remembered
    // The records of writes left unfinished (null: none kept or looked up).
    InterruptedWriteMemory* interruptedWrites = nullptr;
    // How often a frame is sent again after a time-out or "CE" (the sessions after the inspection).
    int frameRetries = 0;
    // The dialogs pause after the ping, flashing and ID texts.
    bool progressPauses = false;
    // The sessions' own texts (status line, progress codes, message boxes)
    // for a dialog; null shows none of them.
    SessionView* view = nullptr;
    // A download holds before its first erase, on every road (merged, as
    // stored, a restore), until continueAfterMerge(): the user reads what
    // the write would change (DownloadJob::preview()), and a cancel there
    // erases nothing. The chosen slots that hold a table are read first,
    // so that the keyboard's side is shown.
    bool holdAfterMergeRead = false;
    // A download asks (JobListener::recoveryQuestion) how to write a slot
    // no record of an interrupted write applies to, instead of refusing.
    bool askRecovery = false;
};

class TransferJob : private SessionView {
public:
    TransferJob(JobLine line, JobListener& listener, JobOptions options);
    ~TransferJob() override;
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;

    // Starts the inspection.
    void start();
    // The Cancel button or Ctrl-C: a running session is closed (the write
    // asks first, through JobListener::cancelQuestion); while the job waits
    // for the slot choice, or between sessions, it ends cancelled.
    void cancel();
    // The answer to JobListener::cancelQuestion: true cancels, false goes on.
    void answerCancel(bool cancel);
    // Sees every frame of every session from now on (the tool's --trace).
    void setFrameObserver(serial::CBpProtocol::FrameObserver observer);

    JobStage stage() const { return m_stage; }
    bool hasEnded() const { return m_stage == JobStage::Ended; }
    // Valid once hasEnded().
    const JobEnd& end() const { return m_end; }
    // What each slot holds, once the stage is past Inspect; null before.
    const SlotInspectionSession* inspection() const;
    // Each slot's listing with the interrupted writes remembered for the
    // device; empty before the inspection has completed.
    const std::vector<SlotListing>& listings() const { return m_listings; }
    // The keyboard's identity and the line speed index found (valid after the inspection).
    int baudIndex() const { return m_line.settings.baudIndex; }

protected:
    // The inspection completed: the default waits for the slot choice.
    virtual void inspected();
    // The session started by runSession() for stage ended (from a posted step).
    virtual void sessionFinished(JobStage stage, TransferSession& session) = 0;
    // How the job ends when cancelled with no session running.
    virtual JobEnd cancelledBetweenSessions() const;
    // A cancel while session runs; the default closes it.
    virtual void cancelSession(TransferSession& session);
    virtual void answerCancelQuestion(TransferSession& /*session*/, bool /*cancel*/) {}

    void setStage(JobStage stage);
    // Starts session for stage; sessionFinished() follows when it ends.
    void runSession(JobStage stage, TransferSession& session);
    // Runs fn from the loop, unless the job is gone or has ended by then.
    void post(std::function<void()> fn);
    void finish(JobEnd end);
    // A line of the tool's (the editor shows it as it is), or a message of the system.
    void finishWith(JobStatus status, std::string message, std::optional<int> slot = std::nullopt);
    void finishWith(JobStatus status, const messages::Message& message,
                    std::optional<int> slot = std::nullopt);
    // A cancel came while no session could take it: the next step ends the job.
    bool cancelRequested() const { return m_cancelRequested; }
    bool waitingForChoice() const { return m_stage == JobStage::ChoosingSlots; }
    // The job waits for its front end between two sessions (a cancel ends it then).
    virtual bool holding() const { return false; }
    const JobOptions& jobOptions() const { return m_options; }

    JobListener& listener() { return m_listener; }
    SessionView& sessionView() { return *this; }
    // Options of every session after the inspection: start at the speed found.
    SessionOptions followingOptions() const;
    JobLine& line() { return m_line; }

private:
    // The sessions' view: their texts go to the dialog's view, their end to the job.
    void setStatusText(const messages::Message& text) override;
    void showProgress(int code, const messages::Message& text) override;
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override;
    void showMessage(const messages::Message& text) override;
    bool ask(const messages::Message& question) override;
    void sessionEnded(int endCode) override;

    void inspectionFinished();

    JobLine m_line;
    JobListener& m_listener;
    JobOptions m_options;
    LineSpeedProbe m_probe;
    serial::CBpProtocol::FrameObserver m_observer;
    std::unique_ptr<SlotInspectionSession> m_inspection;
    std::vector<SlotListing> m_listings;
    TransferSession* m_running = nullptr;
    JobStage m_runningStage = JobStage::NotStarted;
    JobStage m_stage = JobStage::NotStarted;
    JobEnd m_end;
    bool m_cancelRequested = false;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tarvo::transfer
