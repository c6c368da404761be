#pragma once
// What a transfer session needs from its surroundings: a way to post the next
// step, a periodic timer, a monotonic millisecond clock and non-blocking
// pauses. The Qt event loop provides it in the programs, a fake clock in tests.

#include <cstdint>
#include <functional>

namespace tarvo::transfer {

class SessionHost {
public:
    using TimerId = int;
    static constexpr TimerId kNoTimer = 0;

    virtual ~SessionHost() = default;

    // Runs fn later, from the loop, after what is already queued.
    virtual void postStep(std::function<void()> fn) = 0;
    // Calls fn every periodMs until stopped; kNoTimer when none is available.
    virtual TimerId startTimer(int periodMs, std::function<void()> fn) = 0;
    virtual void stopTimer(TimerId id) = 0;
    // Calls fn once after delayMs without blocking the loop.
    virtual void runAfter(int delayMs, std::function<void()> fn) = 0;
    // Milliseconds on a monotonic clock.
    virtual std::int64_t nowMs() const = 0;
};

} // namespace tarvo::transfer
