#include "sim/fault_plan.h"
#include "sim_test_support.h"

#include <gtest/gtest.h>

namespace tarvo::sim::testing {
namespace {

namespace frames = serial::frames;

std::vector<FaultSpec> faults(std::initializer_list<const char*> specs)
{
    std::vector<FaultSpec> out;
    for (const char* text : specs) {
        FaultSpec spec;
        std::string error;
        EXPECT_TRUE(parseFaultSpec(text, spec, error)) << text << ": " << error;
        out.push_back(spec);
    }
    return out;
}

TEST(FaultSpecParsing, AcceptsEachKindWithItsFields)
{
    struct Case {
        const char* text;
        FaultKind kind;
        std::optional<frames::FrameType> frame;
        int count;
        int lateMs;
    };
    const Case cases[] = {
        {"drop:T7:1", FaultKind::Drop, frames::FrameType::T7, 1, 0},
        {"corrupt:T0:12", FaultKind::Corrupt, frames::FrameType::T0, 12, 0},
        {"late:S2:3:7000", FaultKind::Late, frames::FrameType::S2, 3, 7000},
        {"ce:C1:2", FaultKind::AnswerCE, frames::FrameType::C1, 2, 0},
        {"fe:S8:1", FaultKind::AnswerFE, frames::FrameType::S8, 1, 0},
        {"garbage:4", FaultKind::Garbage, std::nullopt, 4, 0},
        {"flip:S2:4096", FaultKind::Flip, frames::FrameType::S2, 4096, 0},
        {"stop:10", FaultKind::Stop, std::nullopt, 10, 0},
    };
    for (const auto& c : cases) {
        FaultSpec spec;
        std::string error;
        ASSERT_TRUE(parseFaultSpec(c.text, spec, error)) << c.text << ": " << error;
        EXPECT_EQ(spec.kind, c.kind) << c.text;
        EXPECT_EQ(spec.frame, c.frame) << c.text;
        EXPECT_EQ(spec.count, c.count) << c.text;
        EXPECT_EQ(spec.lateMs, c.lateMs) << c.text;
    }
}

TEST(FaultSpecParsing, RejectsMalformedSpecs)
{
    for (const char* text : {"", "drop", "drop:T7", "drop:T9:1", "drop:T7:0", "drop:T7:-1", "drop:T7:x",
                             "drop:T7:1:5", "late:S2:1", "late:S2:1:999999999", "flip:T0:1", "garbage:C0:1",
                             "stop:", "explode:1", "DROP:T7:1", "drop:t7:1"}) {
        FaultSpec spec;
        std::string error;
        EXPECT_FALSE(parseFaultSpec(text, spec, error)) << "\"" << text << "\"";
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(KeyboardFaults, DropSilencesOnlyTheNthFrameOfItsType)
{
    SimHarness h({}, faults({"drop:T7:2"}));
    EXPECT_EQ(h.ask(frames::buildReadIdentity()).size(), 16u);
    EXPECT_EQ(h.ask(frames::buildPing()).size(), 18u) << "other types do not count";
    EXPECT_TRUE(h.ask(frames::buildReadIdentity()).empty());
    EXPECT_EQ(h.ask(frames::buildReadIdentity()).size(), 16u);
}

TEST(KeyboardFaults, DroppedOrRefusedFramesAreNotCarriedOut)
{
    for (const char* spec : {"drop:C1:1", "ce:C1:1", "fe:C1:1"}) {
        SimHarness h({}, faults({spec}));
        h.flash.storeSlot(0, Bytes(KeyboardFlash::kSlotBytes, 0x42), SlotState::Complete);
        const Bytes reply = h.ask(frames::buildSelectTable(0));
        EXPECT_EQ(h.flash.state(0), SlotState::Complete) << spec;
        EXPECT_EQ(h.flash.slotImage(0)[100], 0x42) << spec;
        const std::string s(spec);
        const Bytes expected = s[0] == 'c' ? text("CE") : s[0] == 'f' ? text("FE") : Bytes{};
        EXPECT_EQ(reply, expected) << spec;
    }
}

TEST(KeyboardFaults, CorruptRepliesFailTheClientsCheck)
{
    SimHarness h({}, faults({"corrupt:C0:1", "corrupt:T7:1", "corrupt:C1:1", "corrupt:T0:1"}));
    EXPECT_FALSE(frames::isBanner(h.ask(frames::buildPing())));
    EXPECT_FALSE(frames::isKeyboardIdReply(h.ask(frames::buildReadIdentity())));
    EXPECT_EQ(frames::recogniseStatus(h.ask(frames::buildSelectTable(0))), frames::StatusReply::Unknown);
    const auto data =
        frames::decodeDataReply(h.ask(frames::buildReadBlock(0, 0, frames::kAddressModeLinear)));
    EXPECT_FALSE(data.valid);
    EXPECT_TRUE(data.badPacket);
    // Only the first of each is corrupted.
    EXPECT_TRUE(frames::isBanner(h.ask(frames::buildPing())));
    EXPECT_TRUE(
        frames::decodeDataReply(h.ask(frames::buildReadBlock(0, 0, frames::kAddressModeLinear))).valid);

    KeyboardOptions paged;
    paged.bootloader = {1, 0};
    SimHarness p(paged, faults({"corrupt:T0:1"}));
    EXPECT_FALSE(
        frames::decodeDumpLine(p.ask(frames::buildReadBlock(0, 0, frames::kAddressModePaged))).valid);
    EXPECT_TRUE(frames::decodeDumpLine(p.ask(frames::buildReadBlock(0, 0, frames::kAddressModePaged))).valid);
}

TEST(KeyboardFaults, LateDelaysTheReplyByItsMilliseconds)
{
    SimHarness h({}, faults({"late:S8:1:7000"}));
    ASSERT_EQ(h.ask(frames::buildSelectTable(0)), text("OK"));
    const auto responses = h.feed(bytesOf(frames::buildEndOfData()), 5);
    ASSERT_EQ(responses.size(), 1u);
    EXPECT_EQ(responses[0].reply, text("OK"));
    EXPECT_EQ(responses[0].lateMs, 7000);
}

TEST(KeyboardFaults, GarbageComesBeforeTheNthReply)
{
    SimHarness h({}, faults({"garbage:2"}));
    EXPECT_EQ(h.ask(frames::buildSelectTable(0)), text("OK"));
    Bytes expected(KeyboardSimulator::kNoise.begin(), KeyboardSimulator::kNoise.end());
    expected.push_back('O');
    expected.push_back('K');
    EXPECT_EQ(h.ask(frames::buildImageBlock(0, 0, patternBlock(0))), expected);
    EXPECT_EQ(h.ask(frames::buildImageBlock(0, 1, patternBlock(1))), text("OK"));
}

TEST(KeyboardFaults, FlipStoresTheNthBlockWithOneBitChanged)
{
    SimHarness h({}, faults({"flip:S2:2"}));
    ASSERT_EQ(h.ask(frames::buildSelectTable(3)), text("OK"));
    for (int block = 0; block < 3; ++block)
        EXPECT_EQ(h.ask(frames::buildImageBlock(3, block, patternBlock(block))), text("OK"));
    for (int block = 0; block < 3; ++block) {
        const auto stored = h.flash.bytes(frames::blockAddress(3, block), 16);
        const auto sent = patternBlock(block);
        int differentBits = 0;
        for (std::size_t i = 0; i < 16; ++i)
            differentBits += __builtin_popcount(static_cast<unsigned>(stored[i] ^ sent[i]));
        EXPECT_EQ(differentBits, block == 1 ? 1 : 0) << "block " << block;
    }
}

TEST(KeyboardFaults, StopSilencesEverythingAfterNFrames)
{
    SimHarness h({}, faults({"stop:3"}));
    EXPECT_FALSE(h.ask(frames::buildPing()).empty());
    EXPECT_FALSE(h.ask(frames::buildReadIdentity()).empty());
    EXPECT_FALSE(h.ask(frames::buildSelectTable(0)).empty());
    EXPECT_TRUE(h.ask(frames::buildEndOfData()).empty());
    EXPECT_TRUE(h.ask(frames::buildPing()).empty());
    EXPECT_EQ(h.flash.state(0), SlotState::PartlyWritten) << "the silent S8 was not carried out";
}

} // namespace
} // namespace tarvo::sim::testing
