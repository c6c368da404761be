#include "serial/frames.h"

#include <algorithm>
#include <numeric>

namespace tarvo::serial::frames {

const std::array<std::uint8_t, kBannerBytes> kBanner = {'H', 'o', 'l',  'l', 'i', 'n', 'd',  ' ',  'K',
                                                        'B', '1', '\n', 'K', 'B', 'D', '\n', 0x00, 0x50};

namespace {

constexpr std::uint8_t kSelectByte1 = 0xCA;
constexpr std::uint8_t kSelectByte2 = 0xC5;
constexpr std::uint8_t kPagedWindowBit = 0x80;
constexpr int kPageShift = 14;          // 16 KB pages
constexpr std::size_t kHeaderBytes = 3; // type letter, type digit, length

struct FrameRule {
    FrameType type;
    char letter;
    char digit;
    std::uint8_t lengthByte;
};
constexpr std::array<FrameRule, 6> kFrameRules = {{
    {FrameType::C0, 'C', '0', 0x01},
    {FrameType::C1, 'C', '1', 0x04},
    {FrameType::S2, 'S', '2', 0x14},
    {FrameType::S8, 'S', '8', 0x04},
    {FrameType::T0, 'T', '0', 0x04},
    {FrameType::T7, 'T', '7', 0x01},
}};

const FrameRule& ruleFor(FrameType type)
{
    return *std::find_if(kFrameRules.begin(), kFrameRules.end(),
                         [type](const FrameRule& r) { return r.type == type; });
}

// Starts a frame: type bytes and length, the body bytes, then the check byte.
Frame makeFrame(FrameType type, std::span<const std::uint8_t> body)
{
    const FrameRule& rule = ruleFor(type);
    Frame f;
    f.bytes[0] = static_cast<std::uint8_t>(rule.letter);
    f.bytes[1] = static_cast<std::uint8_t>(rule.digit);
    f.bytes[2] = rule.lengthByte;
    std::copy(body.begin(), body.end(), f.bytes.begin() + kHeaderBytes);
    const std::size_t checkAt = kHeaderBytes + body.size();
    f.bytes[checkAt] = checkByte(std::span<const std::uint8_t>(f.bytes.data() + 2, checkAt - 2));
    f.size = checkAt + 1;
    return f;
}

char hexDigit(int nibble)
{
    return "0123456789ABCDEF"[nibble & 0x0F];
}

void appendHexByte(Reply& out, std::uint8_t value)
{
    out.push_back(static_cast<std::uint8_t>(hexDigit(value >> 4)));
    out.push_back(static_cast<std::uint8_t>(hexDigit(value)));
}

// Dump-line layout: '(' at 0, ')' at 3, ':' at 8, groups of four digits from
// 9, each followed by a space.
constexpr std::size_t kDumpOpenAt = 0;
constexpr std::size_t kDumpCloseAt = 3;
constexpr std::size_t kDumpColonAt = 8;
constexpr std::size_t kDumpFirstDigitAt = 9;
constexpr std::size_t kDumpGroupStride = 5;
constexpr std::size_t kDumpGroups = 8;

} // namespace

std::uint8_t checkByte(std::span<const std::uint8_t> lengthAndFollowing)
{
    const unsigned sum = std::accumulate(lengthAndFollowing.begin(), lengthAndFollowing.end(), 0u);
    return static_cast<std::uint8_t>(~sum & 0xFFu);
}

Frame buildPing()
{
    return makeFrame(FrameType::C0, {});
}

Frame buildSelectTable(std::uint8_t slot)
{
    const std::array<std::uint8_t, 3> body = {kSelectByte1, kSelectByte2, slot};
    return makeFrame(FrameType::C1, body);
}

Frame buildEndOfData()
{
    const std::array<std::uint8_t, 3> body = {0xFF, 0xFF, 0xFF};
    return makeFrame(FrameType::S8, body);
}

Frame buildReadIdentity()
{
    return makeFrame(FrameType::T7, {});
}

Frame buildImageBlock(std::uint8_t slot, int block, std::span<const std::uint8_t, kBlockDataBytes> data)
{
    std::array<std::uint8_t, 3 + kBlockDataBytes> body{};
    body[0] = static_cast<std::uint8_t>(slot + (block >> 12));
    body[1] = static_cast<std::uint8_t>((block >> 4) & 0xFF);
    body[2] = static_cast<std::uint8_t>((block << 4) & 0xFF);
    std::copy(data.begin(), data.end(), body.begin() + 3);
    return makeFrame(FrameType::S2, body);
}

Frame buildReadBlock(std::uint8_t slot, int block, int addressMode)
{
    std::array<std::uint8_t, 3> body{};
    const std::uint32_t a = blockAddress(slot, block);
    if (addressMode == kAddressModeLinear) {
        body = {static_cast<std::uint8_t>(a >> 16), static_cast<std::uint8_t>(a >> 8),
                static_cast<std::uint8_t>(a)};
    } else if (addressMode == kAddressModePaged) {
        body = {static_cast<std::uint8_t>(a >> kPageShift),
                static_cast<std::uint8_t>(kPagedWindowBit | ((block >> 4) & 0x3F)),
                static_cast<std::uint8_t>((block << 4) & 0xFF)};
    }
    return makeFrame(FrameType::T0, body);
}

std::uint32_t blockAddress(std::uint8_t slot, int block)
{
    return (static_cast<std::uint32_t>(slot) << 16) + 16u * static_cast<std::uint32_t>(block);
}

std::size_t replyLength(FrameType type, int addressMode)
{
    switch (type) {
    case FrameType::C0:
        return kBannerBytes;
    case FrameType::C1:
    case FrameType::S2:
    case FrameType::S8:
        return kStatusReplyBytes;
    case FrameType::T0:
        return addressMode == kAddressModePaged ? kDumpLineBytes : kDataReplyBytes;
    case FrameType::T7:
        return kIdentityReplyBytes;
    }
    return 0;
}

bool frameTypeForState(bpState state, FrameType& out)
{
    switch (state) {
    case bpStateSEND_C0:
    case bpStateSENT_C0:
        out = FrameType::C0;
        return true;
    case bpStateSEND_C1:
    case bpStateSENT_C1:
        out = FrameType::C1;
        return true;
    case bpStateSEND_S2:
    case bpStateSENT_S2:
        out = FrameType::S2;
        return true;
    case bpStateSEND_S8:
    case bpStateSENT_S8:
        out = FrameType::S8;
        return true;
    case bpStateSEND_T0:
    case bpStateSENT_T0:
        out = FrameType::T0;
        return true;
    case bpStateSEND_T7:
    case bpStateSENT_T7:
        out = FrameType::T7;
        return true;
    default:
        return false;
    }
}

bool isBanner(std::span<const std::uint8_t> reply)
{
    return std::equal(reply.begin(), reply.end(), kBanner.begin(), kBanner.end());
}

StatusReply recogniseStatus(std::span<const std::uint8_t> reply)
{
    if (reply.size() != kStatusReplyBytes)
        return StatusReply::Unknown;
    if (reply[0] == 'O' && reply[1] == 'K')
        return StatusReply::OK;
    if (reply[0] == 'C' && reply[1] == 'E')
        return StatusReply::CE;
    if (reply[0] == 'F' && reply[1] == 'E')
        return StatusReply::FE;
    return StatusReply::Unknown;
}

bool isKeyboardIdReply(std::span<const std::uint8_t> reply)
{
    return reply.size() == kIdentityReplyBytes && reply[0] == 'K' && reply[1] == 'B';
}

DataReply decodeDataReply(std::span<const std::uint8_t> reply)
{
    DataReply r;
    if (reply.size() != kDataReplyBytes || reply[0] != 'D' || reply[1] != 'T') {
        r.badPacket = true;
        return r;
    }
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < kBlockDataBytes; ++i)
        x = static_cast<std::uint8_t>(x ^ reply[2 + i]);
    if (x != reply[2 + kBlockDataBytes]) {
        r.badPacket = true;
        return r;
    }
    std::copy_n(reply.begin() + 2, kBlockDataBytes, r.data.begin());
    r.valid = true;
    return r;
}

