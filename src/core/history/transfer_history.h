#pragma once
// Where the transfer history is kept. Appending is all a transfer does; a
// record that cannot be stored is a warning for the front end, never a reason
// to stop a transfer.

#include "history/history_record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::history {

struct HistoryLog {
    std::vector<HistoryRecord> records; // in the order they were written
    int damagedLines = 0;               // lines that were no whole record (a power cut mid-line)
};

class TransferHistory {
public:
    virtual ~TransferHistory() = default;
    // Stored whole (and on disk) when it returns true; false with the reason otherwise.
    virtual bool append(const HistoryRecord& record, std::string& reason) = 0;
    // The image's SHA-256 in lower-case hex.
    virtual std::string sha256Hex(std::span<const std::uint8_t> bytes) const = 0;
    // The time now, UTC, ISO 8601.
    virtual std::string timeNow() const = 0;
};

} // namespace tarvo::history
