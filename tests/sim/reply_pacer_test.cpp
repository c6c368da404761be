#include "sim/reply_pacer.h"
#include "sim/sim_command_line.h"

#include <gtest/gtest.h>

namespace tarvo::sim {
namespace {

TEST(WireTime, TenBitsAByteAtTheLineSpeed)
{
    struct Case {
        std::size_t bytes;
        int baud;
        std::int64_t us;
    };
    // bytes * 10 / baud seconds, rounded to the microsecond.
    const Case cases[] = {
        {1, 19200, 521}, {2, 57600, 347}, {23, 57600, 3993}, {19, 19200, 9896}, {0, 57600, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(wireTimeUs(c.bytes, c.baud), c.us) << c.bytes << " bytes at " << c.baud;
}

FrameResponse response(std::size_t requestBytes, std::int64_t startUs, std::size_t replyBytes, int lateMs = 0)
{
    FrameResponse r;
    r.requestBytes = requestBytes;
    r.requestStartUs = startUs;
    r.reply.assign(replyBytes, 0x55);
    r.lateMs = lateMs;
    return r;
}

TEST(ReplyPacer, WithoutWireTimeRepliesAtOnceOrLate)
{
    ReplyPacer pacer(57600, false);
    EXPECT_EQ(pacer.schedule(response(23, 100, 2), 150), (std::vector<std::int64_t>{150, 150}));
    EXPECT_EQ(pacer.schedule(response(7, 100, 1, 30), 150), (std::vector<std::int64_t>{30150}));
}

TEST(ReplyPacer, WireTimeWaitsTheRequestThenPacesEachByte)
{
    ReplyPacer pacer(57600, true);
    const std::int64_t requestEnd = 1000 + wireTimeUs(23, 57600);
    const auto due = pacer.schedule(response(23, 1000, 2), 1010);
    ASSERT_EQ(due.size(), 2u);
    EXPECT_EQ(due[0], requestEnd + wireTimeUs(1, 57600));
    EXPECT_EQ(due[1], requestEnd + wireTimeUs(2, 57600));
}

TEST(ReplyPacer, AReplyNeverStartsBeforeThePreviousOneEnded)
{
    ReplyPacer pacer(19200, true);
    const auto first = pacer.schedule(response(7, 0, 19), 0);
    // The next request arrived while the first reply was still on the line.
    const auto second = pacer.schedule(response(7, 100, 19), 100);
    EXPECT_EQ(second.front(), first.back() + wireTimeUs(1, 19200));
    const auto late = pacer.schedule(response(4, 1000000, 2, 5), 1000000);
    EXPECT_EQ(late.front(), 1000000 + wireTimeUs(4, 19200) + 5000 + wireTimeUs(1, 19200));
}

TEST(SimCommandLine, ReadsEveryOption)
{
    SimConfig config;
    std::string error;
    ASSERT_TRUE(parseSimCommandLine({"--link",       "/tmp/kbd", "--flash", "f.bin",        "--tables",
                                     "d.tvo",        "--baud",   "57600",   "--generation", "1",
                                     "--bootloader", "1.00",     "--type",  "0x12",         "--firmware",
                                     "2.05",         "--fonts",  "5,1,7,4", "--wire-time",  "--fault",
                                     "drop:T7:1",    "--fault",  "stop:9",  "--trace",      "t.txt"},
                                    config, error))
        << error;
    EXPECT_EQ(config.linkPath, "/tmp/kbd");
    EXPECT_EQ(config.flashPath, "f.bin");
    EXPECT_EQ(config.tablesPath, "d.tvo");
    EXPECT_EQ(config.tracePath, "t.txt");
    EXPECT_EQ(config.keyboard.baud, 57600);
    EXPECT_EQ(config.keyboard.generation, 1);
    EXPECT_EQ(config.keyboard.slotCount(), 5);
    EXPECT_TRUE(config.keyboard.pagedAddresses());
    EXPECT_EQ(config.keyboard.keyboardType, 0x12);
    EXPECT_EQ(config.keyboard.firmware, (Version{2, 5}));
    EXPECT_EQ(config.keyboard.fonts, (std::array<int, 4>{5, 1, 7, 4}));
    EXPECT_TRUE(config.wireTime);
    EXPECT_EQ(config.faults.size(), 2u);
}

TEST(SimCommandLine, RejectsBadValues)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--link"},
        {"--link", "x", "--baud", "9600"},
        {"--link", "x", "--bootloader", "1.0"},
        {"--link", "x", "--firmware", "a.bc"},
        {"--link", "x", "--type", "0x100"},
        {"--link", "x", "--fonts", "1,2,3"},
        {"--link", "x", "--fonts", "1,2,3,8"},
        {"--link", "x", "--fault", "drop:XX:1"},
        {"--link", "x", "--frobnicate", "1"},
        {"--link", "x", "stray"},
    };
    for (const auto& args : cases) {
        SimConfig config;
        std::string error;
        EXPECT_FALSE(parseSimCommandLine(args, config, error)) << (args.empty() ? "(none)" : args.back());
        EXPECT_FALSE(error.empty());
    }
    SimConfig config;
    std::string error;
    EXPECT_TRUE(parseSimCommandLine({"--status", "--flash", "f"}, config, error)) << "--status needs no link";
}

} // namespace
} // namespace tarvo::sim