int hexDigitValue(std::uint8_t c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

DataReply decodeDumpLine(std::span<const std::uint8_t> line)
{
    DataReply r;
    if (line.size() != kDumpLineBytes || line[kDumpOpenAt] != '(' || line[kDumpCloseAt] != ')' ||
        line[kDumpColonAt] != ':')
        return r;
    for (std::size_t k = 0; k < kDumpGroups; ++k)
        if (line[kDumpFirstDigitAt + 4 + kDumpGroupStride * k] != ' ')
            return r;
    for (std::size_t k = 0; k < kDumpGroups; ++k) {
        const std::size_t at = kDumpFirstDigitAt + kDumpGroupStride * k;
        r.data[2 * k] = static_cast<std::uint8_t>(hexDigitValue(line[at]) << 4 | hexDigitValue(line[at + 1]));
        r.data[2 * k + 1] =
            static_cast<std::uint8_t>(hexDigitValue(line[at + 2]) << 4 | hexDigitValue(line[at + 3]));
    }
    r.valid = true;
    return r;
}

ReplyRecognition recogniseReply(bpState sentState, int addressMode, std::span<const std::uint8_t> held)
{
    ReplyRecognition r;
    FrameType type;
    if (sentState < bpStateSENT_C0 || sentState > bpStateSENT_T7 || !frameTypeForState(sentState, type)) {
        r.verdict = ReplyVerdict::NotAwaiting;
        return r;
    }
    const std::size_t length = replyLength(type, addressMode);
    if (held.size() < length)
        return r;
    if (held.size() > length) {
        r.verdict = ReplyVerdict::Overrun;
        return r;
    }
    r.verdict = ReplyVerdict::Complete;
    r.state = bpStateRECEIVE_UK;
    switch (type) {
    case FrameType::C0:
        if (isBanner(held))
            r.state = bpStateRECEIVE_C0;
        break;
    case FrameType::C1:
    case FrameType::S2:
    case FrameType::S8:
        switch (recogniseStatus(held)) {
        case StatusReply::OK:
            r.state = bpStateRECEIVE_OK;
            break;
        case StatusReply::CE:
            r.state = bpStateRECEIVE_CE;
            break;
        case StatusReply::FE:
            r.state = bpStateRECEIVE_FE;
            break;
        case StatusReply::Unknown:
            break;
        }
        break;
    case FrameType::T7:
        std::copy(held.begin(), held.end(), r.keyboardId.bytes.begin());
        if (r.keyboardId.hasSignature())
            r.state = bpStateRECEIVE_T7;
        break;
    case FrameType::T0:
        r.data = addressMode == kAddressModePaged ? decodeDumpLine(held) : decodeDataReply(held);
        r.badPacket = r.data.badPacket;
        if (r.data.valid)
            r.state = bpStateRECEIVE_DT;
        break;
    }
    return r;
}

std::uint8_t frameLengthByte(FrameType type)
{
    return ruleFor(type).lengthByte;
}

ParseStatus parseFrame(std::span<const std::uint8_t> input, ParsedFrame& out)
{
    if (input.empty())
        return ParseStatus::NeedMore;
    const auto letterMatches = [&](const FrameRule& r) {
        return input[0] == static_cast<std::uint8_t>(r.letter);
    };
    if (std::none_of(kFrameRules.begin(), kFrameRules.end(), letterMatches))
        return ParseStatus::Invalid;
    if (input.size() < 2)
        return ParseStatus::NeedMore;
    const auto rule = std::find_if(kFrameRules.begin(), kFrameRules.end(), [&](const FrameRule& r) {
        return input[0] == static_cast<std::uint8_t>(r.letter) &&
               input[1] == static_cast<std::uint8_t>(r.digit);
    });
    if (rule == kFrameRules.end())
        return ParseStatus::Invalid;
    if (input.size() < kHeaderBytes)
        return ParseStatus::NeedMore;
    if (input[2] != rule->lengthByte)
        return ParseStatus::Invalid;
    const std::size_t total = kHeaderBytes + rule->lengthByte;
    if (input.size() < total)
        return ParseStatus::NeedMore;

    ParsedFrame f;
    f.type = rule->type;
    f.length = rule->lengthByte;
    f.size = total;
    f.checkValid = checkByte(input.subspan(2, total - 3)) == input[total - 1];
    if (rule->lengthByte >= 4)
        f.address =
            static_cast<std::uint32_t>(input[3]) << 16 | static_cast<std::uint32_t>(input[4]) << 8 | input[5];
    if (f.type == FrameType::C1) {
        f.selectBytesValid = input[3] == kSelectByte1 && input[4] == kSelectByte2;
        f.slot = input[5];
    }
    if (f.type == FrameType::S2)
        std::copy_n(input.begin() + 6, kBlockDataBytes, f.data.begin());
    out = f;
    return ParseStatus::Complete;
}

Reply buildBannerReply()
{
    return Reply(kBanner.begin(), kBanner.end());
}

Reply buildStatusReply(StatusReply status)
{
    switch (status) {
    case StatusReply::OK:
        return {'O', 'K'};
    case StatusReply::CE:
        return {'C', 'E'};
    case StatusReply::FE:
        return {'F', 'E'};
    case StatusReply::Unknown:
        break;
    }
    return {'?', '?'};
}

Reply buildKeyboardIdReply(const KeyboardId& id)
{
    return Reply(id.bytes.begin(), id.bytes.end());
}

Reply buildDataReply(std::span<const std::uint8_t, kBlockDataBytes> data)
{
    Reply r = {'D', 'T'};
    std::uint8_t x = 0;
    for (std::uint8_t b : data) {
        r.push_back(b);
        x = static_cast<std::uint8_t>(x ^ b);
    }
    r.push_back(x);
    return r;
}

Reply buildDumpLine(std::uint8_t a2, std::uint8_t a1, std::uint8_t a0,
                    std::span<const std::uint8_t, kBlockDataBytes> data)
{
    Reply r;
    r.reserve(kDumpLineBytes);
    r.push_back('(');
    appendHexByte(r, a2);
    r.push_back(')');
    appendHexByte(r, a1);
    appendHexByte(r, a0);
    r.push_back(':');
    for (std::size_t k = 0; k < kDumpGroups; ++k) {
        appendHexByte(r, data[2 * k]);
        appendHexByte(r, data[2 * k + 1]);
        r.push_back(' ');
    }
    return r;
}

bool pagedAddressToBlock(std::uint8_t a2, std::uint8_t a1, std::uint8_t a0, std::uint8_t& slot, int& block)
{
    if ((a1 & 0xC0) != kPagedWindowBit) // the window covers 0x8000-0xBFFF
        return false;
    const std::uint32_t address =
        static_cast<std::uint32_t>(a2) << kPageShift | static_cast<std::uint32_t>(a1 & 0x3F) << 8 | a0;
    slot = static_cast<std::uint8_t>(address >> 16);
    block = static_cast<int>((address & 0xFFFF) >> 4);
    return true;
}

} // namespace tarvo::serial::frames
