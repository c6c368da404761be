#pragma once
// Shared helpers of the simulator tests: a keyboard on an in-memory flash,
// fed whole frames.

#include "serial/frames.h"
#include "sim/keyboard_simulator.h"

#include <memory>
#include <vector>

namespace tarvo::sim::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes bytesOf(const serial::frames::Frame& frame)
{
    return Bytes(frame.bytes.begin(), frame.bytes.begin() + static_cast<std::ptrdiff_t>(frame.size));
}

inline Bytes text(const char* s)
{
    Bytes out;
    for (; *s; ++s)
        out.push_back(static_cast<std::uint8_t>(*s));
    return out;
}

struct SimHarness {
    explicit SimHarness(KeyboardOptions opts = {}, std::vector<FaultSpec> faults = {})
        : options(opts),
          sim(std::make_unique<KeyboardSimulator>(options, flash, FaultPlan(std::move(faults))))
    {
    }

    // Sends bytes at the keyboard's own speed; the responses to the frames they completed.
    std::vector<FrameResponse> feed(const Bytes& bytes, std::int64_t atUs = 0)
    {
        return sim->receive(bytes, atUs, options.baud);
    }
    // The reply to exactly one frame.
    Bytes ask(const serial::frames::Frame& frame)
    {
        const auto responses = feed(bytesOf(frame), clockUs += 1000);
        return responses.size() == 1 ? responses[0].reply : Bytes{0xDE, 0xAD};
    }

    KeyboardOptions options;
    KeyboardFlash flash;
    std::unique_ptr<KeyboardSimulator> sim;
    std::int64_t clockUs = 0;
};

// A block of 16 bytes whose values depend on the block and a seed.
inline std::array<std::uint8_t, 16> patternBlock(int block, int seed = 0)
{
    std::array<std::uint8_t, 16> data{};
    for (int i = 0; i < 16; ++i)
        data[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(block * 7 + i * 13 + seed);
    return data;
}

} // namespace tarvo::sim::testing
