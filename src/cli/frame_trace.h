#pragma once
// --trace FILE: every frame sent and reply taken, in hex, each line with the
// milliseconds since the previous one. The lines are kept in memory and the
// file is written once, when the command ends (a failed transfer's trace
// included: that is when it is wanted).

#include "serial/bp_protocol.h"
#include "transfer/session_host.h"

#include <cstdint>
#include <string>

namespace tarvo::cli {

class FrameTrace {
public:
    FrameTrace(std::string path, const transfer::SessionHost& clock);

    serial::CBpProtocol::FrameObserver observer();
    // A line that marks a new session (the phase being traced).
    void mark(const std::string& text);
    // Writes the file (atomically); false with a reason.
    bool save(std::string& error) const;
    const std::string& path() const { return m_path; }

private:
    void line(const std::string& text);

    std::string m_path;
    const transfer::SessionHost& m_clock;
    std::string m_text;
    std::int64_t m_lastMs = -1;
};

} // namespace tarvo::cli
