// The machinery every session shares, driven through a session that stops
// after the identity (or selects one slot): ping and speed probe, identity,
// time-outs, bad replies, line errors and the one end of each session.

#include "serial/serial_port.h"
#include "session_rig.h"
#include "transfer/session_texts.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::IdentitySession;
using testing::SessionRig;

std::u16string internalErrorText(const std::u16string& code)
{
    return u"An internal error occurred (code: " + code + u").";
}

class TransferSessionTest : public ::testing::Test, public SessionRig {
protected:
    IdentitySession& makeSession(SessionOptions options = {})
    {
        m_session = std::make_unique<IdentitySession>(host, view, port, settings, options);
        return *m_session;
    }
    void expectPortReleased()
    {
        EXPECT_FALSE(keyboard.isOpen());
        EXPECT_FALSE(port.portInUse());
        EXPECT_EQ(port.currentEventReceiver(), nullptr);
        EXPECT_EQ(host.activeTimers(), 0u);
    }
    std::unique_ptr<IdentitySession> m_session;
};

TEST_F(TransferSessionTest, KeyboardAnsweringAt19200GoesThroughEveryCommonStateAndCompletes)
{
    auto& session = makeSession();
    session.start();
    runUntilEnd(session);

    const std::vector<bpState> expected = {bpStateGOONLINE, bpStateSEND_C0,    bpStateRECEIVE_C0,
                                           bpStateSEND_T7,  bpStateRECEIVE_T7, bpStateGOOFFLINE};
    EXPECT_EQ(session.steps, expected);
    EXPECT_TRUE(session.isComplete());
    EXPECT_FALSE(session.hasEnded());
    EXPECT_EQ(session.keyboardId(), keyboard.id);
    EXPECT_EQ(keyboard.openedAtBaud, std::vector<int>{19200});
    EXPECT_EQ(view.progressCodes, (std::vector<int>{1, 2, 4, 5, 8, 11}));
    EXPECT_EQ(view.progressTexts[2], u"Pinging Keyboard  at 19200 Baudrate ");
    EXPECT_EQ(view.progressTexts[5], u"Transfer Complete");
    expectPortReleased();

    session.close();
    session.close();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(TransferSessionTest, EndWhenCompleteEndsWith5000WithoutWaitingForOk)
{
    auto& session = makeSession({.endWhenComplete = true});
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(session.failure(), SessionFailure::None);
}

TEST_F(TransferSessionTest, KeyboardAt57600IsFoundAfterSixSecondsAndTheSpeedStays)
{
    keyboard.baudRate = 57600;
    auto& session = makeSession({.endWhenComplete = true});
    session.start();
    runUntilEnd(session);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(keyboard.openedAtBaud, (std::vector<int>{19200, 57600}));
    EXPECT_EQ(settings.baudIndex, kBaudIndex57600);
    ASSERT_EQ(keyboard.countOf(FrameType::C0), 2u);
    // The second ping goes out at the first tick after 6001 ms.
    EXPECT_GE(keyboard.frames[1].atMs, kReplyTimeoutMs);
    EXPECT_LE(keyboard.frames[1].atMs, kReplyTimeoutMs + kTimerPeriodMs);
    EXPECT_EQ(view.progressTexts[4], u"Pinging Keyboard  at  57600 Baudrate ");
}

TEST_F(TransferSessionTest, NoKeyboardFailsAfterBothSpeedsAndReturnsTo19200)
{
    keyboard.baudRate = 0;
    auto& session = makeSession();
    session.start();
    runUntilEnd(session);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(session.failure(), SessionFailure::NoAnswer);
    EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(texts::kNoCommunication)});
    EXPECT_EQ(view.progressCodes.back(), kProgressError);
    EXPECT_EQ(keyboard.openedAtBaud, (std::vector<int>{19200, 57600}));
    EXPECT_EQ(settings.baudIndex, kBaudIndex19200);
    EXPECT_LE(host.nowMs(), 2 * (kReplyTimeoutMs + kTimerPeriodMs));
    expectPortReleased();
}

struct SpeedCase {
    const char* name;
    int settingsBaudIndex;
    bool startAtFoundSpeed;
    int keyboardBaud; // 0: no keyboard
    std::vector<int> expectedOpens;
    int expectedEnd;
    int expectedBaudIndex;
};

