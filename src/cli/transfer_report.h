#pragma once
// How import and download tell their progress: on a terminal one steady line
// per phase with the slot, the blocks done, the rate and the time left; with --json one JSON object per
// event on standard output (progress, slot_done, error, done).

#include "cli/session_runner.h"
#include "transfer/download_preview.h"
#include "transfer/slot_choice.h"
#include "transfer/transfer_events.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::cli {

class TransferReport {
public:
    TransferReport(SessionEnvironment& env, bool json);

    void progress(const transfer::BlockProgress& progress);
    // The slot is written again after an interrupted write: its written event says how.
    void setRecovery(int slot, transfer::Recovery recovery);
    void slotDone(int slot, transfer::SlotOutcome outcome);
    // A document table no slot of the keyboard holds after the download,
    // with the blank slots that could take it (event not_written).
    void tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots);
    // What a download would do to one slot (event plan; as text on standard output).
    void plan(const transfer::SlotPreview& slot);
    // A line on standard error that is not a failure (a slot skipped, a backup saved).
    void notice(const std::string& text);
    // Ends the command: the error line and event when status is not 0, then
    // the done event. Returns status.
    int finish(int status, const std::string& what = {}, const std::string& reason = {},
               std::optional<int> slot = std::nullopt);
    // One of several ports: every JSON event carries "port", and the done
    // event is left to the command, which sums up all ports.
    void setPort(const std::string& device) { m_port = device; }

private:
    void emitLine(const std::string& jsonObject);

    SessionEnvironment& m_env;
    bool m_json;
    std::string m_port;
    std::array<transfer::Recovery, transfer::kMaxSlots> m_recovery{};
    transfer::TransferPhase m_phase = transfer::TransferPhase::Info;
    int m_phaseTotal = -1;
    int m_phaseStartDone = 0;
    std::int64_t m_phaseStartMs = 0;
    std::int64_t m_lastLineMs = -1;
    int m_lastEmittedDone = -1;
};

const char* phaseName(transfer::TransferPhase phase);
const char* outcomeName(transfer::SlotOutcome outcome);
// "backup", "record" or "as_stored"; null for an ordinary write.
const char* recoveryName(transfer::Recovery recovery);

} // namespace tarvo::cli
