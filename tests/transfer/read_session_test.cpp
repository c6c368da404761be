// The read session: two identifying blocks per chosen slot, then each chosen
// slot's 4096 blocks in slot order; the images come back only when every
// block of every chosen slot is in and the session ended complete.

#include "session_rig.h"
#include "transfer/read_session.h"
#include "transfer/session_texts.h"

#include <gtest/gtest.h>

#include <utility>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::SessionRig;

constexpr std::int64_t kReadLimitMs = 1'000'000;
constexpr std::u16string_view kTimedOut = u"Error: The transfer has timed out.";

// Records what the session shows, table lines included.
class ReadView final : public SessionView {
public:
    struct Shown {
        int done;
        int total;
        std::u16string tableLine;
    };

    void setStatusText(const messages::Message& text) override { statusTexts.push_back(text.text()); }
    void showProgress(int code, const messages::Message& text) override
    {
        progress.emplace_back(code, text.text());
    }
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override
    {
        blocks.push_back({done, total, tableLine.text()});
    }
    void showMessage(const messages::Message& text) override { messages.push_back(text.text()); }
    bool ask(const messages::Message&) override { return true; }
    void sessionEnded(int endCode) override { endCodes.push_back(endCode); }

    std::vector<std::u16string> textsOf(int code) const
    {
        std::vector<std::u16string> out;
        for (const auto& [c, text] : progress)
            if (c == code)
                out.push_back(text);
        return out;
    }

    std::vector<std::u16string> statusTexts;
    std::vector<std::pair<int, std::u16string>> progress;
    std::vector<Shown> blocks;
    std::vector<std::u16string> messages;
    std::vector<int> endCodes;
};

// A different byte at every offset of every slot, so a block read from the
// wrong place or stored at the wrong offset shows.
std::vector<std::uint8_t> flashOf(int slot)
{
    std::vector<std::uint8_t> image(kImageBytes);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8) * 13 + static_cast<std::size_t>(slot) * 31 + 1);
    return image;
}

ReadRequest requestFor(std::initializer_list<std::pair<int, int>> slotEntries,
                       std::vector<std::u16string> names = {}, bool mergeMode = false)
{
    ReadRequest request;
    for (const auto& [slot, entry] : slotEntries)
        request.slotMap[static_cast<std::size_t>(slot)] = entry;
    request.tableNames = std::move(names);
    request.mergeMode = mergeMode;
    return request;
}

class ReadSessionTest : public ::testing::Test, public SessionRig {
protected:
    ReadSessionTest()
    {
        for (int slot = 0; slot < kMaxSlots; ++slot)
            keyboard.flash[static_cast<std::size_t>(slot)] = flashOf(slot);
    }

    ReadSession& makeSession(ReadRequest request, bool endWhenComplete = true)
    {
        m_session = std::make_unique<ReadSession>(host, readView, port, settings, std::move(request),
                                                  SessionOptions{.endWhenComplete = endWhenComplete});
        return *m_session;
    }

    ReadSession& runRead(ReadRequest request)
    {
        auto& session = makeSession(std::move(request));
        session.start();
        runUntilEnd(session, kReadLimitMs);
        return session;
    }

    static bool noImages(const ReadSession& session)
    {
        for (const auto& image : session.images())
            if (!image.empty())
                return false;
        return true;
    }

    std::vector<std::uint32_t> t0Addresses() const
    {
        std::vector<std::uint32_t> out;
        for (const auto& f : keyboard.frames)
            if (f.type == FrameType::T0)
                out.push_back(f.address);
        return out;
    }

    ReadView readView;
    std::unique_ptr<ReadSession> m_session;
};