class FollowingSessionSpeed : public TransferSessionTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(FollowingSessionSpeed, StartsAtTheFoundSpeedAndTriesTheOtherOnce)
{
    const SpeedCase& c = GetParam();
    settings.baudIndex = c.settingsBaudIndex;
    keyboard.baudRate = c.keyboardBaud;
    auto& session = makeSession({.startAtFoundSpeed = c.startAtFoundSpeed, .endWhenComplete = true});
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(keyboard.openedAtBaud, c.expectedOpens);
    EXPECT_EQ(view.endCodes, std::vector<int>{c.expectedEnd});
    EXPECT_EQ(settings.baudIndex, c.expectedBaudIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FollowingSessionSpeed,
    ::testing::Values(
        SpeedCase{"found57600", kBaudIndex57600, true, 57600, {57600}, kEndComplete, kBaudIndex57600},
        SpeedCase{
            "fallsBackTo19200", kBaudIndex57600, true, 19200, {57600, 19200}, kEndComplete, kBaudIndex19200},
        SpeedCase{"noKeyboard", kBaudIndex57600, true, 0, {57600, 19200}, kEndError, kBaudIndex19200},
        SpeedCase{"firstSessionAlways19200",
                  kBaudIndex57600,
                  false,
                  57600,
                  {19200, 57600},
                  kEndComplete,
                  kBaudIndex57600},
        SpeedCase{"otherIndexStartsAt19200", 6, true, 19200, {19200}, kEndComplete, kBaudIndex19200}),
    [](const auto& info) { return std::string(info.param.name); });

struct DelayCase {
    const char* name;
    int delayMs;
    bool accepted;
};

class IdentityReplyDelay : public TransferSessionTest, public ::testing::WithParamInterface<DelayCase> {};

TEST_P(IdentityReplyDelay, ReplyCountsOnlyWithinTheTimeOut)
{
    keyboard.delayFor[FrameType::T7] = GetParam().delayMs;
    auto& session = makeSession({.endWhenComplete = true});
    session.start();
    runUntilEnd(session);
    if (GetParam().accepted) {
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    } else {
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
        EXPECT_EQ(session.errorText(), texts::kNoKeyboardId);
        EXPECT_EQ(session.failure(), SessionFailure::NoAnswer);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IdentityReplyDelay,
                         ::testing::Values(DelayCase{"after5s", 5000, true}, DelayCase{"after6s", 6000, true},
                                           DelayCase{"after8s", 8000, false},
                                           DelayCase{"never", 600000, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferSessionTest, MissingIdentityIsNoticedBetween6001MsAndTheNextTick)
{
    keyboard.silentFor.insert(FrameType::T7);
    auto& session = makeSession();
    session.start();
    host.advance(50);
    ASSERT_EQ(keyboard.countOf(FrameType::T7), 1u);
    const auto sentAt = keyboard.frames.back().atMs;
    while (!session.hasEnded())
        host.advance(1);
    EXPECT_GE(host.nowMs() - sentAt, kReplyTimeoutMs);
    EXPECT_LE(host.nowMs() - sentAt, kReplyTimeoutMs + kTimerPeriodMs);
}

struct BadReplyCase {
    const char* name;
    FrameType frame;
    frames::Reply reply; // empty: no reply at all
    std::u16string expectedText;
    SessionFailure expectedFailure;
};

class BadReply : public TransferSessionTest, public ::testing::WithParamInterface<BadReplyCase> {};

TEST_P(BadReply, EndsTheSessionWithItsText)
{
    const BadReplyCase& c = GetParam();
    if (c.reply.empty())
        keyboard.silentFor.insert(c.frame);
    else
        keyboard.replyFor[c.frame] = c.reply;
    auto& session = makeSession();
    session.selectSlotAfterIdentity = true;
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(view.messages, std::vector<std::u16string>{c.expectedText});
    EXPECT_EQ(session.failure(), c.expectedFailure);
    // A bad reply is never answered by sending the frame again.
    EXPECT_EQ(keyboard.countOf(c.frame), 1u);
    expectPortReleased();
}

frames::Reply bannerWithLastByte(std::uint8_t last)
{
    auto reply = frames::buildBannerReply();
    reply.back() = last;
    return reply;
}

frames::Reply identityWithoutSignature()
{
    KeyboardId id;
    id.bytes[0] = 'K';
    id.bytes[1] = 'C';
    return frames::buildKeyboardIdReply(id);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadReply,
    ::testing::Values(
        BadReplyCase{"pongWithWrongLastByte", FrameType::C0, bannerWithLastByte(0x51),
                     internalErrorText(u"FSM-27"), SessionFailure::Refused},
        BadReplyCase{"identityWithoutKB", FrameType::T7, identityWithoutSignature(),
                     internalErrorText(u"FSM-27"), SessionFailure::Refused},
        BadReplyCase{"communicationError",
                     FrameType::C1,
                     {'C', 'E'},
                     u"A communication error occurred.",
                     SessionFailure::Refused},
        BadReplyCase{
            "commandError", FrameType::C1, {'F', 'E'}, u"A command error occurred.", SessionFailure::Refused},
        BadReplyCase{
            "lowerCaseOk", FrameType::C1, {'o', 'k'}, internalErrorText(u"FSM-27"), SessionFailure::Refused},
        BadReplyCase{"silentAfterSelect",
                     FrameType::C1,
                     {},
                     u"Error: The transfer has timed out.",
                     SessionFailure::NoAnswer},
        BadReplyCase{"halfAStatus",
                     FrameType::C1,
                     {'O'},
                     u"Error: The transfer has timed out.",
                     SessionFailure::NoAnswer}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferSessionTest, SelectAnsweredOkCompletes)
{
    auto& session = makeSession({.endWhenComplete = true});
    session.selectSlotAfterIdentity = true;
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(keyboard.countOf(FrameType::C1), 1u);
}

struct LineErrorCase {
    int controlEvent;
    std::u16string text;
    SessionFailure failure;
};

constexpr std::u16string_view kPortLostText = u"The serial port was lost (unplugged or closed)";

class LineError : public TransferSessionTest, public ::testing::WithParamInterface<LineErrorCase> {};

TEST_P(LineError, EndsWithTheStateAndEventInTheCode)
{
    keyboard.silentFor.insert(FrameType::C0);
    auto& session = makeSession();
    session.start();
    host.advance(500);
    keyboard.failLine(GetParam().controlEvent);
    host.advance(100);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(session.errorText(), GetParam().text);
    EXPECT_EQ(session.failure(), GetParam().failure);
    expectPortReleased();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineError,
    ::testing::Values(
        LineErrorCase{comm_event::kBreak, internalErrorText(u"FSM-30-7"), SessionFailure::LineError},
        LineErrorCase{comm_event::kFrame, internalErrorText(u"FSM-30-10"), SessionFailure::LineError},
        LineErrorCase{comm_event::kRxParity, internalErrorText(u"FSM-30-14"), SessionFailure::LineError},
        LineErrorCase{comm_event::kDcb, internalErrorText(u"FSM-30-16"), SessionFailure::LineError},
        // A vanished device or a failed write is the port's failure, said in plain words.
        LineErrorCase{comm_event::kDeviceLost, std::u16string(kPortLostText), SessionFailure::PortLost},
        LineErrorCase{comm_event::kWriteFailed, std::u16string(kPortLostText), SessionFailure::PortLost},
        // A network server never reached: the port could not be opened.
        LineErrorCase{comm_event::kDeviceUnreachable, u"Error: COM 3 can not be opened.",
                      SessionFailure::PortUnavailable}));

TEST_F(TransferSessionTest, SecondSessionOnALockedPortEndsAtOnce)
{
    port.setPortInUse(true);
    auto& session = makeSession();
    session.start();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndPortLocked});
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"Error: The COM port is locked."});
    EXPECT_EQ(session.failure(), SessionFailure::PortUnavailable);
    EXPECT_TRUE(keyboard.openedAtBaud.empty());
    // The flag belongs to the session that holds the port.
    EXPECT_TRUE(port.portInUse());
}

TEST_F(TransferSessionTest, SessionWhilePortHeldByAnotherSessionIsLockedOut)
{
    keyboard.silentFor.insert(FrameType::C0);
    auto& first = makeSession();
    first.start();
    host.advance(100);
    testing::RecordingView secondView;
    IdentitySession second(host, secondView, port, settings);
    second.start();
    EXPECT_EQ(secondView.endCodes, std::vector<int>{kEndPortLocked});
    EXPECT_FALSE(first.hasEnded());
    EXPECT_TRUE(keyboard.isOpen());
}

TEST_F(TransferSessionTest, PortThatCannotBeOpenedNamesTheComPort)
{
    keyboard.openFails = true;
    auto& session = makeSession();
    session.start();
    host.advance(10);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"Error: COM 3 can not be opened."});
    EXPECT_EQ(session.failure(), SessionFailure::PortUnavailable);
    EXPECT_FALSE(session.detail().empty());
    expectPortReleased();
}

