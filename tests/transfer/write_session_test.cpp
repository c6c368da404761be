// The Transfer Language Table session: erase, 4096 blocks and end of data per
// chosen slot, the cancel question (nothing moves while it is open), and the
// slot reported incomplete whenever the session stops between erase and end.

#include "model/keyboard_fonts.h"
#include "model/lang_table.h"
#include "serial/serial_port.h"
#include "session_rig.h"
#include "transfer/session_texts.h"
#include "transfer/write_session.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::ScriptedKeyboard;
using testing::SessionRig;
using Fault = ScriptedKeyboard::Fault;

constexpr int kBlocks = 4096;
constexpr int kFontLatin = 1;
constexpr std::int64_t kQuestionOpenMs = 60000;

// Forwards to the rig's recording view; ask() runs the test's handler.
class QuestionView final : public SessionView {
public:
    explicit QuestionView(testing::RecordingView& record) : m_record(record) {}
    void setStatusText(const messages::Message& text) override { m_record.setStatusText(text); }
    void showProgress(int code, const messages::Message& text) override { m_record.showProgress(code, text); }
    void showBlockProgress(int done, int total, const messages::Message& line) override
    {
        m_record.showBlockProgress(done, total, line);
        lastLine = line.text();
    }
    void showMessage(const messages::Message& text) override { m_record.showMessage(text); }
    bool ask(const messages::Message& question) override
    {
        const bool answer = m_record.ask(question);
        return onAsk ? onAsk() : answer;
    }
    void sessionEnded(int endCode) override { m_record.sessionEnded(endCode); }

    std::function<bool()> onAsk;
    std::u16string lastLine;

private:
    testing::RecordingView& m_record;
};

std::u16string incompleteText(int slot)
{
    return u"Language table #" + texts::number(slot) +
           u" in the keyboard is now incomplete and must be written again.";
}

bool contains(const std::vector<std::u16string>& texts, std::u16string_view text)
{
    for (const auto& t : texts)
        if (t == text)
            return true;
    return false;
}

class WriteSessionTest : public ::testing::Test, public SessionRig {
protected:
    WriteSessionTest() { keyboard.replyDelayMs = 2; }

    // A whole image with a pattern that differs per block and per table, and
    // a friendly name in font 1.
    model::CS1_LangTable& addTable(int slotIndex0, const std::u16string& name, int seed)
    {
        auto table = std::make_unique<model::CS1_LangTable>();
        table->Init();
        auto image = table->MutableImage();
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>((i * 31 + i / 16 + static_cast<std::size_t>(seed)) & 0xFF);
        for (std::size_t i = 0; i < 20; ++i)
            image[1 + i] = i < name.size()
                               ? static_cast<std::uint8_t>(
                                     model::KeyboardFonts::instance().toDevice(kFontLatin, name[i]))
                               : 0;
        image[330] = kFontLatin;
        request.tables[static_cast<std::size_t>(slotIndex0)] = table.get();
        m_tables.push_back(std::move(table));
        return *m_tables.back();
    }

    WriteSession& makeSession(SessionOptions options = {.endWhenComplete = true})
    {
        m_session = std::make_unique<WriteSession>(host, questions, port, settings, request, options);
        m_session->setSlotListener(
            [this](int slot, SlotOutcome outcome) { slotEvents.emplace_back(slot, outcome); });
        m_session->setProgressListener([this](const BlockProgress& p) { progress.push_back(p); });
        return *m_session;
    }

    void runUntil(const std::function<bool()>& done, std::int64_t limitMs = 200000)
    {
        for (std::int64_t t = 0; t < limitMs && !done() && !m_session->hasEnded(); ++t)
            host.advance(1);
    }

    void runToEnd()
    {
        runUntil([this] { return m_session->isComplete(); });
    }

    std::vector<std::uint8_t> imageOf(const model::CS1_LangTable& table)
    {
        return {table.Image().begin(), table.Image().end()};
    }

    void expectPortReleased()
    {
        EXPECT_FALSE(keyboard.isOpen());
        EXPECT_FALSE(port.portInUse());
        EXPECT_EQ(host.activeTimers(), 0u);
    }

    WriteRequest request;
    QuestionView questions{view};
    std::vector<std::pair<int, SlotOutcome>> slotEvents;
    std::vector<BlockProgress> progress;
    std::unique_ptr<WriteSession> m_session;

private:
    std::vector<std::unique_ptr<model::CS1_LangTable>> m_tables;
};

