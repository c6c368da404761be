#pragma once
// The keyboard bootloader's wire format, in one place for both ends of the
// line: the frames the program sends (binary S-records with their check
// byte), the replies the keyboard gives, how long each reply is and how each
// is recognised. Pure functions on byte arrays; no port, no state.

#include "serial/bp_state.h"
#include "serial/keyboard_records.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tarvo::serial::frames {

// The longest frame is S2: 2 type bytes, length, 3 address, 16 data, check.
inline constexpr std::size_t kMaxFrameBytes = 23;
inline constexpr std::size_t kBlockDataBytes = 16;

// What an erased flash byte reads.
inline constexpr std::uint8_t kErasedByte = 0xFF;

inline bool allErased(std::span<const std::uint8_t> bytes)
{
    for (const std::uint8_t b : bytes) {
        if (b != kErasedByte)
            return false;
    }
    return true;
}
inline constexpr int kBlocksPerSlot = 4096;
inline constexpr int kSlotsMax = 13;

inline constexpr std::size_t kBannerBytes = 18;
inline constexpr std::size_t kStatusReplyBytes = 2;
inline constexpr std::size_t kIdentityReplyBytes = 16;
inline constexpr std::size_t kDataReplyBytes = 19; // address mode 2
inline constexpr std::size_t kDumpLineBytes = 49;  // address mode 1
inline constexpr std::size_t kLongestReplyBytes = kDumpLineBytes;

inline constexpr int kAddressModeNone = 0;
inline constexpr int kAddressModePaged = 1; // bootloader 1.00
inline constexpr int kAddressModeLinear = 2;

// "Hollind KB1\nKBD\n", then 0x00 and 0x50.
extern const std::array<std::uint8_t, kBannerBytes> kBanner;

enum class FrameType { C0, C1, S2, S8, T0, T7 };

// A frame ready to send: bytes[0 .. size).
struct Frame {
    std::array<std::uint8_t, kMaxFrameBytes> bytes{};
    std::size_t size = 0;
    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

// One's complement of the low 8 bits of the sum of the given bytes (the
// length byte and everything after it up to, not including, the check byte).
std::uint8_t checkByte(std::span<const std::uint8_t> lengthAndFollowing);

Frame buildPing();                         // C0
Frame buildSelectTable(std::uint8_t slot); // C1 CA C5 slot
Frame buildEndOfData();                    // S8
Frame buildReadIdentity();                 // T7
// S2 writing the 16 bytes of block 0-4095 of a slot.
Frame buildImageBlock(std::uint8_t slot, int block, std::span<const std::uint8_t, kBlockDataBytes> data);
// T0 reading block 0-4095 of a slot; mode 0 leaves the address bytes 0.
Frame buildReadBlock(std::uint8_t slot, int block, int addressMode);

// The 24-bit address of a block: (slot << 16) + 16 * block.
std::uint32_t blockAddress(std::uint8_t slot, int block);

// The reply length the engine waits for after a frame (0 when unknown).
std::size_t replyLength(FrameType type, int addressMode);
// The frame a SEND or SENT state stands for; false for other states and for
// CA and N2, which have no frame.
bool frameTypeForState(bpState state, FrameType& out);

// --- Recognising replies (the program's side) ------------------------------

enum class StatusReply { OK, CE, FE, Unknown };

bool isBanner(std::span<const std::uint8_t> reply);
// "OK", "CE", "FE" exactly (upper case); anything else, a wrong length
// included, is Unknown.
StatusReply recogniseStatus(std::span<const std::uint8_t> reply);
// 16 bytes starting "KB".
bool isKeyboardIdReply(std::span<const std::uint8_t> reply);

struct DataReply {
    bool valid = false;
    bool badPacket = false; // mode 2: wrong header or wrong XOR byte
    std::array<std::uint8_t, kBlockDataBytes> data{};
};
// Mode 2: 'D' 'T', 16 data bytes, XOR of the data bytes.
DataReply decodeDataReply(std::span<const std::uint8_t> reply);
// Mode 1: the 49-character dump line.
DataReply decodeDumpLine(std::span<const std::uint8_t> line);
// '0'-'9', 'A'-'F', 'a'-'f'; any other character counts as 0.
int hexDigitValue(std::uint8_t c);

// What the bytes held after a frame amount to.
enum class ReplyVerdict {
    NotAwaiting, // the state awaits no reply
    Waiting,     // fewer bytes than the reply length: keep waiting
    Overrun,     // more bytes than the reply length: never completes (time-out)
    Complete,    // the result state in ReplyRecognition::state
};

struct ReplyRecognition {
    ReplyVerdict verdict = ReplyVerdict::Waiting;
    bpState state = bpStateNONE; // for Complete: a RECEIVE state or RECEIVE_UK
    bool badPacket = false;
    DataReply data;        // for T0 replies
    KeyboardId keyboardId; // for T7 replies of the right length
};

// Recognises the bytes held while waiting in sentState (a SENT state).
ReplyRecognition recogniseReply(bpState sentState, int addressMode, std::span<const std::uint8_t> held);

// --- The keyboard's side ----------------------------------------------------

enum class ParseStatus {
    NeedMore, // a frame may start here; more bytes are needed
    Complete, // a whole frame of a known type and length
    Invalid,  // no frame starts at byte 0: skip one byte and retry
};

struct ParsedFrame {
    FrameType type = FrameType::C0;
    std::uint8_t length = 0;                          // byte 2
    std::uint32_t address = 0;                        // S2, S8, T0: bytes 3-5, most significant first
    std::array<std::uint8_t, kBlockDataBytes> data{}; // S2 data bytes
    std::uint8_t slot = 0;                            // C1: the slot byte
    bool selectBytesValid = false;                    // C1: bytes 3-4 are CA C5
    bool checkValid = false;                          // the check byte matches
    std::size_t size = 0;                             // bytes the frame takes in the input
};

// The length byte each frame type carries.
std::uint8_t frameLengthByte(FrameType type);
ParseStatus parseFrame(std::span<const std::uint8_t> input, ParsedFrame& out);

using Reply = std::vector<std::uint8_t>;
Reply buildBannerReply();
Reply buildStatusReply(StatusReply status); // Unknown gives "??"
Reply buildKeyboardIdReply(const KeyboardId& id);
Reply buildDataReply(std::span<const std::uint8_t, kBlockDataBytes> data);
// The mode-1 dump line for a T0 whose address bytes were a2 a1 a0: "(a2)a1a0:"
// in hexadecimal, then eight groups of four digits, each followed by a space.
Reply buildDumpLine(std::uint8_t a2, std::uint8_t a1, std::uint8_t a0,
                    std::span<const std::uint8_t, kBlockDataBytes> data);
// Inverse of the paged T0 address: slot and block from the three address
// bytes; false when a1 lacks the 0x80 window bit.
bool pagedAddressToBlock(std::uint8_t a2, std::uint8_t a1, std::uint8_t a0, std::uint8_t& slot, int& block);

} // namespace tarvo::serial::frames
