#include "cli/transfer_command.h"

#include "cli/cli_args.h"
#include "platform/port_paths.h"
#include "transfer/download_job.h"

namespace tarvo::cli {

TransferCommand::TransferCommand(std::string name, const PortTarget& target, bool json, bool quiet,
                                 std::optional<std::string> tracePath, transfer::LineSpeedChoice lineSpeed)
    : m_name(std::move(name)), m_env(target, !quiet && !json), m_report(m_env, json), m_lineSpeed(lineSpeed),
      m_history(&m_historyFile, platform::transferStart(history::kToolProgram, m_name, target.devicePath, {}))
{
    if (tracePath)
        m_trace = std::make_unique<FrameTrace>(*tracePath, m_env.host());
}

std::string TransferCommand::what() const
{
    return m_name + " " + m_env.target().devicePath;
}

void TransferCommand::setHistoryDocument(const std::string& path, bool restore)
{
    m_history = history::HistoryRecorder(&m_historyFile, platform::transferStart(history::kToolProgram,
                                                                                 restore ? "restore" : m_name,
                                                                                 target().devicePath, path));
}

void TransferCommand::keepNoHistory()
{
    m_history = history::HistoryRecorder(nullptr, {});
}

transfer::JobLine TransferCommand::jobLine()
{
    const std::string& device = m_env.target().devicePath;
    return {m_env.host(), m_env.port(), m_env.settings(), device, platform::canonicalDevice(device)};
}

transfer::JobOptions TransferCommand::jobOptions(int frameRetries)
{
    transfer::JobOptions options;
    options.lineSpeed = m_lineSpeed;
    options.speeds = &m_speeds;
    options.interruptedWrites = &m_interruptedWrites;
    options.frameRetries = frameRetries;
    return options;
}

const transfer::JobEnd& TransferCommand::run(transfer::TransferJob& job, std::function<void()> chooseSlots)
{
    m_job = &job;
    m_chooseSlots = std::move(chooseSlots);
    if (m_trace)
        job.setFrameObserver(m_trace->observer());
    m_interrupts = std::make_unique<InterruptGuard>();
    m_interrupts->setHandler([&job] { job.cancel(); });
    job.start();
    if (!job.hasEnded())
        m_env.runLoop();
    m_interrupts.reset();
    m_env.endLine();
    m_job = nullptr;
    return job.end();
}

void TransferCommand::follow(transfer::TransferJob& job, std::function<void()> chooseSlots,
                             std::function<void()> onEnded)
{
    m_job = &job;
    m_chooseSlots = std::move(chooseSlots);
    m_onEnded = std::move(onEnded);
    if (m_trace)
        job.setFrameObserver(m_trace->observer());
}

void TransferCommand::cancel()
{
    if (m_job && !m_job->hasEnded())
        m_job->cancel();
}

int TransferCommand::slotsWith(transfer::SlotOutcome outcome) const
{
    const auto it = m_outcomes.find(outcome);
    return it == m_outcomes.end() ? 0 : it->second;
}

const char* traceMarkOf(transfer::JobStage stage)
{
    switch (stage) {
    case transfer::JobStage::Inspect:
        return "slot information";
    case transfer::JobStage::ReadBack:
        return "read-back";
    case transfer::JobStage::Write:
        return "write";
    case transfer::JobStage::Verify:
        return "verify";
    case transfer::JobStage::Read:
        return "read";
    default:
        return "";
    }
}

void TransferCommand::stageStarted(transfer::JobStage stage)
{
    if (auto* download = dynamic_cast<const transfer::DownloadJob*>(m_job);
        download && stage == transfer::JobStage::Write)
        m_history.setBackup(download->backupSaved());
    const std::string mark = traceMarkOf(stage);
    if (m_trace && !mark.empty())
        m_trace->mark(mark);
}

void TransferCommand::progress(const transfer::BlockProgress& progress)
{
    m_report.progress(progress);
}

void TransferCommand::slotDone(int slot, transfer::SlotOutcome outcome)
{
    ++m_outcomes[outcome];
    m_report.slotDone(slot, outcome);
    m_history.slotDone(slot, outcome);
}

void TransferCommand::slotImage(int slot, std::span<const std::uint8_t> image)
{
    m_history.slotImage(slot, image);
}

void TransferCommand::notice(const messages::Message& text)
{
    m_report.notice(templates::utf16ToUtf8(text.text()));
}

void TransferCommand::slotRecovery(int slot, transfer::Recovery recovery)
{
    m_report.setRecovery(slot, recovery);
    m_history.slotRecovery(slot, recovery);
}

void TransferCommand::tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots)
{
    m_report.tableNotWritten(table, languageId, blankSlots);
}

void TransferCommand::slotChoiceNeeded()
{
    if (m_job && m_job->inspection())
        m_history.begin(&m_job->inspection()->keyboardId());
    if (m_chooseSlots)
        m_chooseSlots();
}

// The tool goes on as the command line says: Ctrl-C means cancel.
void TransferCommand::cancelQuestion(const std::u16string&)
{
    if (m_job)
        m_job->answerCancel(true);
}

void TransferCommand::jobEnded(const transfer::JobEnd& end)
{
    m_history.end(end);
    if (const messages::Message warning = m_history.takeWarning(); !warning.empty())
        m_report.notice(templates::oneLineUtf8(warning));
    if (m_onEnded)
        m_onEnded();
    else
        SessionEnvironment::quitLoop();
}

int TransferCommand::finish(int status, const std::string& reason, std::optional<int> slot)
{
    if (m_trace) {
        std::string error;
        if (!m_trace->save(error)) {
            fail(kExitFileError, m_trace->path(), error);
            if (status == kExitOk)
                status = kExitFileError;
        }
    }
    return m_report.finish(status, what(), reason, slot);
}

int TransferCommand::finish(const transfer::JobEnd& end)
{
    return finish(exitStatusOf(end.status), end.message, end.slot);
}

} // namespace tarvo::cli
