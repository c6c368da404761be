// The wire format: frames byte for byte, reply lengths and recognition, and
// the keyboard side's parsing and replies.

#include "serial/frames.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace tarvo::serial;
using namespace tarvo::serial::frames;

namespace {

std::vector<std::uint8_t> v(const Frame& f)
{
    return {f.bytes.begin(), f.bytes.begin() + static_cast<std::ptrdiff_t>(f.size)};
}

std::array<std::uint8_t, 16> counting(std::uint8_t first)
{
    std::array<std::uint8_t, 16> d{};
    std::iota(d.begin(), d.end(), first);
    return d;
}

} // namespace

TEST(Frames, FixedFramesAreExact)
{
    EXPECT_EQ(v(buildPing()), (std::vector<std::uint8_t>{0x43, 0x30, 0x01, 0xFE}));
    EXPECT_EQ(v(buildReadIdentity()), (std::vector<std::uint8_t>{0x54, 0x37, 0x01, 0xFE}));
    EXPECT_EQ(v(buildEndOfData()), (std::vector<std::uint8_t>{0x53, 0x38, 0x04, 0xFF, 0xFF, 0xFF, 0xFE}));
    EXPECT_EQ(v(buildSelectTable(0)), (std::vector<std::uint8_t>{0x43, 0x31, 0x04, 0xCA, 0xC5, 0x00, 0x6C}));
    // 04 + CA + C5 + 0C = 0x19F; ~0x9F = 0x60.
    EXPECT_EQ(v(buildSelectTable(12)), (std::vector<std::uint8_t>{0x43, 0x31, 0x04, 0xCA, 0xC5, 0x0C, 0x60}));
}

TEST(Frames, CheckByteIsOnesComplementOfLowSum)
{
    const std::uint8_t lengthOnly[] = {0x01};
    const std::uint8_t select[] = {0x04, 0xCA, 0xC5, 0x00};
    const std::uint8_t wraps[] = {0xFF, 0xFF, 0x02}; // 0x200: low byte 0
    EXPECT_EQ(checkByte(lengthOnly), 0xFE);
    EXPECT_EQ(checkByte(select), 0x6C);
    EXPECT_EQ(checkByte(wraps), 0xFF);
}

TEST(Frames, ImageBlockCarriesAddressDataAndCheck)
{
    const auto data = counting(0x10);
    const Frame f = buildImageBlock(12, 4095, data);
    ASSERT_EQ(f.size, 23u);
    EXPECT_EQ(f.bytes[0], 'S');
    EXPECT_EQ(f.bytes[1], '2');
    EXPECT_EQ(f.bytes[2], 0x14);
    // Block 4095 of slot 12 lies at 0x0CFFF0.
    EXPECT_EQ(f.bytes[3], 0x0C);
    EXPECT_EQ(f.bytes[4], 0xFF);
    EXPECT_EQ(f.bytes[5], 0xF0);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(f.bytes[6 + i], data[i]);
    unsigned sum = 0x14 + 0x0C + 0xFF + 0xF0;
    for (std::uint8_t b : data)
        sum += b;
    EXPECT_EQ(f.bytes[22], static_cast<std::uint8_t>(~sum));
    EXPECT_EQ(blockAddress(12, 4095), 0x0CFFF0u);
}