TEST_F(ReadSessionTest, TwoSlotsReadTwoInfoBlocksEachThenBothImagesInSlotOrder)
{
    std::vector<BlockProgress> events;
    std::vector<std::pair<int, SlotOutcome>> outcomes;
    auto& session = makeSession(requestFor({{2, kSlotNewTable}, {0, kSlotNewTable}}));
    session.setProgressListener([&](const BlockProgress& p) { events.push_back(p); });
    session.setSlotListener([&](int slot, SlotOutcome outcome) { outcomes.emplace_back(slot, outcome); });
    session.start();
    runUntilEnd(session, kReadLimitMs);

    ASSERT_EQ(readView.endCodes, std::vector<int>{kEndComplete});
    ASSERT_TRUE(session.imagesComplete());

    std::vector<std::uint32_t> expected = {frames::blockAddress(0, 0), frames::blockAddress(0, 20),
                                           frames::blockAddress(2, 0), frames::blockAddress(2, 20)};
    for (std::uint8_t slot : {0, 2})
        for (int block = 0; block < kImageBlocks; ++block)
            expected.push_back(frames::blockAddress(slot, block));
    EXPECT_EQ(t0Addresses(), expected);

    EXPECT_EQ(session.blocksInAll(), 2 * 4096);
    EXPECT_EQ(session.blocksRead(), 8192);
    ASSERT_EQ(readView.blocks.size(), 8192u);
    for (std::size_t i = 0; i < readView.blocks.size(); ++i) {
        ASSERT_EQ(readView.blocks[i].done, static_cast<int>(i) + 1);
        ASSERT_EQ(readView.blocks[i].total, 8192);
    }
    EXPECT_EQ(readView.textsOf(kProgressBlocks).back(), u"8192 of 8192");

    ASSERT_EQ(events.size(), 4u + 8192u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(events[static_cast<std::size_t>(i)].phase, TransferPhase::Info);
        EXPECT_EQ(events[static_cast<std::size_t>(i)].done, i + 1);
        EXPECT_EQ(events[static_cast<std::size_t>(i)].total, 4);
    }
    EXPECT_EQ(events[4].phase, TransferPhase::Read);
    EXPECT_EQ(events[4].slot, 1);
    EXPECT_EQ(events.back().slot, 3);
    EXPECT_EQ(events.back().done, 8192);
    EXPECT_EQ(outcomes,
              (std::vector<std::pair<int, SlotOutcome>>{{1, SlotOutcome::Read}, {3, SlotOutcome::Read}}));

    for (int slot = 0; slot < kMaxSlots; ++slot) {
        const auto& image = session.images()[static_cast<std::size_t>(slot)];
        if (slot == 0 || slot == 2)
            EXPECT_EQ(image, flashOf(slot)) << slot;
        else
            EXPECT_TRUE(image.empty()) << slot;
    }
    EXPECT_FALSE(port.portInUse());
}

TEST_F(ReadSessionTest, ReadsWithLinearAddressesWhateverTheBootloader)
{
    for (const int bootloaderMinor : {1, 5}) {
        SessionRig rig;
        rig.keyboard.id.bytes[8] = 1;
        rig.keyboard.id.bytes[9] = static_cast<std::uint8_t>(bootloaderMinor);
        rig.keyboard.flash[12] = flashOf(12);
        ReadView view;
        ReadSession session(rig.host, view, rig.port, rig.settings, requestFor({{12, 0}}, {u"English"}),
                            {.endWhenComplete = true});
        session.start();
        rig.runUntilEnd(session, kReadLimitMs);
        ASSERT_TRUE(session.imagesComplete()) << bootloaderMinor;
        EXPECT_EQ(session.images()[12], flashOf(12)) << bootloaderMinor;
        for (const auto& frame : rig.keyboard.frames) {
            if (frame.type == FrameType::T0) {
                EXPECT_EQ(frame.address >> 16, 12u) << "a linear address names the slot in its high byte";
            }
        }
    }
}

