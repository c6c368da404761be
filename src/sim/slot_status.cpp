#include "sim/slot_status.h"

#include "serial/keyboard_records.h"
#include "transfer/table_info_row.h"

#include <algorithm>

namespace tarvo::sim {
namespace {

constexpr std::size_t kInfoLowBytes = 32;
constexpr std::size_t kInfoHighOffset = 320;
constexpr std::size_t kInfoHighBytes = 16;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

serial::TableInfoBlock infoBlockOf(std::span<const std::uint8_t> image)
{
    serial::TableInfoBlock info;
    std::copy_n(image.begin(), kInfoLowBytes, info.bytes.begin());
    std::copy_n(image.begin() + kInfoHighOffset, kInfoHighBytes, info.bytes.begin() + kInfoLowBytes);
    return info;
}

} // namespace

std::string toUtf8(const std::u16string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, c);
        }
    }
    return out;
}

std::string slotStatusText(const KeyboardFlash& flash, int slotCount)
{
    std::string text;
    for (int slot = 0; slot < slotCount && slot < KeyboardFlash::kSlots; ++slot) {
        const transfer::TableInfoRow row =
            transfer::makeTableInfoRow(slot + 1, infoBlockOf(flash.slotImage(slot)));
        text.append("slot ").append(std::to_string(slot + 1)).append(": ");
        text.append(slotStateName(flash.state(slot))).append(", ");
        if (row.present) {
            text.append("\"").append(toUtf8(row.friendlyName)).append("\", language ID ");
            text.append(std::to_string(row.languageId)).append(", font ").append(std::to_string(row.font));
            text.append(", version ").append(toUtf8(row.versionText));
        } else {
            text += toUtf8(row.friendlyName);
        }
        text += "\n";
    }
    return text;
}

} // namespace tarvo::sim