TEST_F(TransferSessionTest, SettingsThePortRefusesEndWith5003)
{
    keyboard.lineUnsupported = true;
    auto& session = makeSession();
    session.start();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndNotInitialised});
    EXPECT_EQ(view.messages,
              std::vector<std::u16string>{u"Error: The transfer session could not be initialized."});
    EXPECT_TRUE(keyboard.openedAtBaud.empty());
}

TEST_F(TransferSessionTest, NoTimerEndsWith5004)
{
    host.setTimersAvailable(false);
    auto& session = makeSession();
    session.start();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndNoTimer});
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"Error: A timer resource could not be allocated."});
    expectPortReleased();
}

TEST_F(TransferSessionTest, FailedSendIsALostPort)
{
    keyboard.writeFails = true;
    auto& session = makeSession();
    session.start();
    host.advance(10);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(session.errorText(), kPortLostText);
    EXPECT_EQ(session.failure(), SessionFailure::PortLost);
    expectPortReleased();
}

TEST_F(TransferSessionTest, StateNoStepHandlesEndsWithItsNumber)
{
    auto& session = makeSession();
    session.afterIdentity = bpStateREADYNEXTTABLE;
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(session.errorText(), internalErrorText(u"FSM-3"));
    EXPECT_EQ(session.failure(), SessionFailure::Internal);
}

