// Slot lists from the identifying blocks, the version rule, and the choice of
// slots from the dialog's lists and from a --slots list.

#include "session_rig.h"
#include "transfer/slot_choice.h"
#include "transfer/slot_inspection_session.h"

#include <gtest/gtest.h>

namespace tarvo::transfer {
namespace {

using testing::SessionRig;
using testing::SlotHead;

SlotHead head(int byte0, int major, int minor, int languageId)
{
    SlotHead h{};
    h[0] = static_cast<std::uint8_t>(byte0);
    h[1] = 'E';
    h[330] = 1;
    h[333] = static_cast<std::uint8_t>(major);
    h[334] = static_cast<std::uint8_t>(minor);
    h[335] = static_cast<std::uint8_t>(languageId);
    return h;
}

TEST(DownloadVersionRule, AcceptsOnlyWrittenVersionsFromOneNinetyFour)
{
    struct Case {
        int major, minor;
        bool accepted;
    };
    for (const Case& c : {Case{1, 94, true}, Case{1, 93, false}, Case{2, 0, true}, Case{0, 99, false},
                          Case{0xFF, 94, false}, Case{1, 0xFF, false}, Case{3, 10, true}})
        EXPECT_EQ(isTableVersionAccepted(c.major, c.minor), c.accepted) << c.major << "." << c.minor;
}

class DownloadInspectionTest : public ::testing::Test, public SessionRig {
protected:
    SlotInspectionSession& run()
    {
        m_session = std::make_unique<SlotInspectionSession>(host, view, port, settings,
                                                            SessionOptions{.endWhenComplete = true});
        m_session->start();
        runUntilEnd(*m_session, 600000);
        return *m_session;
    }
    std::unique_ptr<SlotInspectionSession> m_session;
};

TEST_F(DownloadInspectionTest, BlankOrHalfWrittenSlotOneStaysWritable)
{
    for (const SlotHead& first : {head(0xFF, 0xFF, 0xFF, 0xFF), head(3, 0xFF, 0xFF, 1)}) {
        keyboard.slots[0] = first;
        keyboard.slots[1] = head(3, 1, 94, 7);
        auto& session = run();
        ASSERT_EQ(view.endCodes.back(), kEndComplete);
        ASSERT_EQ(session.listings().size(), 13u);
        const SlotListing& one = session.listings()[0];
        EXPECT_TRUE(one.recoverable);
        EXPECT_TRUE(one.enabled);
        ASSERT_EQ(one.entries.size(), 3u);
        EXPECT_EQ(one.entries[0].text, kEntryFlashBlank);
        EXPECT_EQ(one.entries[1].kind, SlotEntryKind::DoNotDownload);
        EXPECT_TRUE(session.listings()[1].holdsAcceptedTable());
    }
}

TEST_F(DownloadInspectionTest, OldTablesInSlotOneEndTheSession)
{
    keyboard.slots[0] = head(3, 1, 93, 1);
    run();
    EXPECT_EQ(view.endCodes, std::vector<int>{kEndError});
    EXPECT_EQ(m_session->errorText(), kOldTablesInSlotOne);
}

// The inspection leads to moving tables: it reads only checked replies, and a
// 1.00 bootloader, which answers with dump lines, fails it with its version named.
TEST_F(DownloadInspectionTest, ReadsLinearAddressesWhateverTheBootloader)
{
    struct Case {
        int major, minor;
        bool completes;
    };
    for (const Case& c : {Case{2, 0, true}, Case{1, 1, true}, Case{1, 0, false}}) {
        keyboard.id.bytes[8] = static_cast<std::uint8_t>(c.major);
        keyboard.id.bytes[9] = static_cast<std::uint8_t>(c.minor);
        keyboard.frames.clear();
        view.endCodes.clear();
        keyboard.slots[1] = head(3, 1, 94, 7);
        auto& session = run();
        const std::string label = std::to_string(c.major) + "." + std::to_string(c.minor);
        ASSERT_FALSE(view.endCodes.empty()) << label;
        EXPECT_EQ(view.endCodes.back(), c.completes ? kEndComplete : kEndError) << label;
        for (const auto& frame : keyboard.frames) {
            // The last block (linear 0xFFF0) is the one linear read in that window.
            constexpr std::uint32_t kLastBlockAddress = 0xFFF0;
            if (frame.type == serial::frames::FrameType::T0 &&
                (frame.address & 0xFFFFu) != kLastBlockAddress) {
                EXPECT_EQ(frame.address & 0x8000u, 0u)
                    << label << ": a paged address lies in the 0x8000 window";
            }
        }
        if (c.completes) {
            ASSERT_EQ(session.listings().size(), 13u) << label;
            EXPECT_TRUE(session.listings()[1].holdsAcceptedTable()) << label;
        } else {
            EXPECT_EQ(session.failure(), SessionFailure::Refused);
            EXPECT_NE(session.errorText().find(u"bootloader is version 1.00"), std::u16string::npos);
        }
    }
}

std::vector<SlotListing> listingsOf(const std::vector<SlotHead>& heads)
{
    std::vector<SlotListing> listings;
    for (std::size_t k = 0; k < heads.size(); ++k) {
        serial::TableInfoBlock info;
        std::copy_n(heads[k].begin(), 32, info.bytes.begin());
        std::copy_n(heads[k].begin() + 320, 16, info.bytes.begin() + 32);
        listings.push_back(makeSlotListing(static_cast<int>(k) + 1, info));
    }
    return listings;
}

TEST(DownloadSlotChoice, DoNotDownloadAndLabelsNeverChooseASlot)
{
    const auto listings = listingsOf({head(3, 1, 94, 7), head(0xFF, 0xFF, 0xFF, 0xFF), head(3, 2, 0, 9)});
    const std::vector<int> document = {9, 7};
    const SlotChoice none = chooseFromSelections(listings, {0, 1, 0}, document);
    EXPECT_FALSE(none.ok);
    const SlotChoice some = chooseFromSelections(listings, {1, 1, 1}, document);
    ASSERT_TRUE(some.ok);
    EXPECT_EQ(some.map[0], 1);
    EXPECT_EQ(some.map[1], kNoTable);
    EXPECT_EQ(some.map[2], 0);
}

TEST(DownloadSlotChoice, RequestsAreCheckedBeforeAnythingIsErased)
{
    const auto listings = listingsOf({head(3, 1, 94, 7), head(0xFF, 0xFF, 0xFF, 0xFF), head(3, 1, 94, 7),
                                      head(3, 1, 94, 5), head(3, 1, 94, 7)});
    const std::vector<int> document = {7, 5};
    struct Case {
        std::string slots;
        bool ok;
        std::array<int, 5> firstFive;
    };
    const int n = kNoTable;
    for (const Case& c :
         {Case{"4", true, {n, n, n, 1, n}}, Case{"2=0", true, {n, 0, n, n, n}}, Case{"2", false, {}},
          Case{"6", false, {}}, Case{"1,3", false, {}}, Case{"1=0,3=0", true, {0, n, 0, n, n}},
          Case{"1,3=0", false, {}}, Case{"4=2", false, {}}}) {
        std::u16string message;
        const auto requests = parseSlotList(c.slots, message);
        ASSERT_TRUE(requests) << c.slots;
        const SlotChoice choice = chooseFromRequests(listings, 5, *requests, document);
        EXPECT_EQ(choice.ok, c.ok) << c.slots;
        EXPECT_EQ(choice.message.empty(), c.ok) << c.slots;
        if (!c.ok)
            continue;
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_EQ(choice.map[k], c.firstFive[k]) << c.slots << " slot " << k + 1;
    }
    // Without a list, slots 1, 3 and 5 all hold language 7: one document table for three slots.
    EXPECT_FALSE(chooseFromRequests(listings, 5, {}, document).ok);
}

TEST(DownloadSlotChoice, MalformedSlotListsAreRefused)
{
    for (const char* text : {"", "0", "14", "1,,2", "a", "1=x", "1=-1", "2,2=1"}) {
        std::u16string message;
        EXPECT_FALSE(parseSlotList(text, message)) << text;
        EXPECT_FALSE(message.empty()) << text;
    }
}

} // namespace
} // namespace tarvo::transfer
