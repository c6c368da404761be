#include "sim/keyboard_flash.h"

#include "io/atomic_file.h"

#include <algorithm>
#include <sstream>
#include <sys/stat.h>

namespace tarvo::sim {
namespace {

constexpr std::array<SlotState, 3> kAllStates = {SlotState::Erased, SlotState::PartlyWritten,
                                                 SlotState::Complete};
constexpr std::size_t kMaxStateFileBytes = 4096;

bool fileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

} // namespace

const char* slotStateName(SlotState state)
{
    switch (state) {
    case SlotState::Erased:
        return "erased";
    case SlotState::PartlyWritten:
        return "partly written";
    case SlotState::Complete:
        return "complete";
    }
    return "erased";
}

KeyboardFlash::KeyboardFlash() : m_flash(kFlashBytes, kErasedByte)
{
    m_states.fill(SlotState::Erased);
}

void KeyboardFlash::erase(int slot)
{
    auto start = m_flash.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(slot) * kSlotBytes);
    std::fill(start, start + static_cast<std::ptrdiff_t>(kSlotBytes), kErasedByte);
    // An erased slot is being written: the state records that a write began.
    m_states[static_cast<std::size_t>(slot)] = SlotState::PartlyWritten;
    m_dirty = true;
}

void KeyboardFlash::program(std::uint32_t address, std::span<const std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        m_flash[address + i] &= bytes[i];
    m_states[address / kSlotBytes] = SlotState::PartlyWritten;
    m_dirty = true;
}

void KeyboardFlash::markComplete(int slot)
{
    m_states[static_cast<std::size_t>(slot)] = SlotState::Complete;
    m_dirty = true;
}

void KeyboardFlash::storeSlot(int slot, std::span<const std::uint8_t> image, SlotState state)
{
    const std::size_t start = static_cast<std::size_t>(slot) * kSlotBytes;
    const std::size_t count = std::min(image.size(), kSlotBytes);
    std::copy_n(image.begin(), count, m_flash.begin() + static_cast<std::ptrdiff_t>(start));
    std::fill(m_flash.begin() + static_cast<std::ptrdiff_t>(start + count),
              m_flash.begin() + static_cast<std::ptrdiff_t>(start + kSlotBytes), kErasedByte);
    m_states[static_cast<std::size_t>(slot)] = state;
    m_dirty = true;
}

std::span<const std::uint8_t> KeyboardFlash::slotImage(int slot) const
{
    return std::span<const std::uint8_t>(m_flash).subspan(static_cast<std::size_t>(slot) * kSlotBytes,
                                                          kSlotBytes);
}

std::span<const std::uint8_t> KeyboardFlash::bytes(std::uint32_t address, std::size_t count) const
{
    return std::span<const std::uint8_t>(m_flash).subspan(address, count);
}

FlashResult KeyboardFlash::load(const std::string& flashPath)
{
    FlashResult result;
    if (!fileExists(flashPath)) {
        result.missing = true;
        result.message = flashPath + ": no such file";
        return result;
    }
    std::vector<std::uint8_t> content;
    const io::FileResult read = io::readWholeFile(flashPath, content, kFlashBytes + 1);
    if (!read.ok) {
        result.message = read.message;
        return result;
    }
    // Anything else is not a flash file of ours: refuse it rather than
    // overwrite it later.
    if (content.size() != kFlashBytes) {
        result.message = flashPath + ": not a keyboard flash file (" + std::to_string(content.size()) +
                         " bytes, expected " + std::to_string(kFlashBytes) + ")";
        return result;
    }
    KeyboardFlash loaded;
    loaded.m_flash = std::move(content);
    const std::string statePath = stateFilePath(flashPath);
    if (fileExists(statePath)) {
        std::vector<std::uint8_t> text;
        const io::FileResult stateRead = io::readWholeFile(statePath, text, kMaxStateFileBytes);
        if (!stateRead.ok) {
            result.message = stateRead.message;
            return result;
        }
        std::string error;
        if (!loaded.parseStateText(std::string(text.begin(), text.end()), error)) {
            result.message = statePath + ": " + error;
            return result;
        }
    } else {
        for (int slot = 0; slot < kSlots; ++slot) {
            const auto image = loaded.slotImage(slot);
            const bool blank =
                std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == kErasedByte; });
            loaded.m_states[static_cast<std::size_t>(slot)] = blank ? SlotState::Erased : SlotState::Complete;
        }
    }
    *this = std::move(loaded);
    m_dirty = false;
    result.ok = true;
    return result;
}

FlashResult KeyboardFlash::save(const std::string& flashPath)
{
    FlashResult result;
    const io::FileResult flash = io::writeFileAtomically(flashPath, m_flash);
    if (!flash.ok) {
        result.message = flash.message;
        return result;
    }
    const std::string text = stateText();
    const auto* begin = reinterpret_cast<const std::uint8_t*>(text.data());
    const io::FileResult state =
        io::writeFileAtomically(stateFilePath(flashPath), std::span<const std::uint8_t>(begin, text.size()));
    if (!state.ok) {
        result.message = state.message;
        return result;
    }
    m_dirty = false;
    result.ok = true;
    return result;
}

std::string KeyboardFlash::stateText() const
{
    std::string text = "# slot states of the simulated keyboard's flash\n";
    for (int slot = 0; slot < kSlots; ++slot)
        text += "slot " + std::to_string(slot + 1) + ": " + slotStateName(state(slot)) + "\n";
    return text;
}

bool KeyboardFlash::parseStateText(const std::string& text, std::string& error)
{
    std::array<SlotState, kSlots> states{};
    std::array<bool, kSlots> seen{};
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        line = trimmed(line);
        if (line.empty() || line[0] == '#')
            continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const auto colon = line.find(':');
        if (line.rfind("slot ", 0) != 0 || colon == std::string::npos) {
            error = where + "expected \"slot N: STATE\"";
            return false;
        }
        const std::string number = trimmed(line.substr(5, colon - 5));
        const std::string stateWord = trimmed(line.substr(colon + 1));
        int slot = 0;
        if (number.empty() || number.size() > 2 ||
            !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
            slot = 0;
        else
            slot = std::stoi(number);
        if (slot < 1 || slot > kSlots) {
            error = where + "slot number out of range 1-" + std::to_string(kSlots);
            return false;
        }
        const auto match = std::find_if(kAllStates.begin(), kAllStates.end(),
                                        [&](SlotState s) { return stateWord == slotStateName(s); });
        if (match == kAllStates.end()) {
            error = where + "unknown state \"" + stateWord + "\"";
            return false;
        }
        states[static_cast<std::size_t>(slot - 1)] = *match;
        seen[static_cast<std::size_t>(slot - 1)] = true;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!seen[static_cast<std::size_t>(slot)]) {
            error = "no state for slot " + std::to_string(slot + 1);
            return false;
        }
    }
    m_states = states;
    return true;
}

} // namespace tarvo::sim
