#include "history/history_rows.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace tarvo::history {

namespace {

constexpr const char* kModelOmnia = "KBD-OMNIA";
constexpr std::size_t kDateChars = 10; // YYYY-MM-DD

SlotResult& slotOf(TransferRow& row, int slot)
{
    for (auto& s : row.slots)
        if (s.slot == slot)
            return s;
    row.slots.push_back({});
    row.slots.back().slot = slot;
    return row.slots.back();
}

std::string twoPart(int major, int minor)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", major, minor);
    return text;
}

} // namespace

std::vector<TransferRow> transferRows(const std::vector<HistoryRecord>& records)
{
    std::vector<TransferRow> rows;
    std::map<std::string, std::size_t> index;
    for (const auto& r : records) {
        auto [it, added] = index.try_emplace(r.transfer, rows.size());
        if (added) {
            rows.push_back({});
            rows.back().transfer = r.transfer;
            rows.back().time = r.time;
        }
        TransferRow& row = rows[it->second];
        switch (r.kind) {
        case RecordKind::Start:
            row.time = r.time;
            row.program = r.program;
            row.command = r.command;
            row.port = r.port;
            row.device = r.device;
            row.keyboard = r.keyboard;
            row.document = r.document;
            row.documentSha256 = r.documentSha256;
            break;
        case RecordKind::SlotStart: {
            SlotResult& s = slotOf(row, r.slot);
            s.language = r.language;
            s.table = r.table;
            break;
        }
        case RecordKind::SlotEnd: {
            SlotResult& s = slotOf(row, r.slot);
            s.outcome = r.outcome;
            if (!r.sha256.empty())
                s.sha256 = r.sha256;
            if (!r.backup.empty())
                s.backup = r.backup;
            break;
        }
        case RecordKind::End:
            row.finished = true;
            row.status = r.status;
            row.message = r.message;
            break;
        }
    }
    return rows;
}

bool matches(const TransferRow& row, const RowFilter& filter)
{
    if (!filter.ports.empty() && std::ranges::none_of(filter.ports, [&row](const std::string& p) {
            return p == row.port || p == row.device;
        }))
        return false;
    // ISO 8601 dates compare as text.
    return filter.since.empty() || row.time.substr(0, kDateChars) >= filter.since;
}

std::string keyboardText(const std::optional<serial::KeyboardId>& keyboard)
{
    if (!keyboard)
        return "-";
    const serial::KeyboardId& id = *keyboard;
    std::string model = kModelOmnia;
    if (id.keyboardType() != serial::kKeyboardTypeOmnia) {
        char text[32];
        std::snprintf(text, sizeof text, "type 0x%02X", static_cast<unsigned>(id.keyboardType()));
        model = text;
    }
    return model + " generation " + std::to_string(id.generation()) + ", bootloader " +
           twoPart(id.bootloaderMajor(), id.bootloaderMinor()) + ", firmware " +
           twoPart(id.firmwareMajor(), id.firmwareMinor());
}

std::string slotsText(const TransferRow& row)
{
    std::string text;
    for (const auto& s : row.slots) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(s.slot) + " " + (s.outcome.empty() ? std::string("started") : s.outcome);
    }
    return text.empty() ? "-" : text;
}

std::string resultText(const TransferRow& row)
{
    if (!row.finished)
        return std::string(kUnfinished);
    if (row.status == 0)
        return "complete";
    return "exit " + std::to_string(row.status) + (row.message.empty() ? "" : ": " + row.message);
}

std::string backupOf(const TransferRow& row)
{
    for (const auto& s : row.slots)
        if (!s.backup.empty())
            return s.backup;
    return {};
}

std::vector<TransferRow> lastPerKeyboard(const std::vector<TransferRow>& rows,
                                         const std::string& documentSha256)
{
    std::vector<TransferRow> last;
    for (const auto& row : rows) {
        if (row.documentSha256 != documentSha256 || !row.keyboard)
            continue;
        auto same = std::ranges::find_if(last, [&row](const TransferRow& seen) {
            return seen.device == row.device && seen.keyboard == row.keyboard;
        });
        if (same != last.end())
            last.erase(same);
        last.push_back(row);
    }
    return last;
}

} // namespace tarvo::history
