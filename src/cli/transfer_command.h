#pragma once
// What import and download share: the port, the report of progress and
// events, Ctrl-C, the optional frame trace, and running one session after
// another on the same line.

#include "cli/frame_trace.h"
#include "cli/interrupt_guard.h"
#include "cli/session_runner.h"
#include "cli/transfer_report.h"
#include "transfer/slot_inspection_session.h"
#include "transfer/transfer_session.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tarvo::cli {

class TransferCommand {
public:
    TransferCommand(std::string name, const PortTarget& target, bool json, bool quiet,
                    std::optional<std::string> tracePath);

    SessionEnvironment& env() { return m_env; }
    TransferReport& report() { return m_report; }
    const PortTarget& target() const { return m_env.target(); }
    // "import /dev/ttyS0": what failures name.
    std::string what() const;

    // Runs session to its end; the first Ctrl-C calls cancel. True when it
    // ended complete.
    bool run(transfer::CTransferSession& session, const std::string& traceMark,
             std::function<void()> cancel = {});
    // The first session: what each slot holds. False when it did not complete.
    bool inspect();
    const transfer::CSlotInspectionSession& inspection() const { return *m_inspection; }

    // Ctrl-C was pressed (also between sessions).
    bool interrupted() const { return m_interrupts.interrupted(); }

    // The end of the command: the trace is written, then the report's error
    // line and events. Returns status.
    int finish(int status, const std::string& reason = {}, std::optional<int> slot = std::nullopt);
    int finishSession(const transfer::CTransferSession& session, const std::string& prefix = {},
                      std::optional<int> slot = std::nullopt);

private:
    std::string m_name;
    SessionEnvironment m_env;
    TransferReport m_report;
    InterruptGuard m_interrupts;
    std::unique_ptr<FrameTrace> m_trace;
    std::unique_ptr<transfer::CSlotInspectionSession> m_inspection;
};

// The session options of every session after the first: start at the speed
// already found, end as soon as the keyboard is offline.
transfer::SessionOptions followingSessionOptions(int frameRetries = 0);

} // namespace tarvo::cli
