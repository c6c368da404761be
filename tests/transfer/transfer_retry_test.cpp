// The shared machinery's frame retries (a frame sent again after a time-out
// or "CE", within a budget per frame) and its pause (no step and no time-out
// while a question is open).

#include "session_rig.h"
#include "transfer/session_texts.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::ScriptedKeyboard;
using testing::SessionRig;
using Fault = ScriptedKeyboard::Fault;

// After the identity, sends the planned frames one by one (C1 selects slot
// 0, 1, ... in turn; T0 reads block 0 of slot 0), then goes offline.
class PlannedSession final : public TransferSession {
public:
    using TransferSession::TransferSession;

    std::vector<FrameType> plan;
    std::vector<std::uint8_t> dataRead;

    void pause(bool paused) { setPaused(paused); }

protected:
    bool onStep(bpState state) override
    {
        switch (state) {
        case bpStateRECEIVE_T7:
            engine().setAddressMode(frames::kAddressModeLinear);
            next();
            return true;
        case bpStateSEND_C1: {
            const auto slot = static_cast<std::uint8_t>(m_done);
            send([this, slot] { return engine().sendSelectTable(slot); });
            return true;
        }
        case bpStateSEND_T0:
            send([this] { return engine().sendReadBlock(0, 0); });
            return true;
        case bpStateRECEIVE_DT: {
            const auto data = engine().receiveBuffer();
            dataRead.assign(data.begin(), data.end());
            ++m_done;
            next();
            return true;
        }
        case bpStateRECEIVE_OK:
            ++m_done;
            next();
            return true;
        default:
            return false;
        }
    }

private:
    void next()
    {
        if (m_done >= plan.size()) {
            goTo(bpStateGOOFFLINE);
            return;
        }
        goTo(plan[m_done] == FrameType::T0 ? bpStateSEND_T0 : bpStateSEND_C1);
    }

    std::size_t m_done = 0;
};

class TransferRetryTest : public ::testing::Test, public SessionRig {
protected:
    PlannedSession& makeSession(std::vector<FrameType> plan, int retries)
    {
        m_session = std::make_unique<PlannedSession>(
            host, view, port, settings, SessionOptions{.endWhenComplete = true, .frameRetries = retries});
        m_session->plan = std::move(plan);
        return *m_session;
    }
    std::unique_ptr<PlannedSession> m_session;
};

struct RetryCase {
    const char* name;
    std::vector<FrameType> plan;
    std::vector<ScriptedKeyboard::FaultAt> faults;
    int retries;
    int expectedEnd;
    int expectedResent;
    std::u16string expectedText; // for a failure
};

void PrintTo(const RetryCase& c, std::ostream* os)
{
    *os << c.name;
}

class FrameRetry : public TransferRetryTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(FrameRetry, ResendsWithinTheBudgetOfEachFrame)
{
    const RetryCase& c = GetParam();
    keyboard.faults = c.faults;
    auto& session = makeSession(c.plan, c.retries);
    session.start();
    runUntilEnd(session, 120000);

    EXPECT_EQ(view.endCodes, std::vector<int>{c.expectedEnd});
    EXPECT_EQ(session.framesResent(), c.expectedResent);
    if (c.expectedEnd != kEndComplete) {
        EXPECT_EQ(session.errorText(), c.expectedText);
    }
}

const std::u16string kTimedOut(texts::kTransferTimedOut);
const std::u16string kCommError(texts::kCommunicationError);
const std::u16string kCmdError(texts::kCommandError);
const std::u16string kNoId(texts::kNoKeyboardId);

