#include "history/history_record.h"

#include <array>
#include <utility>

namespace tarvo::history {

namespace {

constexpr std::array<std::pair<RecordKind, std::string_view>, 4> kKindNames = {{
    {RecordKind::Start, "start"},
    {RecordKind::SlotStart, "slot_start"},
    {RecordKind::SlotEnd, "slot_end"},
    {RecordKind::End, "end"},
}};

} // namespace

std::string_view recordKindName(RecordKind kind)
{
    for (const auto& [k, name] : kKindNames)
        if (k == kind)
            return name;
    return {};
}

std::optional<RecordKind> recordKindFromName(std::string_view name)
{
    for (const auto& [k, n] : kKindNames)
        if (n == name)
            return k;
    return std::nullopt;
}

} // namespace tarvo::history