TEST(Frames, ReadBlockAddressesInEachMode)
{
    struct Case {
        std::uint8_t slot;
        int block;
        int mode;
        std::array<std::uint8_t, 3> address;
    };
    const Case cases[] = {
        {1, 0, kAddressModePaged, {0x04, 0x80, 0x00}},     {0, 1023, kAddressModePaged, {0x00, 0xBF, 0xF0}},
        {0, 1024, kAddressModePaged, {0x01, 0x80, 0x00}},  // next 16 KB page
        {12, 4095, kAddressModePaged, {0x33, 0xBF, 0xF0}}, // 0xCFFF0 >> 14 = 0x33
        {1, 0, kAddressModeLinear, {0x01, 0x00, 0x00}},    {12, 4095, kAddressModeLinear, {0x0C, 0xFF, 0xF0}},
        {3, 20, kAddressModeLinear, {0x03, 0x01, 0x40}},   {5, 77, kAddressModeNone, {0x00, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        const Frame f = buildReadBlock(c.slot, c.block, c.mode);
        ASSERT_EQ(f.size, 7u);
        EXPECT_EQ(f.bytes[0], 'T');
        EXPECT_EQ(f.bytes[1], '0');
        EXPECT_EQ(f.bytes[2], 0x04);
        EXPECT_EQ(f.bytes[3], c.address[0]) << int(c.slot) << "/" << c.block << " mode " << c.mode;
        EXPECT_EQ(f.bytes[4], c.address[1]) << int(c.slot) << "/" << c.block << " mode " << c.mode;
        EXPECT_EQ(f.bytes[5], c.address[2]) << int(c.slot) << "/" << c.block << " mode " << c.mode;
        EXPECT_EQ(f.bytes[6],
                  static_cast<std::uint8_t>(~(0x04 + c.address[0] + c.address[1] + c.address[2])));
    }
}

TEST(Frames, PagedAddressMapsBackToSlotAndBlock)
{
    for (std::uint8_t slot : {0, 1, 7, 12})
        for (int block : {0, 1, 1023, 1024, 2047, 4095}) {
            const Frame f = buildReadBlock(slot, block, kAddressModePaged);
            std::uint8_t s = 0xEE;
            int b = -1;
            ASSERT_TRUE(pagedAddressToBlock(f.bytes[3], f.bytes[4], f.bytes[5], s, b));
            EXPECT_EQ(s, slot);
            EXPECT_EQ(b, block);
        }
    std::uint8_t s;
    int b;
    EXPECT_FALSE(pagedAddressToBlock(0x00, 0x3F, 0xF0, s, b)); // no window bit
    EXPECT_FALSE(pagedAddressToBlock(0x00, 0xC0, 0x00, s, b)); // beyond the 16 KB window
}

TEST(Frames, ReplyLengthsFollowTheFrame)
{
    EXPECT_EQ(replyLength(FrameType::C0, 0), 18u);
    EXPECT_EQ(replyLength(FrameType::C1, 0), 2u);
    EXPECT_EQ(replyLength(FrameType::S2, 0), 2u);
    EXPECT_EQ(replyLength(FrameType::S8, 0), 2u);
    EXPECT_EQ(replyLength(FrameType::T7, 0), 16u);
    EXPECT_EQ(replyLength(FrameType::T0, kAddressModePaged), 49u);
    EXPECT_EQ(replyLength(FrameType::T0, kAddressModeLinear), 19u);
}

namespace {

std::vector<std::uint8_t> banner()
{
    const char text[] = "Hollind KB1\nKBD\n";
    std::vector<std::uint8_t> b(text, text + 16);
    b.push_back(0x00);
    b.push_back(0x50);
    return b;
}

std::vector<std::uint8_t> dataReply(const std::array<std::uint8_t, 16>& d, int xorAdjust = 0)
{
    std::vector<std::uint8_t> r = {'D', 'T'};
    std::uint8_t x = 0;
    for (std::uint8_t b : d) {
        r.push_back(b);
        x ^= b;
    }
    r.push_back(static_cast<std::uint8_t>(x ^ xorAdjust));
    return r;
}

std::vector<std::uint8_t> text(std::string_view s)
{
    return {s.begin(), s.end()};
}

} // namespace

TEST(ReplyRecognition, EachReplyByStateAndContent)
{
    auto badBanner = banner();
    badBanner[17] = 0x51;
    auto kb = text("KB\x01\x02\x03\x04\x02\xFE\x01\x02\x01\x09xx\x05\x03");
    auto notKb = kb;
    notKb[1] = 'b';
    const auto d = counting(0xA0);
    auto wrongHeader = dataReply(d);
    wrongHeader[1] = 'X';
    const auto line = text("(00)8000:A0A1 A2A3 A4A5 A6A7 A8A9 AAAB ACAD AEAF ");
    auto lineMissingSpace = line;
    lineMissingSpace[28] = '.';

    struct Case {
        const char* name;
        bpState sent;
        int mode;
        std::vector<std::uint8_t> held;
        ReplyVerdict verdict;
        bpState state;
        bool badPacket;
    };
    const Case cases[] = {
        {"pong", bpStateSENT_C0, 0, banner(), ReplyVerdict::Complete, bpStateRECEIVE_C0, false},
        {"banner with 18th byte not 0x50", bpStateSENT_C0, 0, badBanner, ReplyVerdict::Complete,
         bpStateRECEIVE_UK, false},
        {"banner short", bpStateSENT_C0, 0, text("Hollind"), ReplyVerdict::Waiting, bpStateNONE, false},
        {"OK after C1", bpStateSENT_C1, 0, text("OK"), ReplyVerdict::Complete, bpStateRECEIVE_OK, false},
        {"OK after S2", bpStateSENT_S2, 0, text("OK"), ReplyVerdict::Complete, bpStateRECEIVE_OK, false},
        {"CE after S8", bpStateSENT_S8, 0, text("CE"), ReplyVerdict::Complete, bpStateRECEIVE_CE, false},
        {"FE after S2", bpStateSENT_S2, 0, text("FE"), ReplyVerdict::Complete, bpStateRECEIVE_FE, false},
        {"lower-case ok", bpStateSENT_S2, 0, text("ok"), ReplyVerdict::Complete, bpStateRECEIVE_UK, false},
        {"status one byte", bpStateSENT_S2, 0, text("O"), ReplyVerdict::Waiting, bpStateNONE, false},
        {"status three bytes", bpStateSENT_S2, 0, text("OKX"), ReplyVerdict::Overrun, bpStateNONE, false},
        {"identity", bpStateSENT_T7, 0, kb, ReplyVerdict::Complete, bpStateRECEIVE_T7, false},
        {"identity without KB", bpStateSENT_T7, 0, notKb, ReplyVerdict::Complete, bpStateRECEIVE_UK, false},
        {"data reply", bpStateSENT_T0, 2, dataReply(d), ReplyVerdict::Complete, bpStateRECEIVE_DT, false},
        {"data reply wrong xor", bpStateSENT_T0, 2, dataReply(d, 1), ReplyVerdict::Complete,
         bpStateRECEIVE_UK, true},
        {"data reply wrong header", bpStateSENT_T0, 2, wrongHeader, ReplyVerdict::Complete, bpStateRECEIVE_UK,
         true},
        {"dump line", bpStateSENT_T0, 1, line, ReplyVerdict::Complete, bpStateRECEIVE_DT, false},
        {"dump line missing space", bpStateSENT_T0, 1, lineMissingSpace, ReplyVerdict::Complete,
         bpStateRECEIVE_UK, false},
        {"19 bytes in paged mode", bpStateSENT_T0, 1, dataReply(d), ReplyVerdict::Waiting, bpStateNONE,
         false},
        {"not awaiting", bpStateSEND_T0, 2, dataReply(d), ReplyVerdict::NotAwaiting, bpStateNONE, false},
        {"never-entered CA", bpStateSENT_CA, 0, text("OK"), ReplyVerdict::NotAwaiting, bpStateNONE, false},
    };
    for (const Case& c : cases) {
        const ReplyRecognition r = recogniseReply(c.sent, c.mode, c.held);
        EXPECT_EQ(r.verdict, c.verdict) << c.name;
        if (c.verdict == ReplyVerdict::Complete) {
            EXPECT_EQ(r.state, c.state) << c.name;
        }
        EXPECT_EQ(r.badPacket, c.badPacket) << c.name;
    }
}

TEST(ReplyRecognition, DataRepliesYieldTheirBytes)
{
    const auto d = counting(0xF0);
    const DataReply linear = decodeDataReply(dataReply(d));
    ASSERT_TRUE(linear.valid);
    EXPECT_EQ(linear.data, d);

    const auto line = text("(xx)yyyy:0123 4567 89aB cDeF 0000 FFFF 1G2z 7f80 ");
    const DataReply paged = decodeDumpLine(line);
    ASSERT_TRUE(paged.valid);
    // Digits other than hexadecimal count as 0 ('G', 'z').
    const std::array<std::uint8_t, 16> expected = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF,
                                                   0x00, 0x00, 0xFF, 0xFF, 0x10, 0x20, 0x7F, 0x80};
    EXPECT_EQ(paged.data, expected);
}

TEST(ReplyRecognition, HexDigitValues)
{
    EXPECT_EQ(hexDigitValue('0'), 0);
    EXPECT_EQ(hexDigitValue('9'), 9);
    EXPECT_EQ(hexDigitValue('A'), 10);
    EXPECT_EQ(hexDigitValue('f'), 15);
    EXPECT_EQ(hexDigitValue('g'), 0);
    EXPECT_EQ(hexDigitValue(' '), 0);
    EXPECT_EQ(hexDigitValue(0xFF), 0);
}

TEST(KeyboardSide, ParsesEveryFrameTheProgramBuilds)
{
    const auto d = counting(3);
    struct Case {
        Frame frame;
        FrameType type;
    };
    const Case cases[] = {
        {buildPing(), FrameType::C0},
        {buildSelectTable(7), FrameType::C1},
        {buildImageBlock(2, 9, d), FrameType::S2},
        {buildEndOfData(), FrameType::S8},
        {buildReadBlock(4, 33, 2), FrameType::T0},
        {buildReadIdentity(), FrameType::T7},
    };
    for (const Case& c : cases) {
        ParsedFrame p;
        ASSERT_EQ(parseFrame(c.frame.view(), p), ParseStatus::Complete);
        EXPECT_EQ(p.type, c.type);
        EXPECT_EQ(p.size, c.frame.size);
        EXPECT_TRUE(p.checkValid);
        // One byte short is never complete.
        EXPECT_EQ(parseFrame(c.frame.view().first(c.frame.size - 1), p), ParseStatus::NeedMore);
    }
    ParsedFrame p;
    ASSERT_EQ(parseFrame(buildSelectTable(7).view(), p), ParseStatus::Complete);
    EXPECT_TRUE(p.selectBytesValid);
    EXPECT_EQ(p.slot, 7);
    ASSERT_EQ(parseFrame(buildImageBlock(2, 9, d).view(), p), ParseStatus::Complete);
    EXPECT_EQ(p.address, 0x020090u);
    EXPECT_EQ(p.data, d);
    ASSERT_EQ(parseFrame(buildReadBlock(4, 33, 2).view(), p), ParseStatus::Complete);
    EXPECT_EQ(p.address, blockAddress(4, 33));
}

TEST(KeyboardSide, RejectsNoiseWrongLengthsAndBadCheckBytes)
{
    ParsedFrame p;
    const std::uint8_t noise[] = {0x00, 'C', '0'};
    EXPECT_EQ(parseFrame(noise, p), ParseStatus::Invalid);
    const std::uint8_t unknownType[] = {'C', '9', 0x01, 0xFE};
    EXPECT_EQ(parseFrame(unknownType, p), ParseStatus::Invalid);
    const std::uint8_t wrongLength[] = {'T', '7', 0x02, 0x00, 0xFD};
    EXPECT_EQ(parseFrame(wrongLength, p), ParseStatus::Invalid);
    const std::uint8_t letterOnly[] = {'S'};
    EXPECT_EQ(parseFrame(letterOnly, p), ParseStatus::NeedMore);
    EXPECT_EQ(parseFrame({}, p), ParseStatus::NeedMore);

    Frame f = buildSelectTable(1);
    f.bytes[6] ^= 0x01;
    ASSERT_EQ(parseFrame(f.view(), p), ParseStatus::Complete);
    EXPECT_FALSE(p.checkValid);

    Frame g = buildSelectTable(1);
    g.bytes[3] = 0xCB;
    g.bytes[6] = checkByte(std::span<const std::uint8_t>(g.bytes.data() + 2, 4));
    ASSERT_EQ(parseFrame(g.view(), p), ParseStatus::Complete);
    EXPECT_TRUE(p.checkValid);
    EXPECT_FALSE(p.selectBytesValid);
}

TEST(KeyboardSide, RepliesAreRecognisedByTheProgram)
{
    const auto d = counting(0x61);
    EXPECT_EQ(buildBannerReply(), banner());
    EXPECT_EQ(buildStatusReply(StatusReply::OK), text("OK"));
    EXPECT_EQ(buildStatusReply(StatusReply::CE), text("CE"));
    EXPECT_EQ(buildStatusReply(StatusReply::FE), text("FE"));
    EXPECT_EQ(recogniseStatus(buildStatusReply(StatusReply::Unknown)), StatusReply::Unknown);
    EXPECT_EQ(buildDataReply(d), dataReply(d));

    const Reply line = buildDumpLine(0x04, 0x80, 0x10, d);
    ASSERT_EQ(line.size(), 49u);
    EXPECT_EQ(std::string(line.begin(), line.begin() + 9), "(04)8010:");
    EXPECT_EQ(std::string(line.begin() + 9, line.begin() + 19), "6162 6364 ");
    const DataReply back = decodeDumpLine(line);
    ASSERT_TRUE(back.valid);
    EXPECT_EQ(back.data, d);

    KeyboardId id;
    id.bytes = {'K', 'B', 0, 1, 2, 3, 2, 0xFE, 1, 0, 1, 94, 0, 0, 9, 5};
    EXPECT_TRUE(isKeyboardIdReply(buildKeyboardIdReply(id)));
}

TEST(KeyboardRecords, IdentityFieldsAndInfoBlock)
{
    KeyboardId id;
    id.bytes = {'K', 'B', 0, 1, 2, 6, 2, 0xFE, 1, 0, 1, 94, 0, 0, 9, 5};
    EXPECT_EQ(id.fontInSlot(0), 1);
    EXPECT_EQ(id.fontInSlot(3), 7);
    EXPECT_EQ(id.slotCount(), 13);
    EXPECT_EQ(id.addressModeForBootloader(), 1);
    id.bytes[9] = 2;
    EXPECT_EQ(id.addressModeForBootloader(), 2);
    for (auto [generation, slots] : {std::pair{0, 5}, {1, 5}, {2, 13}, {3, 0}, {255, 0}}) {
        id.bytes[6] = static_cast<std::uint8_t>(generation);
        EXPECT_EQ(id.slotCount(), slots) << generation;
    }

    TableInfoBlock info;
    const auto b0 = counting(0), b1 = counting(16), b20 = counting(100);
    EXPECT_TRUE(info.setBlock(0, b0));
    EXPECT_TRUE(info.setBlock(1, b1));
    EXPECT_TRUE(info.setBlock(2, b20));
    EXPECT_FALSE(info.setBlock(3, b20));
    EXPECT_FALSE(info.setBlock(0, std::span<const std::uint8_t>(b0).first(15)));
    EXPECT_EQ(info.imageByte(31), 31);
    EXPECT_EQ(info.imageByte(320), 100);
    EXPECT_EQ(info.font(), 110);       // image byte 330
    EXPECT_EQ(info.languageId(), 115); // image byte 335
    EXPECT_EQ(info.imageByte(32), -1);
    EXPECT_EQ(info.imageByte(336), -1);
}