TEST_F(TransferSessionTest, StateTheTimerDoesNotKnowBecomesAnInternalError)
{
    auto& session = makeSession();
    session.afterIdentity = bpStateSENT_CA;
    session.start();
    runUntilEnd(session);
    // Last event: the identity's receive event (code 1).
    EXPECT_EQ(session.errorText(), internalErrorText(u"FSM-33-1"));
}

TEST_F(TransferSessionTest, WrongKeyboardModelIsRefused)
{
    keyboard.id.bytes[7] = 0xFD;
    auto& session = makeSession();
    session.checkModel = true;
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(texts::kWrongModel)});
    EXPECT_EQ(session.failure(), SessionFailure::Refused);
}

TEST_F(TransferSessionTest, CancelEndsOnceAndReleasesThePort)
{
    keyboard.silentFor.insert(FrameType::C0);
    auto& session = makeSession();
    session.start();
    host.advance(2500);
    ASSERT_TRUE(port.portInUse());
    session.close();
    session.close();
    host.advance(20000);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndCancelled});
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(session.failure(), SessionFailure::Cancelled);
    EXPECT_EQ(keyboard.countOf(FrameType::C0), 1u);
    expectPortReleased();
}

TEST_F(TransferSessionTest, DestroyedSessionReleasesThePortAndLeavesNoLiveCallbacks)
{
    keyboard.replyDelayMs = 3000;
    auto& session = makeSession();
    session.start();
    host.advance(100);
    ASSERT_TRUE(port.portInUse());
    m_session.reset();
    EXPECT_FALSE(port.portInUse());
    EXPECT_FALSE(keyboard.isOpen());
    EXPECT_EQ(port.currentEventReceiver(), nullptr);
    host.advance(20000);
    EXPECT_TRUE(view.endCodes.empty());
}

TEST_F(TransferSessionTest, ProgressPausesDelayTheNextSendWithoutBlocking)
{
    auto& session = makeSession({.progressPauses = true, .endWhenComplete = true});
    session.start();
    runUntilEnd(session);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    ASSERT_EQ(keyboard.frames.size(), 2u);
    EXPECT_EQ(keyboard.frames[0].atMs, kPingPauseMs);
    EXPECT_EQ(keyboard.frames[1].atMs, keyboard.frames[0].atMs + keyboard.replyDelayMs + kProgressPauseMs);
}

TEST_F(TransferSessionTest, CancelDuringAPauseSendsNothingMore)
{
    auto& session = makeSession({.progressPauses = true});
    session.start();
    host.advance(400);
    session.close();
    host.advance(2000);
    EXPECT_TRUE(keyboard.frames.empty());
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndCancelled});
}

} // namespace
} // namespace tarvo::transfer
