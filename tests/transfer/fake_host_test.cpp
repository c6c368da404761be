// The fake clock the session tests stand on: it must fire timers and delayed
// calls in time order and run posted steps after each, or every time-out test
// above it means nothing.

#include "fake_host.h"
#include "transfer/stopwatch.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo::transfer {
namespace {

using testing::FakeHost;

TEST(FakeHost, FiresTimersAndDelayedCallsInTimeOrderWithPostedStepsBetween)
{
    FakeHost host;
    std::string log;
    const auto timer = host.startTimer(1000, [&] {
        log.append("T").append(std::to_string(host.nowMs())).append(" ");
        host.postStep([&] { log += "p "; });
    });
    host.runAfter(1500, [&] { log.append("D").append(std::to_string(host.nowMs())).append(" "); });
    host.runAfter(1000, [&] { log.append("E").append(std::to_string(host.nowMs())).append(" "); });
    host.advance(2500);
    EXPECT_EQ(log, "T1000 p E1000 D1500 T2000 p ");
    EXPECT_EQ(host.nowMs(), 2500);
    host.stopTimer(timer);
    host.advance(5000);
    EXPECT_EQ(log, "T1000 p E1000 D1500 T2000 p ");
}

TEST(FakeHost, TimerStoppedFromItsOwnCallbackFiresNoMore)
{
    FakeHost host;
    int fired = 0;
    SessionHost::TimerId id = SessionHost::kNoTimer;
    id = host.startTimer(100, [&] {
        ++fired;
        host.stopTimer(id);
    });
    host.advance(1000);
    EXPECT_EQ(fired, 1);
}

TEST(Stopwatch, MeasuresFromTheLastRestart)
{
    FakeHost host;
    CStopwatch watch(host);
    host.advance(700);
    EXPECT_EQ(watch.elapsedMs(), 700);
    watch.restart();
    host.advance(6001);
    EXPECT_EQ(watch.elapsedMs(), 6001);
    EXPECT_EQ(watch.lastReadingMs(), 6001);
}

} // namespace
} // namespace tarvo::transfer