// A 1.00 bootloader answers reads only with dump lines, which carry no check
// byte: the read fails at its first block, saying why.
TEST_F(ReadSessionTest, ABootloaderThatAnswersOnlyDumpLinesFailsNamingItsVersion)
{
    SessionRig rig;
    rig.keyboard.id.bytes[8] = 1;
    rig.keyboard.id.bytes[9] = 0;
    rig.keyboard.flash[3] = flashOf(3);
    ReadView view;
    ReadSession session(rig.host, view, rig.port, rig.settings, requestFor({{3, kSlotNewTable}}),
                        {.endWhenComplete = true});
    session.start();
    rig.runUntilEnd(session, kReadLimitMs);
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_FALSE(session.imagesComplete());
    EXPECT_EQ(rig.keyboard.countOf(FrameType::T0), 1u);
    EXPECT_EQ(session.failure(), SessionFailure::Refused);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind(kTimedOut, 0), 0u) << "the read fails as any unanswered read does";
    EXPECT_NE(view.messages[0].find(u"bootloader is version 1.00"), std::u16string::npos);
}

TEST_F(ReadSessionTest, ShowsTheReadDialogTexts)
{
    struct Case {
        bool mergeMode;
        std::u16string_view completeText;
    };
    for (const Case& c :
         {Case{false, u"Transfer Complete"},
          Case{true, u"Finished reading scripts from keyboard for merging, click Ok to transfer the merged "
                     u"scripts."}}) {
        SessionRig rig;
        rig.keyboard.flash[1] = flashOf(1);
        rig.keyboard.flash[4] = flashOf(4);
        ReadView view;
        ReadSession session(rig.host, view, rig.port, rig.settings,
                            requestFor({{1, kSlotNewTable}, {4, 1}}, {u"English", u"Deutsch"}, c.mergeMode),
                            {.progressPauses = true});
        session.start();
        rig.runUntilEnd(session, kReadLimitMs);
        ASSERT_TRUE(session.isComplete()) << c.mergeMode;
        session.close(); // the dialog's OK
        ASSERT_EQ(view.endCodes, std::vector<int>{kEndComplete}) << c.mergeMode;

        std::vector<int> codes;
        for (const auto& [code, text] : view.progress)
            if (codes.empty() || codes.back() != code)
                codes.push_back(code);
        EXPECT_EQ(codes, (std::vector<int>{kProgressCleared, kProgressEstablishing, kProgressPinging,
                                           kProgressPong, kProgressReadingId, kProgressIdReceived,
                                           kProgressFlashing, kProgressBlocks, kProgressComplete}));
        EXPECT_EQ(view.textsOf(kProgressFlashing),
                  std::vector<std::u16string>(4, u"Reading Language Table Information"));
        EXPECT_EQ(view.textsOf(kProgressComplete),
                  std::vector<std::u16string>{std::u16string(c.completeText)});
        EXPECT_EQ(view.statusTexts, std::vector<std::u16string>(2, u"Reading Script Menus:"));
        const auto counters = view.textsOf(kProgressBlocks);
        ASSERT_EQ(counters.size(), 8192u);
        EXPECT_EQ(counters.front(), u"1 of 8192");
        EXPECT_EQ(counters[4096], u"4097 of 8192");
        ASSERT_EQ(view.blocks.size(), 8192u);
        EXPECT_EQ(view.blocks.front().tableLine, u"Script Menu 2 to (new language table)");
        EXPECT_EQ(view.blocks[4095].tableLine, u"Script Menu 2 to (new language table)");
        EXPECT_EQ(view.blocks[4096].tableLine, u"Reading Language Table  Deutsch:");
        EXPECT_TRUE(view.messages.empty());
    }
}

