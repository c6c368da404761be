// The query session: identity, three blocks of every slot in the address mode
// of the keyboard's bootloader, and one row per slot.

#include "model/keyboard_fonts.h"
#include "session_rig.h"
#include "transfer/query_session.h"
#include "transfer/session_texts.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

using namespace serial;
using frames::FrameType;
using testing::SessionRig;
using testing::SlotHead;

SlotHead tableHead(const std::u16string& name, int font, int languageId, int versionCode = 0)
{
    SlotHead head{};
    head[0] = 3;
    for (std::size_t i = 0; i < name.size() && i < 20; ++i)
        head[1 + i] = static_cast<std::uint8_t>(model::KeyboardFonts::instance().toDevice(font, name[i]));
    head[330] = static_cast<std::uint8_t>(font);
    head[331] = static_cast<std::uint8_t>(versionCode);
    head[333] = 1;
    head[334] = 94;
    head[335] = static_cast<std::uint8_t>(languageId);
    return head;
}

class QuerySessionTest : public ::testing::Test, public SessionRig {
protected:
    QuerySession& runQuery()
    {
        m_session = std::make_unique<QuerySession>(host, view, port, settings,
                                                   SessionOptions{.endWhenComplete = true});
        m_session->start();
        runUntilEnd(*m_session, 600000);
        return *m_session;
    }
    std::unique_ptr<QuerySession> m_session;
};

TEST_F(QuerySessionTest, RowsShowPresentEmptyAndBlankSlots)
{
    keyboard.slots[0] = tableHead(u"English", 1, 1);
    keyboard.slots[1].fill(0);
    keyboard.slots[2] = tableHead(u"Deutsch", 2, 7, 3);
    auto& session = runQuery();
    ASSERT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    ASSERT_EQ(session.rows().size(), 13u);
    const auto& rows = session.rows();
    EXPECT_EQ(rows[0].description, u"1  English");
    EXPECT_EQ(rows[0].versionText, u"1.94");
    EXPECT_EQ(rows[0].languageIdText, u"1");
    EXPECT_EQ(rows[1].description, u"2  ( empty )");
    EXPECT_EQ(rows[1].versionText, u"-----");
    EXPECT_EQ(rows[2].description, u"3  Deutsch");
    EXPECT_EQ(rows[2].fontText, u"2");
    EXPECT_EQ(rows[2].versionText, u"1.10");
    EXPECT_EQ(rows[12].description, u"13  ( flashed clear )");
    EXPECT_EQ(session.dataSchema(), 3);
    EXPECT_TRUE(session.dataSchemaRecognised());
}

TEST_F(QuerySessionTest, SlotCountFollowsTheGeneration)
{
    struct Case {
        int generation;
        std::size_t rows;
    };
    for (const Case& c : {Case{0, 5}, Case{1, 5}, Case{2, 13}, Case{3, 0}}) {
        SessionRig rig;
        rig.keyboard.id.bytes[6] = static_cast<std::uint8_t>(c.generation);
        QuerySession session(rig.host, rig.view, rig.port, rig.settings, {.endWhenComplete = true});
        session.start();
        rig.runUntilEnd(session, 600000);
        EXPECT_EQ(rig.view.endCodes, std::vector<int>{kEndComplete}) << c.generation;
        EXPECT_EQ(session.rows().size(), c.rows) << c.generation;
        EXPECT_EQ(rig.keyboard.countOf(FrameType::T0), 3 * c.rows) << c.generation;
    }
}

// The T0 address of a block, written out from the two address rules.
std::uint32_t expectedAddress(int addressMode, int slot, int block)
{
    const std::uint32_t linear =
        (static_cast<std::uint32_t>(slot) << 16) + 16u * static_cast<std::uint32_t>(block);
    if (addressMode == 2)
        return linear;
    const std::uint32_t page = (linear >> 14) & 0xFF;
    const std::uint32_t high = 0x80u | ((static_cast<std::uint32_t>(block) >> 4) & 0x3Fu);
    const std::uint32_t low = (static_cast<std::uint32_t>(block) << 4) & 0xFFu;
    return (page << 16) | (high << 8) | low;
}

