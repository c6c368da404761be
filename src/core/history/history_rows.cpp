#include "history/history_rows.h"

#include "templates/utf_text.h"

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

std::u16string utf16(const std::string& text)
{
    return templates::utf8ToUtf16(text);
}

std::string utf8(const std::u16string& text)
{
    return templates::utf16ToUtf8(text);
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
            row.said = r.said;
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

messages::Message keyboardMessage(const std::optional<serial::KeyboardId>& keyboard)
{
    if (!keyboard)
        return messages::Message::data(u"-");
    const serial::KeyboardId& id = *keyboard;
    std::string model = kModelOmnia;
    if (id.keyboardType() != serial::kKeyboardTypeOmnia) {
        char text[32];
        std::snprintf(text, sizeof text, "type 0x%02X", static_cast<unsigned>(id.keyboardType()));
        model = text;
    }
    return messages::Message(texts::kKeyboardLine,
                             {messages::ascii(model), messages::number(id.generation()),
                              messages::ascii(twoPart(id.bootloaderMajor(), id.bootloaderMinor())),
                              messages::ascii(twoPart(id.firmwareMajor(), id.firmwareMinor()))});
}

messages::Message slotsMessage(const TransferRow& row)
{
    messages::Message text;
    for (const auto& s : row.slots) {
        const std::u16string outcome = s.outcome.empty() ? std::u16string(texts::kStarted) : utf16(s.outcome);
        const auto known = std::find(texts::kOutcomeWords.begin(), texts::kOutcomeWords.end(), outcome);
        // An outcome the file names that this version does not know stays as written.
        const messages::Message word = known != texts::kOutcomeWords.end() ? messages::Message(*known)
                                                                           : messages::Message::data(outcome);
        text.append(u", ", messages::Message(texts::kSlotOutcome, {messages::number(s.slot), word}));
    }
    return text.empty() ? messages::Message::data(u"-") : text;
}

messages::Message resultMessage(const TransferRow& row)
{
    if (!row.finished)
        return messages::Message(texts::kUnfinished);
    if (row.status == 0)
        return messages::Message(texts::kComplete);
    if (row.message.empty() && row.said.empty())
        return messages::Message(texts::kExit, {messages::number(row.status)});
    const messages::Message because =
        row.said.empty() ? messages::Message::data(utf16(row.message)) : row.said;
    return messages::Message(texts::kExitBecause, {messages::number(row.status), because});
}

std::string keyboardText(const std::optional<serial::KeyboardId>& keyboard)
{
    return utf8(keyboardMessage(keyboard).text());
}

std::string slotsText(const TransferRow& row)
{
    return utf8(slotsMessage(row).text());
}

std::string resultText(const TransferRow& row)
{
    return templates::oneLineUtf8(resultMessage(row));
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