TEST_F(ReadSessionTest, SlotBeyondTheKeyboardsSlotCountEndsBeforeAnyRead)
{
    struct Case {
        int generation;
        int slot; // 0-based
        bool refused;
        std::u16string_view message;
    };
    const std::u16string_view fiveSlots = u"Error: The keyboard only supports 5 language tables.\n\n"
                                          u"Uploads must be restricted to keyboard language tables 1 - 5.";
    for (const Case& c : {Case{1, 5, true, fiveSlots}, Case{0, 12, true, fiveSlots}, Case{1, 4, false, {}},
                          Case{2, 12, false, {}}}) {
        SessionRig rig;
        rig.keyboard.id.bytes[6] = static_cast<std::uint8_t>(c.generation);
        rig.keyboard.flash[static_cast<std::size_t>(c.slot)] = flashOf(c.slot);
        ReadView view;
        ReadSession session(rig.host, view, rig.port, rig.settings, requestFor({{c.slot, kSlotNewTable}}),
                            {.endWhenComplete = true});
        session.start();
        rig.runUntilEnd(session, kReadLimitMs);
        if (c.refused) {
            EXPECT_EQ(view.endCodes, std::vector<int>{kEndError}) << c.generation << "/" << c.slot;
            EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(c.message)});
            EXPECT_EQ(rig.keyboard.countOf(FrameType::T0), 0u);
            EXPECT_FALSE(session.imagesComplete());
        } else {
            EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete}) << c.generation << "/" << c.slot;
            EXPECT_EQ(session.images()[static_cast<std::size_t>(c.slot)], flashOf(c.slot));
        }
    }
}

enum class Fault { Silent, WrongHeader, WrongCheckByte, CommunicationError };

TEST_F(ReadSessionTest, FailureAnywhereInTheReadHandsBackNoImages)
{
    // Slots 1 and 2 are read: T0s 1-4 are the identifying blocks, 5-4100
    // slot 1's image and 4101-8196 slot 2's.
    struct Case {
        Fault fault;
        std::size_t t0Number;
        std::u16string_view message;
    };
    const std::u16string_view badChecksum = u"Error: Bad checksum on incoming packet.";
    const Case cases[] = {
        {Fault::Silent, 5, kTimedOut},
        {Fault::Silent, 4100 + 2000, kTimedOut},
        {Fault::Silent, 8196, kTimedOut},
        {Fault::WrongCheckByte, 5, badChecksum},
        {Fault::WrongCheckByte, 4100 + 2000, badChecksum},
        {Fault::WrongCheckByte, 8196, badChecksum},
        {Fault::WrongHeader, 3, badChecksum},
        {Fault::WrongHeader, 8196, badChecksum},
        // "CE" is shorter than a data reply: the reply never completes.
        {Fault::CommunicationError, 5, kTimedOut},
        {Fault::CommunicationError, 8196, kTimedOut},
    };
    for (const Case& c : cases) {
        SessionRig rig;
        rig.keyboard.flash[0] = flashOf(0);
        rig.keyboard.flash[1] = flashOf(1);
        rig.keyboard.t0Fault = [&c](std::size_t n, frames::Reply& reply) {
            if (n != c.t0Number)
                return;
            switch (c.fault) {
            case Fault::Silent:
                reply.clear();
                break;
            case Fault::WrongHeader:
                reply[0] = 'X';
                break;
            case Fault::WrongCheckByte:
                reply.back() = static_cast<std::uint8_t>(reply.back() ^ 0x01);
                break;
            case Fault::CommunicationError:
                reply = frames::buildStatusReply(frames::StatusReply::CE);
                break;
            }
        };
        ReadView view;
        ReadSession session(rig.host, view, rig.port, rig.settings,
                            requestFor({{0, kSlotNewTable}, {1, kSlotNewTable}}), {.endWhenComplete = true});
        session.start();
        rig.runUntilEnd(session, kReadLimitMs);
        const auto label = std::to_string(static_cast<int>(c.fault)) + " at T0 " + std::to_string(c.t0Number);
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndError}) << label;
        EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(c.message)}) << label;
        EXPECT_EQ(rig.keyboard.countOf(FrameType::T0), c.t0Number) << label;
        EXPECT_FALSE(session.imagesComplete()) << label;
        EXPECT_TRUE(noImages(session)) << label;
        EXPECT_TRUE(session.continueFlag()) << label;
        EXPECT_FALSE(rig.port.portInUse()) << label;
    }
}