TEST_F(WriteSessionTest, WritesTheWholeImageBlockByBlockAndCompletes)
{
    const auto& table = addTable(0, u"English", 1);
    auto& session = makeSession({.progressPauses = true});
    session.start();
    runToEnd();

    ASSERT_TRUE(session.isComplete());
    EXPECT_EQ(keyboard.flash[0], imageOf(table));
    EXPECT_EQ(keyboard.erases[0], 1);
    EXPECT_EQ(keyboard.blockWrites[0], kBlocks);
    // Every block in order, each once, then the end of data.
    std::vector<FrameType> types;
    std::vector<std::uint32_t> s2Addresses;
    for (const auto& f : keyboard.frames) {
        types.push_back(f.type);
        if (f.type == FrameType::S2)
            s2Addresses.push_back(f.address);
    }
    ASSERT_EQ(s2Addresses.size(), static_cast<std::size_t>(kBlocks));
    for (int b = 0; b < kBlocks; ++b)
        ASSERT_EQ(s2Addresses[static_cast<std::size_t>(b)], static_cast<std::uint32_t>(16 * b)) << b;
    EXPECT_EQ(std::vector<FrameType>(types.begin(), types.begin() + 3),
              (std::vector<FrameType>{FrameType::C0, FrameType::T7, FrameType::C1}));
    EXPECT_EQ(types.back(), FrameType::S8);
    EXPECT_EQ(keyboard.countOf(FrameType::S8), 1u);

    EXPECT_EQ(view.progressCodes, (std::vector<int>{1, 2, 4, 5, 8, 6, 7, 10, 11}));
    EXPECT_EQ(view.progressTexts[5], u"Flashing Sector");
    EXPECT_EQ(view.progressTexts[6], u"Sector Flashed");
    EXPECT_EQ(view.progressTexts[7], u"Transferring Language Table  English:");
    EXPECT_EQ(view.progressTexts[8], u"Transfer Complete");
    EXPECT_EQ(questions.lastLine, u"Transferring Language Table  English:");
    EXPECT_EQ(view.blocksDone, kBlocks);
    EXPECT_EQ(view.blocksTotal, kBlocks);
    ASSERT_EQ(progress.size(), static_cast<std::size_t>(kBlocks));
    EXPECT_EQ(progress.back().phase, TransferPhase::Write);
    EXPECT_EQ(progress.back().slot, 1);
    EXPECT_EQ(progress.back().done, kBlocks);
    EXPECT_EQ(slotEvents, (std::vector<std::pair<int, SlotOutcome>>{{1, SlotOutcome::Written}}));
    EXPECT_EQ(session.slotState(0), SlotWriteState::Written);
    EXPECT_TRUE(session.incompleteSlots().empty());
    expectPortReleased();

    // The button at the end: 5000, no question.
    session.requestCancel();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_TRUE(view.questions.empty());
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(WriteSessionTest, TwoSlotsCountTo8192AndLeaveOtherSlotsAlone)
{
    const auto& first = addTable(0, u"English", 1);
    const auto& second = addTable(2, u"Deutsch", 7);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.hasEnded(); }, 400000);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(session.blocksInAll(), 2 * kBlocks);
    EXPECT_EQ(session.blocksSent(), 2 * kBlocks);
    EXPECT_EQ(view.blocksDone, 2 * kBlocks);
    EXPECT_EQ(view.blocksTotal, 2 * kBlocks);
    EXPECT_EQ(keyboard.flash[0], imageOf(first));
    EXPECT_EQ(keyboard.flash[2], imageOf(second));
    EXPECT_EQ(keyboard.erases[1], 0);
    EXPECT_EQ(questions.lastLine, u"Transferring Language Table  Deutsch:");
    EXPECT_EQ(slotEvents, (std::vector<std::pair<int, SlotOutcome>>{{1, SlotOutcome::Written},
                                                                    {3, SlotOutcome::Written}}));
}

TEST_F(WriteSessionTest, ImageShorterThan64KEndsBeforeThePortIsOpened)
{
    addTable(1, u"English", 1).SetImage(std::vector<std::uint8_t>(1000, 0x41));
    auto& session = makeSession();
    session.start();
    host.advance(10000);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(session.errorText(), u"Language table #2 cannot be written: its image holds 1000 bytes instead "
                                   u"of 65536. Nothing was erased.");
    EXPECT_TRUE(keyboard.frames.empty());
    EXPECT_TRUE(keyboard.openedAtBaud.empty());
}

