#pragma once
// When the bytes of a reply go out. Without wire time a reply goes at once
// (plus any late fault). With wire time the line is modelled at 10 bits a
// byte: the request takes its own time to arrive, then each reply byte takes
// one byte time, and a reply never starts before the previous one ended.

#include "sim/keyboard_simulator.h"

#include <cstdint>
#include <vector>

namespace tarvo::sim {

inline constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit

// The time count bytes take on a line at baud, in microseconds (rounded).
std::int64_t wireTimeUs(std::size_t bytes, int baud);

class ReplyPacer {
public:
    ReplyPacer(int baud, bool wireTime) : m_baud(baud), m_wireTime(wireTime) {}

    // The time each reply byte is due, in the clock of requestStartUs.
    std::vector<std::int64_t> schedule(const FrameResponse& response, std::int64_t nowUs);

private:
    int m_baud;
    bool m_wireTime;
    std::int64_t m_lineFreeUs = 0;
};

} // namespace tarvo::sim
