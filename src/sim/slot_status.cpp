#include "sim/slot_status.h"

#include "serial/keyboard_records.h"
#include "templates/utf_text.h"
#include "transfer/table_info_row.h"

#include <algorithm>

namespace tarvo::sim {
namespace {

constexpr std::size_t kInfoLowBytes = 32;
constexpr std::size_t kInfoHighOffset = 320;
constexpr std::size_t kInfoHighBytes = 16;

serial::TableInfoBlock infoBlockOf(std::span<const std::uint8_t> image)
{
    serial::TableInfoBlock info;
    std::copy_n(image.begin(), kInfoLowBytes, info.bytes.begin());
    std::copy_n(image.begin() + kInfoHighOffset, kInfoHighBytes, info.bytes.begin() + kInfoLowBytes);
    return info;
}

} // namespace

std::string slotStatusText(const KeyboardFlash& flash, int slotCount)
{
    std::string text;
    for (int slot = 0; slot < slotCount && slot < KeyboardFlash::kSlots; ++slot) {
        const transfer::TableInfoRow row =
            transfer::makeTableInfoRow(slot + 1, infoBlockOf(flash.slotImage(slot)));
        text.append("slot ").append(std::to_string(slot + 1)).append(": ");
        text.append(slotStateName(flash.state(slot))).append(", ");
        if (row.present) {
            text.append("\"").append(templates::utf16ToUtf8(row.friendlyName)).append("\", language ID ");
            text.append(std::to_string(row.languageId)).append(", font ").append(std::to_string(row.font));
            text.append(", version ").append(templates::utf16ToUtf8(row.versionText));
        } else {
            text += templates::utf16ToUtf8(row.friendlyName);
        }
        text += "\n";
    }
    return text;
}

} // namespace tarvo::sim
