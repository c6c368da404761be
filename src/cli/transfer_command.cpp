#include "cli/transfer_command.h"

#include "cli/cli_args.h"

namespace tarvo::cli {

TransferCommand::TransferCommand(std::string name, const PortTarget& target, bool json, bool quiet,
                                 std::optional<std::string> tracePath)
    : m_name(std::move(name)), m_env(target, !quiet && !json), m_report(m_env, json)
{
    if (tracePath)
        m_trace = std::make_unique<FrameTrace>(*tracePath, m_env.host());
}

std::string TransferCommand::what() const
{
    return m_name + " " + m_env.target().devicePath;
}

bool TransferCommand::run(transfer::CTransferSession& session, const std::string& traceMark,
                          std::function<void()> cancel)
{
    if (m_trace) {
        m_trace->mark(traceMark);
        session.setFrameObserver(m_trace->observer());
    }
    m_interrupts.setHandler(cancel ? std::move(cancel) : [&session] { session.close(); });
    m_env.run(session);
    m_interrupts.setHandler({});
    session.setFrameObserver({});
    return session.endCode() == transfer::kEndComplete;
}

bool TransferCommand::inspect()
{
    transfer::SessionOptions options;
    options.endWhenComplete = true;
    m_inspection = std::make_unique<transfer::CSlotInspectionSession>(m_env.host(), m_env, m_env.port(),
                                                                      m_env.settings(), options);
    return run(*m_inspection, "slot information");
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

int TransferCommand::finishSession(const transfer::CTransferSession& session, const std::string& prefix,
                                   std::optional<int> slot)
{
    const int status = exitStatusFor(session);
    std::string reason = failureReason(session);
    if (status == kExitCancelled && reason.rfind("cancelled", 0) != 0)
        reason = "cancelled: " + reason;
    return finish(status, prefix + reason, slot);
}

transfer::SessionOptions followingSessionOptions(int frameRetries)
{
    transfer::SessionOptions options;
    options.startAtFoundSpeed = true;
    options.endWhenComplete = true;
    options.frameRetries = frameRetries;
    return options;
}

} // namespace tarvo::cli
