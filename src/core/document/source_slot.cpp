#include "document/source_slot.h"

#include <cstddef>

namespace tarvo::document {

namespace {
constexpr std::size_t kRecordValues = 2; // the marker and the slot

// The position of the record's marker, or npos.
std::size_t findRecord(const std::vector<std::uint32_t>& values)
{
    for (std::size_t p = values.size(); p >= kRecordValues; --p) {
        const std::size_t at = p - kRecordValues;
        if (values[at] == kSourceSlotMarker)
            return at;
    }
    return std::string::npos;
}
} // namespace

void setSourceSlot(model::CS1_LangTable& table, int slot)
{
    auto& values = table.SpareValues();
    const std::size_t at = findRecord(values);
    if (at != std::string::npos)
        values.erase(values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.begin() + static_cast<std::ptrdiff_t>(at + kRecordValues));
    values.push_back(kSourceSlotMarker);
    values.push_back(static_cast<std::uint32_t>(slot));
}

std::optional<int> sourceSlot(const model::CS1_LangTable& table)
{
    const auto& values = table.SpareValues();
    const std::size_t at = findRecord(values);
    if (at == std::string::npos)
        return std::nullopt;
    const std::uint32_t slot = values[at + 1];
    if (slot < kFirstSourceSlot || slot > kLastSourceSlot)
        return std::nullopt;
    return static_cast<int>(slot);
}

} // namespace tarvo::document
