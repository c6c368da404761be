// tarvo history: a row per transfer the history records (time, device,
// keyboard, slots and their outcomes, result), newest last; --json gives the
// records themselves as JSON Lines.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/session_runner.h"
#include "history/history_rows.h"
#include "platform/history_file.h"
#include "platform/port_paths.h"

#include <array>
#include <cstdio>
#include <regex>
#include <set>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* historyUsage()
{
    return usageOf("history");
}
constexpr std::size_t kColumns = 6;

using Cells = std::array<std::string, kColumns>;

Cells cellsOf(const history::TransferRow& row)
{
    return {row.time,
            row.command,
            row.device.empty() ? row.port : row.device,
            history::keyboardText(row.keyboard),
            history::slotsText(row),
            history::resultText(row)};
}

void printTable(const std::vector<const history::TransferRow*>& rows)
{
    std::vector<Cells> lines = {{"Time", "Command", "Device", "Keyboard", "Slots", "Result"}};
    for (const auto* row : rows)
        lines.push_back(cellsOf(*row));
    std::array<std::size_t, kColumns> width{};
    for (const auto& cells : lines)
        for (std::size_t c = 0; c < kColumns; ++c)
            width[c] = std::max(width[c], cells[c].size());
    for (const auto& cells : lines) {
        std::string text;
        for (std::size_t c = 0; c < kColumns; ++c) {
            text += cells[c];
            if (c + 1 < kColumns)
                text += std::string(width[c] - cells[c].size() + 2, ' ');
        }
        std::printf("%s\n", text.c_str());
    }
}

} // namespace

int runHistory(const std::vector<std::string>& argv)
{
    const Args args(argv, {"json"}, {"port", "since"});
    if (!args.ok())
        return usageError(args.error(), historyUsage());
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", historyUsage());
    history::RowFilter filter;
    if (const auto dev = args.value("port")) {
        std::string error;
        const auto target = parsePortTarget(*dev, error);
        if (!target)
            return usageError(error, historyUsage());
        filter.ports = {*dev, target->devicePath, platform::canonicalDevice(target->devicePath)};
    }
    if (const auto since = args.value("since")) {
        static const std::regex kDate(R"(\d{4}-\d{2}-\d{2})");
        if (!std::regex_match(*since, kDate))
            return usageError("--since takes a date as YYYY-MM-DD", historyUsage());
        filter.since = *since;
    }

    const platform::HistoryFile file;
    history::HistoryLog log;
    std::string reason;
    if (!file.read(log, reason))
        return fail(kExitFileError, "history", reason);
    if (log.damagedLines > 0)
        std::fprintf(stderr, "tarvo: history: %d damaged line%s skipped in %s\n", log.damagedLines,
                     log.damagedLines == 1 ? "" : "s", file.path().toStdString().c_str());

    const std::vector<history::TransferRow> rows = history::transferRows(log.records);
    std::vector<const history::TransferRow*> shown;
    std::set<std::string> ids;
    for (const auto& row : rows)
        if (history::matches(row, filter)) {
            shown.push_back(&row);
            ids.insert(row.transfer);
        }
    if (args.has("json")) {
        for (const auto& record : log.records)
            if (ids.contains(record.transfer))
                std::printf("%s\n", platform::historyLine(record).constData());
        return kExitOk;
    }
    if (shown.empty()) {
        std::printf("No transfers recorded%s\n",
                    filter.ports.empty() && filter.since.empty() ? "" : " that match");
        return kExitOk;
    }
    printTable(shown);
    return kExitOk;
}

} // namespace tarvo::cli
