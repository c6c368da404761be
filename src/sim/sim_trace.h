#pragma once
// --trace: one line per frame received and per reply sent, with the time
// since the start, the frame type, the slot and the address.

#include "sim/keyboard_simulator.h"

#include <cstdio>
#include <string>

namespace tarvo::sim {

// The received-frame line, without the time: "rx T0 slot 2 address 0x010040 7 bytes".
std::string describeFrame(const FrameResponse& response);
// The reply line, without the time: "tx T0 DT 19 bytes" or "tx S2 none".
std::string describeReply(const FrameResponse& response);

class SimTrace {
public:
    SimTrace() = default;
    ~SimTrace();
    SimTrace(const SimTrace&) = delete;
    SimTrace& operator=(const SimTrace&) = delete;

    bool open(const std::string& path, std::string& error);
    bool isOpen() const { return m_file != nullptr; }
    void line(std::int64_t elapsedUs, const std::string& text);

private:
    std::FILE* m_file = nullptr;
};

} // namespace tarvo::sim
