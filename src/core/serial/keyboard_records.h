#pragma once
// Records the keyboard returns: its identity (the T7 reply) and the 48 bytes
// the sessions read from each slot to learn which table it holds.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvo::serial {

inline constexpr std::size_t kKeyboardIdBytes = 16;
inline constexpr std::uint8_t kKeyboardTypeOmnia = 0xFE;

// KeyboardId: 16 bytes, as received.
struct KeyboardId {
    std::array<std::uint8_t, kKeyboardIdBytes> bytes{};

    bool hasSignature() const { return bytes[0] == 'K' && bytes[1] == 'B'; }
    // Font slots 0-3, each stored as font number - 1.
    int fontInSlot(int slot) const { return bytes[2 + (slot & 3)] + 1; }
    int generation() const { return bytes[6]; }
    int keyboardType() const { return bytes[7]; }
    int bootloaderMajor() const { return bytes[8]; }
    int bootloaderMinor() const { return bytes[9]; }
    int firmwareMajor() const { return bytes[10]; }
    int firmwareMinor() const { return bytes[11]; }
    int iconicFont() const { return bytes[14]; }
    int dataSchema() const { return bytes[15]; }
    // 5 slots for generations 0 and 1, 13 for generation 2, none otherwise.
    int slotCount() const;
    // Bootloader 1.00 reads in address mode 1 (paged), any other in mode 2.
    int addressModeForBootloader() const;

    void clear() { bytes.fill(0); }
    bool operator==(const KeyboardId&) const = default;
};

inline constexpr std::size_t kTableInfoBlockBytes = 48;
// The three 16-byte blocks read from a slot, in the order they fill the record.
inline constexpr std::array<int, 3> kTableInfoBlocks = {0, 1, 20};

// TableInfoBlock: bytes 0-31 are image bytes 0-31, bytes 32-47 image bytes
// 320-335 (42 the font, 47 the language ID).
struct TableInfoBlock {
    std::array<std::uint8_t, kTableInfoBlockBytes> bytes{};

    // Stores the 16 data bytes of the n-th block of kTableInfoBlocks (0-2);
    // false for any other n or a block that is not 16 bytes.
    bool setBlock(int n, std::span<const std::uint8_t> data);
    // The image byte at offset o, for o in 0-31 or 320-335; -1 otherwise.
    int imageByte(int offset) const;
    int font() const { return bytes[42]; }
    int languageId() const { return bytes[47]; }
    // A slot holds no table when its first byte is 0 or 0xFF.
    bool holdsTable() const { return bytes[0] != 0x00 && bytes[0] != 0xFF; }
};

} // namespace tarvo::serial
