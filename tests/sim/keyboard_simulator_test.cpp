#include "sim_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace tarvo::sim::testing {
namespace {

namespace frames = serial::frames;

Bytes ok()
{
    return text("OK");
}

// The mode-2 data reply, built here from its rule: "DT", the data, their XOR.
Bytes dataReply(std::span<const std::uint8_t> data)
{
    Bytes reply = text("DT");
    std::uint8_t x = 0;
    for (auto b : data) {
        reply.push_back(b);
        x ^= b;
    }
    reply.push_back(x);
    return reply;
}

Bytes withCheck(Bytes frame)
{
    unsigned sum = 0;
    for (std::size_t i = 2; i < frame.size(); ++i)
        sum += frame[i];
    frame.push_back(static_cast<std::uint8_t>(~sum & 0xFF));
    return frame;
}

TEST(KeyboardSimulator, PingAnswersTheBanner)
{
    SimHarness h;
    Bytes expected = text("Hollind KB1\nKBD\n");
    expected.push_back(0x00);
    expected.push_back(0x50);
    EXPECT_EQ(h.ask(frames::buildPing()), expected);
}

TEST(KeyboardSimulator, IdentityCarriesTheOptions)
{
    struct Case {
        KeyboardOptions options;
        Bytes expected;
    };
    KeyboardOptions old;
    old.generation = 1;
    old.keyboardType = 0x12;
    old.bootloader = {1, 0};
    old.firmware = {2, 5};
    old.fonts = {5, 1, 7, 4};
    old.iconicFont = 9;
    old.dataSchema = 6;
    const Case cases[] = {
        {KeyboardOptions{}, {'K', 'B', 0, 1, 2, 4, 2, 0xFE, 2, 0, 1, 94, 0, 0, 0, 3}},
        {old, {'K', 'B', 4, 0, 6, 3, 1, 0x12, 1, 0, 2, 5, 0, 0, 9, 6}},
    };
    for (const auto& c : cases) {
        SimHarness h(c.options);
        EXPECT_EQ(h.ask(frames::buildReadIdentity()), c.expected);
    }
}

TEST(KeyboardSimulator, SelectErasesTheSlotAndMarksItPartlyWritten)
{
    SimHarness h;
    const Bytes table(KeyboardFlash::kSlotBytes, 0x11);
    h.flash.storeSlot(3, table, SlotState::Complete);
    h.flash.storeSlot(4, table, SlotState::Complete);
    EXPECT_EQ(h.ask(frames::buildSelectTable(3)), ok());
    const auto image = h.flash.slotImage(3);
    EXPECT_TRUE(std::all_of(image.begin(), image.end(), [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(h.flash.state(3), SlotState::PartlyWritten);
    EXPECT_EQ(h.flash.slotImage(4)[0], 0x11) << "only the selected slot is erased";
    EXPECT_TRUE(h.sim->takeStateChange());
    EXPECT_FALSE(h.sim->takeStateChange());
}

TEST(KeyboardSimulator, SelectRefusesSlotsTheKeyboardLacksAndWrongSelectBytes)
{
    struct Case {
        int generation;
        Bytes frame;
    };
    const Case cases[] = {
        {2, withCheck({'C', '1', 0x04, 0xCA, 0xC5, 13})}, {1, withCheck({'C', '1', 0x04, 0xCA, 0xC5, 5})},
        {0, withCheck({'C', '1', 0x04, 0xCA, 0xC5, 7})},  {3, withCheck({'C', '1', 0x04, 0xCA, 0xC5, 0})},
        {2, withCheck({'C', '1', 0x04, 0xCA, 0xC6, 0})},
    };
    for (const auto& c : cases) {
        KeyboardOptions options;
        options.generation = c.generation;
        SimHarness h(options);
        const auto responses = h.feed(c.frame);
        ASSERT_EQ(responses.size(), 1u);
        EXPECT_EQ(responses[0].reply, text("FE")) << "generation " << c.generation;
        EXPECT_EQ(h.flash.state(0), SlotState::Erased);
    }
    KeyboardOptions five;
    five.generation = 1;
    SimHarness h(five);
    EXPECT_EQ(h.ask(frames::buildSelectTable(4)), ok()) << "slot 5 exists on a five-slot keyboard";
}

TEST(KeyboardSimulator, WritingCanOnlyClearBits)
{
    SimHarness h;
    ASSERT_EQ(h.ask(frames::buildSelectTable(2)), ok());
    std::array<std::uint8_t, 16> first{};
    std::array<std::uint8_t, 16> second{};
    first.fill(0x0F);
    second.fill(0x3C);
    first[5] = 0xFF;
    second[5] = 0xA5;
    EXPECT_EQ(h.ask(frames::buildImageBlock(2, 7, first)), ok());
    EXPECT_EQ(h.ask(frames::buildImageBlock(2, 7, second)), ok());
    const auto stored = h.flash.bytes(frames::blockAddress(2, 7), 16);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(stored[i], first[i] & second[i]) << "byte " << i;
    EXPECT_EQ(h.flash.bytes(frames::blockAddress(2, 8), 1)[0], 0xFF) << "the next block stays erased";
}

TEST(KeyboardSimulator, WritesOutsideTheSelectedSlotAreRefused)
{
    SimHarness h;
    const auto data = patternBlock(1);
    EXPECT_EQ(h.ask(frames::buildImageBlock(0, 0, data)), text("FE")) << "no slot selected yet";
    ASSERT_EQ(h.ask(frames::buildSelectTable(1)), ok());
    EXPECT_EQ(h.ask(frames::buildImageBlock(2, 0, data)), text("FE")) << "another slot";
    EXPECT_EQ(h.flash.state(2), SlotState::Erased);
    // An S2 address that runs past the end of the slot.
    Bytes tail = {'S', '2', 0x14, 0x01, 0xFF, 0xF8};
    tail.insert(tail.end(), data.begin(), data.end());
    const auto responses = h.feed(withCheck(tail));
    ASSERT_EQ(responses.size(), 1u);
    EXPECT_EQ(responses[0].reply, text("FE"));
}

TEST(KeyboardSimulator, EndOfDataCompletesTheSlotAndEndsTheSelection)
{
    SimHarness h;
    EXPECT_EQ(h.ask(frames::buildEndOfData()), text("FE")) << "nothing selected";
    ASSERT_EQ(h.ask(frames::buildSelectTable(6)), ok());
    ASSERT_EQ(h.ask(frames::buildImageBlock(6, 0, patternBlock(0))), ok());
    EXPECT_EQ(h.ask(frames::buildEndOfData()), ok());
    EXPECT_EQ(h.flash.state(6), SlotState::Complete);
    EXPECT_EQ(h.sim->selectedSlot(), -1);
    EXPECT_EQ(h.ask(frames::buildImageBlock(6, 1, patternBlock(1))), text("FE")) << "the slot was ended";
}

TEST(KeyboardSimulator, LinearReadReturnsTheBlockWithItsXor)
{
    SimHarness h;
    Bytes image(KeyboardFlash::kSlotBytes);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31 + (i >> 8));
    h.flash.storeSlot(12, image, SlotState::Complete);
    for (int block : {0, 1, 20, 4095}) {
        const auto data =
            std::span<const std::uint8_t>(image).subspan(static_cast<std::size_t>(block) * 16, 16);
        EXPECT_EQ(h.ask(frames::buildReadBlock(12, block, frames::kAddressModeLinear)), dataReply(data))
            << "block " << block;
    }
}

TEST(KeyboardSimulator, LinearReadBeyondTheKeyboardsSlotsIsRefused)
{
    KeyboardOptions options;
    options.generation = 0;
    SimHarness h(options);
    EXPECT_EQ(h.ask(frames::buildReadBlock(5, 0, frames::kAddressModeLinear)), text("FE"));
    EXPECT_EQ(h.ask(frames::buildReadBlock(4, 4095, frames::kAddressModeLinear)).size(),
              frames::kDataReplyBytes);
}

TEST(KeyboardSimulator, BootloaderOneReadsPagedAddressesWithDumpLines)
{
    KeyboardOptions options;
    options.bootloader = {1, 0};
    SimHarness h(options);
    Bytes image(KeyboardFlash::kSlotBytes);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(0xF0 - i * 3);
    h.flash.storeSlot(1, image, SlotState::Complete);
    h.flash.storeSlot(0, image, SlotState::Complete);

    struct Case {
        std::uint8_t slot;
        int block;
        const char* prefix; // "(page)window:" as the address bytes read
    };
    const Case cases[] = {{1, 0, "(04)8000:"}, {0, 1023, "(00)BFF0:"}, {1, 1024, "(05)8000:"}};
    for (const auto& c : cases) {
        const Bytes line = h.ask(frames::buildReadBlock(c.slot, c.block, frames::kAddressModePaged));
        ASSERT_EQ(line.size(), 49u);
        std::string head(line.begin(), line.begin() + 9);
        std::transform(head.begin(), head.end(), head.begin(), [](char ch) { return std::toupper(ch); });
        EXPECT_EQ(head, c.prefix);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(line[static_cast<std::size_t>(13 + 5 * k)], ' ');
            char group[5];
            const std::size_t at = static_cast<std::size_t>(c.block) * 16 + static_cast<std::size_t>(2 * k);
            std::snprintf(group, sizeof group, "%02X%02X", image[at], image[at + 1]);
            std::string got(line.begin() + 9 + 5 * k, line.begin() + 13 + 5 * k);
            std::transform(got.begin(), got.end(), got.begin(), [](char ch) { return std::toupper(ch); });
            EXPECT_EQ(got, group) << "group " << k << " of block " << c.block;
        }
    }
    // A linear address lacks the window bit: not a paged address.
    EXPECT_EQ(h.ask(frames::buildReadBlock(1, 0, frames::kAddressModeLinear)), text("FE"));
}

TEST(KeyboardSimulator, WrongCheckByteAnswersCommunicationError)
{
    SimHarness h;
    Bytes select = bytesOf(frames::buildSelectTable(0));
    select.back() ^= 0xFF;
    const auto responses = h.feed(select);
    ASSERT_EQ(responses.size(), 1u);
    EXPECT_EQ(responses[0].reply, text("CE"));
    EXPECT_EQ(h.flash.state(0), SlotState::Erased) << "a frame that fails its check is not carried out";
}

TEST(KeyboardSimulator, FramesAreFoundAcrossChunksNoiseAndBatches)
{
    SimHarness h;
    const Bytes ping = bytesOf(frames::buildPing());
    const Bytes identity = bytesOf(frames::buildReadIdentity());

    EXPECT_TRUE(h.feed({ping[0], ping[1]}, 10).empty());
    auto responses = h.feed({ping[2], ping[3]}, 20);
    ASSERT_EQ(responses.size(), 1u);
    EXPECT_EQ(responses[0].type, frames::FrameType::C0);
    EXPECT_EQ(responses[0].requestStartUs, 10) << "the frame began with its first byte";
    EXPECT_EQ(responses[0].requestBytes, 4u);

    Bytes batch = {0x00, 0x7E};
    batch.insert(batch.end(), identity.begin(), identity.end());
    batch.insert(batch.end(), ping.begin(), ping.end());
    responses = h.feed(batch, 30);
    ASSERT_EQ(responses.size(), 2u);
    EXPECT_EQ(responses[0].type, frames::FrameType::T7);
    EXPECT_EQ(responses[1].type, frames::FrameType::C0);
}

TEST(KeyboardSimulator, AnAbandonedHalfFrameIsForgotten)
{
    SimHarness h;
    const Bytes ping = bytesOf(frames::buildPing());
    const Bytes select = bytesOf(frames::buildSelectTable(0));
    EXPECT_TRUE(h.feed({select[0], select[1], select[2]}, 0).empty());
    // Long after, a new client pings: the old bytes must not swallow it.
    const auto responses = h.feed(ping, KeyboardSimulator::kPartialFrameTimeoutUs + 1000);
    ASSERT_EQ(responses.size(), 1u);
    EXPECT_EQ(responses[0].type, frames::FrameType::C0);

    EXPECT_TRUE(h.feed({select[0], select[1]}, 0).empty());
    h.sim->discardPartialFrame();
    EXPECT_EQ(h.feed(ping, 1).size(), 1u);
}

TEST(KeyboardSimulator, IgnoresAClientAtAnotherSpeed)
{
    for (int keyboardBaud : {kBaudSlow, kBaudFast}) {
        KeyboardOptions options;
        options.baud = keyboardBaud;
        SimHarness h(options);
        const Bytes ping = bytesOf(frames::buildPing());
        const int other = keyboardBaud == kBaudSlow ? kBaudFast : kBaudSlow;
        EXPECT_TRUE(h.sim->receive(ping, 0, other).empty());
        EXPECT_TRUE(h.sim->receive(Bytes{ping[0], ping[1]}, 1, other).empty());
        // What came at the wrong speed leaves nothing behind.
        const auto responses = h.sim->receive(ping, 2, keyboardBaud);
        ASSERT_EQ(responses.size(), 1u);
        EXPECT_EQ(responses[0].reply.size(), frames::kBannerBytes);
    }
}

} // namespace
} // namespace tarvo::sim::testing
