// A soak of the serial side: 100 query sessions back to back on one port and
// one fake clock, each with a fault drawn from a fixed seed (slow, missing or
// corrupt replies, a silent keyboard, a line fault, a failed open or write, a
// cancel at a random moment). Each must end once with the end code its fault
// calls for, release the port and its timers, and leave the process with the
// file descriptors it had.

#include "session_rig.h"
#include "transfer/query_session.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::RecordingView;
using testing::SessionRig;

constexpr int kSessions = 100;
constexpr unsigned kSeed = 20251208;
constexpr std::int64_t kStepMs = 50;
constexpr std::int64_t kSessionLimitMs = 600000;
// Beyond the reply time-out: a reply this late counts as none.
constexpr int kTooLateMs = 8000;
// Within the reply time-out.
constexpr int kSlowButInTimeMs = 5000;
constexpr int kT0PerQuery = 39; // three blocks of each of 13 slots

enum class Fault {
    None,
    SlowReplies,
    T0SilentFromNth,
    T0CorruptAtNth,
    T0TooLate,
    IdentitySilent,
    LineFaultAtTime,
    OpenFails,
    WriteFails,
    CancelAtTime,
    Count
};

const char* nameOf(Fault fault)
{
    static const char* const names[] = {
        "none",        "slow replies",    "T0 silent from nth", "T0 corrupt at nth",
        "T0 too late", "identity silent", "line fault",         "open fails",
        "write fails", "cancel"};
    return names[static_cast<int>(fault)];
}

std::size_t openDescriptors()
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator{}));
}

struct Plan {
    Fault fault = Fault::None;
    std::size_t nth = 0;   // the T0 concerned
    std::int64_t atMs = 0; // when a line fault or cancel happens, from the start
    int controlEvent = 0;  // the line fault
};

Plan drawPlan(std::mt19937& rng)
{
    static const int lineFaults[] = {comm_event::kBreak, comm_event::kFrame, comm_event::kRxParity,
                                     comm_event::kDeviceLost, comm_event::kWriteFailed};
    Plan plan;
    plan.fault = static_cast<Fault>(rng() % static_cast<unsigned>(Fault::Count));
    plan.nth = 1 + rng() % kT0PerQuery;
    plan.atMs = 50 + static_cast<std::int64_t>(rng() % 1000);
    plan.controlEvent = lineFaults[rng() % std::size(lineFaults)];
    return plan;
}

// The keyboard's own T0 numbering runs on across sessions, so each fault
// counts the T0s of its own session.
void arrange(testing::ScriptedKeyboard& keyboard, const Plan& plan)
{
    keyboard.silentFor.clear();
    keyboard.delayFor.clear();
    keyboard.replyFor.clear();
    keyboard.t0Fault = nullptr;
    keyboard.openFails = plan.fault == Fault::OpenFails;
    keyboard.writeFails = plan.fault == Fault::WriteFails;
    switch (plan.fault) {
    case Fault::SlowReplies:
        keyboard.delayFor[FrameType::T0] = kSlowButInTimeMs;
        keyboard.delayFor[FrameType::T7] = kSlowButInTimeMs;
        break;
    case Fault::T0SilentFromNth:
        keyboard.t0Fault = [nth = plan.nth, seen = std::size_t(0)](std::size_t,
                                                                   frames::Reply& reply) mutable {
            if (++seen >= nth)
                reply.clear();
        };
        break;
    case Fault::T0CorruptAtNth:
        keyboard.t0Fault = [nth = plan.nth, seen = std::size_t(0)](std::size_t,
                                                                   frames::Reply& reply) mutable {
            if (++seen == nth)
                reply.back() ^= 0x01;
        };
        break;
    case Fault::T0TooLate:
        keyboard.delayFor[FrameType::T0] = kTooLateMs;
        break;
    case Fault::IdentitySilent:
        keyboard.silentFor.insert(FrameType::T7);
        break;
    default:
        break;
    }
}

} // namespace

TEST(SessionSoak, HundredSessionsWithRandomFaultsEachEndRightAndReleaseEverything)
{
    SessionRig rig;
    std::mt19937 rng(kSeed);
    const std::size_t descriptorsBefore = openDescriptors();
    int ended[3] = {0, 0, 0}; // complete, error, cancelled

    for (int n = 0; n < kSessions; ++n) {
        const Plan plan = drawPlan(rng);
        SCOPED_TRACE("session " + std::to_string(n) + ": " + nameOf(plan.fault));
        arrange(rig.keyboard, plan);
        RecordingView view;
        QuerySession session(rig.host, view, rig.port, rig.settings, SessionOptions{.endWhenComplete = true});
        const std::int64_t startMs = rig.host.nowMs();
        session.start();

        bool injected = false;
        for (std::int64_t t = 0; t < kSessionLimitMs && !session.hasEnded(); t += kStepMs) {
            const bool due = rig.host.nowMs() - startMs >= plan.atMs;
            if (!injected && due && plan.fault == Fault::LineFaultAtTime) {
                rig.keyboard.failLine(plan.controlEvent);
                injected = true;
            }
            if (!injected && due && plan.fault == Fault::CancelAtTime) {
                session.close();
                injected = true;
            }
            rig.host.advance(kStepMs);
        }
        ASSERT_TRUE(session.hasEnded());

        int expected = kEndError;
        switch (plan.fault) {
        case Fault::None:
        case Fault::SlowReplies:
            expected = kEndComplete;
            break;
        case Fault::LineFaultAtTime:
            expected = injected ? kEndError : kEndComplete;
            break;
        case Fault::CancelAtTime:
            expected = injected ? kEndCancelled : kEndComplete;
            break;
        default:
            break;
        }
        ASSERT_EQ(view.endCodes, std::vector<int>{expected});
        if (expected == kEndError) {
            ASSERT_FALSE(view.messages.empty());
        }
        ended[expected == kEndComplete ? 0 : expected == kEndError ? 1 : 2]++;

        ASSERT_FALSE(rig.keyboard.isOpen());
        ASSERT_FALSE(rig.port.portInUse());
        ASSERT_EQ(rig.port.currentEventReceiver(), nullptr);
        ASSERT_EQ(rig.host.activeTimers(), 0u);
        ASSERT_EQ(openDescriptors(), descriptorsBefore);
    }
    std::printf("%d sessions: %d complete, %d failed, %d cancelled, %lld ms on the fake clock\n", kSessions,
                ended[0], ended[1], ended[2], static_cast<long long>(rig.host.nowMs()));
    // The seed gives every kind of end.
    EXPECT_GT(ended[0], 0);
    EXPECT_GT(ended[1], 0);
    EXPECT_GT(ended[2], 0);
}

} // namespace tarvo::transfer