INSTANTIATE_TEST_SUITE_P(
    Cases, FrameRetry,
    ::testing::Values(
        RetryCase{"noRetriesByDefault",
                  {FrameType::C1},
                  {{FrameType::C1, 1, Fault::Drop}},
                  0,
                  kEndError,
                  0,
                  kTimedOut},
        RetryCase{
            "droppedReplyResent", {FrameType::C1}, {{FrameType::C1, 1, Fault::Drop}}, 1, kEndComplete, 1, {}},
        RetryCase{
            "lateReplyResent", {FrameType::C1}, {{FrameType::C1, 1, Fault::Late}}, 1, kEndComplete, 1, {}},
        RetryCase{"ceResent", {FrameType::C1}, {{FrameType::C1, 1, Fault::CE}}, 1, kEndComplete, 1, {}},
        RetryCase{"budgetSpent",
                  {FrameType::C1},
                  {{FrameType::C1, 1, Fault::CE}, {FrameType::C1, 2, Fault::CE}},
                  1,
                  kEndError,
                  1,
                  kCommError},
        RetryCase{"eachNewFrameGetsTheWholeBudget",
                  {FrameType::C1, FrameType::C1},
                  {{FrameType::C1, 1, Fault::Drop}, {FrameType::C1, 3, Fault::CE}},
                  1,
                  kEndComplete,
                  2,
                  {}},
        RetryCase{
            "feIsNotResent", {FrameType::C1}, {{FrameType::C1, 1, Fault::FE}}, 3, kEndError, 0, kCmdError},
        RetryCase{"identityResent", {}, {{FrameType::T7, 1, Fault::Drop}}, 2, kEndComplete, 1, {}},
        RetryCase{"identityNotResent", {}, {{FrameType::T7, 1, Fault::Drop}}, 0, kEndError, 0, kNoId},
        RetryCase{"readResent", {FrameType::T0}, {{FrameType::T0, 1, Fault::Drop}}, 1, kEndComplete, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferRetryTest, PingIsNeverResentByTheFrameBudget)
{
    keyboard.baudRate = 0;
    auto& session = makeSession({}, 3);
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(keyboard.countOf(FrameType::C0), 2u); // once per speed
    EXPECT_EQ(session.framesResent(), 0);
}

TEST_F(TransferRetryTest, PartReplyToTheFirstCopyDoesNotSpoilTheSecond)
{
    keyboard.slots[0][0] = 0x03;
    keyboard.slots[0][15] = 0x5A;
    keyboard.t0Fault = [](std::size_t n, frames::Reply& reply) {
        if (n == 1)
            reply.resize(reply.size() / 2);
    };
    auto& session = makeSession({FrameType::T0}, 1);
    session.start();
    runUntilEnd(session, 120000);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    const std::vector<std::uint8_t> expected(keyboard.slots[0].begin(), keyboard.slots[0].begin() + 16);
    EXPECT_EQ(session.dataRead, expected);
}

TEST_F(TransferRetryTest, NoTimeOutCountsWhilePausedAndTheWaitRestartsOnResume)
{
    keyboard.silentFor.insert(FrameType::C1);
    auto& session = makeSession({FrameType::C1}, 0);
    session.start();
    while (session.state() != bpStateSENT_C1)
        host.advance(1);
    session.pause(true);
    const std::size_t framesBefore = keyboard.frames.size();
    host.advance(60000);
    EXPECT_FALSE(session.hasEnded());
    EXPECT_EQ(keyboard.frames.size(), framesBefore);

    session.pause(false);
    const std::int64_t resumedAt = host.nowMs();
    while (!session.hasEnded())
        host.advance(1);
    EXPECT_EQ(session.errorText(), kTimedOut);
    EXPECT_GE(host.nowMs() - resumedAt, kReplyTimeoutMs);
    EXPECT_LE(host.nowMs() - resumedAt, kReplyTimeoutMs + kTimerPeriodMs);
}

TEST_F(TransferRetryTest, ReplyArrivingWhilePausedIsHandledOnResume)
{
    keyboard.delayFor[FrameType::C1] = 3000;
    auto& session = makeSession({FrameType::C1, FrameType::C1}, 0);
    session.start();
    while (session.state() != bpStateSENT_C1)
        host.advance(1);
    session.pause(true);
    host.advance(10000);
    EXPECT_EQ(keyboard.countOf(FrameType::C1), 1u);
    EXPECT_FALSE(session.isComplete());

    session.pause(false);
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(keyboard.countOf(FrameType::C1), 2u);
}

} // namespace
} // namespace tarvo::transfer
