#pragma once
// The keyboard's table flash: 13 slots of 64 KB. Erasing sets a slot to 0xFF;
// programming can only clear bits (the new bytes are ANDed in), as flash
// does. Each slot's state (erased, partly written, complete) is kept beside
// the flash file in a small text file, "<flash file>.state".

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvo::sim {

enum class SlotState { Erased, PartlyWritten, Complete };

// "erased", "partly written", "complete".
const char* slotStateName(SlotState state);

struct FlashResult {
    bool ok = false;
    bool missing = false; // load only: the flash file does not exist
    std::string message;
};

class KeyboardFlash {
public:
    static constexpr int kSlots = 13;
    static constexpr std::size_t kSlotBytes = 65536;
    static constexpr std::size_t kFlashBytes = kSlots * kSlotBytes;
    static constexpr std::uint8_t kErasedByte = 0xFF;

    KeyboardFlash(); // every slot erased

    // slot 0-12; callers check the range.
    void erase(int slot);
    // ANDs the bytes into the flash at a 24-bit address; the caller keeps
    // address + bytes within the flash. Marks the slot partly written.
    void program(std::uint32_t address, std::span<const std::uint8_t> bytes);
    void markComplete(int slot);
    // Replaces a slot's content outright (factory content, a document's table).
    void storeSlot(int slot, std::span<const std::uint8_t> image, SlotState state);

    std::span<const std::uint8_t> slotImage(int slot) const;
    std::span<const std::uint8_t> bytes(std::uint32_t address, std::size_t count) const;
    SlotState state(int slot) const { return m_states[static_cast<std::size_t>(slot)]; }

    // True after any change since the last save or load.
    bool dirty() const { return m_dirty; }

    static std::string stateFilePath(const std::string& flashPath) { return flashPath + ".state"; }
    // Reads the flash file (exactly kFlashBytes) and its state file. Without
    // a state file each slot is erased when it reads all 0xFF, else complete.
    FlashResult load(const std::string& flashPath);
    // Writes both files, each atomically.
    FlashResult save(const std::string& flashPath);

    // The state file's text: a comment line, then "slot N: STATE" per slot.
    std::string stateText() const;
    bool parseStateText(const std::string& text, std::string& error);

private:
    std::vector<std::uint8_t> m_flash;
    std::array<SlotState, kSlots> m_states{};
    bool m_dirty = false;
};

} // namespace tarvo::sim