TEST_F(WriteSessionTest, ChosenSlotTheKeyboardDoesNotHaveEndsBeforeAnyErase)
{
    keyboard.id.bytes[6] = 1; // generation 1: five slots
    addTable(0, u"English", 1);
    addTable(5, u"Deutsch", 2);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.hasEnded(); }, 20000);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(
        session.errorText(),
        u"Language table #6 cannot be written: the keyboard has 5 language table slots. Nothing was erased.");
    EXPECT_EQ(keyboard.countOf(FrameType::C1), 0u);
    EXPECT_FALSE(contains(view.progressTexts, texts::kTransferComplete));
    expectPortReleased();
}

// Where the cancel question is asked.
struct CancelCase {
    const char* name;
    std::function<bool(const WriteSession&)> when;
    bool slotErased; // the erase had gone out when the question opened
};

void PrintTo(const CancelCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<CancelCase>& cancelCases()
{
    static const std::vector<CancelCase> cases = {
        {"duringFlashingPause", [](const WriteSession& s) { return s.state() == bpStateSEND_C1; }, false},
        {"eraseReplyPending", [](const WriteSession& s) { return s.state() == bpStateSENT_C1; }, true},
        {"firstBlockPending", [](const WriteSession& s) { return s.blocksSent() == 1; }, true},
        {"middleBlockPending", [](const WriteSession& s) { return s.blocksSent() == 2048; }, true},
        {"lastBlockPending", [](const WriteSession& s) { return s.blocksSent() == kBlocks; }, true},
        // Every block acknowledged: the slot holds the whole image, however the end of data fares.
        {"endOfDataPending", [](const WriteSession& s) { return s.state() == bpStateSENT_S8; }, false},
    };
    return cases;
}

class WriteSessionCancel : public WriteSessionTest, public ::testing::WithParamInterface<CancelCase> {
protected:
    // Opens the question at the case's point and keeps it open for a minute
    // of fake time; records what the keyboard got meanwhile.
    void askAtCasePoint(WriteSession& session, bool answerYes)
    {
        session.start();
        runUntil([&] { return GetParam().when(session); });
        ASSERT_FALSE(session.hasEnded());
        questions.onAsk = [this, answerYes] {
            framesBeforeQuestion = keyboard.frames.size();
            host.advance(kQuestionOpenMs);
            framesUnderQuestion = keyboard.frames.size() - framesBeforeQuestion;
            answeredAtMs = host.nowMs();
            return answerYes;
        };
        session.requestCancel();
        questions.onAsk = nullptr;
    }

    std::size_t framesBeforeQuestion = 0;
    std::size_t framesUnderQuestion = 0;
    std::int64_t answeredAtMs = 0;
};

TEST_P(WriteSessionCancel, NoResumesWithThePendingBlockAndNothingMovesUnderTheQuestion)
{
    const auto& table = addTable(0, u"English", 3);
    auto& session = makeSession({.progressPauses = true, .endWhenComplete = true});
    askAtCasePoint(session, false);
    EXPECT_EQ(framesUnderQuestion, 0u);
    EXPECT_FALSE(session.hasEnded());
    runUntil([&] { return session.hasEnded(); });

    EXPECT_EQ(view.questions, std::vector<std::u16string>{std::u16string(kCancelDownloadQuestion)});
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(keyboard.flash[0], imageOf(table));
    EXPECT_EQ(keyboard.erases[0], 1);
    EXPECT_EQ(keyboard.countOf(FrameType::S2), static_cast<std::size_t>(kBlocks));
    EXPECT_EQ(session.blocksSent(), kBlocks);
    EXPECT_TRUE(session.incompleteSlots().empty());
}

TEST_P(WriteSessionCancel, YesSendsEndOfDataEndsWith5005AndNamesTheIncompleteSlot)
{
    addTable(0, u"English", 3);
    auto& session = makeSession({.progressPauses = true, .endWhenComplete = true});
    askAtCasePoint(session, true);
    EXPECT_EQ(framesUnderQuestion, 0u);
    runUntil([&] { return session.hasEnded(); });

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndCancelled});
    EXPECT_EQ(session.failure(), SessionFailure::Cancelled);
    // Only the end of data follows the answer, after the pause.
    ASSERT_EQ(keyboard.frames.size(), framesBeforeQuestion + 1);
    EXPECT_EQ(keyboard.frames.back().type, FrameType::S8);
    EXPECT_GE(keyboard.frames.back().atMs, answeredAtMs + kCancelPauseMs);
    EXPECT_FALSE(contains(view.progressTexts, texts::kTransferComplete));
    if (GetParam().slotErased) {
        EXPECT_EQ(session.incompleteSlots(), std::vector<int>{1});
        EXPECT_EQ(session.errorText(), incompleteText(1));
        EXPECT_EQ(view.messages, std::vector<std::u16string>{incompleteText(1)});
    } else {
        EXPECT_TRUE(session.incompleteSlots().empty());
        EXPECT_TRUE(view.messages.empty());
    }
    expectPortReleased();
}

