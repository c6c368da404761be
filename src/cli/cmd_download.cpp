// tarvo download: writes a document's tables into the keyboard. Everything
// that can be checked is checked before the first erase; the keyboard's
// tables are read (to merge their script menus, to back them up) before
// anything is erased; the document file itself is never changed.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "document/keyboard_document.h"
#include "transfer/download_plan.h"
#include "transfer/read_session.h"
#include "transfer/slot_inspection_session.h"
#include "transfer/write_session.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tarvo::cli {

namespace {

constexpr const char* kUsage =
    "tarvo download FILE.tvo --port DEV [--slots LIST] [--backup OUT.tvo] [--as-is] [--verify] "
    "[--force-write] [--retries N] [--trace FILE] [--json] [--quiet]";
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

std::vector<std::u16string> tableNames(const document::CS1_Doc& doc)
{
    std::vector<std::u16string> names;
    for (std::size_t i = 0; i < doc.tableCount(); ++i) {
        model::TableHeader header;
        model::TableMetadata metadata;
        doc.table(i).GetHeader(header, metadata);
        names.push_back(header.friendlyName);
    }
    return names;
}

struct Options {
    std::string documentPath;
    PortTarget target;
    transfer::DownloadRequest request;
    std::optional<std::string> backupPath;
    std::optional<std::string> tracePath;
    bool verify = false;
    bool forceWrite = false;
    int retries = 0;
    bool json = false;
    bool quiet = false;
};

// Parses the command line; a usage error's status otherwise.
std::optional<int> parseOptions(const std::vector<std::string>& argv, Options& o)
{
    const Args args(argv, {"as-is", "verify", "force-write", "json", "quiet"},
                    {"port", "slots", "backup", "retries", "trace"});
    if (!args.ok())
        return usageError(args.error(), kUsage);
    if (args.positional().size() != 1)
        return usageError(
            args.positional().empty() ? "no document (FILE.tvo)" : "only one document is written", kUsage);
    o.documentPath = args.positional().front();
    std::string error;
    const auto target = portTargetFrom(args.value("port"), error);
    if (!target)
        return usageError(error, kUsage);
    o.target = *target;
    if (const auto list = args.value("slots")) {
        std::u16string message;
        const auto parsed = transfer::parseSlotList(*list, message);
        if (!parsed)
            return usageError(oneLine(message), kUsage);
        o.request.slots = *parsed;
    }
    if (const auto retries = args.value("retries")) {
        const auto n = parseRetries(*retries);
        if (!n)
            return usageError("--retries takes a number from 0 to " + std::to_string(kMaxRetries), kUsage);
        o.retries = *n;
    }
    o.request.asIs = args.has("as-is");
    o.backupPath = args.value("backup");
    o.request.backup = o.backupPath.has_value();
    if (o.backupPath && o.backupPath->empty())
        return usageError("--backup needs a file name", kUsage);
    o.tracePath = args.value("trace");
    o.verify = args.has("verify");
    o.forceWrite = args.has("force-write");
    o.json = args.has("json");
    o.quiet = args.has("quiet");
    return std::nullopt;
}

// Saves the tables read from the chosen slots, before anything is erased.
bool saveBackup(TransferCommand& command, const transfer::DownloadPlan& plan,
                const transfer::SlotImages& read, const std::string& path, std::string& reason)
{
    document::ImportResults images;
    for (std::size_t s = 0; s < images.size(); ++s)
        if (plan.table[s] != transfer::kNoTable && read[s].size() == model::kImageBytes)
            images[s] = read[s];
    if (std::all_of(images.begin(), images.end(), [](const auto& i) { return i.empty(); })) {
        command.report().notice("no chosen slot holds a table to back up; " + path + " was not written");
        return true;
    }
    TemplateSource source(std::nullopt);
    if (!source.ready(reason))
        return false;
    document::DocumentNumberPool pool;
    auto build = [&source](int documentNumber) { return source.build(documentNumber); };
    const document::DocOutcome made = document::documentFromKeyboardImages(
        pool, build, images, document::KeyboardImageUse::Backup, command.target().portIndex);
    if (!made.doc) {
        reason = "backup: " + oneLine(made.result.message);
        return false;
    }
    const document::DocResult saved = made.doc->saveToPath(path, false, io::Overwrite::Refuse);
    if (!saved.ok()) {
        reason = path + ": " + oneLine(saved.message);
        return false;
    }
    command.report().notice("backup of " + std::to_string(made.doc->tableCount()) + " table" +
                            (made.doc->tableCount() == 1 ? "" : "s") + " saved to " + path);
    return true;
}

} // namespace

