#pragma once
// HistoryRecorder: the records of one transfer, as its front end hears of
// it. The start is written once the keyboard has answered (or at the end, for
// a transfer that never reached it); a slot's start before its erase, or as
// its image is read; its end when the keyboard acknowledged it; the end with
// the exit class. A slot started and never ended is closed at the end as
// incomplete (the job left it erased) or failed. Whatever the store says,
// the transfer goes on: the first failure is kept as a warning.

#include "history/transfer_history.h"
#include "transfer/job_end.h"
#include "transfer/transfer_events.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace tarvo::history {

struct TransferStart {
    std::string transfer; // a new id for this transfer
    std::string program;
    std::string command; // query, import, download, restore
    std::string port;    // as named
    std::string device;  // canonical
    std::string document;
    std::string documentSha256;
    std::string backup; // the backup saved before the erase, for every written slot; empty when none
};

class HistoryRecorder {
public:
    // A null store records nothing.
    HistoryRecorder(TransferHistory* store, TransferStart start);

    // The start record, with the keyboard's identity when it answered; once.
    void begin(const serial::KeyboardId* keyboard);
    // Before the erase of a slot about to be written with image, or once the
    // image read from it is in (a read's records are written then).
    void slotImage(int slot, std::span<const std::uint8_t> image);
    void slotRecovery(int slot, transfer::Recovery recovery);
    void slotDone(int slot, transfer::SlotOutcome outcome);
    void end(const transfer::JobEnd& end);
    void end(int status, const messages::Message& message);

    void setBackup(std::string path) { m_start.backup = std::move(path); }
    // The first record that could not be stored, said once (empty when none or already taken).
    messages::Message takeWarning();

private:
    struct SlotState {
        std::string sha256;
        transfer::Recovery recovery = transfer::Recovery::None;
        bool open = false;        // started and not ended
        bool readPending = false; // read whole; its record waits for the image
    };

    HistoryRecord record(RecordKind kind) const;
    void append(const HistoryRecord& record);
    void slotEnd(int slot, std::string_view outcome);

    TransferHistory* m_store;
    TransferStart m_start;
    std::map<int, SlotState> m_slots;
    bool m_begun = false;
    bool m_ended = false;
    messages::Message m_warning;
    bool m_warned = false;
};

// The tool's exit class of a job's end: what the end record keeps.
int exitClassOf(transfer::JobStatus status);

} // namespace tarvo::history