INSTANTIATE_TEST_SUITE_P(Points, WriteSessionCancel, ::testing::ValuesIn(cancelCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteSessionTest, EscapeDuringTheWriteAsksTheSameQuestion)
{
    addTable(0, u"English", 1);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.blocksSent() == 10; });
    view.answer = false;
    session.close();
    EXPECT_EQ(view.questions, std::vector<std::u16string>{std::u16string(kCancelDownloadQuestion)});
    EXPECT_FALSE(session.hasEnded());
    view.answer = true;
    session.close();
    runUntil([&] { return session.hasEnded(); });
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndCancelled});
    EXPECT_EQ(session.incompleteSlots(), std::vector<int>{1});
}

TEST_F(WriteSessionTest, SessionDestroyedUnderTheQuestionIsNotTouchedAgain)
{
    addTable(0, u"English", 1);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.blocksSent() == 10; });
    questions.onAsk = [this] {
        m_session.reset();
        return true;
    };
    session.requestCancel();
    host.advance(10000);
    EXPECT_TRUE(view.endCodes.empty());
    expectPortReleased();
}

TEST_F(WriteSessionTest, LineFaultInTheSecondSlotNamesOnlyThatSlot)
{
    addTable(0, u"English", 1);
    addTable(2, u"Deutsch", 2);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.blocksSent() == kBlocks + 100; }, 400000);
    keyboard.failLine(comm_event::kFrame);
    host.advance(100);

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(session.errorText(), u"An internal error occurred (code: FSM-30-10).\n\n" + incompleteText(3));
    EXPECT_EQ(session.slotState(0), SlotWriteState::Written);
    EXPECT_EQ(session.incompleteSlots(), std::vector<int>{3});
    EXPECT_EQ(slotEvents, (std::vector<std::pair<int, SlotOutcome>>{{1, SlotOutcome::Written}}));
}