int runDownload(const std::vector<std::string>& argv)
{
    Options o;
    if (const auto usage = parseOptions(argv, o))
        return *usage;
    // Nothing is read from the keyboard until everything local is in order.
    if (o.backupPath && pathExists(*o.backupPath))
        return fail(kExitFileError, *o.backupPath, "file exists: a backup never replaces a file");
    document::DocumentNumberPool pool;
    std::unique_ptr<document::CS1_Doc> doc = openForCommand(pool, o.documentPath);
    if (!doc)
        return kExitFileError;

    o.request.documentFromImport = doc->importComplete();

    TransferCommand command("download", o.target, o.json, o.quiet, o.tracePath);
    SessionEnvironment& env = command.env();

    if (!command.inspect())
        return command.finishSession(command.inspection());
    const transfer::CSlotInspectionSession& inspection = command.inspection();

    const transfer::PlanResult planned = transfer::planDownload(inspection.listings(), inspection.slotCount(),
                                                                transfer::describeTables(*doc), o.request);
    if (!planned.ok)
        return command.finish(kExitRefused, oneLine(planned.message));
    const transfer::DownloadPlan& plan = planned.plan;
    if (command.interrupted())
        return command.finish(kExitCancelled, "cancelled; nothing was erased");

    transfer::SlotImages readImages;
    if (plan.anyRead()) {
        transfer::ReadRequest request;
        request.slotMap = transfer::readFirstSlotMap(plan);
        request.tableNames = tableNames(*doc);
        request.mergeMode = plan.anyMerge();
        transfer::CReadSession read(env.host(), env, env.port(), env.settings(), request,
                                    followingSessionOptions(o.retries));
        read.setProgressListener(
            [&command](const transfer::BlockProgress& p) { command.report().progress(p); });
        if (!command.run(read, "read-back") || !read.imagesComplete())
            return command.finishSession(read, "the keyboard could not be read, nothing was erased: ");
        readImages = read.images();
    }
    if (o.backupPath) {
        std::string reason;
        if (!saveBackup(command, plan, readImages, *o.backupPath, reason))
            return command.finish(kExitFileError, reason + "; nothing was erased");
    }
    std::u16string message;
    if (!transfer::mergeReadBack(*doc, plan, readImages, message))
        return command.finish(kExitFileError, oneLine(message));

    const transfer::PreparedWrite prepared = transfer::prepareWrite(*doc, plan, readImages, o.forceWrite);
    for (int s = 0; s < transfer::kMaxSlots; ++s)
        if (prepared.unchanged[static_cast<std::size_t>(s)]) {
            command.report().notice("keyboard language table #" + std::to_string(s + 1) +
                                    " unchanged: it already holds this table");
            command.report().slotDone(s + 1, transfer::SlotOutcome::Unchanged);
        }
    if (command.interrupted())
        return command.finish(kExitCancelled, "cancelled; nothing was erased");

    if (prepared.writeCount() > 0) {
        transfer::WriteRequest request;
        request.tables = prepared.tables;
        transfer::CWriteSession write(env.host(), env, env.port(), env.settings(), request,
                                      followingSessionOptions(o.retries));
        write.setProgressListener(
            [&command](const transfer::BlockProgress& p) { command.report().progress(p); });
        write.setSlotListener([&command](int slot, transfer::SlotOutcome outcome) {
            command.report().slotDone(slot, outcome);
        });
        if (!command.run(write, "write", [&write] { write.requestCancel(); })) {
            const std::vector<int> incomplete = write.incompleteSlots();
            return command.finishSession(
                write, {}, incomplete.empty() ? std::nullopt : std::optional<int>(incomplete.front()));
        }
    }

    if (o.verify && prepared.writeCount() > 0) {
        transfer::ReadRequest request;
        for (std::size_t s = 0; s < request.slotMap.size(); ++s)
            if (prepared.tables[s] != nullptr)
                request.slotMap[s] = plan.table[s];
        request.tableNames = tableNames(*doc);
        transfer::CReadSession verify(env.host(), env, env.port(), env.settings(), request,
                                      followingSessionOptions(o.retries));
        verify.setProgressListener([&command](transfer::BlockProgress p) {
            p.phase = transfer::TransferPhase::Verify;
            command.report().progress(p);
        });
        if (!command.run(verify, "verify") || !verify.imagesComplete())
            return command.finishSession(verify,
                                         "the written tables could not be read back to verify them: ");
        for (std::size_t s = 0; s < prepared.tables.size(); ++s) {
            if (prepared.tables[s] == nullptr)
                continue;
            const int slot = static_cast<int>(s) + 1;
            if (const auto difference =
                    transfer::firstDifference(slot, prepared.tables[s]->image(), verify.images()[s]))
                return command.finish(kExitVerifyFailed, oneLine(transfer::describeDifference(*difference)),
                                      slot);
            command.report().slotDone(slot, transfer::SlotOutcome::Verified);
        }
    }
    if (!o.json)
        std::printf("Transfer Complete: %d written, %d unchanged%s\n", prepared.writeCount(),
                    prepared.unchangedCount(), o.verify && prepared.writeCount() > 0 ? ", verified" : "");
    return command.finish(kExitOk);
}

} // namespace tarvo::cli
