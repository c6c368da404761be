// tarvo download: writes a document's tables into the keyboard. Everything
// that can be checked is checked before the first erase; the keyboard's
// tables are read (to merge their script menus, to back them up) before
// anything is erased; the document file itself is never changed. With
// --dry-run it stops where the first erase would come and prints what the
// download would change.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/download_many.h"
#include "cli/port_fleet.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "transfer/download_job.h"

#include <charconv>
#include <cstdio>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* downloadUsage()
{
    return usageOf("download");
}
constexpr int kMaxRetries = 100;

std::optional<int> parseRetries(const std::string& text)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || ptr != text.data() + text.size() || value < 0 ||
        value > kMaxRetries)
        return std::nullopt;
    return value;
}

// Parses the command line; a usage error's status otherwise.
std::optional<int> parseOptions(const std::vector<std::string>& argv, DownloadOptions& o)
{
    const Args args(argv, {"as-is", "verify", "force-write", "dry-run", "json", "quiet"},
                    {"port", "slots", "backup", "recover-from", "retries", "trace", "baud"});
    if (!args.ok())
        return usageError(args.error(), downloadUsage());
    if (args.positional().size() != 1)
        return usageError(args.positional().empty() ? "no document (FILE.tvo)"
                                                    : "only one document is written",
                          downloadUsage());
    o.documentPath = args.positional().front();
    std::string error;
    const auto targets = portTargetsFrom(args.values("port"), error);
    if (!targets)
        return usageError(error, downloadUsage());
    o.targets = *targets;
    const auto lineSpeed = lineSpeedFrom(args.value("baud"), error);
    if (!lineSpeed)
        return usageError(error, downloadUsage());
    o.lineSpeed = *lineSpeed;
    if (const auto list = args.value("slots")) {
        std::u16string message;
        const auto parsed = transfer::parseSlotList(*list, message);
        if (!parsed)
            return usageError(oneLine(message), downloadUsage());
        o.choice.slots = transfer::chosenSlotsOf(*parsed);
    }
    if (const auto retries = args.value("retries")) {
        const auto n = parseRetries(*retries);
        if (!n)
            return usageError("--retries takes a number from 0 to " + std::to_string(kMaxRetries),
                              downloadUsage());
        o.retries = *n;
    }
    o.choice.asStored = args.has("as-is");
    o.backupPath = args.value("backup");
    if (o.backupPath && o.backupPath->empty())
        return usageError("--backup needs a file name", downloadUsage());
    if (const auto recoverFrom = args.value("recover-from")) {
        if (recoverFrom->empty())
            return usageError("--recover-from needs a backup file", downloadUsage());
        o.choice.recoverFrom = *recoverFrom;
    }
    o.tracePath = args.value("trace");
    o.choice.verify = args.has("verify");
    o.choice.forceWrite = args.has("force-write");
    o.choice.previewOnly = args.has("dry-run");
    o.json = args.has("json");
    o.quiet = args.has("quiet");
    return std::nullopt;
}

} // namespace

int runDownload(const std::vector<std::string>& argv)
{
    DownloadOptions o;
    if (const auto usage = parseOptions(argv, o))
        return *usage;
    if (o.targets.size() > 1)
        return downloadToPorts(o);
    const PortTarget& target = o.targets.front();
    // Nothing is read from the keyboard until everything local is in order.
    if (o.backupPath && !o.choice.previewOnly && pathExists(*o.backupPath))
        return fail(kExitFileError, *o.backupPath, "file exists: a backup never replaces a file");
    document::DocumentNumberPool pool;
    std::unique_ptr<document::CS1_Doc> doc = openForCommand(pool, o.documentPath);
    if (!doc)
        return kExitFileError;

    TransferCommand command("download", target, o.json, o.quiet, o.tracePath, o.lineSpeed);
    // A preview changes nothing: no history, and no hash of the document for one.
    if (o.choice.previewOnly)
        command.keepNoHistory();
    else
        command.setHistoryDocument(o.documentPath, o.choice.asStored);
    TemplateSource backupTables(std::nullopt);
    transfer::DownloadJobSetup setup;
    setup.backupTables = &backupTables;
    setup.portIndex = target.portIndex;
    transfer::DownloadChoice choice = o.choice;
    choice.backupPath = o.backupPath.value_or(std::string());
    // The document is a copy read for this command: the merge never reaches its file.
    transfer::DownloadJob job(command.jobLine(), command, command.jobOptions(o.retries), *doc, setup);
    const transfer::JobEnd& end = command.run(job, [&job, &choice] { job.choose(choice); });
    if (o.choice.previewOnly) {
        printPreview(command.report(), job.preview());
        return command.finish(end);
    }
    if (end.status == transfer::JobStatus::Complete && !o.json) {
        if (job.writtenCount() == 0)
            std::printf("Nothing written: the keyboard already holds these tables (%d unchanged)\n",
                        job.unchangedCount());
        else
            std::printf("Transfer Complete: %d written, %d unchanged%s\n", job.writtenCount(),
                        job.unchangedCount(), job.verified() ? ", verified" : "");
    }
    return command.finish(end);
}

} // namespace tarvo::cli