// A fault of the keyboard at one frame of the write.
struct FaultCase {
    const char* name;
    FrameType frame;
    std::size_t nth;
    Fault fault;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<FaultCase> faultCases()
{
    struct Point {
        const char* name;
        FrameType frame;
        std::size_t nth;
    };
    const Point points[] = {{"Erase", FrameType::C1, 1},
                            {"FirstBlock", FrameType::S2, 1},
                            {"MiddleBlock", FrameType::S2, 2048},
                            {"LastBlock", FrameType::S2, kBlocks},
                            {"EndOfData", FrameType::S8, 1}};
    const std::pair<const char*, Fault> kinds[] = {
        {"Dropped", Fault::Drop}, {"CE", Fault::CE}, {"FE", Fault::FE}, {"Late", Fault::Late}};
    static std::vector<std::string> names;
    std::vector<FaultCase> cases;
    names.reserve(std::size(points) * std::size(kinds));
    for (const auto& p : points) {
        for (const auto& [kindName, fault] : kinds) {
            names.push_back(std::string(kindName) + "At" + p.name);
            cases.push_back({names.back().c_str(), p.frame, p.nth, fault});
        }
    }
    return cases;
}

std::u16string faultText(Fault fault)
{
    switch (fault) {
    case Fault::CE:
        return std::u16string(texts::kCommunicationError);
    case Fault::FE:
        return std::u16string(texts::kCommandError);
    default:
        return std::u16string(texts::kTransferTimedOut);
    }
}

class WriteSessionFault : public WriteSessionTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(WriteSessionFault, LeavesTheSlotReportedIncompleteAndNeverComplete)
{
    const FaultCase& c = GetParam();
    keyboard.faults = {{c.frame, c.nth, c.fault}};
    addTable(0, u"English", 5);
    auto& session = makeSession();
    session.start();
    runUntil([&] { return session.hasEnded(); });

    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    std::u16string expected = faultText(c.fault);
    expected.append(u"\n\n").append(incompleteText(1));
    EXPECT_EQ(session.errorText(), expected);
    EXPECT_EQ(view.messages, std::vector<std::u16string>{expected});
    EXPECT_EQ(session.incompleteSlots(), std::vector<int>{1});
    EXPECT_EQ(session.slotState(0), SlotWriteState::Erased);
    EXPECT_FALSE(contains(view.progressTexts, texts::kTransferComplete));
    EXPECT_TRUE(slotEvents.empty());
    // Nothing is sent after the failing frame.
    EXPECT_EQ(keyboard.frames.back().type, c.frame);
    EXPECT_EQ(keyboard.countOf(c.frame), c.nth);
    expectPortReleased();
}

INSTANTIATE_TEST_SUITE_P(Points, WriteSessionFault, ::testing::ValuesIn(faultCases()),
                         [](const auto& info) { return std::string(info.param.name); });

struct RetryCase {
    const char* name;
    std::vector<ScriptedKeyboard::FaultAt> faults;
    int retries;
    bool succeeds;
};

void PrintTo(const RetryCase& c, std::ostream* os)
{
    *os << c.name;
}

class WriteSessionRetry : public WriteSessionTest, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(WriteSessionRetry, ResentFrameGivesTheSameFlashAsAWriteWithoutFaults)
{
    const RetryCase& c = GetParam();
    keyboard.faults = c.faults;
    const auto& table = addTable(0, u"English", 9);
    auto& session = makeSession({.endWhenComplete = true, .frameRetries = c.retries});
    session.start();
    runUntil([&] { return session.hasEnded(); });

    if (c.succeeds) {
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
        EXPECT_EQ(keyboard.flash[0], imageOf(table));
        EXPECT_EQ(session.framesResent(), static_cast<int>(c.faults.size()));
        EXPECT_EQ(session.blocksSent(), kBlocks);
        EXPECT_TRUE(session.incompleteSlots().empty());
    } else {
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
        EXPECT_EQ(session.incompleteSlots(), std::vector<int>{1});
    }
}

// Unplugged mid-slot: the device vanishes, or the next frame cannot be written.
TEST_F(WriteSessionTest, APortThatFailsMidSlotIsThePortsFailureAndNamesTheSlot)
{
    for (const bool vanishes : {true, false}) {
        addTable(0, u"English", 3);
        auto& session = makeSession();
        session.start();
        runUntil([&] { return session.blocksSent() == 2048; });
        ASSERT_FALSE(session.hasEnded());
        if (vanishes)
            keyboard.failLine(comm_event::kDeviceLost);
        else
            keyboard.writeFails = true;
        runUntil([&] { return session.hasEnded(); }, 20000);
        keyboard.writeFails = false;

        const char* how = vanishes ? "vanished" : "write failed";
        EXPECT_EQ(view.endCodes.back(), kEndError) << how;
        EXPECT_EQ(session.failure(), SessionFailure::PortLost) << how;
        EXPECT_EQ(session.incompleteSlots(), std::vector<int>{1}) << how;
        EXPECT_NE(session.errorText().find(incompleteText(1)), std::u16string::npos) << how;
        EXPECT_FALSE(session.detail().empty()) << how << ": what the port said is kept";
        expectPortReleased();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteSessionRetry,
    ::testing::Values(RetryCase{"droppedBlockOneRetry", {{FrameType::S2, 100, Fault::Drop}}, 1, true},
                      RetryCase{"droppedBlockNoRetry", {{FrameType::S2, 100, Fault::Drop}}, 0, false},
                      RetryCase{"refusedEraseOneRetry", {{FrameType::C1, 1, Fault::CE}}, 1, true},
                      RetryCase{"twoBlocksEachRetriedOnce",
                                {{FrameType::S2, 5, Fault::Drop}, {FrameType::S2, 7, Fault::CE}},
                                1,
                                true},
                      RetryCase{"sameBlockTwiceOneRetry",
                                {{FrameType::S2, 5, Fault::Drop}, {FrameType::S2, 6, Fault::Drop}},
                                1,
                                false},
                      RetryCase{"commandErrorIsNotRetried", {{FrameType::S2, 5, Fault::FE}}, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::transfer
