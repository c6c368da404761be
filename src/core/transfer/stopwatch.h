#pragma once
// CStopwatch: milliseconds since the last (re)start, on the host's monotonic
// clock, so that tests can drive it with a fake clock.

#include "transfer/session_host.h"

#include <cstdint>

namespace tarvo::transfer {

class CStopwatch {
public:
    explicit CStopwatch(const SessionHost& host) : m_host(host) { restart(); }

    void restart()
    {
        m_startMs = m_host.nowMs();
        m_lastMs = m_startMs;
    }

    // Milliseconds since the last restart; also remembers the reading.
    std::int64_t elapsedMs()
    {
        m_lastMs = m_host.nowMs();
        return m_lastMs - m_startMs;
    }

    std::int64_t lastReadingMs() const { return m_lastMs - m_startMs; }

private:
    const SessionHost& m_host;
    std::int64_t m_startMs = 0;
    std::int64_t m_lastMs = 0;
};

} // namespace tarvo::transfer
