// tarvo import: reads tables from the keyboard into a new document, in slot
// order. The document is saved only when every chosen slot was read whole.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "io/atomic_file.h"
#include "templates/utf_text.h"
#include "transfer/import_job.h"

#include <cstdio>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* importUsage()
{
    return usageOf("import");
}

} // namespace

int runImport(const std::vector<std::string>& argv)
{
    const Args args(argv, {"force", "json", "quiet"}, {"port", "output", "slots", "template", "baud"});
    if (!args.ok())
        return usageError(args.error(), importUsage());
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", importUsage());
    std::string error;
    const auto target = portTargetFrom(args.value("port"), error);
    if (!target)
        return usageError(error, importUsage());
    const auto lineSpeed = lineSpeedFrom(args.value("baud"), error);
    if (!lineSpeed)
        return usageError(error, importUsage());
    const auto output = args.value("output");
    if (!output || output->empty())
        return usageError("no output file (-o OUT.tvo)", importUsage());
    std::vector<transfer::SlotRequest> requests;
    if (const auto list = args.value("slots")) {
        std::u16string message;
        const auto parsed = transfer::parseSlotList(*list, message);
        if (!parsed)
            return usageError(oneLine(message), importUsage());
        requests = *parsed;
        for (const auto& request : requests)
            if (request.table)
                return usageError("slot " + std::to_string(request.slot) +
                                      ": N=I names a document table, which only a download takes",
                                  importUsage());
    }
    const bool force = args.has("force");
    // Checked before the keyboard is touched; the save checks again.
    if (!force && pathExists(*output))
        return fail(kExitFileError, *output, templates::utf16ToUtf8(std::u16string(io::file_texts::kExists)));
    if (!io::isWritableKind(*output))
        return fail(kExitFileError, *output,
                    templates::utf16ToUtf8(std::u16string(io::file_texts::kNotRegularFile)));

    TemplateSource source(args.value("template"));
    if (!source.ready(error))
        return fail(kExitFileError, "import", error);
    transfer::ImportJobSetup setup;
    // Built once: its languages decide the slots, its tables become the document's.
    setup.templateTables = source.build(0);
    if (!setup.templateTables.ok)
        return fail(kExitFileError, source.what(),
                    setup.templateTables.error ? oneLine(setup.templateTables.error->fullText)
                                               : "the template has no tables");

    TransferCommand command("import", *target, args.has("json"), args.has("quiet"), std::nullopt, *lineSpeed);
    transfer::FileDocumentSaver saver(*output, true, force ? io::Overwrite::Allow : io::Overwrite::Refuse);
    setup.saver = &saver;
    setup.portIndex = target->portIndex;
    transfer::ImportJob job(command.jobLine(), command, command.jobOptions(), std::move(setup));
    const transfer::JobEnd& end = command.run(job, [&job, &requests] { job.chooseSlots(requests); });
    if (end.status == transfer::JobStatus::Complete && !args.has("json") && job.document() != nullptr) {
        const std::size_t count = job.document()->tableCount();
        std::printf("%s: %zu language table%s read from the keyboard\n", output->c_str(), count,
                    count == 1 ? "" : "s");
    }
    return command.finish(end);
}

} // namespace tarvo::cli
