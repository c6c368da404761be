// tarvo import: reads tables from the keyboard into a new document, in slot
// order. The document is saved only when every chosen slot was read whole.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "document/import_filter.h"
#include "document/keyboard_document.h"
#include "transfer/import_choice.h"
#include "transfer/read_session.h"
#include "transfer/slot_inspection_session.h"

#include <cstdio>

namespace tarvo::cli {

namespace {

constexpr const char* kUsage =
    "tarvo import --port DEV -o OUT.tvo [--slots LIST] [--template FILE.LT3] [--force] [--json] [--quiet]";

std::vector<int> languagesOf(const templates::TemplateBuildResult& built)
{
    std::vector<int> ids;
    for (const auto& table : built.tables)
        ids.push_back(document::languageIdOf(*table));
    return ids;
}

} // namespace

int runImport(const std::vector<std::string>& argv)
{
    const Args args(argv, {"force", "json", "quiet"}, {"port", "output", "slots", "template"});
    if (!args.ok())
        return usageError(args.error(), kUsage);
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", kUsage);
    std::string error;
    const auto target = portTargetFrom(args.value("port"), error);
    if (!target)
        return usageError(error, kUsage);
    const auto output = args.value("output");
    if (!output || output->empty())
        return usageError("no output file (-o OUT.tvo)", kUsage);
    std::vector<transfer::SlotRequest> requests;
    if (const auto list = args.value("slots")) {
        std::u16string message;
        const auto parsed = transfer::parseSlotList(*list, message);
        if (!parsed)
            return usageError(oneLine(message), kUsage);
        requests = *parsed;
        for (const auto& request : requests)
            if (request.table)
                return usageError("slot " + std::to_string(request.slot) +
                                      ": N=I names a document table, which only a download takes",
                                  kUsage);
    }
    const bool force = args.has("force");
    // Checked before the keyboard is touched; the save checks again.
    if (!force && pathExists(*output))
        return fail(kExitFileError, *output, "file exists (use --force to replace it)");

    TemplateSource source(args.value("template"));
    if (!source.ready(error))
        return fail(kExitFileError, "import", error);
    // Built once: its languages decide the slots, its tables become the document's.
    templates::TemplateBuildResult templateTables = source.build(0);
    if (!templateTables.ok)
        return fail(kExitFileError, source.what(),
                    templateTables.error ? oneLine(templateTables.error->fullText)
                                         : "the template has no tables");

    TransferCommand command("import", *target, args.has("json"), args.has("quiet"), std::nullopt);
    SessionEnvironment& env = command.env();

    if (!command.inspect())
        return command.finishSession(command.inspection());
    const transfer::CSlotInspectionSession& inspection = command.inspection();

    const transfer::ImportChoice choice = transfer::chooseImportSlots(
        inspection.listings(), inspection.slotCount(), requests, languagesOf(templateTables));
    for (const int slot : choice.skipped) {
        const auto& row = transfer::findListing(inspection.listings(), slot)->row;
        command.report().notice("keyboard language table #" + std::to_string(slot) + " (" +
                                toUtf8(row.friendlyName) + ", language " + std::to_string(row.languageId) +
                                ") skipped: the template has no table of that language");
    }
    if (!choice.ok)
        return command.finish(kExitRefused, oneLine(choice.message));
    if (command.interrupted())
        return command.finish(kExitCancelled, "cancelled");

    transfer::ReadRequest request;
    request.slotMap = transfer::importSlotMap(choice);
    transfer::CReadSession read(env.host(), env, env.port(), env.settings(), request,
                                followingSessionOptions());
    read.setProgressListener([&command](const transfer::BlockProgress& p) { command.report().progress(p); });
    read.setSlotListener(
        [&command](int slot, transfer::SlotOutcome outcome) { command.report().slotDone(slot, outcome); });
    if (!command.run(read, "read") || !read.imagesComplete())
        return command.finishSession(read, "the keyboard could not be read: ");

    document::DocumentNumberPool pool;
    auto build = [&templateTables](int) { return std::move(templateTables); };
    const document::DocOutcome made = document::documentFromKeyboardImages(
        pool, build, read.images(), document::KeyboardImageUse::Import, target->portIndex);
    if (!made.doc)
        return command.finish(kExitFileError, oneLine(made.result.message));
    const document::DocResult saved =
        made.doc->saveToPath(*output, true, force ? io::Overwrite::Allow : io::Overwrite::Refuse);
    if (!saved.ok())
        return command.finish(kExitFileError, *output + ": " + oneLine(saved.message));
    if (!args.has("json"))
        std::printf("%s: %zu language table%s read from the keyboard\n", output->c_str(),
                    made.doc->tableCount(), made.doc->tableCount() == 1 ? "" : "s");
    return command.finish(kExitOk);
}

} // namespace tarvo::cli