TEST_F(ReadSessionTest, CancelDuringTheImagesHandsBackNoImages)
{
    auto& session = makeSession(requestFor({{0, kSlotNewTable}, {1, 0}}, {u"English"}));
    session.start();
    for (int t = 0; t < kReadLimitMs && session.blocksRead() < 5000; t += 10)
        host.advance(10);
    ASSERT_GE(session.blocksRead(), 5000);
    session.close();
    EXPECT_EQ(readView.endCodes, std::vector<int>{kEndCancelled});
    EXPECT_EQ(session.failure(), SessionFailure::Cancelled);
    EXPECT_FALSE(session.imagesComplete());
    EXPECT_TRUE(noImages(session));
    EXPECT_TRUE(readView.messages.empty());
    EXPECT_FALSE(port.portInUse());
    const std::size_t framesAtCancel = keyboard.frames.size();
    host.advance(20000);
    EXPECT_EQ(keyboard.frames.size(), framesAtCancel);
}

TEST_F(ReadSessionTest, ImagesComeBackOnlyAfterTheUsersOk)
{
    auto& session = makeSession(requestFor({{3, kSlotNewTable}}), false);
    session.start();
    runUntilEnd(session, kReadLimitMs);
    ASSERT_TRUE(session.isComplete());
    EXPECT_FALSE(session.hasEnded());
    EXPECT_FALSE(session.imagesComplete());
    EXPECT_TRUE(noImages(session));
    session.close();
    EXPECT_EQ(readView.endCodes, std::vector<int>{kEndComplete});
    ASSERT_TRUE(session.imagesComplete());
    EXPECT_EQ(session.images()[3], flashOf(3));
}

TEST_F(ReadSessionTest, ContinueFlagClearsOnlyWhenNoKeyboardAnswersThePing)
{
    struct Case {
        FrameType silent;
        bool continues;
        std::u16string_view message;
    };
    for (const Case& c :
         {Case{FrameType::C0, false, texts::kNoCommunication},
          Case{FrameType::T7, true, texts::kNoKeyboardId}, Case{FrameType::T0, true, kTimedOut}}) {
        SessionRig rig;
        rig.keyboard.silentFor.insert(c.silent);
        ReadView view;
        ReadSession session(rig.host, view, rig.port, rig.settings, requestFor({{0, kSlotNewTable}}),
                            {.endWhenComplete = true});
        EXPECT_TRUE(session.continueFlag());
        session.start();
        rig.runUntilEnd(session, kReadLimitMs);
        EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
        EXPECT_EQ(view.messages, std::vector<std::u16string>{std::u16string(c.message)});
        EXPECT_EQ(session.continueFlag(), c.continues);
        EXPECT_TRUE(noImages(session));
    }
}

TEST_F(ReadSessionTest, ABlockSentAgainAfterATimeOutIsCountedOnce)
{
    keyboard.t0Fault = [](std::size_t n, frames::Reply& reply) {
        if (n == 2 + 1000)
            reply.clear();
    };
    m_session =
        std::make_unique<ReadSession>(host, readView, port, settings, requestFor({{0, kSlotNewTable}}),
                                      SessionOptions{.endWhenComplete = true, .frameRetries = 1});
    m_session->start();
    runUntilEnd(*m_session, kReadLimitMs);
    ASSERT_TRUE(m_session->imagesComplete());
    EXPECT_EQ(keyboard.countOf(FrameType::T0), 2u + 4096u + 1u);
    EXPECT_EQ(m_session->blocksRead(), 4096);
    EXPECT_EQ(readView.blocks.back().done, 4096);
    EXPECT_EQ(m_session->images()[0], flashOf(0));
}

TEST_F(ReadSessionTest, NothingChosenReadsNoBlockAndCompletes)
{
    auto& session = runRead(ReadRequest{});
    EXPECT_EQ(readView.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(keyboard.countOf(FrameType::T0), 0u);
    EXPECT_EQ(session.blocksInAll(), 0);
    EXPECT_TRUE(noImages(session));
}

} // namespace
} // namespace tarvo::transfer
