// tarvo new: a new document from a template, saved.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/template_source.h"

#include <cstdio>

namespace tarvo::cli {

namespace {
// The synopsis, as the command table has it.
const char* newUsage()
{
    return usageOf("new");
}
} // namespace

int runNew(const std::vector<std::string>& argv)
{
    const Args args(argv, {"force"}, {"output", "template"});
    if (!args.ok())
        return usageError(args.error(), newUsage());
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", newUsage());
    const auto output = args.value("output");
    if (!output || output->empty())
        return usageError("no output file (-o OUT.tvo)", newUsage());
    const bool force = args.has("force");
    if (!force && pathExists(*output))
        return fail(kExitFileError, *output, "file exists (use --force to replace it)");

    TemplateSource source(args.value("template"));
    std::string message;
    if (!source.ready(message))
        return fail(kExitFileError, "new", message);

    document::DocumentNumberPool pool;
    auto build = [&source](int documentNumber) { return source.build(documentNumber); };
    document::DocOutcome created = document::createNewDocument(pool, build, nullptr, 0);
    if (!created.doc)
        return failDocument(created.result, source.what());

    const document::DocResult saved =
        created.doc->saveToPath(*output, true, force ? io::Overwrite::Allow : io::Overwrite::Refuse);
    if (!saved.ok())
        return failDocument(saved, *output);
    std::printf("%s: %zu language table%s\n", output->c_str(), created.doc->tableCount(),
                created.doc->tableCount() == 1 ? "" : "s");
    return kExitOk;
}

} // namespace tarvo::cli