TEST_F(QuerySessionTest, BootloaderVersionChoosesTheAddressMode)
{
    struct Case {
        int major, minor, mode;
    };
    for (const Case& c : {Case{1, 0, 1}, Case{1, 1, 2}, Case{2, 0, 2}, Case{0, 0, 2}}) {
        SessionRig rig;
        rig.keyboard.id.bytes[6] = 1;
        rig.keyboard.id.bytes[8] = static_cast<std::uint8_t>(c.major);
        rig.keyboard.id.bytes[9] = static_cast<std::uint8_t>(c.minor);
        rig.keyboard.slots[4] = tableHead(u"Polski", 3, 21);
        QuerySession session(rig.host, rig.view, rig.port, rig.settings, {.endWhenComplete = true});
        session.start();
        rig.runUntilEnd(session, 600000);
        ASSERT_EQ(rig.view.endCodes, std::vector<int>{kEndComplete}) << c.major << "." << c.minor;
        std::vector<std::uint32_t> addresses;
        for (const auto& f : rig.keyboard.frames)
            if (f.type == FrameType::T0)
                addresses.push_back(f.address);
        std::vector<std::uint32_t> expected;
        for (int slot = 0; slot < 5; ++slot)
            for (int block : {0, 1, 20})
                expected.push_back(expectedAddress(c.mode, slot, block));
        // Only the slot holding a table has its last block read as well.
        expected.push_back(expectedAddress(c.mode, 4, 4095));
        EXPECT_EQ(addresses, expected) << c.major << "." << c.minor;
        ASSERT_EQ(session.rows().size(), 5u);
        EXPECT_EQ(session.rows()[4].description, u"5  Polski");
        EXPECT_EQ(session.rows()[4].languageIdText, u"21");
    }
}

TEST_F(QuerySessionTest, EveryReplyIsTimedFromItsOwnCommand)
{
    // 39 reads, each answered 5 s late: far beyond one time-out in all, none late.
    keyboard.replyDelayMs = 5000;
    auto& session = runQuery();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(session.rows().size(), 13u);
    EXPECT_GT(host.nowMs(), 40 * 5000);
}

TEST_F(QuerySessionTest, BlockReplyAfterEightSecondsTimesOut)
{
    keyboard.delayFor[FrameType::T0] = 8000;
    auto& session = runQuery();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"Error: The transfer has timed out."});
    EXPECT_EQ(session.failure(), SessionFailure::NoAnswer);
    EXPECT_TRUE(session.rows().empty());
}

TEST_F(QuerySessionTest, BlockReplyWithBadCheckByteIsRefused)
{
    std::array<std::uint8_t, frames::kBlockDataBytes> data{};
    auto reply = frames::buildDataReply(data);
    reply.back() ^= 0x01;
    keyboard.replyFor[FrameType::T0] = reply;
    auto& session = runQuery();
    EXPECT_EQ(view.messages, std::vector<std::u16string>{u"An internal error occurred (code: FSM-27)."});
    EXPECT_EQ(session.failure(), SessionFailure::Refused);
}

TEST_F(QuerySessionTest, AnyKeyboardTypeIsQueried)
{
    keyboard.id.bytes[7] = 0x10;
    keyboard.id.bytes[15] = 9;
    auto& session = runQuery();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndComplete});
    EXPECT_EQ(session.dataSchema(), 9);
    EXPECT_FALSE(session.dataSchemaRecognised());
}

TEST_F(QuerySessionTest, StatusLineNamesTheSpeedBeingPingedAndClearsForReading)
{
    keyboard.baudRate = 57600;
    runQuery();
    ASSERT_GE(view.statusHistory.size(), 3u);
    EXPECT_EQ(view.statusHistory[0], texts::kStatusPinging19200);
    EXPECT_EQ(view.statusHistory[1], texts::kStatusPinging57600);
    EXPECT_EQ(view.statusHistory[2], u"");
    EXPECT_EQ(settings.baudIndex, kBaudIndex57600);
}

} // namespace
} // namespace tarvo::transfer
