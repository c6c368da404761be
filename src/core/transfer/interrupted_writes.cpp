#include "transfer/interrupted_writes.h"

#include "model/lang_table.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <string_view>

namespace tarvo::transfer {

namespace {
// "2026-12-09T01:02:03Z" and a little room; anything longer is damage.
constexpr std::size_t kLongestTime = 32;
} // namespace

bool InterruptedWrite::hasImage() const
{
    return image.size() == model::kImageBytes;
}

std::string utcTimeNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string keyboardIdText(const serial::KeyboardId& id)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : id.bytes) {
        text += kHex[byte >> 4];
        text += kHex[byte & 0x0F];
    }
    return text;
}

std::string shownTime(const std::string& time)
{
    if (time.size() <= kLongestTime)
        return time;
    constexpr std::string_view kEllipsis = "...";
    std::string shown(kLongestTime + kEllipsis.size(), '.');
    std::copy_n(time.begin(), kLongestTime, shown.begin());
    return shown;
}

std::vector<InterruptedWrite> recordsOfSlot(const InterruptedWriteMemory& memory,
                                            const std::string& keyboardId, const std::string& canonicalDevice,
                                            int slot)
{
    std::vector<InterruptedWrite> found;
    for (InterruptedWrite& record : memory.records()) {
        const bool sameKeyboard = !record.keyboardId.empty() && record.keyboardId == keyboardId;
        const bool oldOfThisDevice = record.keyboardId.empty() && record.canonicalDevice == canonicalDevice;
        if (record.slot == slot && (sameKeyboard || oldOfThisDevice))
            found.push_back(std::move(record));
    }
    return found;
}

void forgetSlot(InterruptedWriteMemory& memory, const std::string& canonicalDevice, int slot)
{
    for (const InterruptedWrite& record : memory.records())
        if (record.slot == slot && record.canonicalDevice == canonicalDevice && !record.id.empty())
            memory.forget(record.id);
}

} // namespace tarvo::transfer
